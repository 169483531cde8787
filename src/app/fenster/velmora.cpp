// Program entry: the application, the ports and the main window.
//
// The program works in the directory it is started in. With the option "--dokumente" (the
// Windows Start menu entry passes it) it works in the folder "Velmora" of the user's
// documents instead, created on the first start with the help file from the program's
// folder: a folder the teacher may write, whoever installed the program.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>

#include "app/arbeitsordner.h"
#include "app/fenster/MAIN.h"
#include "app/fenster/sprache.h"
#include "basis/fenster/textwandlung.h"
#include "qtadapter/qtdateidialoge.h"
#include "qtadapter/qtmeldungen.h"

namespace {

std::filesystem::path AlsPfad(const QString& pfad) { return std::filesystem::path(pfad.toStdU16String()); }
QString Anzeige(const std::filesystem::path& pfad) {
  return QDir::toNativeSeparators(QString::fromStdU16String(pfad.u16string()));
}

void NimmOrdnerInDenDokumenten(velmora::Meldungen& meldungen) {
  const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const std::filesystem::path ordner = velmora::ArbeitsordnerIn(AlsPfad(dokumente));
  const QDir programm(QCoreApplication::applicationDirPath());
  const std::vector<std::filesystem::path> hilfe = {
      AlsPfad(programm.filePath(QStringLiteral("KURZBEDIENUNGSANLEITUNG.HLP"))),
      AlsPfad(programm.filePath(QStringLiteral("../share/velmora/KURZBEDIENUNGSANLEITUNG.HLP")))};
  if (dokumente.isEmpty() || !velmora::RichteArbeitsordnerEin(ordner, hilfe)) {
    meldungen.Zeige(velmora::MeldungsArt::Warnung,
                    velmora::K(velmora::U("Der Arbeitsordner\r") + Anzeige(ordner)) +
                        velmora::K(velmora::U("\rlässt sich nicht anlegen. Velmora arbeitet im Verzeichnis:\r")) +
                        velmora::K(QDir::toNativeSeparators(QDir::currentPath())),
                    velmora::Knoepfe::Ok);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(velmora::AnwendungsTitel());
  velmora::SprecheDeutsch(app);
  velmora::QtMeldungen meldungen;
  velmora::QtDateiDialoge dialoge;
  if (QApplication::arguments().contains(QLatin1String(velmora::kDokumenteOption))) {
    NimmOrdnerInDenDokumenten(meldungen);
  }
  velmora::TMainForm fenster(meldungen, dialoge);
  meldungen.SetzeEltern(&fenster);
  dialoge.SetzeEltern(&fenster);
  fenster.show();
  return app.exec();
}
