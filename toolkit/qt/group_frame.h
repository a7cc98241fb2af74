#pragma once

// The panels (分组框1, 分组框2): an etched frame on the button face, without a title unless
// one is set; the frame starts half a line below the top edge, where a title would sit.

#include <QString>
#include <QWidget>

namespace toolkit::qtwidgets {

class GroupFrame final : public QWidget {
 public:
  explicit GroupFrame(QWidget* parent = nullptr);

  QString title() const { return title_; }
  void setTitle(const QString& title);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
};

}  // namespace toolkit::qtwidgets
