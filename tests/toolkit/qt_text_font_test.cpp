// GBK texts through the controls and the window title, the faces and pixel heights of the
// table's fonts, and the font size in points read back from the character height.

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <string>

#include "qt_window_fixture.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/gbk_text.h"

namespace toolkit_test {
namespace {

struct GbkCase {
  const char* name;
  std::string gbk;
  const char* utf8;
};

const GbkCase kTexts[] = {
    {"Ascii", "Tallyvane-byKorvessa", "Tallyvane-byKorvessa"},
    {"IdeographicSpace", "\xBF\xAA\xA1\xA1\xCA\xBC", "开　始"},
    {"BigNumberTitle", "\xB4\xF3\xCA\xFD\xBC\xC6\xCB\xE3", "大数计算"},
    {"Verdict", "\xD5\xFD\xA1\xA1\xC8\xB7\xA1\xA1\xA3\xA1", "正　确　！"},
    {"Empty", "", ""},
};

class GbkTextTest : public QtWindowTest, public ::testing::WithParamInterface<GbkCase> {};

TEST_P(GbkTextTest, ReadsBackTheSameBytesAndShowsTheCharacters) {
  const GbkCase& text = GetParam();
  const QString expected = QString::fromUtf8(text.utf8);
  ui->setText(Control::按钮2, text.gbk);
  EXPECT_EQ(ui->text(Control::按钮2), text.gbk);
  EXPECT_EQ(static_cast<QPushButton*>(widget(Control::按钮2))->text(), expected);
  ui->setWindowTitle(text.gbk);
  EXPECT_EQ(ui->windowTitle(), text.gbk);
  EXPECT_EQ(ui->window()->windowTitle(), expected);
  for (Control c : {Control::标签6, Control::标签7, Control::透明标签1, Control::编辑框3,
                    Control::编辑框2, Control::编辑框4, Control::组合框2}) {
    ui->setText(c, text.gbk);
    EXPECT_EQ(ui->text(c), text.gbk) << static_cast<int>(c);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, GbkTextTest, ::testing::ValuesIn(kTexts),
                         [](const ::testing::TestParamInfo<GbkCase>& row) {
                           return std::string(row.param.name);
                         });

TEST(GbkText, AnUnfinishedCharacterDoesNotSpillIntoTheNextText) {
  using toolkit::qtwidgets::fromGbk;
  using toolkit::qtwidgets::toGbk;
  EXPECT_EQ(fromGbk("\xB4\xF3\xCA"), QString::fromUtf8("大\uFFFD"));  // 大 and half of 数
  EXPECT_EQ(fromGbk("\xCA\xFD"), QString::fromUtf8("数"));
  EXPECT_EQ(fromGbk("5"), QStringLiteral("5"));
  // A character that GBK lacks cannot come back as itself, and breaks nothing after it.
  EXPECT_EQ(toGbk(QString::fromUtf8("\u20AC1")).back(), '1');
  EXPECT_EQ(toGbk(QString::fromUtf8("÷")), "\xA1\xC2");
}

TEST_F(QtWindowTest, CreationTextsAreTheTablesCharacters) {
  EXPECT_EQ(static_cast<QPushButton*>(widget(Control::按钮1))->text(),
            QString::fromUtf8("生成题目"));
  EXPECT_EQ(static_cast<QCheckBox*>(widget(Control::选择框1))->text(), QString::fromUtf8("提示音"));
  EXPECT_TRUE(ui->isChecked(Control::选择框1));
  EXPECT_EQ(ui->text(Control::标签4), "\xCF\xDE\xCA\xB1\"\xC3\xEB\"");  // 限时"秒"
  EXPECT_EQ(ui->text(Control::标签5), "\xD7\xD6\r\n\xCC\xE5\r\n\xB5\xF7\r\n\xD5\xFB");  // 字体调整
}

TEST_F(QtWindowTest, QuestionBoxFaceDrawsDigitsSpaceAndMinusAtOneWidth) {
  for (Control c : {Control::编辑框3, Control::编辑框2}) {
    const QFont font = widget(c)->font();
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == QStringLiteral("SimSun") || family == QStringLiteral("AR PL UMing CN"))
        << family.toStdString();
    EXPECT_TRUE(font.bold());
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QLatin1Char('0'));
    EXPECT_GT(width, 0);
    for (QChar ch : QStringLiteral("123456789 -")) {
      EXPECT_EQ(metrics.horizontalAdvance(ch), width) << "'" << ch.toLatin1() << "'";
    }
  }
  // The flash lines numbers up by leading spaces: fields of one length have one width.
  const QFontMetrics metrics(widget(Control::编辑框3)->font());
  const int field = metrics.horizontalAdvance(QStringLiteral("       -123"));
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("        987")), field);
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("12345678901")), field);
}

