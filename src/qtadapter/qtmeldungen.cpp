#include "qtadapter/qtmeldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "basis/version.h"
#include "qtadapter/qttext.h"

namespace velmora {

QString AnwendungsTitel() { return Q(AnwendungsTitelText()); }

Antwort QtMeldungen::Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                           const std::string& titel) {
  // Over the window that is modal now (a settings window, say), else over the main window.
  QWidget* oben = QApplication::activeModalWidget();
  QMessageBox box(oben ? oben : eltern_);
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
    case Knoepfe::JaNeinVorgabeNein:
      ja = box.addButton(U("&Ja"), QMessageBox::YesRole);
      nein = box.addButton(U("&Nein"), QMessageBox::NoRole);
      box.setEscapeButton(nein);
      break;
    case Knoepfe::JaNeinAbbrechen:
      ja = box.addButton(U("&Ja"), QMessageBox::YesRole);
      nein = box.addButton(U("&Nein"), QMessageBox::NoRole);
      abbrechen = box.addButton(U("Abbrechen"), QMessageBox::RejectRole);
      box.setEscapeButton(abbrechen);
      break;
  }
  box.setDefaultButton(ok ? ok : knoepfe == Knoepfe::JaNeinVorgabeNein ? nein : ja);
  box.exec();
  QAbstractButton* gewaehlt = box.clickedButton();
  if (gewaehlt && gewaehlt == ja) return Antwort::Ja;
  if (gewaehlt && gewaehlt == nein) return Antwort::Nein;
  if (gewaehlt && gewaehlt == ok) return Antwort::Ok;
  if (knoepfe == Knoepfe::JaNein || knoepfe == Knoepfe::JaNeinVorgabeNein) return Antwort::Nein;
  return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Abbrechen;
}

Antwort FensterMeldungen::Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                                const std::string& titel) {
  if (sammeln_ > 0 && knoepfe == Knoepfe::Ok) {
    gehalten_.push_back({art, text, titel});
    return Antwort::Ok;
  }
  return ziel_.Zeige(art, text, knoepfe, titel);
}

FensterMeldungen::BeimZeigen::~BeimZeigen() {
  if (--m_.sammeln_ > 0 || m_.gehalten_.empty()) return;
  FensterMeldungen* m = &m_;
  // The timer belongs to the window: a window destroyed meanwhile takes its boxes along.
  QTimer::singleShot(0, m->fenster_.data(), [m] { m->Ausgeben(); });
}

void FensterMeldungen::Ausgeben() {
  std::vector<Gehalten> boxen;
  boxen.swap(gehalten_);
  for (const Gehalten& b : boxen) ziel_.Zeige(b.art, b.text, Knoepfe::Ok, b.titel);
}

}  // namespace velmora
