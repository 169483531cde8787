#include "qtadapter/qtdateidialoge.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "basis/fenster/textwandlung.h"

namespace velmora {

QString QtFilter(const std::string& filter) {
  QStringList teile = Q(filter).split(QLatin1Char('|'));
  QStringList filterListe;
  for (int i = 0; i + 1 < teile.size(); i += 2) {
    QString beschreibung = teile[i].trimmed();
    QString muster = teile[i + 1];
    muster.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the last parentheses of an entry and shows them: a
    // description that names its patterns in parentheses gets the patterns the filter
    // really applies there, instead of a second pair of parentheses.
    if (beschreibung.endsWith(QLatin1Char(')')) && beschreibung.contains(QLatin1Char('('))) {
      beschreibung = beschreibung.left(beschreibung.lastIndexOf(QLatin1Char('('))).trimmed();
    }
    filterListe << beschreibung + QStringLiteral(" (") + muster + QLatin1Char(')');
  }
  return filterListe.join(QStringLiteral(";;"));
}

std::optional<std::string> QtDateiDialoge::Zeige(const DateiDialogWunsch& wunsch, bool speichern) {
  // Over the window that is modal now (the template editor, say), else over the main window.
  QWidget* oben = QApplication::activeModalWidget();
  QFileDialog dialog(oben ? oben : eltern_);
  dialog.setWindowTitle(speichern ? QStringLiteral("Speichern unter") : QString::fromUtf8("Öffnen"));
  dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setNameFilter(QtFilter(wunsch.filter));
  dialog.setDirectory(wunsch.startverzeichnis.empty() ? QDir::currentPath() : Q(wunsch.startverzeichnis));
  dialog.setDefaultSuffix(Q(wunsch.standardendung));
  if (!wunsch.dateiname.empty()) dialog.selectFile(Q(wunsch.dateiname));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return K(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

std::optional<std::string> QtDateiDialoge::Oeffnen(const DateiDialogWunsch& wunsch) { return Zeige(wunsch, false); }

std::optional<std::string> QtDateiDialoge::Speichern(const DateiDialogWunsch& wunsch) { return Zeige(wunsch, true); }

}  // namespace velmora
