#include "toolkit/qt/gbk_text.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace toolkit::qtwidgets {

namespace {

bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// One codec each for the whole run: opening a converter is far slower than converting the
// short texts the window deals in (start-up converts 10,000 list items).
QStringDecoder& gbkDecoder() {
  static QStringDecoder decoder("GBK");
  return decoder;
}

QStringEncoder& gbkEncoder() {
  static QStringEncoder encoder("GBK");
  return encoder;
}

// True when the last byte opens a two-byte character that the text does not finish (bytes
// 0x81 to 0xFE lead a two-byte character in GBK).
bool endsInsideCharacter(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    i += byte >= 0x81 && byte <= 0xFE ? 2 : 1;
  }
  return i > bytes.size();
}

}  // namespace

QString fromGbk(std::string_view gbk) {
  const auto size = static_cast<qsizetype>(gbk.size());
  if (isAscii(gbk)) return QString::fromLatin1(gbk.data(), size);
  // The decoder would keep a cut-off character's first byte for the next text; every text is
  // complete here, so that byte shows as U+FFFD.
  const bool cut = endsInsideCharacter(gbk);
  QStringDecoder& decoder = gbkDecoder();
  decoder.resetState();
  QString text = decoder.decode(QByteArrayView(gbk.data(), cut ? size - 1 : size));
  if (cut) text.append(QChar::ReplacementCharacter);
  return text;
}

std::string toGbk(const QString& text) {
  if (isAscii(text)) {
    const QByteArray latin = text.toLatin1();
    return {latin.constData(), static_cast<std::size_t>(latin.size())};
  }
  QStringEncoder& encoder = gbkEncoder();
  encoder.resetState();
  const QByteArray bytes = encoder.encode(text);
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString toWidgetLines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString toProgramLines(QString text) {
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

}  // namespace toolkit::qtwidgets
