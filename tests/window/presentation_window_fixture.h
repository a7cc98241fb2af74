#pragma once

// The main window on the in-memory toolkit, started as the program starts it, with its settings
// file in a directory of the test's own; and GBK texts written in the tests as UTF-8.

#include <gtest/gtest.h>
#include <iconv.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "drill/drill.h"
#include "drill/settings_file.h"
#include "toolkit/memory/memory_toolkit.h"
#include "window/handlers.h"
#include "window/layout.h"

namespace presentation_test {

using toolkit::Control;
using toolkit::MemoryToolkit;

/// The GBK bytes of a UTF-8 text (the tests write the window's texts as they read).
inline std::string gbk(std::string_view utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "no UTF-8 to GBK conversion";
    return {};
  }
  std::string in(utf8);
  std::string out(in.size() * 2 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    ADD_FAILURE() << "not convertible to GBK: " << utf8;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

/// The four phases as the three buttons, the caption of 按钮3 and the mask of 编辑框2 hold them.
struct Phase {
  bool generate = false;
  bool start = false;
  bool showHide = false;
  friend bool operator==(const Phase&, const Phase&) = default;
};
inline constexpr Phase kReady{true, false, false};
inline constexpr Phase kGenerated{false, true, false};
inline constexpr Phase kPresented{false, false, true};
inline constexpr Phase kAnswerToggled{true, false, true};

inline std::ostream& operator<<(std::ostream& os, const Phase& p) {
  return os << "{按钮1 " << p.generate << ", 按钮2 " << p.start << ", 按钮3 " << p.showHide << "}";
}

/// A digit string of `count` digits made of `digit`, for operands and answers of a known length.
inline std::string digits(std::size_t count, char digit = '7') {
  return std::string(count, digit);
}

inline UnlNum number(std::string_view text) {
  UnlNum x;
  EXPECT_TRUE(UnlNum::fromText(x, text)) << text;
  return x;
}

class DrillWindow : public ::testing::Test {
 protected:
  DrillWindow()
      : ui_(window::controlTable(), window::windowDescription()), handlers_(ui_, state_) {}

  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "presentation-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    settingsDir_ = pattern;
    drill::setSettingsDirectory(settingsDir_.string());
    ui_.setEvents(handlers_.events());
    ui_.create();
  }

  void TearDown() override {
    drill::setSettingsDirectory(std::nullopt);
    std::error_code ignored;
    std::filesystem::remove_all(settingsDir_, ignored);
  }

  /// The learner picks the operation and the digit counts (and for the column drills the time
  /// limit, 4 to 40 seconds), as from the opened lists.
  void choose(drill::OperationType type, int digits1, int digits2OrSeconds) {
    ui_.pickListItem(Control::组合框2, static_cast<int>(type));
    ui_.pickListItem(Control::组合框1, digits1 - 1);
    if (type == drill::OperationType::Multiplication || type == drill::OperationType::Division) {
      ui_.pickListItem(Control::组合框4, digits2OrSeconds - 1);
    } else {
      ui_.pickListItem(Control::组合框3, digits2OrSeconds - 4);
    }
  }

  Phase phase() const {
    return {ui_.isEnabled(Control::按钮1), ui_.isEnabled(Control::按钮2),
            ui_.isEnabled(Control::按钮3)};
  }

  /// Forced repaints of one control, in order.
  std::vector<toolkit::PaintRecord> forcedPaints(Control c) const {
    std::vector<toolkit::PaintRecord> result;
    for (const auto& paint : ui_.paints()) {
      if (paint.control == c && paint.cause == toolkit::PaintCause::Forced) {
        result.push_back(paint);
      }
    }
    return result;
  }

  /// Log entries of one operation on one control, in order.
  std::vector<toolkit::LogEntry> logged(toolkit::Operation operation, Control c) const {
    std::vector<toolkit::LogEntry> result;
    for (const auto& entry : ui_.log()) {
      if (entry.operation == operation && entry.control == c) result.push_back(entry);
    }
    return result;
  }

  std::filesystem::path settingsDir_;
  MemoryToolkit ui_;
  drill::DrillState state_;
  window::Handlers handlers_;
};

}  // namespace presentation_test
