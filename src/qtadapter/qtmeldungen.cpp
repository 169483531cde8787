#include "qtadapter/qtmeldungen.h"

#include <QMessageBox>
#include <QPushButton>

#include "qtadapter/qttext.h"

namespace velmora {

QString AnwendungsTitel() { return QStringLiteral("Velmora  V.1.1."); }

Antwort QtMeldungen::Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                           const std::string& titel) {
  QMessageBox box(eltern_);
  QString kopf;
  switch (art) {
    case MeldungsArt::Fehler:
      kopf = U("Fehler");
      box.setIcon(QMessageBox::Critical);
      break;
    case MeldungsArt::Warnung:
      kopf = U("Warnung");
      box.setIcon(QMessageBox::Warning);
      break;
    case MeldungsArt::Information:
      kopf = U("Information");
      box.setIcon(QMessageBox::Information);
      break;
    case MeldungsArt::Bestaetigung:
      kopf = U("Bestätigung");
      box.setIcon(QMessageBox::Question);
      break;
    case MeldungsArt::Schlicht:
      kopf = AnwendungsTitel();
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  box.setWindowTitle(titel.empty() ? kopf : Q(titel));
  box.setText(QMehrzeilig(text));
  box.setTextFormat(Qt::PlainText);

  QPushButton* ja = nullptr;
  QPushButton* nein = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* abbrechen = nullptr;
  switch (knoepfe) {
    case Knoepfe::Ok:
      ok = box.addButton(U("OK"), QMessageBox::AcceptRole);
      box.setEscapeButton(ok);
      break;
    case Knoepfe::OkAbbrechen:
      ok = box.addButton(U("OK"), QMessageBox::AcceptRole);
      abbrechen = box.addButton(U("Abbrechen"), QMessageBox::RejectRole);
      box.setEscapeButton(abbrechen);
      break;
    case Knoepfe::JaNein:
      ja = box.addButton(U("&Ja"), QMessageBox::YesRole);
      nein = box.addButton(U("&Nein"), QMessageBox::NoRole);
      box.setEscapeButton(nein);
      break;
  }
  box.setDefaultButton(ok ? ok : ja);
  box.exec();
  QAbstractButton* gewaehlt = box.clickedButton();
  if (gewaehlt && gewaehlt == ja) return Antwort::Ja;
  if (gewaehlt && gewaehlt == nein) return Antwort::Nein;
  if (gewaehlt && gewaehlt == ok) return Antwort::Ok;
  if (knoepfe == Knoepfe::JaNein) return Antwort::Nein;
  return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Abbrechen;
}

}  // namespace velmora
