#include "kern/hilfen.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace velmora::test {

void ArbeitsverzeichnisTest::SetUp() {
  vorher_ = std::filesystem::current_path();
  std::random_device zufall;
  for (int versuch = 0;; ++versuch) {
    verzeichnis_ = std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(zufall()));
    if (std::filesystem::create_directory(verzeichnis_)) break;
    ASSERT_LT(versuch, 100) << "no fresh temporary directory";
  }
  std::filesystem::current_path(verzeichnis_);
}

void ArbeitsverzeichnisTest::TearDown() {
  std::filesystem::current_path(vorher_);
  std::error_code ec;
  // Windows deletes no read-only file: lift the write protection a test left behind.
  for (std::filesystem::recursive_directory_iterator it(verzeichnis_, ec), ende; !ec && it != ende; it.increment(ec)) {
    std::error_code egal;
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                 egal);
  }
  std::filesystem::remove_all(verzeichnis_, ec);
}

bool DarfSchreiben(const std::filesystem::path& pfad) {
  if (std::filesystem::is_directory(pfad)) {
    const auto probe = pfad / "velmora-probe";
    const bool geht = std::ofstream(probe).is_open();
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return geht;
  }
  return std::ofstream(pfad, std::ios::app).is_open();
}

Bytes LiesDatei(const std::filesystem::path& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  EXPECT_TRUE(f.good()) << "cannot read " << pfad;
  return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void SchreibeDatei(const std::filesystem::path& pfad, const Bytes& inhalt) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
  ASSERT_TRUE(f.good()) << "cannot write " << pfad;
}

::testing::AssertionResult GleicheBytes(const Bytes& ist, const Bytes& soll) {
  std::size_t i = 0;
  while (i < ist.size() && i < soll.size() && ist[i] == soll[i]) ++i;
  if (i == ist.size() && i == soll.size()) return ::testing::AssertionSuccess();
  auto r = ::testing::AssertionFailure() << "sizes " << ist.size() << " / " << soll.size()
                                         << ", first difference at offset " << i;
  if (i < ist.size() && i < soll.size()) r << ": " << int(ist[i]) << " instead of " << int(soll[i]);
  return r;
}

Antwort FakeMeldungen::Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                             const std::string& titel) {
  protokoll.push_back({art, text, knoepfe, titel});
  if (antworten.empty()) return knoepfe == Knoepfe::JaNein ? Antwort::Ja : Antwort::Ok;
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
  return Naechste(oeffnenAntworten);
}

std::optional<std::string> FakeDateiDialoge::Speichern(const DateiDialogWunsch& w) {
  speichernAufrufe.push_back(w);
  return Naechste(speichernAntworten);
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