struct FontCase {
  Control control;
  const char* name;
  int pixels;
  bool bold;
  int points;  // as read back at 96 dots per inch
};

const FontCase kTableFonts[] = {
    {Control::标签6, "CaptionBar", 29, true, 22},  {Control::标签7, "Verdict", 21, true, 16},
    {Control::透明标签1, "Overlay", 64, true, 48}, {Control::编辑框3, "QuestionBox", 29, true, 22},
    {Control::编辑框2, "AnswerBox", 24, true, 18}, {Control::编辑框4, "AnswerInput", 20, true, 15},
    {Control::编辑框5, "SpareBox", 20, true, 15},  {Control::选择框1, "SoundSwitch", 12, false, 9},
};

class TableFontTest : public QtWindowTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(TableFontTest, HasTheTablesHeightAndWeight) {
  ASSERT_EQ(widget(GetParam().control)->logicalDpiY(), 96);
  const QFont font = widget(GetParam().control)->font();
  EXPECT_EQ(font.pixelSize(), GetParam().pixels);
  EXPECT_EQ(font.bold(), GetParam().bold);
  EXPECT_EQ(ui->fontSize(GetParam().control), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Table, TableFontTest, ::testing::ValuesIn(kTableFonts),
                         [](const ::testing::TestParamInfo<FontCase>& row) {
                           return std::string(row.param.name);
                         });

TEST_F(QtWindowTest, FontSizeInPointsSetsTheHeightAndReadsBack) {
  ASSERT_EQ(widget(Control::编辑框3)->logicalDpiY(), 96);
  // points, height in pixels at 96 dpi
  const std::pair<int, int> sizes[] = {{36, 48}, {37, 49}, {29, 39},  {1, 1},
                                       {2, 3},   {8, 11},  {200, 267}};
  for (const auto& [points, pixels] : sizes) {
    ui->setFontSize(Control::编辑框3, points);
    EXPECT_EQ(widget(Control::编辑框3)->font().pixelSize(), pixels) << points;
    EXPECT_EQ(ui->fontSize(Control::编辑框3), points);
  }
  for (int points = 1; points <= 200; ++points) {
    ui->setFontSize(Control::编辑框2, points);
    ASSERT_EQ(ui->fontSize(Control::编辑框2), points);
  }
  // A negative size is taken by its magnitude; 0 gives the default height.
  ui->setFontSize(Control::编辑框2, -91);
  EXPECT_EQ(widget(Control::编辑框2)->font().pixelSize(), 121);
  EXPECT_EQ(ui->fontSize(Control::编辑框2), 91);
  ui->setFontSize(Control::编辑框2, 0);
  EXPECT_EQ(widget(Control::编辑框2)->font().pixelSize(),
            QFontInfo(QApplication::font()).pixelSize());
  EXPECT_TRUE(widget(Control::编辑框2)->font().bold());  // the face and weight stay
}

TEST(FontRule, PointsAndPixelsAtOtherResolutions) {
  using toolkit::qtwidgets::pixelsToPoints;
  using toolkit::qtwidgets::pointsToPixels;
  EXPECT_EQ(pointsToPixels(36, 120), 60);
  EXPECT_EQ(pointsToPixels(-36, 120), 60);
  EXPECT_EQ(pointsToPixels(0, 120), 0);
  EXPECT_EQ(pointsToPixels(9, 144), 18);
  EXPECT_EQ(pixelsToPoints(60, 120), 36);
  EXPECT_EQ(pixelsToPoints(29, 96), 22);  // 21.75
  EXPECT_EQ(pixelsToPoints(10, 0), 0);
}

}  // namespace
}  // namespace toolkit_test
