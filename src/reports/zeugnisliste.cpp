#include "reports/zeugnisliste.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "basis/plattform.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kFelder = 10;
constexpr std::array<std::string_view, kFelder> kSpalten = {
    "Datum und Uhrzeit", "Schuljahr",          "Klasse", "Name", "Vornamen", "Geburtsdatum", "Zeugnisart",
    "Zeugnisdatum",      "Verlag oder Papier", "Datei"};

struct DateiSchliesser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using DateiZeiger = std::unique_ptr<std::FILE, DateiSchliesser>;

// The fields of an entry in the order of the columns.
template <class Eintrag>
auto FelderVon(Eintrag& e) {
  return std::array{&e.zeitpunkt,    &e.schuljahr,  &e.klasse,       &e.name,   &e.vornamen,
                    &e.geburtsdatum, &e.zeugnisart, &e.zeugnisdatum, &e.papier, &e.datei};
}

// A field as the file holds it: UTF-8, a control character (a line break would split the
// line) as a blank, in quotes where it holds ";" or a quote.
std::string CsvFeld(const std::string& cp1252) {
  std::string text = Cp1252NachUtf8(cp1252);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  }
  if (text.find_first_of(";\"") == std::string::npos) return text;
  std::string gequotet = "\"";
  for (char c : text) gequotet += c == '"' ? std::string("\"\"") : std::string(1, c);
  return gequotet + "\"";
}

