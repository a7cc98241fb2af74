#include "toolkit/qt/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace toolkit::qtwidgets {

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (mayClose && !mayClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // No control takes Esc, so it arrives here from wherever the focus is; an opened option
  // list is a window of its own and keeps its Esc (which closes the list only). While a
  // handler runs, the key waits in the queue with the rest of the input.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace toolkit::qtwidgets
