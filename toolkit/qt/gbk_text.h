#pragma once

// The one place where the program's GBK byte strings meet Qt's Unicode strings.

#include <QString>
#include <string>
#include <string_view>

namespace toolkit::qtwidgets {

/// Decodes GBK bytes; bytes that are not GBK become U+FFFD.
QString fromGbk(std::string_view gbk);
/// Encodes to GBK; characters that GBK lacks become "?".
std::string toGbk(const QString& text);

/// The program separates lines with "\r\n"; Qt's text widgets with "\n".
QString toWidgetLines(QString text);
QString toProgramLines(QString text);

}  // namespace toolkit::qtwidgets
