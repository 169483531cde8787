#include "qtadapter/qtmeldungen.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "basis/fenster/textwandlung.h"
#include "basis/version.h"

namespace velmora {

QString AnwendungsTitel() { return Q(AnwendungsTitelText()); }

Antwort QtMeldungen::Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel) {
  return ZeigeBox(art, QMehrzeilig(text), knoepfe, titel.empty() ? QString() : Q(titel));
}

Antwort QtMeldungen::ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe) {
  QString text = QString::fromStdString(utf8);
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return ZeigeBox(art, text, knoepfe, QString());
}

namespace {

// The box's icon for the kind of message; returns the kind's title.
QString SetzeArt(QMessageBox& box, MeldungsArt art) {
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
  return kopf;
}

}  // namespace

Antwort QtMeldungen::ZeigeBox(MeldungsArt art, const QString& text, Knoepfe knoepfe, const QString& titel) {
  // Over the window that is modal now (a settings window, say), else over the main window.
  QWidget* oben = QApplication::activeModalWidget();
  QMessageBox box(oben ? oben : eltern_);
  const QString kopf = SetzeArt(box, art);
  box.setWindowTitle(titel.isEmpty() ? kopf : titel);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);

  QPushButton* ja = nullptr;
  QPushButton* nein = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* abbrechen = nullptr;
  QPushButton* ordner = nullptr;
  QPushButton* drucken = nullptr;
  QPushButton* vorschau = nullptr;
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
    case Knoepfe::OkOrdnerOeffnen:
      ok = box.addButton(U("OK"), QMessageBox::AcceptRole);
      ordner = box.addButton(U("&Ordner öffnen"), QMessageBox::ActionRole);
      box.setEscapeButton(ok);
      break;
    case Knoepfe::JaNeinAbbrechen:
      ja = box.addButton(U("&Ja"), QMessageBox::YesRole);
      nein = box.addButton(U("&Nein"), QMessageBox::NoRole);
      abbrechen = box.addButton(U("Abbrechen"), QMessageBox::RejectRole);
      box.setEscapeButton(abbrechen);
      break;
    case Knoepfe::DruckenVorschauAbbrechen:
      drucken = box.addButton(U("&Drucken"), QMessageBox::AcceptRole);
      vorschau = box.addButton(U("&Vorschau"), QMessageBox::ActionRole);
      abbrechen = box.addButton(U("Abbrechen"), QMessageBox::RejectRole);
      box.setEscapeButton(abbrechen);
      break;
  }
  box.setDefaultButton(drucken ? drucken : ok ? ok : knoepfe == Knoepfe::JaNeinVorgabeNein ? nein : ja);
  box.exec();
  QAbstractButton* gewaehlt = box.clickedButton();
  if (gewaehlt && gewaehlt == ja) return Antwort::Ja;
  if (gewaehlt && gewaehlt == nein) return Antwort::Nein;
  if (gewaehlt && gewaehlt == ok) return Antwort::Ok;
  if (gewaehlt && gewaehlt == ordner) return Antwort::OrdnerOeffnen;
  if (gewaehlt && gewaehlt == drucken) return Antwort::Drucken;
  if (gewaehlt && gewaehlt == vorschau) return Antwort::Vorschau;
  if (knoepfe == Knoepfe::JaNein || knoepfe == Knoepfe::JaNeinVorgabeNein) return Antwort::Nein;
  return knoepfe == Knoepfe::Ok || knoepfe == Knoepfe::OkOrdnerOeffnen ? Antwort::Ok : Antwort::Abbrechen;
}

namespace {

// Runs a window's own handling of every show the program asked for (not one the window
// system restores) between `vorher` and `nachher`.
class ZeigeWaechter : public QObject {
 public:
  ZeigeWaechter(QWidget* fenster, std::function<void()> vorher, std::function<void()> nachher)
      : QObject(fenster), vorher_(std::move(vorher)), nachher_(std::move(nachher)) {
    fenster->installEventFilter(this);
  }
  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    if (ereignis->type() != QEvent::Show || ereignis->spontaneous() || drin_) return false;
    drin_ = true;
    vorher_();
    QCoreApplication::sendEvent(ziel, ereignis);  // the window's show handler
    drin_ = false;
    nachher_();
    return true;  // delivered above
  }

 private:
  std::function<void()> vorher_, nachher_;
  bool drin_ = false;
};

}  // namespace

FensterMeldungen::FensterMeldungen(Meldungen& ziel, QWidget* fenster) : ziel_(ziel), fenster_(fenster) {
  // The watcher belongs to the window and goes with it.
  if (fenster) {
    new ZeigeWaechter(
        fenster, [this] { ++sammeln_; }, [this] { NachDemZeigen(); });
  }
}

Antwort FensterMeldungen::Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel) {
  if (sammeln_ > 0 && knoepfe == Knoepfe::Ok) {
    gehalten_.push_back({art, text, titel});
    return Antwort::Ok;
  }
  return ziel_.Zeige(art, text, knoepfe, titel);
}

Antwort FensterMeldungen::ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe) {
  if (sammeln_ > 0 && knoepfe == Knoepfe::Ok) {
    gehalten_.push_back({art, utf8, {}, true});
    return Antwort::Ok;
  }
  return ziel_.ZeigeUtf8(art, utf8, knoepfe);
}

void FensterMeldungen::NachDemZeigen() {
  if (--sammeln_ > 0 || gehalten_.empty()) return;
  // Once the event loop runs again, the window stands with its size. The timer belongs to
  // the window: a window destroyed meanwhile takes its boxes along.
  QTimer::singleShot(0, fenster_.data(), [this] { Ausgeben(); });
}

void FensterMeldungen::Ausgeben() {
  std::vector<Gehalten> boxen;
  boxen.swap(gehalten_);
  for (const Gehalten& b : boxen) {
    if (b.utf8) {
      ziel_.ZeigeUtf8(b.art, b.text, Knoepfe::Ok);
    } else {
      ziel_.Zeige(b.art, b.text, Knoepfe::Ok, b.titel);
    }
  }
}

}  // namespace velmora
