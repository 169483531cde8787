#include "basis/fenster/textwandlung.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

#include "basis/cp1252.h"

namespace velmora {

QString Q(const std::string& cp1252) { return QString::fromStdString(Cp1252NachUtf8(cp1252)); }

std::string K(const QString& text) { return Utf8NachCp1252(text.toStdString()); }

QString QMehrzeilig(const std::string& cp1252) {
  QString t = Q(cp1252);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

std::string KMehrzeilig(const QString& text) {
  QString t = text;
  t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return K(t);
}

void SortiereDeutsch(QStringList& liste) {
  QCollator vergleich{QLocale(QLocale::German, QLocale::Germany)};
  vergleich.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(liste.begin(), liste.end(),
                   [&](const QString& a, const QString& b) { return vergleich.compare(a, b) < 0; });
}

}  // namespace velmora
