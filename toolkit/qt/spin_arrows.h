#pragma once

// The font-size spinner (调节器1): an upper and a lower arrow that never take the focus, so the
// learner can click into a box once and then step its size repeatedly.

#include <QWidget>
#include <functional>

class QToolButton;

namespace toolkit::qtwidgets {

class SpinArrows final : public QWidget {
 public:
  explicit SpinArrows(QWidget* parent = nullptr);

  /// +1 for the upper arrow, -1 for the lower arrow.
  std::function<void(int step)> stepped;

  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace toolkit::qtwidgets
