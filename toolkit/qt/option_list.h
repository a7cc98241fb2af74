#pragma once

// The option lists (组合框1 to 组合框4): editable, unsorted drop-down lists whose opened list is
// 140 px tall (160 px with the field) and scrolls.

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <functional>

namespace toolkit::qtwidgets {

class OptionList final : public QComboBox {
 public:
  explicit OptionList(QWidget* parent = nullptr);

  /// Called when the learner has taken an item from the list (with the mouse or the keys in
  /// the opened list, or by stepping through the items with the arrow keys or the wheel); never
  /// for typing into the field or for positions and items set by the program.
  std::function<void()> picked;

  /// Items wait here until the list is read, shown or its position set, and then go in as
  /// one batch: adding 10,000 items one by one to a combo box is far slower.
  void appendItem(const QString& text);
  void addPendingItems();

  /// From 0; -1 selects nothing; above the last item selects the last item.
  void setPosition(int position);

  /// Opens the list, 140 px tall, with every pending item in it.
  void showPopup() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QStringList pending_;
};

}  // namespace toolkit::qtwidgets
