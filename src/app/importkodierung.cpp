#include "app/importkodierung.h"

#include <algorithm>
#include <string_view>

#include "app/import.h"
#include "basis/cp1252.h"

namespace velmora {
namespace {

bool NurAscii(const std::vector<std::string>& zeilen) {
  return std::all_of(zeilen.begin(), zeilen.end(), [](const std::string& z) {
    return std::all_of(z.begin(), z.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  });
}

// Fields 1 and 2 of a line, joined as the student list shows a name.
std::string NameDerZeile(std::string_view rest) {
  std::string name, vornamen;
  if (!ZeileZuEnde(rest)) name = NaechstesFeld(rest);
  if (!ZeileZuEnde(rest)) vornamen = NaechstesFeld(rest);
  return vornamen.empty() ? name : name + ", " + vornamen;
}

}  // namespace

ImportText LiesImportText(const std::vector<std::string>& rohzeilen) {
  ImportText t;
  if (NurAscii(rohzeilen)) {
    t.zeilen = rohzeilen;
    return t;
  }
  std::vector<std::u32string> zeichen;
  zeichen.reserve(rohzeilen.size());
  for (const std::string& z : rohzeilen) {
    std::optional<std::u32string> u = Utf8Zeichen(z);
    if (!u) {
      t.zeilen = rohzeilen;  // not UTF-8: code page 1252, byte for byte
      return t;
    }
    zeichen.push_back(std::move(*u));
  }
  t.utf8 = true;
  if (!zeichen.empty() && !zeichen.front().empty() && zeichen.front().front() == 0xFEFF) {
    zeichen.front().erase(0, 1);  // the byte order mark
  }
  for (std::size_t i = 0; i < zeichen.size(); ++i) {
    std::vector<Ersetzung> ersetzungen;
    t.zeilen.push_back(Cp1252MitErsatz(zeichen[i], &ersetzungen));
    if (ersetzungen.empty()) continue;
    std::string roh;
    for (char32_t c : zeichen[i]) roh += Utf8(c);
    t.ersetzt.push_back({i + 1, NameDerZeile(roh), std::move(ersetzungen)});
  }
  return t;
}

std::string ErsetzungsWarnungUtf8(const std::vector<ErsetzteImportZeile>& ersetzt) {
  std::string text = "Die Datei enthält Zeichen, die in der Klassendatei nicht gespeichert werden können:\r";
  for (const ErsetzteImportZeile& z : ersetzt) {
    text += "\rZeile " + std::to_string(z.zeile) + ": " + z.nameUtf8 + " –";
    for (std::size_t i = 0; i < z.zeichen.size(); ++i) {
      const Ersetzung& e = z.zeichen[i];
      text += (i == 0 ? " „" : ", „") + Utf8(e.zeichen) + "“ ";
      text += e.ersatz.empty() ? "wird weggelassen" : "wird „" + Cp1252NachUtf8(e.ersatz) + "“";
    }
  }
  text +=
      "\r\rSollen die Daten mit diesen Ersetzungen importiert werden?\r„Nein“ bricht den Import ab; die Klasse "
      "bleibt, wie sie ist.";
  return text;
}

std::optional<std::vector<std::string>> ImportZeilenFreigeben(const std::vector<std::string>& rohzeilen, Meldungen& m) {
  ImportText t = LiesImportText(rohzeilen);
  if (!t.ersetzt.empty() &&
      m.ZeigeUtf8(MeldungsArt::Warnung, ErsetzungsWarnungUtf8(t.ersetzt), Knoepfe::JaNein) != Antwort::Ja) {
    return std::nullopt;
  }
  return std::move(t.zeilen);
}

}  // namespace velmora
