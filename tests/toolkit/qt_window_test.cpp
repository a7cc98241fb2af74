// The window itself: frame, stacking, start-up order, focus, closing (Esc, deferred while a
// handler runs), the spinner's focus rule, the caption bar's gradient, the overlay, message boxes.

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <string>

#include "qt_window_fixture.h"
#include "toolkit/qt/caption_gradient.h"
#include "toolkit/qt/spin_arrows.h"

namespace toolkit_test {
namespace {

using toolkit::ControlDescription;
using toolkit::MessageIcon;

// Runs the event loop until `done` holds or a second has passed.
bool waitFor(const std::function<bool()>& done) {
  for (int i = 0; i < 100 && !done(); ++i) QTest::qWait(10);
  return done();
}

TEST_F(QtWindowTest, HasItsTitleFixedClientSizeAndFrameButtons) {
  open();
  QWidget* window = ui->window();
  EXPECT_EQ(ui->windowTitle(), "Tallyvane-byKorvessa");
  EXPECT_EQ(window->size(), QSize(1032, 682));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window->windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));
}

TEST_F(QtWindowTest, ControlsSitAtTheirPlacesInTheirParents) {
  for (const ControlDescription& control : window::controlTable()) {
    SCOPED_TRACE(std::string(control.name));
    QWidget* expectedParent = control.parent ? widget(*control.parent) : ui->window();
    EXPECT_EQ(widget(control.id)->parentWidget(), expectedParent);
    EXPECT_EQ(widget(control.id)->geometry(),
              QRect(control.left, control.top, control.width, control.height));
    EXPECT_TRUE(ui->isVisible(control.id));
    EXPECT_TRUE(ui->isEnabled(control.id));
  }
}

TEST_F(QtWindowTest, AnEarlierDeclaredControlLiesAboveALaterSibling) {
  // Qt keeps a parent's children in stacking order, bottom first.
  const auto table = window::controlTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (std::size_t j = i + 1; j < table.size(); ++j) {
      if (table[i].parent != table[j].parent) continue;
      QWidget* parent = widget(table[i].id)->parentWidget();
      const auto upper = parent->children().indexOf(widget(table[i].id));
      const auto lower = parent->children().indexOf(widget(table[j].id));
      EXPECT_GT(upper, lower) << table[i].name << " should lie above " << table[j].name;
    }
  }
}

TEST_F(QtWindowTest, CreatedRunsBeforeTheWindowShowsAndItsFocusStands) {
  bool shownDuringCreated = true;
  int listItemsDuringCreated = -1;
  events.windowCreated = [&] {
    shownDuringCreated = ui->window()->isVisible();
    ui->addListItem(Control::组合框2, " + ");
    listItemsDuringCreated = ui->listCount(Control::组合框2);
    ui->setFocus(Control::组合框2);
  };
  open();
  EXPECT_FALSE(shownDuringCreated);
  EXPECT_EQ(listItemsDuringCreated, 1);
  EXPECT_TRUE(ui->window()->isVisible());
  EXPECT_TRUE(waitFor([&] { return ui->hasFocus(Control::组合框2); }));
  EXPECT_FALSE(ui->hasFocus(Control::编辑框3));
}

struct FocusCase {
  Control control;
  const char* name;
};

class EscapeTest : public QtWindowTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(EscapeTest, EscClosesTheWindowAndRunsClosingOnce) {
  open();
  ui->setFocus(GetParam().control);
  ASSERT_TRUE(waitFor([&] { return ui->hasFocus(GetParam().control); }));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(waitFor([&] { return !ui->window()->isVisible(); }));
  EXPECT_EQ(closings, 1);
  QTest::qWait(20);
  EXPECT_EQ(closings, 1);
}

INSTANTIATE_TEST_SUITE_P(FocusAnywhere, EscapeTest,
                         ::testing::Values(FocusCase{Control::组合框2, "OperationList"},
                                           FocusCase{Control::组合框3, "TimeList"},
                                           FocusCase{Control::编辑框3, "QuestionBox"},
                                           FocusCase{Control::编辑框2, "MaskedAnswerBox"},
                                           FocusCase{Control::编辑框4, "AnswerInput"},
                                           FocusCase{Control::按钮1, "GenerateButton"},
                                           FocusCase{Control::选择框1, "SoundSwitch"}),
                         [](const ::testing::TestParamInfo<FocusCase>& row) {
                           return std::string(row.param.name);
                         });

TEST_F(QtWindowTest, CloseButtonClosesOnceLikeEsc) {
  open();
  ui->window()->close();
  EXPECT_FALSE(ui->window()->isVisible());
  ui->window()->close();
  EXPECT_EQ(closings, 1);
}

