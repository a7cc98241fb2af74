#pragma once

// A real window built by the Qt toolkit from the program's layout table, shown on the offscreen
// platform, with every event counted.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

#include "toolkit/qt/qt_toolkit.h"
#include "window/layout.h"

namespace toolkit_test {

using toolkit::Control;

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui = std::make_unique<toolkit::QtToolkit>(window::windowDescription(), window::controlTable());
    events.windowClosing = [this] { ++closings; };
    events.listItemSelected = [this](Control c) { picks.push_back(c); };
    events.buttonClicked = [this](Control c) { clicks.push_back(c); };
    events.keyPressed = [this](Control c, int key) { keys.emplace_back(c, key); };
    events.spinStep = [this](int step) { steps.push_back(step); };
  }

  void TearDown() override {
    ui.reset();
    QApplication::processEvents();
  }

  /// Opens the window with `events` and waits until it is shown and active.
  void open() {
    ui->open(events);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ui->window()));
    QApplication::setActiveWindow(ui->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(ui->window()));
  }

  QWidget* widget(Control c) const { return ui->widget(c); }

  std::unique_ptr<toolkit::QtToolkit> ui;
  toolkit::Events events;
  int closings = 0;
  std::vector<Control> picks;
  std::vector<Control> clicks;
  std::vector<std::pair<Control, int>> keys;
  std::vector<int> steps;
};

}  // namespace toolkit_test
