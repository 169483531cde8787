#pragma once
// THilfeFenster: the help viewer for the program's help file. A non-modal window, created
// once and shown again for every help command. It reads the file anew each time it is
// shown, so a help file put into the working directory later is found.
#include <QDialog>
#include <string>
#include <vector>

#include "app/hilfedatei.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSplitter;
class QTextBrowser;
class QUrl;

namespace velmora {

class THilfeFenster : public QDialog {
  Q_OBJECT
 public:
  // `dateiname`: code page 1252, relative to the current directory.
  explicit THilfeFenster(std::string dateiname, QWidget* eltern = nullptr);

  // The contents page.
  void ZeigeInhalt();
  // The keyword search with this word in the search field (empty: all keywords).
  void ZeigeSuche(const QString& wort);
  // The page on how to use the help.
  void ZeigeHilfeVerwenden();
  // The page `id` beside `fenster` (to its right where the screen has room), without taking
  // the focus from it; nothing when the help file is missing.
  void ZeigeSeiteNeben(const std::string& id, const QWidget& fenster);

  // For the tests.
  QTextBrowser& Anzeige() { return *anzeige_; }
  QLineEdit& Suchfeld() { return *suchfeld_; }
  QListWidget& Trefferliste() { return *treffer_; }
  QPushButton& InhaltKnopf() { return *inhaltKnopf_; }
  QPushButton& ZurueckKnopf() { return *zurueckKnopf_; }

 private:
  // Reads the file; on failure the browser shows why and false is returned.
  bool Lade();
  void Oeffne();
  // Shows the page with this id, or the first page when there is none; `merken` puts the
  // page shown until now on the way back.
  void ZeigeSeite(const std::string& id, bool merken = true);
  void Zurueck();
  void FuelleTreffer();
  void TrefferGewaehlt(QListWidgetItem* eintrag);
  void SuchfeldBestaetigt();
  void VerweisGewaehlt(const QUrl& ziel);

  std::string dateiname_;
  std::vector<HilfeSeite> seiten_;
  std::string aktuelleSeite_;         // id of the page shown, empty when none
  std::vector<std::string> verlauf_;  // ids of the pages shown before, last one on top

  QSplitter* teiler_{};
  QTextBrowser* anzeige_{};
  QLineEdit* suchfeld_{};
  QListWidget* treffer_{};
  QPushButton* inhaltKnopf_{};
  QPushButton* zurueckKnopf_{};
};

}  // namespace velmora
