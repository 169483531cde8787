#pragma once
// Test helpers: a fresh working directory per test and recording fakes of the ports.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/hauptsteuerung.h"
#include "basis/eafehler.h"
#include "reports/velmoallgdrk.h"

namespace velmora::test {

// Each test runs in a new empty temporary directory, removed afterwards.
class ArbeitsverzeichnisTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path verzeichnis_, vorher_;
};

// True when this process can still write the file (or create a file in the directory),
// for instance because it runs with administrator rights despite the write protection.
bool DarfSchreiben(const std::filesystem::path& pfad);

// Runs `f` and returns the number of the EAFehler it throws, or -1 without one.
template <class F>
int FehlerNummer(F&& f) {
  try {
    f();
  } catch (const EAFehler& e) {
    return e.Nummer();
  }
  return -1;
}

Bytes LiesDatei(const std::filesystem::path& pfad);
void SchreibeDatei(const std::filesystem::path& pfad, const Bytes& inhalt);
inline Bytes AlsBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }
// Compares byte blocks and reports only the sizes and the first differing offset, so a
// failing 199236-byte comparison stays readable.
::testing::AssertionResult GleicheBytes(const Bytes& ist, const Bytes& soll);

// Records every box; answers from `antworten`, else Ja to questions and Ok otherwise.
class FakeMeldungen : public Meldungen {
 public:
  struct Eintrag {
    MeldungsArt art;
    std::string text;
    Knoepfe knoepfe;
    std::string titel;
  };
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                const std::string& titel = {}) override;
  std::vector<Eintrag> protokoll;
  std::deque<Antwort> antworten;
};

// Answers from a script; an empty script cancels the dialog.
class FakeDateiDialoge : public DateiDialoge {
 public:
  std::optional<std::string> Oeffnen(const DateiDialogWunsch& w) override;
  std::optional<std::string> Speichern(const DateiDialogWunsch& w) override;
  std::deque<std::optional<std::string>> oeffnenAntworten, speichernAntworten;
  std::vector<DateiDialogWunsch> oeffnenAufrufe, speichernAufrufe;
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

// The main-window logic started in a fresh working directory, with every port faked.
// The boxes shown by the start are counted and then cleared.
class SteuerungsTest : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    passwoerter.Verbinde(steuerung.Schutz(), steuerung.Einstellungen(), meldungen);
    steuerung.Start();
    startMeldungen = meldungen.protokoll.size();
    meldungen.protokoll.clear();
  }

  FakeAnsicht ansicht;
  FakeMeldungen meldungen;
  FakeDateiDialoge dialoge;
  FakePasswortDialoge passwoerter;
  Hauptsteuerung steuerung{ansicht, meldungen, dialoge, passwoerter, passwoerter};
  std::size_t startMeldungen = 0;
};

}  // namespace velmora::test
