#pragma once
// The message boxes of the program as QMessageBox.
#include <QPointer>
#include <QString>
#include <vector>

#include "basis/meldungen.h"

class QWidget;

namespace velmora {

// The application title, used as the caption of plain boxes.
QString AnwendungsTitel();

class QtMeldungen : public Meldungen {
 public:
  explicit QtMeldungen(QWidget* eltern = nullptr) : eltern_(eltern) {}
  void SetzeEltern(QWidget* eltern) { eltern_ = eltern; }
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel = {}) override;
  Antwort ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe) override;

 private:
  Antwort ZeigeBox(MeldungsArt art, const QString& text, Knoepfe knoepfe, const QString& titel);
  QWidget* eltern_;
};

// The messages of one window. While the window is being shown (its show handler loads
// files), an error box would pop up before the window is on the screen with its size; such
// boxes, which only have "OK", are held back during the window's show handling and shown
// once its event loop runs again. Every other box goes straight through.
class FensterMeldungen : public Meldungen {
 public:
  FensterMeldungen(Meldungen& ziel, QWidget* fenster);
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel = {}) override;
  Antwort ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe) override;

 private:
  struct Gehalten {
    MeldungsArt art;
    std::string text;
    std::string titel;
    bool utf8 = false;  // shown with ZeigeUtf8
  };
  void NachDemZeigen();
  void Ausgeben();

  Meldungen& ziel_;
  QPointer<QWidget> fenster_;
  int sammeln_ = 0;
  std::vector<Gehalten> gehalten_;
};

}  // namespace velmora
