#include "toolkit/qt/spin_arrows.h"

#include <QToolButton>

namespace toolkit::qtwidgets {

namespace {

QToolButton* makeArrow(Qt::ArrowType type, QWidget* parent) {
  auto* arrow = new QToolButton(parent);
  arrow->setArrowType(type);
  arrow->setFocusPolicy(Qt::NoFocus);
  // No auto-repeat: a step may open a modal hint, which must not be followed by more steps.
  arrow->setAutoRepeat(false);
  return arrow;
}

}  // namespace

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(makeArrow(Qt::UpArrow, this)), down_(makeArrow(Qt::DownArrow, this)) {
  setFocusPolicy(Qt::NoFocus);
  connect(up_, &QToolButton::clicked, this, [this] {
    if (stepped) stepped(+1);
  });
  connect(down_, &QToolButton::clicked, this, [this] {
    if (stepped) stepped(-1);
  });
}

void SpinArrows::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace toolkit::qtwidgets
