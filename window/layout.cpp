#include "window/layout.h"

#include <array>

namespace window {

namespace {

using toolkit::Alignment;
using toolkit::Background;
using toolkit::Control;
using toolkit::ControlDescription;
using toolkit::ControlKind;
using toolkit::FontDescription;
using toolkit::FontFace;
using toolkit::Rgb;

constexpr FontDescription kGui{};
constexpr FontDescription kSong29Bold{FontFace::Song, 29, true};
constexpr FontDescription kSong64Bold{FontFace::Song, 64, true};
constexpr FontDescription kSong24Bold{FontFace::Song, 24, true};
constexpr FontDescription kSong20Bold{FontFace::Song, 20, true};
constexpr FontDescription kSong12{FontFace::Song, 12, false};
constexpr FontDescription kDefault21Bold{FontFace::Default, 21, true};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kCyan{0, 255, 255};

// GBK captions.
constexpr std::string_view kDigitCount = "\xCA\xFD\xD7\xD6\xCE\xBB\xCA\xFD";  // 数字位数
constexpr std::string_view kOperation = "\xD4\xCB\xCB\xE3\xC0\xE0\xD0\xCD";   // 运算类型
constexpr std::string_view kTimeLimit = "\xCF\xDE\xCA\xB1\"\xC3\xEB\"";       // 限时"秒"
// 字体调整, one character a line.
constexpr std::string_view kFontAdjust = "\xD7\xD6\r\n\xCC\xE5\r\n\xB5\xF7\r\n\xD5\xFB";
constexpr std::string_view kGenerate = "\xC9\xFA\xB3\xC9\xCC\xE2\xC4\xBF";    // 生成题目
constexpr std::string_view kStart = "\xBF\xAA\xA1\xA1\xCA\xBC";               // 开　始 (U+3000)
constexpr std::string_view kShowAnswer = "\xCF\xD4\xCA\xBE\xB4\xF0\xB0\xB8";  // 显示答案
constexpr std::string_view kVerify = "\xD1\xE9\xD6\xA4\xB4\xF0\xB0\xB8";      // 验证答案
constexpr std::string_view kSound = "\xCC\xE1\xCA\xBE\xD2\xF4";               // 提示音

constexpr toolkit::WindowDescription kWindow{"Tallyvane-byKorvessa", 1032, 682};

// clang-format off
// id, kind, name, parent, left, top, width, height, text, font, text colour, background,
// background colour, alignment, multiLine, border, password, checked
const std::array<ControlDescription, toolkit::kControlCount> kControls{{
  {Control::标签7, ControlKind::Label, "标签7", Control::分组框2, 24, 40, 112, 32, "", kDefault21Bold, kBlack, Background::ButtonFace, {}},
  {Control::标签6, ControlKind::Label, "标签6", {}, 2, 1, 1029, 40, "", kSong29Bold, kYellow, Background::Gradient, {}},
  {Control::选择框1, ControlKind::CheckBox, "选择框1", Control::分组框2, 384, 16, 56, 56, kSound, kSong12, kBlack, Background::ButtonFace, {}, Alignment::Centred, false, false, false, true},
  {Control::透明标签1, ControlKind::TransLabel, "透明标签1", {}, 241, 109, 504, 104, "", kSong64Bold, kGreen, Background::None, {}, Alignment::Centred},
  {Control::标签5, ControlKind::Label, "标签5", Control::分组框2, 323, 20, 24, 53, kFontAdjust, kGui, kBlack, Background::ButtonFace, {}, Alignment::Centred, true},
  {Control::调节器1, ControlKind::Spin, "调节器1", Control::分组框2, 349, 18, 24, 48, "", kGui, {}, Background::Platform, {}},
  {Control::按钮4, ControlKind::Button, "按钮4", Control::分组框2, 166, 45, 120, 24, kVerify, kGui, {}, Background::Platform, {}, Alignment::Centred},
  {Control::编辑框5, ControlKind::EditBox, "编辑框5", Control::分组框2, 20, 90, 128, 27, "", kSong20Bold, kBlack, Background::Colour, kWhite, Alignment::Centred, false, true},
  {Control::编辑框4, ControlKind::EditBox, "编辑框4", Control::分组框2, 4, 12, 300, 27, "", kSong20Bold, kBlack, Background::Colour, kCyan, Alignment::Centred},
  {Control::分组框2, ControlKind::GroupBox, "分组框2", Control::分组框1, 568, 10, 450, 77, "", kGui, {}, Background::ButtonFace, {}},
  {Control::编辑框2, ControlKind::EditBox, "编辑框2", {}, 2, 416, 1029, 168, "", kSong24Bold, kGreen, Background::Colour, kBlue, Alignment::Centred, true, false, true},
  {Control::标签4, ControlKind::Label, "标签4", Control::分组框1, 265, 22, 41, 16, kTimeLimit, kGui, kBlack, Background::ButtonFace, {}},
  {Control::标签3, ControlKind::Label, "标签3", Control::分组框1, 185, 22, 56, 16, kDigitCount, kGui, kBlack, Background::ButtonFace, {}},
  {Control::组合框4, ControlKind::ComboBox, "组合框4", Control::分组框1, 184, 46, 71, 20, "", kGui, kBlack, Background::Colour, kWhite},
  {Control::组合框3, ControlKind::ComboBox, "组合框3", Control::分组框1, 266, 46, 40, 20, "", kGui, kBlack, Background::Colour, kWhite},
  {Control::按钮2, ControlKind::Button, "按钮2", Control::分组框1, 402, 33, 64, 32, kStart, kGui, {}, Background::Platform, {}, Alignment::Centred},
  {Control::按钮3, ControlKind::Button, "按钮3", Control::分组框1, 483, 33, 64, 32, kShowAnswer, kGui, {}, Background::Platform, {}, Alignment::Centred},
  {Control::按钮1, ControlKind::Button, "按钮1", Control::分组框1, 321, 33, 64, 32, kGenerate, kGui, {}, Background::Platform, {}, Alignment::Centred},
  {Control::组合框2, ControlKind::ComboBox, "组合框2", Control::分组框1, 20, 47, 71, 20, "", kGui, kBlack, Background::Colour, kWhite},
  {Control::标签2, ControlKind::Label, "标签2", Control::分组框1, 27, 22, 56, 16, kOperation, kGui, kBlack, Background::ButtonFace, {}},
  {Control::标签1, ControlKind::Label, "标签1", Control::分组框1, 106, 22, 56, 16, kDigitCount, kGui, kBlack, Background::ButtonFace, {}},
  {Control::组合框1, ControlKind::ComboBox, "组合框1", Control::分组框1, 102, 47, 71, 20, "", kGui, kBlack, Background::Colour, kWhite},
  {Control::分组框1, ControlKind::GroupBox, "分组框1", {}, 8, 590, 1024, 92, "", kGui, {}, Background::ButtonFace, {}},
  {Control::编辑框3, ControlKind::EditBox, "编辑框3", {}, 2, 41, 1029, 375, "", kSong29Bold, kWhite, Background::Colour, kBlue, Alignment::Left, true},
}};
// clang-format on

}  // namespace

const toolkit::WindowDescription& windowDescription() {
  return kWindow;
}

std::span<const toolkit::ControlDescription> controlTable() {
  return kControls;
}

}  // namespace window