// The fields of a line; none where a quote is not closed or stands inside a field.
std::optional<std::vector<std::string>> CsvFelder(std::string_view zeile) {
  std::vector<std::string> felder;
  std::size_t i = 0;
  while (true) {
    std::string feld;
    if (i < zeile.size() && zeile[i] == '"') {
      for (++i;; ++i) {
        if (i >= zeile.size()) return std::nullopt;
        if (zeile[i] != '"') {
          feld += zeile[i];
        } else if (i + 1 < zeile.size() && zeile[i + 1] == '"') {
          feld += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      if (i < zeile.size() && zeile[i] != ';') return std::nullopt;
    } else {
      const std::size_t ende = std::min(zeile.find(';', i), zeile.size());
      feld = std::string(zeile.substr(i, ende - i));
      if (feld.find('"') != std::string::npos) return std::nullopt;
      i = ende;
    }
    felder.push_back(std::move(feld));
    if (i >= zeile.size()) return felder;
    ++i;  // the ";"
  }
}

// The last byte of the list (a line end, where every line is whole), or none for an empty file.
std::optional<char> LetztesZeichen(const fs::path& liste) {
  errno = 0;
  DateiZeiger f(plattform::Oeffne(liste, "rb"));
  if (!f) WirfEAFehlerAusErrno();
  if (std::fseek(f.get(), -1, SEEK_END) != 0) return std::nullopt;
  const int c = std::fgetc(f.get());
  if (c == EOF) return std::nullopt;
  return static_cast<char>(c);
}

// Makes the list with `inhalt` (head and first line), whole or not at all: written under a
// name of its own, then linked under the list's name, which fails where another program has
// made the list meanwhile. False then: the line is still to be added.
bool LegeListeAn(const fs::path& liste, const std::string& inhalt) {
  std::random_device zufall;
  fs::path neu = liste;
  neu += "." + std::to_string(zufall()) + kNeuEndung;
  {
    errno = 0;
    DateiZeiger f(plattform::Oeffne(neu, "wb"));
    if (!f) WirfEAFehlerAusErrno();
    bool gut = std::fwrite(inhalt.data(), 1, inhalt.size(), f.get()) == inhalt.size() && std::fflush(f.get()) == 0 &&
               plattform::AufPlatteSichern(f.get());
    int fehler = errno;
    if (std::fclose(f.release()) != 0 && gut) {
      gut = false;
      fehler = errno;
    }
    if (!gut) {
      std::error_code ec;
      fs::remove(neu, ec);
      throw EAFehler(EAFehlerAusErrno(fehler == 0 ? ENOSPC : fehler));
    }
  }
  std::error_code ec;
  fs::create_hard_link(neu, liste, ec);
  if (!ec || fs::exists(liste)) {
    const bool angelegt = !ec;
    fs::remove(neu, ec);
    return angelegt;
  }
  // A file system without links (FAT, some shares): renamed instead.
  if (!plattform::ErsetzeDatei(neu, liste)) {
    const int fehler = errno;
    fs::remove(neu, ec);
    throw EAFehler(EAFehlerAusErrno(fehler));
  }
  return true;
}

}  // namespace

std::string ZeugnislistenKopf() {
  std::string kopf(kSpalten[0]);
  for (std::size_t i = 1; i < kFelder; ++i) kopf += ";" + std::string(kSpalten[i]);
  return kopf;
}

std::string ZeugnislistenZeile(const ZeugnislistenEintrag& eintrag) {
  std::string zeile;
  for (const std::string* feld : FelderVon(eintrag)) zeile += (feld == &eintrag.zeitpunkt ? "" : ";") + CsvFeld(*feld);
  return zeile + "\r\n";
}

std::optional<ZeugnislistenEintrag> ZeugnislistenEintragAus(std::string_view zeile) {
  if (zeile.substr(0, kBom.size()) == kBom) zeile.remove_prefix(kBom.size());
  if (zeile == ZeugnislistenKopf()) return std::nullopt;
  const std::optional<std::vector<std::string>> felder = CsvFelder(zeile);
  // Every line the program writes ends in the copy's ".pdf": a line cut off inside its last
  // field and closed by the next line's write is no entry.
  if (!felder || felder->size() != kFelder || !felder->back().ends_with(".pdf")) return std::nullopt;
  ZeugnislistenEintrag e;
  const auto ziele = FelderVon(e);
  for (std::size_t i = 0; i < kFelder; ++i) *ziele[i] = Utf8NachCp1252((*felder)[i]);
  return e;
}

void HaengeAnZeugnisliste(const fs::path& archivordner, const ZeugnislistenEintrag& eintrag) {
  const fs::path liste = archivordner / kZeugnislisteDatei;
  const std::string zeile = ZeugnislistenZeile(eintrag);
  const std::string kopf = std::string(kBom) + ZeugnislistenKopf() + "\r\n";
  // Twice at most: the list may go away between the test and the write.
  for (int versuch = 0;; ++versuch) {
    std::error_code ec;
    if (!fs::exists(liste, ec) && LegeListeAn(liste, kopf + zeile)) return;
    const std::optional<char> letztes = LetztesZeichen(liste);
    // An empty list gets its head; a line cut off at the end stays apart from this one.
    const std::string davor = !letztes ? kopf : *letztes != '\n' ? "\r\n" : "";
    if (plattform::HaengeAn(liste, davor + zeile)) return;
    if (errno != ENOENT || versuch > 0) WirfEAFehlerAusErrno();
  }
}

std::vector<ZeugnislistenEintrag> LiesZeugnisliste(const fs::path& archivordner) {
  const fs::path liste = archivordner / kZeugnislisteDatei;
  std::error_code ec;
  const bool da = fs::exists(liste, ec);
  // An archive folder that cannot be reached (a share offline, no access) is no empty list.
  if (ec) throw EAFehler(EAFehlerAusErrno(ec.default_error_condition().value()));
  if (!da) return {};
  const Bytes inhalt = LiesGanzeDatei(liste);
  const std::string_view text(reinterpret_cast<const char*>(inhalt.data()), inhalt.size());
  std::vector<ZeugnislistenEintrag> eintraege;
  std::size_t anfang = 0;
  // A line without its line end was cut off while it was written: it does not count.
  for (std::size_t ende = text.find('\n'); ende != std::string_view::npos; ende = text.find('\n', anfang)) {
    std::string_view zeile = text.substr(anfang, ende - anfang);
    while (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    if (auto e = ZeugnislistenEintragAus(zeile)) eintraege.push_back(std::move(*e));
    anfang = ende + 1;
  }
  return eintraege;
}

}  // namespace velmora
