#include "print/formatsteuertabelle.h"

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"

namespace velmora {
namespace {

constexpr const char* kKopfTrenner = "=============";
constexpr const char* kBlockTrenner = "- - - - -";

constexpr TFormatEintrag E(std::uint16_t x, std::uint16_t y, std::uint16_t schrift, std::uint16_t seite,
                           std::uint16_t drucken) {
  return {x, y, schrift, seite, drucken};
}

// A number as a table file holds it: its value modulo 65536. The block number is compared
// in that form too, so 65536 in front of block 0 passes the index check.
struct Zahl {
  std::uint16_t wert = 0;
};

// Reads a table file the way it is meant to be hand-edited: numbers may be preceded by
// blanks, tabs and empty lines and followed by a remark; every other line is taken whole.
class ZeilenLeser {
 public:
  explicit ZeilenLeser(const std::vector<std::string>& zeilen) : zeilen_(zeilen) {}

  // The rest of the current line; at the end of the file an empty line.
  std::string Zeile() {
    if (zeile_ >= zeilen_.size()) return {};
    std::string rest = zeilen_[zeile_].substr(spalte_);
    ++zeile_;
    spalte_ = 0;
    return rest;
  }

  // The next number. Characters of code 32 or below before it are skipped, across lines;
  // the token runs up to the next such character; the rest of its line is dropped. At the
  // end of the file the number is 0. A token that is not a decimal integer with an
  // optional sign throws EAFehler 106.
  Zahl Nummer() {
    while (zeile_ < zeilen_.size()) {
      const std::string& z = zeilen_[zeile_];
      while (spalte_ < z.size() && Trenner(z[spalte_])) ++spalte_;
      if (spalte_ < z.size()) break;
      ++zeile_;
      spalte_ = 0;
    }
    if (zeile_ >= zeilen_.size()) return {};
    const std::string& z = zeilen_[zeile_];
    std::size_t ende = spalte_;
    while (ende < z.size() && !Trenner(z[ende])) ++ende;
    Zahl zahl = Lies(z, spalte_, ende);
    ++zeile_;
    spalte_ = 0;
    return zahl;
  }

 private:
  static bool Trenner(char c) { return static_cast<unsigned char>(c) <= 32; }

  // Any number of digits is accepted; only the value modulo 65536 is kept.
  static Zahl Lies(const std::string& z, std::size_t anfang, std::size_t ende) {
    bool negativ = false;
    if (z[anfang] == '+' || z[anfang] == '-') {
      negativ = z[anfang] == '-';
      ++anfang;
    }
    if (anfang == ende) throw EAFehler(ea::UngueltigeZahl);
    std::uint32_t wert = 0;
    for (std::size_t i = anfang; i < ende; ++i) {
      const char c = z[i];
      if (c < '0' || c > '9') throw EAFehler(ea::UngueltigeZahl);
      wert = (wert * 10 + static_cast<std::uint32_t>(c - '0')) & 0xFFFF;
    }
    Zahl zahl;
    zahl.wert = static_cast<std::uint16_t>(negativ ? (0x10000 - wert) & 0xFFFF : wert);
    return zahl;
  }

