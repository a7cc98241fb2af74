#pragma once

// The one-line edit boxes (编辑框4, 编辑框5): the text scrolls sideways as it grows.

#include <QLineEdit>
#include <functional>

namespace toolkit::qtwidgets {

class LineBox final : public QLineEdit {
 public:
  explicit LineBox(QWidget* parent = nullptr);

  /// Called with the program's key code on every key press, before the box handles the key.
  std::function<void(int keyCode)> keyDown;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace toolkit::qtwidgets
