#include "toolkit/qt/option_list.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <algorithm>

namespace toolkit::qtwidgets {

namespace {
constexpr int kOpenListHeight = 140;  // the list under a 20 px field: 160 px in all
}

OptionList::OptionList(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setDuplicatesEnabled(true);
  // No completion: the field takes what the learner types, and typing selects nothing.
  setCompleter(nullptr);
  // The combo box would select an item matching the typed text when the field is left or
  // Enter is pressed in it; in this program typing never changes the position.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(this, &QComboBox::activated, this, [this](int) {
    if (picked) picked();
  });
}

void OptionList::appendItem(const QString& text) {
  pending_.append(text);
}

void OptionList::addPendingItems() {
  if (pending_.isEmpty()) return;
  // The combo box takes the current index of its first item when items arrive in an empty
  // list; the program's lists stay unselected until a position is set.
  const int position = currentIndex();
  const QString field = currentText();
  {
    const QSignalBlocker blocker(this);
    addItems(pending_);
    if (currentIndex() != position) {
      setCurrentIndex(position);
      setEditText(field);
    }
  }
  pending_.clear();
}

void OptionList::setPosition(int position) {
  addPendingItems();
  const int last = count() - 1;
  setCurrentIndex(std::clamp(position, -1, last));
}

void OptionList::showEvent(QShowEvent* event) {
  addPendingItems();
  QComboBox::showEvent(event);
}

void OptionList::showPopup() {
  addPendingItems();
  const int rowHeight = std::max(1, view()->sizeHintForRow(0));
  setMaxVisibleItems(std::max(1, kOpenListHeight / rowHeight));
  QComboBox::showPopup();
}

}  // namespace toolkit::qtwidgets
