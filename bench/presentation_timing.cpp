// Timing of real presentations on the Qt window (run under Xvfb by presentation_timing.sh).
// A separate timing build: the program itself logs nothing. The handlers run on a Toolkit that
// forwards every call to the Qt toolkit and notes when forced repaints and waits begin and end.
//
// Reports, as tables on stdout:
//  1. the time from a click on 按钮1 to the end of the forced repaint of "系统出题完毕", and to
//     the X server having processed it, for each kind at 5,000 digits;
//  2. the flash, slot by slot against the schedule (a slot of `delay` ms plus the time to
//     format and repaint its addend), for 1-digit addends at 4 s and 5,000-digit addends at 40 s;
//  3. the time to repaint one addend of 5,008 characters.

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "drill/drill.h"
#include "toolkit/qt/qt_toolkit.h"
#include "window/handlers.h"
#include "window/layout.h"
#include "window/presentation.h"
#include "window/ui_texts.h"

namespace {

using Clock = std::chrono::steady_clock;
using toolkit::Control;

double msBetween(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Timed {
  Control control{};
  std::string text;  // of the control when it was repainted; empty for waits
  int requestedMs = 0;
  bool isWait = false;
  Clock::time_point begin, end;
};

/// Forwards every call; notes forced repaints and waits with their times.
class TimingToolkit final : public toolkit::Toolkit {
 public:
  explicit TimingToolkit(toolkit::QtToolkit& inner) : inner_(inner) {}

  std::vector<Timed> records;
  bool syncAfterRepaint = false;  // wait for the X server after every forced repaint

  std::string text(Control c) const override { return inner_.text(c); }
  void setText(Control c, std::string_view gbk) override { inner_.setText(c, gbk); }
  std::string windowTitle() const override { return inner_.windowTitle(); }
  void setWindowTitle(std::string_view gbk) override { inner_.setWindowTitle(gbk); }
  void setVisible(Control c, bool visible) override { inner_.setVisible(c, visible); }
  bool isVisible(Control c) const override { return inner_.isVisible(c); }
  void setEnabled(Control c, bool enabled) override { inner_.setEnabled(c, enabled); }
  bool isEnabled(Control c) const override { return inner_.isEnabled(c); }
  int listPosition(Control c) const override { return inner_.listPosition(c); }
  void setListPosition(Control c, int position) override { inner_.setListPosition(c, position); }
  void addListItem(Control c, std::string_view gbk) override { inner_.addListItem(c, gbk); }
  int listCount(Control c) const override { return inner_.listCount(c); }
  std::string listItem(Control c, int position) const override {
    return inner_.listItem(c, position);
  }
  bool isChecked(Control c) const override { return inner_.isChecked(c); }
  void setTextColour(Control c, toolkit::Rgb colour) override { inner_.setTextColour(c, colour); }
  int fontSize(Control c) const override { return inner_.fontSize(c); }
  void setFontSize(Control c, int points) override { inner_.setFontSize(c, points); }
  void setAlignment(Control c, toolkit::Alignment a) override { inner_.setAlignment(c, a); }
  void setPasswordMode(Control c, bool on) override { inner_.setPasswordMode(c, on); }
  bool isPasswordMode(Control c) const override { return inner_.isPasswordMode(c); }
  void repaintNow(Control c) override {
    Timed t{c, inner_.text(c), 0, false, Clock::now(), {}};
    inner_.repaintNow(c);
    if (syncAfterRepaint) QGuiApplication::sync();
    t.end = Clock::now();
    records.push_back(std::move(t));
  }
  void setFocus(Control c) override { inner_.setFocus(c); }
  bool hasFocus(Control c) const override { return inner_.hasFocus(c); }
  void messageBox(std::string_view text, std::string_view title,
                  toolkit::MessageIcon icon) override {
    inner_.messageBox(text, title, icon);
  }
  void handlePendingEvents() override { inner_.handlePendingEvents(); }
  void wait(int milliseconds) override {
    Timed t{Control::编辑框3, {}, milliseconds, true, Clock::now(), {}};
    inner_.wait(milliseconds);
    t.end = Clock::now();
    records.push_back(std::move(t));
  }
  void beep(int hertz, int milliseconds) override { inner_.beep(hertz, milliseconds); }
  void enableVisualStyles() override { inner_.enableVisualStyles(); }

 private:
  toolkit::QtToolkit& inner_;
};

double median(std::vector<double> v) {
  if (v.empty()) return 0.0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double maximum(const std::vector<double>& v) {
  return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
}

class Bench {
 public:
  Bench(toolkit::QtToolkit& qt, TimingToolkit& timed, window::Handlers& handlers,
        const drill::DrillState& state)
      : qt_(qt), timed_(timed), handlers_(handlers), state_(state) {}

  void run() {
    auto* sound = static_cast<QAbstractButton*>(qt_.widget(Control::选择框1));
    sound->setChecked(false);  // the tones would only lengthen the countdown

    std::printf("Generation: click on 按钮1 to \"系统出题完毕\" repainted (median of 5 runs)\n");
    std::printf(
        "| kind | digits | answer digits | to repaint return (ms) | to X server synced (ms) "
        "|\n");
    std::printf("|---|---|---|---|---|\n");
    generation("Addition", drill::OperationType::Addition, 5000, 5000);
    generation("MixedAddSub", drill::OperationType::MixedAddSub, 5000, 5000);
    generation("Multiplication", drill::OperationType::Multiplication, 5000, 5000);
    generation("Division", drill::OperationType::Division, 5000, 2500);

    std::printf(
        "\nFlash, per slot of 20: error against the delay alone, and against the schedule (the "
        "delay plus the slot's own repaints, which the program does not subtract)\n");
    std::printf(
        "| addends | limit | delay (ms) | vs delay: median / max (ms) | vs schedule: median / max "
        "(ms) | repaints per slot: median / max (ms) |\n");
    std::printf("|---|---|---|---|---|---|\n");
    flash(1, 4);
    flash(5000, 40);
  }

 private:
  void choose(drill::OperationType type, int digits1, int digits2, int seconds) {
    qt_.setListPosition(Control::组合框2, static_cast<int>(type));
    handlers_.onOperationChanged();
    qt_.setListPosition(Control::组合框1, digits1 - 1);
    handlers_.onDigits1Changed();
    if (type == drill::OperationType::Multiplication || type == drill::OperationType::Division) {
      qt_.setListPosition(Control::组合框4, digits2 - 1);
      handlers_.onDigits2Changed();
    }
    qt_.setListPosition(Control::组合框3, seconds - 4);
    handlers_.onTimeLimitChanged();
  }

  void click(Control button) { static_cast<QAbstractButton*>(qt_.widget(button))->click(); }

  void generation(const char* name, drill::OperationType type, int d1, int d2) {
    std::vector<double> toRepaint, toSync;
    for (int run = 0; run < 5; ++run) {
      choose(type, d1, d2, 4);
      QApplication::processEvents();
      for (const bool sync : {false, true}) {
        handlers_.resetQuestion();
        QApplication::processEvents();
        timed_.records.clear();
        timed_.syncAfterRepaint = sync;
        const auto start = Clock::now();
        click(Control::按钮1);
        timed_.syncAfterRepaint = false;
        for (const Timed& t : timed_.records) {
          if (!t.isWait && t.control == Control::透明标签1 && t.text == window::ui::kGenerated) {
            (sync ? toSync : toRepaint).push_back(msBetween(start, t.end));
          }
        }
      }
    }
    const std::string digits =
        type == drill::OperationType::Division ? "5000 / 2500" : std::to_string(d1);
    // The answer's length shows that the problem was really made at this size.
    const UnlNum& answer =
        type == drill::OperationType::Multiplication || type == drill::OperationType::Division
            ? state_.productOrQuotient
            : state_.addendSum;
    std::printf("| %s | %s | %zu | %.1f (max %.1f) | %.1f (max %.1f) |\n", name, digits.c_str(),
                UnlNum::toText(answer).size(), median(toRepaint), maximum(toRepaint),
                median(toSync), maximum(toSync));
    std::fflush(stdout);
  }

  void flash(int digits, int seconds) {
    choose(drill::OperationType::Addition, digits, digits, seconds);
    click(Control::按钮1);
    QApplication::processEvents();
    timed_.records.clear();
    click(Control::按钮2);

    const int delay = window::presentation::flashDelayMs(seconds);
    // A slot: the addend's repaint, its wait, the blank repaint, the blank wait.
    std::vector<double> errors, beyondRepaint, repaints, addendRepaints;
    const auto& r = timed_.records;
    for (std::size_t i = 0; i < r.size(); ++i) {
      if (!r[i].isWait && r[i].control == Control::编辑框3 && !r[i].text.empty()) {
        // The slot runs to the end of the next two waits.
        std::size_t waitsSeen = 0;
        double repaintMs = msBetween(r[i].begin, r[i].end);
        addendRepaints.push_back(repaintMs);
        std::size_t j = i + 1;
        for (; j < r.size() && waitsSeen < 2; ++j) {
          if (r[j].isWait) {
            ++waitsSeen;
          } else if (r[j].control == Control::编辑框3) {
            repaintMs += msBetween(r[j].begin, r[j].end);
          }
        }
        const double slot = msBetween(r[i].begin, r[j - 1].end);
        errors.push_back(slot - delay);
        beyondRepaint.push_back(slot - delay - repaintMs);
        repaints.push_back(repaintMs);
      }
    }
    std::printf("| %d x %d digits | %d s | %d | %.2f / %.2f | %.2f / %.2f | %.2f / %.2f |\n",
                static_cast<int>(errors.size()), digits, seconds, delay, median(errors),
                maximum(errors), median(beyondRepaint), maximum(beyondRepaint), median(repaints),
                maximum(repaints));
    if (digits >= 5000) {
      std::printf("\nRepaint of one %d-character addend in 编辑框3: median %.2f ms, max %.2f ms\n",
                  digits + 8, median(addendRepaints), maximum(addendRepaints));
    }
    std::fflush(stdout);
    handlers_.toggleAnswer();
  }

  toolkit::QtToolkit& qt_;
  TimingToolkit& timed_;
  window::Handlers& handlers_;
  const drill::DrillState& state_;
};

}  // namespace

int main(int argc, char* argv[]) {
  drill::DrillState state;
  QApplication application(argc, argv);
  toolkit::QtToolkit qt(window::windowDescription(), window::controlTable());
  TimingToolkit timed(qt);
  window::Handlers handlers(timed, state);
  qt.open(handlers.events());
  Bench bench(qt, timed, handlers, state);
  QTimer::singleShot(300, [&] {
    bench.run();
    qt.window()->close();
    QApplication::quit();
  });
  return QApplication::exec();
}