  const std::vector<std::string>& zeilen_;
  std::size_t zeile_ = 0;
  std::size_t spalte_ = 0;
};

}  // namespace

TFormatVorlage TestblattVorlage() {
  TFormatVorlage v;
  v.Titel = T("Test-Blatt für benutzte Schriften");
  auto& t = v.Tabelle;
  t[0] = E(500, 0, 10, 1, 1);
  for (std::uint16_t k = 1; k <= 30; ++k) t[k] = E(0, static_cast<std::uint16_t>(100 + 75 * k), k, 1, 1);
  t[98] = E(0, 2650, 14, 1, 1);
  t[99] = E(1250, 2650, 30, 1, 1);
  return v;
}

TFormatVorlage DatenrahmenVorlage() {
  TFormatVorlage v;
  v.Titel = T("Bezeichner für Datenblatt / Rahmenmaske für Datenblatt");
  auto& t = v.Tabelle;
  t[0] = E(600, 0, 10, 1, 1);
  t[1] = E(0, 100, 2, 1, 1);
  t[2] = E(0, 0, 2, 1, 0);
  t[3] = E(300, 200, 2, 1, 1);
  t[4] = E(1000, 200, 2, 1, 1);
  t[5] = E(0, 260, 2, 1, 1);
  t[6] = E(0, 0, 2, 1, 0);
  t[7] = E(0, 320, 2, 1, 1);
  t[8] = E(800, 320, 2, 1, 1);
  t[9] = E(0, 380, 2, 1, 1);
  t[10] = E(0, 480, 6, 1, 1);
  t[11] = E(750, 480, 6, 1, 1);
  t[12] = E(1550, 480, 6, 1, 1);
  t[13] = E(1600, 480, 6, 1, 1);
  t[83] = E(0, 1240, 6, 1, 1);
  t[84] = E(0, 2000, 2, 1, 1);
  t[85] = E(1000, 2000, 2, 1, 1);
  t[86] = E(0, 2060, 6, 1, 1);
  t[87] = E(0, 2400, 2, 1, 1);
  t[88] = E(600, 2400, 2, 1, 1);
  t[89] = E(1200, 2400, 2, 1, 1);
  t[90] = E(0, 2460, 2, 1, 1);
  t[91] = E(900, 2460, 2, 1, 1);
  t[92] = E(1400, 2460, 2, 1, 1);
  t[93] = E(0, 2520, 2, 1, 1);
  for (std::size_t k = 94; k <= 97; ++k) t[k] = E(0, 0, 1, 1, 0);
  t[98] = E(0, 2650, 14, 1, 1);
  t[99] = E(1250, 2650, 30, 1, 1);
  return v;
}

TFormatVorlage DatenblattVorlage() {
  TFormatVorlage v;
  v.Titel = T("Vorlage für FormatSteuerTabelle / Datenblatt");
  auto& t = v.Tabelle;
  t[0] = E(600, 0, 10, 1, 1);
  t[1] = E(300, 100, 20, 1, 1);
  t[2] = E(0, 0, 3, 1, 0);
  t[3] = E(700, 200, 1, 1, 1);
  t[4] = E(1500, 200, 1, 1, 1);
  t[5] = E(300, 260, 1, 1, 1);
  t[6] = E(0, 0, 1, 1, 1);
  t[7] = E(300, 320, 1, 1, 1);
  t[8] = E(900, 320, 1, 1, 1);
  t[9] = E(300, 380, 1, 1, 1);
  // The first eleven subject rows; rows 12 to 18 stay switched off until the file is edited.
  for (std::size_t r = 0; r <= 10; ++r) {
    const auto y = static_cast<std::uint16_t>(540 + 60 * r);
    t[10 + 4 * r] = E(100, y, 1, 1, 1);
    t[11 + 4 * r] = E(750, y, 3, 1, 1);
    t[12 + 4 * r] = E(1550, y, 1, 1, 1);
    t[13 + 4 * r] = E(1600, y, 1, 1, 1);
  }
  t[83] = E(0, 1300, 1, 1, 1);
  t[84] = E(750, 2000, 1, 1, 1);
  t[85] = E(1500, 2000, 1, 1, 1);
  t[86] = E(0, 2120, 1, 1, 1);
  t[87] = E(250, 2400, 1, 1, 1);
  t[88] = E(900, 2400, 1, 1, 1);
  t[89] = E(1500, 2400, 1, 1, 1);
  t[90] = E(250, 2460, 1, 1, 1);
  t[91] = E(1200, 2460, 1, 1, 1);
  t[92] = E(1500, 2460, 1, 1, 1);
  t[93] = E(500, 2520, 1, 1, 1);
  t[94] = E(1200, 2520, 1, 1, 1);
  for (std::size_t k = 95; k <= 97; ++k) t[k] = E(0, 0, 1, 1, 0);
  t[98] = E(0, 2650, 14, 1, 1);
  t[99] = E(1250, 2650, 30, 1, 1);
  return v;
}

TFormatVorlage VorlageFuer(const std::string& dateiname) {
  if (dateiname == kTestblattDatei) return TestblattVorlage();
  if (dateiname == kDatenrahmenDatei) return DatenrahmenVorlage();
  return DatenblattVorlage();
}

std::vector<std::string> FormatSteuerZeilen(const TFormatSteuerTabelle& tabelle, const std::string& titel) {
  std::vector<std::string> zeilen;
  zeilen.reserve(2 + 7 * kFormatEintraege);
  zeilen.push_back(titel);
  zeilen.push_back(kKopfTrenner);
  for (std::size_t k = 0; k < kFormatEintraege; ++k) {
    const TFormatEintrag& e = tabelle[k];
    zeilen.push_back(std::to_string(k));
    for (std::uint16_t wert : {e.X, e.Y, e.Schrift, e.Seite, e.Drucken}) zeilen.push_back(std::to_string(wert));
    zeilen.push_back(kBlockTrenner);
  }
  return zeilen;
}

void SchreibeFormatSteuerTabelle(const std::string& dateiname, const TFormatSteuerTabelle& tabelle,
                                 const std::string& titel) {
  SchreibeTextZeilen(dateiname, FormatSteuerZeilen(tabelle, titel));
}

bool LiesFormatSteuerZeilen(const std::vector<std::string>& zeilen, TFormatSteuerTabelle& tabelle, std::string& titel) {
  ZeilenLeser leser(zeilen);
  titel = leser.Zeile();
  leser.Zeile();  // the separator under the title, whatever it holds
  bool fehlerfrei = true;
  for (std::size_t k = 0; k < kFormatEintraege; ++k) {
    const Zahl nummer = leser.Nummer();
    if (nummer.wert != k) fehlerfrei = false;
    TFormatEintrag& e = tabelle[k];
    for (std::uint16_t* feld : {&e.X, &e.Y, &e.Schrift, &e.Seite, &e.Drucken}) *feld = leser.Nummer().wert;
    leser.Zeile();  // exactly one line closes the block, whatever it holds
  }
  return fehlerfrei;
}

void LadeFormatSteuerTabelle(TFormatSteuerTabelle& tabelle, const std::string& dateiname, std::string& titel,
                             Meldungen& meldungen) {
  tabelle.fill(TFormatEintrag{});
  if (DateiExistiert(dateiname)) {
    const std::vector<std::string> zeilen = LiesTextZeilen(dateiname);
    if (!LiesFormatSteuerZeilen(zeilen, tabelle, titel)) {
      meldungen.Fehler(T("Es können Fehler in der Steuerdatei enthalten sein!"));
    }
    return;
  }
  TFormatVorlage vorlage = VorlageFuer(dateiname);
  titel = vorlage.Titel;
  tabelle = vorlage.Tabelle;
  SchreibeFormatSteuerTabelle(dateiname, tabelle, titel);
}

}  // namespace velmora
