#pragma once
// The fakes of the ports, shared by the logic tests, the window tests and the benchmarks:
// message boxes, file dialogs, the main window as the logic sees it, the password windows,
// the page prompt of the reports and the clock. Each records what it was asked and answers
// from a script. (The recording printer surface is in aufzeichnende_flaeche.h.)
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/hauptsteuerung.h"
#include "basis/uhr.h"
#include "common/aufzeichnende_flaeche.h"
#include "print/druckvorschau.h"
#include "reports/velmoallgdrk.h"

namespace velmora::test {

// Records every box; answers from `antworten`, else with the box's default button.
class FakeMeldungen : public Meldungen {
 public:
  struct Eintrag {
    MeldungsArt art;
    std::string text;
    Knoepfe knoepfe;
    std::string titel;
    bool utf8 = false;  // shown with ZeigeUtf8: `text` is UTF-8
  };
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel = {}) override;
  Antwort ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe) override;
  std::vector<Eintrag> protokoll;
  std::deque<Antwort> antworten;
  // The texts of the boxes shown so far, in order.
  std::vector<std::string> Texte() const;
  // Called with each box as it is shown, for tests that look at the screen at that moment.
  std::function<void(const Eintrag&)> beimZeigen;

 private:
  Antwort Antworte();
};

// Answers from a script; an empty script cancels the dialog, or gives `immer` when set.
class FakeDateiDialoge : public DateiDialoge {
 public:
  FakeDateiDialoge() = default;
  explicit FakeDateiDialoge(std::string datei) : immer(std::move(datei)) {}
  std::optional<std::string> Oeffnen(const DateiDialogWunsch& w) override;
  std::optional<std::string> Speichern(const DateiDialogWunsch& w) override;
  std::deque<std::optional<std::string>> oeffnenAntworten, speichernAntworten;
  std::vector<DateiDialogWunsch> oeffnenAufrufe, speichernAufrufe;
  std::optional<std::string> immer;
};

// The main window as the logic sees it. A test "types" with Tippe on `editor`.
class FakeAnsicht : public HauptAnsicht {
 public:
  EditorInhalt LiesEditor() override { return editor; }
  void ZeigeEditor(const EditorInhalt& inhalt) override { editor = inhalt; }
  void ZeigeListe(const std::vector<std::string>& zeilen, int auswahl) override;
  void WaehleListenZeile(int zeile) override { auswahl = zeile; }
  void ZeigeAenderung(bool geaendert) override { aenderungAnzeige = geaendert; }
  void ZeigeDateiname(const std::string& name) override { panelDatei = name; }
  void ZeigeKurzname(const std::string& name) override { panelKurzname = name; }
  void SetzeSchulFaecher(const TSchulFaecherListe& liste) override { schulFaecher = liste; }
  void LeereZeugnistextfelder() override { editor.Hinweise = editor.Bemerkungen = {}; }
  void FokusAufNummer() override { ++fokusAufNummer; }
  void ZeigeSpeicherFortschritt() override { ++fortschrittFenster; }
  void ZeigeVorlagenAuswahl() override {}

  static void Tippe(EditorText& feld, std::string text) { feld = {std::move(text), true}; }

  EditorInhalt editor;
  std::vector<std::string> liste;
  int listeGefuellt = 0;
  int auswahl = -1;
  bool aenderungAnzeige = false;
  std::string panelDatei = "aktuelle Datei";  // the panel's text before any file
  std::string panelKurzname = "?";
  TSchulFaecherListe schulFaecher;
  int fokusAufNummer = 0;
  int fortschrittFenster = 0;
};

// The password windows, answering from scripts through the same handlers as the real
// windows. An empty script cancels a prompt and confirms a definition without a password.
class FakePasswortDialoge : public DatenPasswortDialoge, public KonfigPasswortDialoge {
 public:
  void Verbinde(Datenschutz& schutz, ProgrammEinstellungen& einstellungen, Meldungen& m) {
    schutz_ = &schutz;
    einstellungen_ = &einstellungen;
    meldungen_ = &m;
  }
  bool ZeigePasswortAbfrage() override;
  bool ZeigePasswortFestlegung() override;
  bool ZeigePasswortDlg() override;
  bool ZeigePwAendern() override;

  std::deque<std::optional<std::string>> abfrage;  // nullopt: "Abbrechen"
  std::deque<std::pair<std::string, std::string>> festlegung;
  std::deque<std::optional<std::string>> konfigPasswort;
  std::deque<std::pair<std::string, std::string>> konfigAendern;
  int abfragen = 0, festlegungen = 0, konfigAbfragen = 0, konfigAenderungen = 0;

 private:
  Datenschutz* schutz_ = nullptr;
  ProgrammEinstellungen* einstellungen_ = nullptr;
  Meldungen* meldungen_ = nullptr;
};

// Answers the report's page prompts from a script (OK when it runs out) and keeps their texts.
class SkriptSeitenAbfrage : public FormularSeitenAbfrage {
 public:
  bool Frage(const std::string& text) override {
    texte.push_back(text);
    if (antworten.empty()) return true;
    const bool a = antworten.front();
    antworten.pop_front();
    return a;
  }
  std::deque<bool> antworten;
  std::vector<std::string> texte;
};

// A preview that draws onto a recording surface of its own and keeps what it was shown.
// With `druckenAusDerVorschau` the teacher prints from it: the pages are drawn once more
// and the session ends as `druckende` says.
class AufzeichnendeVorschau : public Druckvorschau {
 public:
  std::optional<Sitzungsende> Zeige(const std::string& name, Blattformat blatt,
                                    const std::function<void(DruckFlaeche&)>& zeichne) override {
    namen.push_back(name);
    blaetter.push_back(blatt);
    zeichne(flaeche);
    if (!druckenAusDerVorschau) return std::nullopt;
    zeichne(flaeche);
    return druckende;
  }
  bool druckenAusDerVorschau = false;
  Sitzungsende druckende;
  std::vector<std::string> namen;
  std::vector<Blattformat> blaetter;
  AufzeichnendeFlaeche flaeche;
};

// Message boxes that answer at once and record nothing (for the benchmarks): the default
// button of every box.
class StilleMeldungen : public Meldungen {
 public:
  Antwort Zeige(MeldungsArt, const std::string&, Knoepfe k, const std::string&) override {
    if (k == Knoepfe::JaNein || k == Knoepfe::JaNeinAbbrechen) return Antwort::Ja;
    if (k == Knoepfe::DruckenVorschauAbbrechen) return Antwort::Drucken;
    return k == Knoepfe::JaNeinVorgabeNein ? Antwort::Nein : Antwort::Ok;
  }
};

// A clock that always tells the same day and time.
class FesteUhr : public Uhr {
 public:
  explicit FesteUhr(Datum tag = Datum{2026, 12, 7}, Uhrzeit zeit = Uhrzeit{9, 5, 3}) : tag_(tag), zeit_(zeit) {}
  Datum Heute() const override { return tag_; }
  Zeitpunkt Jetzt() const override { return {tag_, zeit_}; }

 private:
  Datum tag_;
  Uhrzeit zeit_;
};

}  // namespace velmora::test
