#include "toolkit/qt/main_window.h"

#include <QCloseEvent>
#include <QShortcut>

namespace toolkit::qtwidgets {

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  // No control claims Esc, so the window's shortcut sees it wherever the focus is. A shortcut
  // is a key event: while a handler runs it waits in the queue with the other input.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (mayClose && !mayClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace toolkit::qtwidgets
