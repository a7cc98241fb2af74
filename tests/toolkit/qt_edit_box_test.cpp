// The edit boxes: the masked answer box (stars for what is set, typed and pasted; the real text
// when read), line breaks, alignment, scroll bars only for overflowing text, key events.

#include <QClipboard>
#include <QScrollBar>
#include <string>

#include "qt_window_fixture.h"
#include "toolkit/qt/text_box.h"

namespace toolkit_test {
namespace {

using toolkit::Alignment;
using toolkit::qtwidgets::TextBox;

class QtEditBoxTest : public QtWindowTest {
 protected:
  TextBox* box(Control c) const { return static_cast<TextBox*>(widget(c)); }
  QString shown(Control c) const { return box(c)->toPlainText(); }

  void focusOn(Control c) {
    ui->setFocus(c);
    for (int i = 0; i < 100 && !ui->hasFocus(c); ++i) QTest::qWait(10);
    ASSERT_TRUE(ui->hasFocus(c));
  }
};

TEST_F(QtEditBoxTest, AnswerBoxStartsMaskedAndShowsOneStarPerCharacter) {
  EXPECT_TRUE(ui->isPasswordMode(Control::编辑框2));
  EXPECT_FALSE(ui->isPasswordMode(Control::编辑框3));
  ui->setText(Control::编辑框2, "   -12345    ");
  EXPECT_EQ(shown(Control::编辑框2), QString(13, QLatin1Char('*')));
  EXPECT_EQ(ui->text(Control::编辑框2), "   -12345    ");

  ui->setPasswordMode(Control::编辑框2, false);
  EXPECT_EQ(shown(Control::编辑框2), QStringLiteral("   -12345    "));
  ui->setPasswordMode(Control::编辑框2, true);
  EXPECT_EQ(shown(Control::编辑框2), QString(13, QLatin1Char('*')));
  EXPECT_EQ(ui->text(Control::编辑框2), "   -12345    ");
}

TEST_F(QtEditBoxTest, TypingIntoTheMaskedBoxShowsStarsAndKeepsTheRealText) {
  open();
  ui->setText(Control::编辑框2, "");
  focusOn(Control::编辑框2);
  QTest::keyClicks(box(Control::编辑框2), "90 817");
  EXPECT_EQ(shown(Control::编辑框2), QStringLiteral("******"));
  EXPECT_EQ(ui->text(Control::编辑框2), "90 817");

  QTest::keyClick(box(Control::编辑框2), Qt::Key_Backspace);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_Home);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_Delete);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_Right);
  QTest::keyClicks(box(Control::编辑框2), "5");
  EXPECT_EQ(ui->text(Control::编辑框2), "05 81");
  EXPECT_EQ(shown(Control::编辑框2), QStringLiteral("*****"));

  QTest::keyClick(box(Control::编辑框2), Qt::Key_End);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_Return);
  QTest::keyClicks(box(Control::编辑框2), "7");
  EXPECT_EQ(ui->text(Control::编辑框2), "05 81\r\n7");
  EXPECT_EQ(shown(Control::编辑框2), QStringLiteral("*******"));

  QTest::keyClick(box(Control::编辑框2), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box(Control::编辑框2), "x");
  EXPECT_EQ(ui->text(Control::编辑框2), "x");
  EXPECT_EQ(shown(Control::编辑框2), QStringLiteral("*"));
}

TEST_F(QtEditBoxTest, NothingIsCopiedOutOfTheMaskedBoxButPastesGoIn) {
  open();
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText(QStringLiteral("sentinel"));
  ui->setText(Control::编辑框2, "31415");
  focusOn(Control::编辑框2);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("sentinel"));
  EXPECT_EQ(ui->text(Control::编辑框2), "31415");

  clipboard->setText(QStringLiteral("27"));
  QTest::keyClick(box(Control::编辑框2), Qt::Key_End);
  QTest::keyClick(box(Control::编辑框2), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(ui->text(Control::编辑框2), "3141527");
  EXPECT_EQ(shown(Control::编辑框2), QStringLiteral("*******"));
}

TEST_F(QtEditBoxTest, QuestionBoxShowsWhatIsTypedAndKeepsLineBreaks) {
  open();
  focusOn(Control::编辑框3);
  QTest::keyClicks(box(Control::编辑框3), "12 + 3");
  EXPECT_EQ(shown(Control::编辑框3), QStringLiteral("12 + 3"));
  // 　　　123\r\n × 45: the multiplication display with its line break.
  const std::string question =
      "\xA1\xA1\xA1\xA1\xA1\xA1"
      "123\r\n \xA1\xC1 45";
  ui->setText(Control::编辑框3, question);
  EXPECT_EQ(ui->text(Control::编辑框3), question);
  EXPECT_EQ(box(Control::编辑框3)->document()->blockCount(), 2);
}

TEST_F(QtEditBoxTest, AlignmentAppliesAtOnceAndKeepsTheText) {
  ui->setText(Control::编辑框2, "  42   ");
  ui->setAlignment(Control::编辑框2, Alignment::Left);
  EXPECT_EQ(box(Control::编辑框2)->document()->defaultTextOption().alignment(), Qt::AlignLeft);
  ui->setAlignment(Control::编辑框2, Alignment::Centred);
  EXPECT_EQ(box(Control::编辑框2)->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
  EXPECT_EQ(ui->text(Control::编辑框2), "  42   ");
  EXPECT_EQ(box(Control::编辑框3)->document()->defaultTextOption().alignment(), Qt::AlignLeft);
}

class ScrollBarTest : public QtEditBoxTest, public ::testing::WithParamInterface<Control> {};

TEST_P(ScrollBarTest, AppearsOnlyWhileTheTextOverflows) {
  open();
  const Control c = GetParam();
  ui->setText(c, "12345678901234567890");
  QApplication::processEvents();
  EXPECT_FALSE(box(c)->verticalScrollBar()->isVisible());
  ui->setText(c, std::string(6000, '7'));
  QApplication::processEvents();
  EXPECT_TRUE(box(c)->verticalScrollBar()->isVisible());
  EXPECT_FALSE(box(c)->horizontalScrollBar()->isVisible());
  ui->setText(c, "");
  QApplication::processEvents();
  EXPECT_FALSE(box(c)->verticalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(MultiLineBoxes, ScrollBarTest,
                         ::testing::Values(Control::编辑框3, Control::编辑框2),
                         [](const ::testing::TestParamInfo<Control>& row) {
                           return std::string(row.param == Control::编辑框3 ? "QuestionBox"
                                                                            : "AnswerBox");
                         });

TEST_F(QtEditBoxTest, KeysInTheAnswerInputRaiseTheirCodes) {
  open();
  focusOn(Control::编辑框4);
  QTest::keyClicks(widget(Control::编辑框4), "7a");
  QTest::keyClick(widget(Control::编辑框4), Qt::Key_Return);
  QTest::keyClick(widget(Control::编辑框4), Qt::Key_Enter, Qt::KeypadModifier);
  const std::vector<std::pair<Control, int>> expected{{Control::编辑框4, '7'},
                                                      {Control::编辑框4, 'A'},
                                                      {Control::编辑框4, 13},
                                                      {Control::编辑框4, 13}};
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(ui->text(Control::编辑框4), "7a");
  EXPECT_TRUE(ui->hasFocus(Control::编辑框4));  // Enter does not move the focus
}

}  // namespace
}  // namespace toolkit_test