TEST_F(QtWindowTest, CloseRequestDuringAHandlerIsCarriedOutAfterItReturns) {
  int closingsInsideHandler = -1;
  bool visibleInsideHandler = false;
  events.buttonClicked = [&](Control) {
    // The close button, then the window system's own request, while the handler runs; the
    // toolkit's waits let such requests through but must not close the window under it.
    ui->window()->close();
    QCoreApplication::postEvent(ui->window()->windowHandle(), new QCloseEvent);
    ui->wait(30);
    ui->handlePendingEvents();
    closingsInsideHandler = closings;
    visibleInsideHandler = ui->window()->isVisible();
  };
  open();
  QTest::mouseClick(widget(Control::按钮1), Qt::LeftButton);
  EXPECT_EQ(closingsInsideHandler, 0);
  EXPECT_TRUE(visibleInsideHandler);
  EXPECT_TRUE(waitFor([&] { return !ui->window()->isVisible(); }));
  EXPECT_EQ(closings, 1);
}

TEST_F(QtWindowTest, WaitLastsItsTimeAndANegativeWaitReturnsAtOnce) {
  open();
  QElapsedTimer timer;
  timer.start();
  ui->wait(120);
  EXPECT_GE(timer.elapsed(), 120);
  EXPECT_LT(timer.elapsed(), 400);
  timer.restart();
  ui->wait(-50);
  EXPECT_LT(timer.elapsed(), 20);
}

TEST_F(QtWindowTest, SpinnerStepsWithoutTakingTheFocus) {
  open();
  ui->setFocus(Control::编辑框3);
  ASSERT_TRUE(waitFor([&] { return ui->hasFocus(Control::编辑框3); }));
  auto* spinner = static_cast<toolkit::qtwidgets::SpinArrows*>(widget(Control::调节器1));
  EXPECT_EQ(spinner->upArrow()->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(spinner->downArrow()->focusPolicy(), Qt::NoFocus);
  QTest::mouseClick(spinner->upArrow(), Qt::LeftButton);
  QTest::mouseClick(spinner->upArrow(), Qt::LeftButton);
  QTest::mouseClick(spinner->downArrow(), Qt::LeftButton);
  EXPECT_EQ(steps, (std::vector<int>{+1, +1, -1}));
  EXPECT_TRUE(ui->hasFocus(Control::编辑框3));
}

TEST_F(QtWindowTest, ButtonClicksRaiseTheirEventUnlessDisabled) {
  open();
  QTest::mouseClick(widget(Control::按钮4), Qt::LeftButton);
  ui->setEnabled(Control::按钮2, false);
  QTest::mouseClick(widget(Control::按钮2), Qt::LeftButton);
  EXPECT_EQ(clicks, std::vector<Control>{Control::按钮4});
  EXPECT_FALSE(ui->isEnabled(Control::按钮2));
}

struct GradientRow {
  int y, r, g, b;
};

// Rows of a 40 px bar, worked out by hand from the three stops and s = 20.
const GradientRow kBarRows[] = {{0, 0, 128, 0},    {10, 11, 87, 109}, {19, 20, 51, 207},
                                {20, 22, 47, 218}, {30, 11, 71, 205}, {39, 1, 93, 193}};

TEST_F(QtWindowTest, CaptionBarPaintsTheThreeStopGradient) {
  ASSERT_EQ(widget(Control::标签6)->height(), 40);
  const QImage bar = widget(Control::标签6)->grab().toImage();
  for (const GradientRow& row : kBarRows) {
    SCOPED_TRACE(row.y);
    EXPECT_EQ(QColor(bar.pixel(1000, row.y)), QColor(row.r, row.g, row.b));
    EXPECT_EQ(QColor(bar.pixel(3, row.y)), QColor(row.r, row.g, row.b));
  }
}

TEST(CaptionGradient, ShortBarsShowTheFirstStopAndTallBarsEndOnTheLast) {
  using toolkit::qtwidgets::captionGradientRow;
  EXPECT_EQ(captionGradientRow(0, 1), QColor(0, 128, 0));  // no segment to blend across
  EXPECT_EQ(captionGradientRow(0, 0), QColor(0, 128, 0));
  EXPECT_EQ(captionGradientRow(40, 41), QColor(0, 96, 192));  // row 40 of 41: i = 2
  EXPECT_EQ(captionGradientRow(3, 7), QColor(22, 47, 218));   // s = 3, i = 1, offset 0
}

int countPixels(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += QColor(image.pixel(x, y)) == colour ? 1 : 0;
  }
  return count;
}

// What the window shows on the screen at this moment: the platform's copy of the window,
// without running the event loop first.
QImage onScreen(QWidget* window, const QRect& area) {
  return window->screen()
      ->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height())
      .toImage();
}

