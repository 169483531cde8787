#include "common/fakes.h"

namespace velmora::test {

Antwort FakeMeldungen::Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel) {
  protokoll.push_back({art, text, knoepfe, titel});
  return Antworte();
}

Antwort FakeMeldungen::ZeigeUtf8(MeldungsArt art, const std::string& utf8, Knoepfe knoepfe) {
  protokoll.push_back({art, utf8, knoepfe, {}, true});
  return Antworte();
}

std::vector<std::string> FakeMeldungen::Texte() const {
  std::vector<std::string> t;
  for (const Eintrag& e : protokoll) t.push_back(e.text);
  return t;
}

Antwort FakeMeldungen::Antworte() {
  const Knoepfe knoepfe = protokoll.back().knoepfe;
  if (beimZeigen) beimZeigen(protokoll.back());
  // Without a script the fake answers as Return would: with the default button.
  if (antworten.empty()) {
    if (knoepfe == Knoepfe::JaNein || knoepfe == Knoepfe::JaNeinAbbrechen) return Antwort::Ja;
    if (knoepfe == Knoepfe::JaNeinVorgabeNein) return Antwort::Nein;
    if (knoepfe == Knoepfe::DruckenVorschauAbbrechen) return Antwort::Drucken;
    return Antwort::Ok;
  }
  Antwort a = antworten.front();
  antworten.pop_front();
  return a;
}

namespace {
std::optional<std::string> Naechste(std::deque<std::optional<std::string>>& skript) {
  if (skript.empty()) return std::nullopt;
  auto a = skript.front();
  skript.pop_front();
  return a;
}
}  // namespace

std::optional<std::string> FakeDateiDialoge::Oeffnen(const DateiDialogWunsch& w) {
  oeffnenAufrufe.push_back(w);
  return oeffnenAntworten.empty() && immer ? immer : Naechste(oeffnenAntworten);
}

std::optional<std::string> FakeDateiDialoge::Speichern(const DateiDialogWunsch& w) {
  speichernAufrufe.push_back(w);
  return speichernAntworten.empty() && immer ? immer : Naechste(speichernAntworten);
}

void FakeAnsicht::ZeigeListe(const std::vector<std::string>& zeilen, int ausgewaehlt) {
  liste = zeilen;
  auswahl = ausgewaehlt;
  ++listeGefuellt;
}

bool FakePasswortDialoge::ZeigePasswortAbfrage() {
  ++abfragen;
  if (abfrage.empty()) return false;
  auto eingabe = abfrage.front();
  abfrage.pop_front();
  if (!eingabe) {
    schutz_->AbfrageAbgebrochen();
    return false;
  }
  schutz_->AbfrageOk(*eingabe);
  return true;
}

bool FakePasswortDialoge::ZeigePasswortFestlegung() {
  ++festlegungen;
  if (festlegung.empty()) return true;
  auto [erste, zweite] = festlegung.front();
  festlegung.pop_front();
  return schutz_->FestlegungOk(erste, zweite, *meldungen_);
}

bool FakePasswortDialoge::ZeigePasswortDlg() {
  ++konfigAbfragen;
  std::optional<std::string> eingabe;
  if (!konfigPasswort.empty()) {
    eingabe = konfigPasswort.front();
    konfigPasswort.pop_front();
  }
  if (!eingabe) {
    einstellungen_->PasswortDlgAbbrechen();
    return false;
  }
  return einstellungen_->PasswortDlgOk(*eingabe);
}

bool FakePasswortDialoge::ZeigePwAendern() {
  ++konfigAenderungen;
  if (konfigAendern.empty()) return false;
  auto [erste, zweite] = konfigAendern.front();
  konfigAendern.pop_front();
  return einstellungen_->PwAendernOk(erste, zweite, *meldungen_);
}

}  // namespace velmora::test
