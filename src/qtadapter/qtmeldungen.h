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
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                const std::string& titel = {}) override;

 private:
  QWidget* eltern_;
};

// The messages of one window. While the window is being shown (its first show handler
// loads files), an error box would pop up before the window is on the screen with its
// size; such boxes, which only have "OK", are held back and shown once the window is up.
// Every other box, and every box outside the show handler, goes straight through.
class FensterMeldungen : public Meldungen {
 public:
  FensterMeldungen(Meldungen& ziel, QWidget* fenster) : ziel_(ziel), fenster_(fenster) {}
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                const std::string& titel = {}) override;

  // Holds back the OK boxes for as long as it lives; shows them afterwards, as soon as the
  // window's event loop runs.
  class BeimZeigen {
   public:
    explicit BeimZeigen(FensterMeldungen& m) : m_(m) { ++m_.sammeln_; }
    ~BeimZeigen();
    BeimZeigen(const BeimZeigen&) = delete;
    BeimZeigen& operator=(const BeimZeigen&) = delete;

   private:
    FensterMeldungen& m_;
  };

 private:
  struct Gehalten {
    MeldungsArt art;
    std::string text;
    std::string titel;
  };
  void Ausgeben();

  Meldungen& ziel_;
  QPointer<QWidget> fenster_;
  int sammeln_ = 0;
  std::vector<Gehalten> gehalten_;
};

}  // namespace velmora