TEST_F(QtWindowTest, OverlayShowsEachChangeAtOnceOverTheQuestionBox) {
  open();
  QTest::qWait(50);
  const QRect area = widget(Control::透明标签1)->geometry();
  const QColor blue(0, 0, 255), green(0, 255, 0);
  EXPECT_EQ(countPixels(onScreen(ui->window(), area), blue), area.width() * area.height());

  ui->setText(Control::透明标签1, "3");
  const QImage digit = onScreen(ui->window(), area);
  const int greenPixels = countPixels(digit, green);
  EXPECT_GT(greenPixels, 100);
  EXPECT_EQ(QColor(digit.pixel(0, 0)), blue);
  EXPECT_EQ(QColor(digit.pixel(area.width() - 1, area.height() - 1)), blue);

  // 系统出题完毕: six wide characters replace the digit.
  ui->setText(Control::透明标签1, "\xCF\xB5\xCD\xB3\xB3\xF6\xCC\xE2\xCD\xEA\xB1\xCF");
  EXPECT_GT(countPixels(onScreen(ui->window(), area), green), 3 * greenPixels);

  ui->setText(Control::透明标签1, "");
  EXPECT_EQ(countPixels(onScreen(ui->window(), area), green), 0);
  ui->setText(Control::透明标签1, "2");
  EXPECT_GT(countPixels(onScreen(ui->window(), area), green), 100);
  ui->setVisible(Control::透明标签1, false);
  EXPECT_EQ(countPixels(onScreen(ui->window(), area), green), 0);
}

TEST_F(QtWindowTest, RepaintNowPutsAnEditBoxsNewTextOnTheScreen) {
  open();
  QTest::qWait(50);
  const QRect firstLine(2, 41, 400, 40);  // the question box's first line, in the window
  const QColor white(255, 255, 255);
  ui->setText(Control::编辑框3, "        12345");
  EXPECT_EQ(countPixels(onScreen(ui->window(), firstLine), white), 0);  // not painted yet
  ui->repaintNow(Control::编辑框3);
  const int digits = countPixels(onScreen(ui->window(), firstLine), white);
  EXPECT_GT(digits, 50);
  ui->setText(Control::编辑框3, "");
  ui->repaintNow(Control::编辑框3);
  EXPECT_EQ(countPixels(onScreen(ui->window(), firstLine), white), 0);
}

TEST_F(QtWindowTest, PendingEventsAndWaitsLetTheWindowPaintInsideAHandler) {
  const QRect firstLine(2, 41, 400, 40);
  const QColor white(255, 255, 255);
  int afterPendingEvents = -1, afterWait = -1;
  events.buttonClicked = [&](Control) {
    ui->setText(Control::编辑框3, "        12345");  // no forced repaint
    ui->handlePendingEvents();
    afterPendingEvents = countPixels(onScreen(ui->window(), firstLine), white);
    ui->setText(Control::编辑框3, "");
    ui->wait(50);
    afterWait = countPixels(onScreen(ui->window(), firstLine), white);
  };
  open();
  QTest::qWait(50);
  QTest::mouseClick(widget(Control::按钮1), Qt::LeftButton);
  EXPECT_GT(afterPendingEvents, 50);
  EXPECT_EQ(afterWait, 0);
}

TEST_F(QtWindowTest, OverlayLetsTheMouseThrough) {
  open();
  const QPoint centre = widget(Control::透明标签1)->geometry().center();
  QWidget* hit = ui->window()->childAt(centre);
  ASSERT_NE(hit, nullptr);
  EXPECT_TRUE(widget(Control::编辑框3)->isAncestorOf(hit));
}

struct SeenBox {
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  Qt::WindowModality modality = Qt::NonModal;
  bool hasOwner = true;
};

// Records the next modal message box and presses its OK button.
void dismissNextMessageBox(SeenBox& seen, int triesLeft = 200) {
  QTimer::singleShot(10, [&seen, triesLeft] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      if (triesLeft > 0) dismissNextMessageBox(seen, triesLeft - 1);
      return;
    }
    seen = {box->text(),           box->windowTitle(),
            box->icon(),           static_cast<int>(box->buttons().size()),
            box->windowModality(), box->parentWidget() != nullptr};
    box->button(QMessageBox::Ok)->click();
  });
}

TEST_F(QtWindowTest, MessageBoxIsModalToTheProgramWithOneOkButton) {
  open();
  SeenBox seen;
  dismissNextMessageBox(seen);
  // 除法中，被除数应大于除数！\r\n　　请重新选择！ with the title 错误提示！
  ui->messageBox(
      "\xB3\xFD\xB7\xA8\xD6\xD0\xA3\xAC\xB1\xBB\xB3\xFD\xCA\xFD\xD3\xA6\xB4\xF3\xD3\xDA\xB3\xFD"
      "\xCA\xFD\xA3\xA1\r\n\xA1\xA1\xA1\xA1\xC7\xEB\xD6\xD8\xD0\xC2\xD1\xA1\xD4\xF1\xA3\xA1",
      "\xB4\xED\xCE\xF3\xCC\xE1\xCA\xBE\xA3\xA1", MessageIcon::Error);
  EXPECT_EQ(seen.text, QString::fromUtf8("除法中，被除数应大于除数！\n　　请重新选择！"));
  EXPECT_EQ(seen.title, QString::fromUtf8("错误提示！"));
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_EQ(seen.modality, Qt::ApplicationModal);
  EXPECT_FALSE(seen.hasOwner);

  SeenBox hint;
  dismissNextMessageBox(hint);
  ui->messageBox("x", "y", MessageIcon::None);
  EXPECT_EQ(hint.icon, QMessageBox::NoIcon);
  EXPECT_EQ(hint.buttons, 1);
}

}  // namespace
}  // namespace toolkit_test
