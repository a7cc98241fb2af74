#pragma once

// The window of the handler tests: the in-memory toolkit built from the layout table, the one
// DrillState, the handlers wired to the toolkit's events, and admin.ini in a temporary
// directory of its own for each test.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "drill/drill.h"
#include "drill/settings_file.h"
#include "toolkit/memory/memory_toolkit.h"
#include "window/handlers.h"
#include "window/layout.h"

namespace testing_window {

using toolkit::Control;

/// The settings section "系统配置" in GBK.
inline constexpr std::string_view kSectionLine = "[\xCF\xB5\xCD\xB3\xC5\xE4\xD6\xC3]";

class WindowFixture : public testing::Test {
 protected:
  WindowFixture() { ui.setEvents(handlers.events()); }

  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tallyvane-handlers-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    settingsDirectory = pattern;
    drill::setSettingsDirectory(settingsDirectory.string());
  }

  void TearDown() override {
    drill::setSettingsDirectory(std::nullopt);
    std::error_code ignored;
    std::filesystem::remove_all(settingsDirectory, ignored);
  }

  std::filesystem::path iniPath() const { return settingsDirectory / "admin.ini"; }

  /// Writes admin.ini with the section line followed by `keyLines` ("5=12\n1=3\n" ...).
  void writeIni(std::string_view keyLines) const {
    std::ofstream file(iniPath(), std::ios::binary);
    file << kSectionLine << '\n' << keyLines;
  }

  bool iniExists() const { return std::filesystem::exists(iniPath()); }

  std::string iniContent() const {
    std::ifstream file(iniPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  /// The window opens: the created event runs as the toolkit raises it.
  void openWindow() { ui.create(); }

  /// The learner picks an item of an option list; the positions of the digit lists are digit
  /// counts minus one, those of the time list seconds minus four.
  void pickOperation(drill::OperationType operation) {
    ui.pickListItem(Control::组合框2, static_cast<int>(operation));
  }
  void pickDigits1(int digits) { ui.pickListItem(Control::组合框1, digits - 1); }
  void pickDigits2(int digits) { ui.pickListItem(Control::组合框4, digits - 1); }
  void pickTimeLimit(int seconds) { ui.pickListItem(Control::组合框3, seconds - 4); }

  /// Leaves the window as a generation does (the phase Generated) with text in every box, so
  /// that a test can see whether a reset ran.
  void fillBoxesAsAfterGeneration() {
    for (const Control box :
         {Control::编辑框2, Control::编辑框3, Control::编辑框4, Control::编辑框5})
      ui.setText(box, "123");
    ui.setEnabled(Control::按钮1, false);
    ui.setEnabled(Control::按钮2, true);
    ui.setEnabled(Control::按钮3, false);
  }

  void expectBoxesCleared() const {
    for (const Control box :
         {Control::编辑框2, Control::编辑框3, Control::编辑框4, Control::编辑框5})
      EXPECT_EQ(ui.text(box), "") << "box " << static_cast<int>(box);
  }

  void expectButtons(bool generate, bool start, bool showHide) const {
    EXPECT_EQ(ui.isEnabled(Control::按钮1), generate);
    EXPECT_EQ(ui.isEnabled(Control::按钮2), start);
    EXPECT_EQ(ui.isEnabled(Control::按钮3), showHide);
  }

  void expectReady() const {
    expectBoxesCleared();
    expectButtons(true, false, false);
  }

  std::filesystem::path settingsDirectory;
  toolkit::MemoryToolkit ui{window::controlTable(), window::windowDescription()};
  drill::DrillState state;
  window::Handlers handlers{ui, state};
};

}  // namespace testing_window
