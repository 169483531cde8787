// The two files of the archive: the settings record "ARCHIV.DAT" (the first 258 bytes of the
// input) and the list of issued reports "Zeugnisliste.csv" (the rest, split into lines as the
// list is read). A record read and written back reads the same again and names a folder; an
// entry read from a line and written back is read the same once its characters are the
// list's own; and the print of the class's list lays out any entries.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzhilfen.h"
#include "reports/zeugnisliste.h"
#include "reports/zeugnislistebefehl.h"
#include "settings/archiveinstellungen.h"
#include "settings/druckeinstellungen.h"

using namespace velmora;

namespace {

std::optional<ZeugnislistenEintrag> ZurueckGelesen(const ZeugnislistenEintrag& e) {
  std::string zeile = ZeugnislistenZeile(e);
  fuzz::Pruefe(zeile.ends_with("\r\n"), "a line of the list ends with CR LF");
  zeile.resize(zeile.size() - 2);
  fuzz::Pruefe(zeile.find('\n') == std::string::npos, "an entry is one line of the list");
  return ZeugnislistenEintragAus(zeile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::size_t satzgroesse = std::min(groesse, TArchivEinstellungen::Groesse);
  Bytes bild(TArchivEinstellungen::Groesse, 0);
  std::copy_n(daten, satzgroesse, bild.begin());
  const TArchivEinstellungen satz = TArchivEinstellungen::AusBild(bild);
  fuzz::Pruefe(TArchivEinstellungen::AusBild(satz.Bild()) == satz, "an archive record written back reads the same");
  fuzz::Pruefe(satz.Ordner.size() <= TArchivEinstellungen::OrdnerMax, "the folder fits its field");
  fuzz::Pruefe(!satz.Archivordner().empty(), "the archive always has a folder");

  const std::string_view liste(reinterpret_cast<const char*>(daten) + satzgroesse, groesse - satzgroesse);
  std::vector<ZeugnislistenEintrag> eintraege;
  for (std::size_t anfang = 0; anfang < liste.size();) {
    const std::size_t ende = std::min(liste.find('\n', anfang), liste.size());
    std::string_view zeile = liste.substr(anfang, ende - anfang);
    while (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    anfang = ende + 1;
    const std::optional<ZeugnislistenEintrag> e = ZeugnislistenEintragAus(zeile);
    if (!e) continue;
    fuzz::Pruefe(e->datei.ends_with(".pdf"), "an entry names its copy");
    const std::optional<ZeugnislistenEintrag> einmal = ZurueckGelesen(*e);
    fuzz::Pruefe(einmal.has_value(), "an entry written back is read again");
    const std::optional<ZeugnislistenEintrag> zweimal = ZurueckGelesen(*einmal);
    fuzz::Pruefe(zweimal == einmal, "an entry written back twice reads the same");
    eintraege.push_back(*e);
  }

  fuzz::ZaehlendeFlaeche flaeche;
  const ListenUeberschrift kopf{"BS 11a", "2026/2027", "Berufsschule", Datum{2026, 12, 9}};
  DruckeZeugnisliste(flaeche, eintraege, kopf, TDruckEinstellungen{});
  return 0;
}
