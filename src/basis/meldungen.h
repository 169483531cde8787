#pragma once
// Port for the modal message boxes and questions of the program. All texts are
// code page 1252; "\r" inside a text is a line break.
#include <string>

namespace velmora {

enum class MeldungsArt {
  Fehler,        // caption "Fehler", stop icon
  Warnung,       // caption "Warnung"
  Information,   // caption "Information"
  Bestaetigung,  // caption "Bestätigung", question icon
  Schlicht       // caption = application title, no icon
};

enum class Knoepfe {
  Ok,
  JaNein,             // "&Ja" is the default button
  JaNeinVorgabeNein,  // "&Nein" is the default button: Return must not destroy data
  OkAbbrechen,
  JaNeinAbbrechen,          // "&Ja" is the default button, Esc answers "Abbrechen"
  OkOrdnerOeffnen,          // "OK" (default, also Esc) and "&Ordner öffnen" beside a file just written
  DruckenVorschauAbbrechen  // "&Drucken" (default), "&Vorschau", "Abbrechen" (also Esc)
};

enum class Antwort { Ok, Abbrechen, Ja, Nein, OrdnerOeffnen, Drucken, Vorschau };

class Meldungen {
 public:
  virtual ~Meldungen() = default;
  // Shows a modal box and returns the button pressed. A non-empty `titel` replaces the
  // caption of the box type (used for "Eingabefehler").
  virtual Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel = {}) = 0;
  // A box whose text names characters code page 1252 cannot hold (names read from a UTF-8
  // import file) gets its text as UTF-8. A port that shows code page 1252 only shows "?" for
  // them.
  virtual Antwort ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe);

  void Fehler(const std::string& text) { Zeige(MeldungsArt::Fehler, text, Knoepfe::Ok); }
  void Information(const std::string& text) { Zeige(MeldungsArt::Information, text, Knoepfe::Ok); }
  void Hinweis(const std::string& text) { Zeige(MeldungsArt::Schlicht, text, Knoepfe::Ok); }
  bool Frage(const std::string& text) { return Zeige(MeldungsArt::Bestaetigung, text, Knoepfe::JaNein) == Antwort::Ja; }
  bool Warnfrage(const std::string& text) { return Zeige(MeldungsArt::Warnung, text, Knoepfe::JaNein) == Antwort::Ja; }
  // A warning whose Yes would risk data: Return and Esc answer No.
  bool VorsichtigeWarnfrage(const std::string& text) {
    return Zeige(MeldungsArt::Warnung, text, Knoepfe::JaNeinVorgabeNein) == Antwort::Ja;
  }
};

// The message of commands that are offered but do nothing yet.
std::string NichtVerfuegbarText();

}  // namespace velmora
