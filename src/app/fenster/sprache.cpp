#include "app/fenster/sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

bool SprecheDeutsch(QCoreApplication& app) {
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  QLocale::setDefault(deutsch);
  auto* uebersetzung = new QTranslator(&app);
  const QStringList orte = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
  for (const QString& ort : orte) {
    if (uebersetzung->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), ort)) {
      QCoreApplication::installTranslator(uebersetzung);
      return true;
    }
  }
  delete uebersetzung;
  return false;
}

}  // namespace velmora
