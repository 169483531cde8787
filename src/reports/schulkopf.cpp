#include "reports/schulkopf.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "basis/textkodierung.h"
#include "print/bildkopf.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// A logo file larger than this is not read: a logo needs a small part of it.
constexpr std::uintmax_t kLogoHoechstensBytes = 32u * 1024 * 1024;

std::string Gross(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string OhneLogo(const std::string& datei, const std::string& grund) {
  return "Das Schullogo " + datei + " kann nicht gedruckt werden: " + grund + ". Das Zeugnis wird ohne Logo gedruckt.";
}

std::optional<TSchullogo> LadeLogo(std::vector<std::string>& warnungen) {
  const std::optional<std::string> datei = SchullogoDatei();
  if (!datei) return std::nullopt;
  Bytes inhalt;
  try {
    std::error_code fehler;
    const std::uintmax_t groesse = fs::file_size(Pfad(*datei), fehler);
    if (fehler) throw EAFehler(ea::DateiNichtGefunden);
    if (groesse > kLogoHoechstensBytes) {
      warnungen.push_back(OhneLogo(*datei, T("die Datei ist größer als 32 MB")));
      return std::nullopt;
    }
    inhalt = LiesDatensatz(*datei, static_cast<std::size_t>(groesse));
  } catch (const EAFehler& f) {
    warnungen.push_back(OhneLogo(*datei, EAFehlerText(f.Nummer())));
    return std::nullopt;
  }
  const BildPruefung pruefung = PruefeBild(inhalt);
  if (!pruefung.kopf) {
    warnungen.push_back(OhneLogo(*datei, pruefung.fehler));
    return std::nullopt;
  }
  return TSchullogo{*datei, pruefung.kopf->breite, pruefung.kopf->hoehe};
}

}  // namespace

std::vector<std::string> LiesSchulkopfZeilen(const std::vector<std::string>& zeilen,
                                             std::vector<std::string>& warnungen) {
  std::vector<std::string> kopf;
  for (std::string zeile : zeilen) {
    std::erase(zeile, '\r');
    std::replace_if(
        zeile.begin(), zeile.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    const auto anfang = zeile.find_first_not_of(' ');
    if (anfang == std::string::npos || zeile[anfang] == ';') continue;
    zeile = zeile.substr(anfang, zeile.find_last_not_of(' ') - anfang + 1);
    if (kopf.size() == kSchulkopfZeilen) {
      warnungen.push_back(std::string("Die Datei ") + kSchulkopfDatei +
                          T(" hat mehr als drei Zeilen; gedruckt werden die ersten drei (Name der Schule, Anschrift, "
                            "Schulnummer)."));
      break;
    }
    kopf.push_back(std::move(zeile));
  }
  return kopf;
}

std::optional<std::string> SchullogoDatei() {
  std::vector<std::string> namen;
  std::error_code fehler;
  for (fs::directory_iterator it(fs::current_path(fehler), fehler), ende; !fehler && it != ende; it.increment(fehler)) {
    if (it->is_regular_file(fehler)) namen.push_back(NameAus(it->path().filename()));
  }
  for (const char* gesucht : {"SCHULLOGO.PNG", "SCHULLOGO.JPG", "SCHULLOGO.JPEG"}) {
    for (const std::string& name : namen) {
      if (Gross(name) == gesucht) return name;
    }
  }
  return std::nullopt;
}

TSchulkopf LadeSchulkopf(std::vector<std::string>& warnungen) {
  TSchulkopf kopf;
  if (!DateiExistiert(kSchulkopfDatei)) {
    try {
      SchreibeTextZeilen(kSchulkopfDatei, {});
    } catch (const EAFehler& f) {
      warnungen.push_back(std::string("Die Datei ") + kSchulkopfDatei + " fehlt und kann nicht angelegt werden (" +
                          EAFehlerText(f.Nummer()) + ").");
    }
  } else {
    try {
      bool ersetzt = false;
      kopf.Zeilen = LiesSchulkopfZeilen(Cp1252Zeilen(LiesTextZeilen(kSchulkopfDatei), &ersetzt), warnungen);
      if (ersetzt) {
        warnungen.push_back(std::string("Die Datei ") + kSchulkopfDatei +
                            T(" enthält Zeichen, die Velmora nicht drucken kann; sie werden durch ähnliche ersetzt "
                              "oder weggelassen."));
      }
    } catch (const EAFehler& f) {
      warnungen.push_back(std::string("Die Datei ") + kSchulkopfDatei + " kann nicht gelesen werden (" +
                          EAFehlerText(f.Nummer()) + T("). Der Kopf des Zeugnisses ist der Zeugnisname der Schule."));
    }
  }
  kopf.Logo = LadeLogo(warnungen);
  return kopf;
}

}  // namespace velmora
