#pragma once

// The program's one top-level window: fixed size, a close button but no minimise or maximise
// button, Esc closes it exactly as the close button does.

#include <QWidget>
#include <functional>

namespace toolkit::qtwidgets {

class MainWindow final : public QWidget {
 public:
  MainWindow();

  /// Asked on every close request (close button, system menu, Esc); true lets it close now.
  std::function<bool()> mayClose;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace toolkit::qtwidgets
