#pragma once
// Texts between the logic (code page 1252) and Qt (QString).
#include <QString>
#include <QStringList>
#include <string>

namespace velmora {

QString Q(const std::string& cp1252);
std::string K(const QString& text);  // characters outside code page 1252 become "?"

// Multi-line texts: CR LF (and a lone CR) in the records, "\n" in the widgets.
QString QMehrzeilig(const std::string& cp1252);
std::string KMehrzeilig(const QString& text);

// Sorts the way a German reader expects: "Äpfel" beside "Apfel", case ignored.
void SortiereDeutsch(QStringList& liste);

// A fixed text of the program written as UTF-8 in the source.
inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace velmora
