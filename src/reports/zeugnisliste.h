#pragma once
// The list of issued reports, "Zeugnisliste.csv" in the archive folder: one line for every
// archive copy, as German spreadsheet programs open a file by double-click: UTF-8 with a byte
// order mark, fields separated by ";", a field holding ";", a quote or a line break in
// quotes (its quotes doubled), CR LF after every line, a head line first.
//
// Many programs (on a network share, too) may add to the list at the same time: a line is
// added by one appending write of the system, so lines never mix and a line is whole or
// absent; a new file appears with its head line already in it. A line cut off by a crash is
// skipped when the list is read, and the next line starts on a line of its own.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr const char* kZeugnislisteDatei = "Zeugnisliste.csv";

// One archive copy, its texts in code page 1252.
struct ZeugnislistenEintrag {
  std::string zeitpunkt;  // when the copy was written: "07.12.2026 09:05:03"
  std::string schuljahr;  // "2026/2027"
  std::string klasse;
  std::string name;
  std::string vornamen;
  std::string geburtsdatum;  // as typed
  std::string zeugnisart;    // "Abschlusszeugnis"
  std::string zeugnisdatum;  // as typed
  std::string papier;        // the publisher of the forms, "weißes Papier" or "ohne Druck"
  std::string datei;         // the copy's path inside the archive folder, "/" between folders
  bool operator==(const ZeugnislistenEintrag&) const = default;
};

// The head line (UTF-8, without line end).
std::string ZeugnislistenKopf();
// The line of one entry as it stands in the file: UTF-8, CR LF at its end.
std::string ZeugnislistenZeile(const ZeugnislistenEintrag& eintrag);
// An entry from a line of the file (UTF-8, without its line end); none for a line that is
// no entry (the head, a line cut off, a line of another number of fields).
std::optional<ZeugnislistenEintrag> ZeugnislistenEintragAus(std::string_view zeile);

// Adds the entry's line to the list in `archivordner` (which exists). Where there is no
// list yet, it is made with the byte order mark and the head line. Throws EAFehler.
void HaengeAnZeugnisliste(const std::filesystem::path& archivordner, const ZeugnislistenEintrag& eintrag);
// The entries of the list in `archivordner`, in the order of the file; none where there is
// no list. Throws EAFehler when it cannot be read.
std::vector<ZeugnislistenEintrag> LiesZeugnisliste(const std::filesystem::path& archivordner);

}  // namespace velmora
