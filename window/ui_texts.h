#pragma once

// The texts that the handlers put on the window, as GBK bytes. Where a \x escape would run into
// a following hex digit, the literal is split into adjacent pieces.

#include <array>
#include <string_view>

namespace window::ui {

/// The window's default title, and the title while either digit count is above 20.
inline constexpr std::string_view kDefaultTitle = "Tallyvane-byKorvessa";
inline constexpr std::string_view kBigNumberTitle = "\xB4\xF3\xCA\xFD\xBC\xC6\xCB\xE3";  // 大数计算

/// Captions of 标签1 and 标签3: one digit count (column drills) or two (× and ÷).
inline constexpr std::string_view kDigitCount = "\xCA\xFD\xD7\xD6\xCE\xBB\xCA\xFD";  // 数字位数
inline constexpr std::string_view kDigits1 = "\xCE\xBB\xCA\xFD\xA2\xD9";             // 位数①
inline constexpr std::string_view kDigits2 = "\xCE\xBB\xCA\xFD\xA2\xDA";             // 位数②

/// The division check: "除法中，被除数应大于除数！\r\n　　请重新选择！" (the second line starts
/// with two ideographic spaces, A1 A1 each), title "错误提示！".
inline constexpr std::string_view kDivisionMessage =
    "\xB3\xFD\xB7\xA8\xD6\xD0\xA3\xAC"                                          // 除法中，
    "\xB1\xBB\xB3\xFD\xCA\xFD\xD3\xA6\xB4\xF3\xD3\xDA\xB3\xFD\xCA\xFD\xA3\xA1"  // 被除数应大于除数！
    "\r\n\xA1\xA1\xA1\xA1\xC7\xEB\xD6\xD8\xD0\xC2\xD1\xA1\xD4\xF1\xA3\xA1";
inline constexpr std::string_view kDivisionTitle = "\xB4\xED\xCE\xF3\xCC\xE1\xCA\xBE\xA3\xA1";

/// Captions of 按钮3: what its next click does.
inline constexpr std::string_view kShowAnswer = "\xCF\xD4\xCA\xBE\xB4\xF0\xB0\xB8";  // 显示答案
inline constexpr std::string_view kHideAnswer = "\xD2\xFE\xB2\xD8\xB4\xF0\xB0\xB8";  // 隐藏答案

/// The overlay 透明标签1 around a generation.
inline constexpr std::string_view kGenerating =
    "\xCF\xB5\xCD\xB3\xD5\xFD\xD4\xDA\xB3\xF6\xCC\xE2";  // 系统正在出题
inline constexpr std::string_view kGenerated =
    "\xCF\xB5\xCD\xB3\xB3\xF6\xCC\xE2\xCD\xEA\xB1\xCF";  // 系统出题完毕

/// The spinner without a focused box: "请用鼠标点击一下想调整的区域！", title "操作提示！".
inline constexpr std::string_view kFontHint =
    "\xC7\xEB\xD3\xC3\xCA\xF3\xB1\xEA\xB5\xE3\xBB\xF7\xD2\xBB\xCF\xC2\xCF\xEB"
    "\xB5\xF7\xD5\xFB\xB5\xC4\xC7\xF8\xD3\xF2\xA3\xA1";
inline constexpr std::string_view kFontHintTitle = "\xB2\xD9\xD7\xF7\xCC\xE1\xCA\xBE\xA3\xA1";

/// Items of 组合框2, in the order of OperationType: " + ", " +  - " (two ASCII spaces between
/// the signs), " × " (A1 C1), " ÷ " (A1 C2). The × and ÷ items are shown between the operands.
inline constexpr std::array<std::string_view, 4> kOperationItems{" + ", " +  - ", " \xA1\xC1 ",
                                                                 " \xA1\xC2 "};

/// Put in front of a × or ÷ question: three ideographic spaces (6 bytes).
inline constexpr std::string_view kQuestionPrefix = "\xA1\xA1\xA1\xA1\xA1\xA1";

}  // namespace window::ui
