// The option lists: items in order, positions clamped, and the selection event only for the
// learner's pick from the list, never for typing or for what the program sets.

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <string>

#include "qt_window_fixture.h"
#include "toolkit/qt/option_list.h"

namespace toolkit_test {
namespace {

using toolkit::qtwidgets::OptionList;

class QtListTest : public QtWindowTest {
 protected:
  OptionList* list(Control c) const { return static_cast<OptionList*>(widget(c)); }

  void fill(Control c, int count) {
    for (int i = 1; i <= count; ++i) ui->addListItem(c, std::to_string(i));
  }

  void openPopup(Control c) {
    list(c)->showPopup();
    QWidget* popup = list(c)->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
  }
};

TEST_F(QtListTest, ItemsStayInOrderAndTheListStartsWithoutSelection) {
  fill(Control::组合框1, 20);
  ui->addListItem(Control::组合框1, "1");  // duplicates are kept
  EXPECT_EQ(ui->listCount(Control::组合框1), 21);
  EXPECT_EQ(ui->listPosition(Control::组合框1), -1);
  EXPECT_EQ(ui->listItem(Control::组合框1, 0), "1");
  EXPECT_EQ(ui->listItem(Control::组合框1, 19), "20");
  EXPECT_EQ(ui->listItem(Control::组合框1, 20), "1");
  EXPECT_EQ(ui->listItem(Control::组合框1, 21), "");
  EXPECT_EQ(ui->listItem(Control::组合框1, -1), "");
  EXPECT_EQ(ui->text(Control::组合框1), "");
  EXPECT_TRUE(picks.empty());  // filling a list is not a pick
}

struct PositionCase {
  int set, expected;
};

class ListPositionTest : public QtListTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(ListPositionTest, IsClampedAndRaisesNoEvent) {
  fill(Control::组合框3, 37);
  ui->setListPosition(Control::组合框3, 5);
  ui->setListPosition(Control::组合框3, GetParam().set);
  EXPECT_EQ(ui->listPosition(Control::组合框3), GetParam().expected);
  const std::string item = GetParam().expected < 0 ? "" : std::to_string(GetParam().expected + 1);
  EXPECT_EQ(ui->text(Control::组合框3), item);
  EXPECT_TRUE(picks.empty());
}

INSTANTIATE_TEST_SUITE_P(Positions, ListPositionTest,
                         ::testing::Values(PositionCase{0, 0}, PositionCase{36, 36},
                                           PositionCase{37, 36}, PositionCase{1000000, 36},
                                           PositionCase{-1, -1}, PositionCase{-2, -1},
                                           PositionCase{-2147483647 - 1, -1}),
                         [](const ::testing::TestParamInfo<PositionCase>& row) {
                           const int set = row.param.set;
                           return (set < 0 ? "Minus" + std::to_string(-static_cast<long long>(set))
                                           : std::to_string(set));
                         });

TEST_F(QtListTest, AnEmptyListHasNoPositionToSet) {
  ui->setListPosition(Control::组合框4, 3);
  EXPECT_EQ(ui->listPosition(Control::组合框4), -1);
  ui->setListPosition(Control::组合框4, 0);
  EXPECT_EQ(ui->listPosition(Control::组合框4), -1);
}

TEST_F(QtListTest, TypingIntoTheFieldRaisesNothingAndKeepsThePosition) {
  open();
  fill(Control::组合框1, 30);
  ui->setListPosition(Control::组合框1, 2);
  ui->setFocus(Control::组合框1);
  QTest::qWait(10);
  list(Control::组合框1)->lineEdit()->selectAll();
  QTest::keyClicks(list(Control::组合框1), "12");
  QTest::keyClick(list(Control::组合框1), Qt::Key_Return);
  ui->setFocus(Control::编辑框4);  // leaving the field
  QTest::qWait(10);
  EXPECT_TRUE(picks.empty());
  EXPECT_EQ(ui->listPosition(Control::组合框1), 2);
  EXPECT_EQ(ui->text(Control::组合框1), "12");
  EXPECT_EQ(ui->listCount(Control::组合框1), 30);  // typing adds no item
}

TEST_F(QtListTest, AClickOnAnItemOfTheOpenedListIsAPick) {
  open();
  fill(Control::组合框1, 30);
  openPopup(Control::组合框1);
  QAbstractItemView* view = list(Control::组合框1)->view();
  const QRect item = view->visualRect(view->model()->index(4, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(picks, std::vector<Control>{Control::组合框1});
  EXPECT_EQ(ui->listPosition(Control::组合框1), 4);
  EXPECT_EQ(ui->text(Control::组合框1), "5");
}

TEST_F(QtListTest, EnterOnAnItemOfTheOpenedListIsAPick) {
  open();
  fill(Control::组合框2, 4);
  ui->setListPosition(Control::组合框2, 0);
  openPopup(Control::组合框2);
  QAbstractItemView* view = list(Control::组合框2)->view();
  QTest::keyClick(view, Qt::Key_Down);
  QTest::keyClick(view, Qt::Key_Down);
  QTest::keyClick(view, Qt::Key_Return);
  EXPECT_EQ(picks, std::vector<Control>{Control::组合框2});
  EXPECT_EQ(ui->listPosition(Control::组合框2), 2);
}

TEST_F(QtListTest, EscInTheOpenedListClosesTheListNotTheWindow) {
  open();
  fill(Control::组合框3, 37);
  ui->setFocus(Control::组合框3);
  openPopup(Control::组合框3);
  QAbstractItemView* view = list(Control::组合框3)->view();
  QTest::keyClick(view, Qt::Key_Escape);
  QTest::qWait(20);
  EXPECT_FALSE(view->isVisible());
  EXPECT_TRUE(ui->window()->isVisible());
  EXPECT_EQ(closings, 0);
  EXPECT_TRUE(picks.empty());
}

TEST_F(QtListTest, TheOpenedListIs140PixelsTallAndScrolls) {
  open();
  fill(Control::组合框1, 10000);
  openPopup(Control::组合框1);
  QAbstractItemView* view = list(Control::组合框1)->view();
  const int field = list(Control::组合框1)->height();
  EXPECT_EQ(field, 20);
  EXPECT_LE(field + view->height(), 160);
  EXPECT_GE(field + view->height(), 140);
  EXPECT_TRUE(view->verticalScrollBar()->isVisible());
  list(Control::组合框1)->hidePopup();
  EXPECT_TRUE(picks.empty());
}

}  // namespace
}  // namespace toolkit_test
