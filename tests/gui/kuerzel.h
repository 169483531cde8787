#pragma once
// The mnemonic of a caption, as Qt reads it: the character after the first single "&"
// ("&&" shows a plain "&" and marks nothing).
#include <QChar>
#include <QString>

namespace velmora::test {

// In lower case; a null QChar when the caption has no mnemonic.
inline QChar Kuerzel(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return QChar();
}

}  // namespace velmora::test
