#include "printcommands/blaetter.h"

#include "basis/cp1252.h"
#include "basis/version.h"
#include "print/schriften.h"
#include "settings/schulidentitaet.h"

namespace velmora {

namespace {

std::string HoeheInMm(int zehntel) { return std::to_string(zehntel / 10) + "," + std::to_string(zehntel % 10); }

int Wiederholungen(int n, int hoehe) {
  if (hoehe == 70) return 1;
  if (n == 29 || n == 30) return 4;
  if (n >= 31 && n <= 38) return 3;
  return 2;
}

std::string DatumszeileFuer(const BlattKopf& kopf) {
  return velmora::Datumszeile(kopf.Kurzname, kopf.Heute.jahr, kopf.Heute.monat, kopf.Heute.tag);
}

}  // namespace

std::string TestblattZeile(int n) {
  TSchriftDefinition s = SchriftDefinition(static_cast<std::uint16_t>(n));
  std::string zeile =
      std::to_string(n) + " - " + s.Name + ", h=" + HoeheInMm(s.Hoehe) + "mm, " + StilWort(s.Stil) + "    ";
  for (int i = 0; i < Wiederholungen(n, s.Hoehe); ++i) zeile += "1234567890";
  return zeile;
}

std::string StatusWort(std::int16_t status) {
  switch (static_cast<std::uint16_t>(status)) {
    case 1:
      return T("geändert");
    case 3:
      return T("geprüft");
    case 5:
      return "gedruckt";
    case 2:
    case 4:
    case 6:
      return "";
    default:
      return "unbekannt";
  }
}

std::string ZeugnisartWort(std::int16_t zeugnisart) {
  switch (static_cast<std::uint16_t>(zeugnisart)) {
    case 1:
      return "Halbjahr";
    case 2:
      return "Endjahr";
    case 3:
      return T("Übergang");
    case 4:
      return "Abgang";
    case 5:
      return T("Abschluß");
    default:
      return "unbekannt";
  }
}

bool DruckeTestblatt(DruckFlaeche& flaeche, const TFormatSteuerTabelle& werte, const BlattKopf& kopf) {
  if (!flaeche.BeginneDokument("Drucker-Testblatt")) return false;
  flaeche.SetzeTextausrichtung(Textausrichtung::LinksBasislinie);
  DruckeEintrag(flaeche, 0, "Drucker-Testblatt", werte);
  for (int n = 1; n <= 40; ++n) DruckeEintrag(flaeche, static_cast<std::size_t>(n), TestblattZeile(n), werte);
  DruckeEintrag(flaeche, 98, DatumszeileFuer(kopf), werte);
  DruckeEintrag(flaeche, 99, ProgrammMitVersion(), werte);
  return flaeche.BeendeDokument();
}

bool DruckeDatenblatt(DruckFlaeche& flaeche, const TSchuelerDatensatz& satz, const TFormatSteuerTabelle& rahmen,
                      const TFormatSteuerTabelle& werte, const BlattKopf& kopf, bool mitRahmen, TZeilenpuffer& puffer) {
  using S = TSchuelerDatensatz;
  if (!flaeche.BeginneDokument("Datenblatt")) return false;
  flaeche.SetzeTextausrichtung(Textausrichtung::LinksBasislinie);
  auto label = [&](std::size_t k, const std::string& text) { DruckeEintrag(flaeche, k, text, rahmen); };
  auto wert = [&](std::size_t k, const std::string& text) { DruckeEintrag(flaeche, k, text, werte); };

  label(0, "Datenblatt");
  label(1, "Schulname :");
  wert(1, kopf.Zeugnisname);
  label(3, T("Schüler-Nummer:"));
  wert(3, std::to_string(satz.Nummer()));
  label(4, "derzeitiger Status:");
  wert(4, StatusWort(satz.Status()));
  label(5, "Name      :");
  wert(5, satz.Lies(S::Vornamen) + " " + satz.Lies(S::Name));
  label(7, "Geb.-datum:");
  wert(7, satz.Lies(S::Geburtsdatum));
  label(8, "in:");
  wert(8, satz.Lies(S::Geburtsort));
  label(9, "Wohnort   :");
  wert(9, satz.Lies(S::Wohnort));
  label(10, T("Unterrichtsfächer"));
  label(11, "Zusatz");
  label(12, "Note");
  label(13, "Bemerk.");
  for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) {
    wert(10 + 4 * r, satz.LiesFach(r, TFachZeile::Fach));
    wert(11 + 4 * r, satz.LiesFach(r, TFachZeile::FachZusatz));
    wert(12 + 4 * r, satz.LiesFach(r, TFachZeile::Bewertung));
    wert(13 + 4 * r, satz.LiesFach(r, TFachZeile::Zusatz));
  }
  label(83, "Hinweise zum Arbeits- und ...-verhalten:");
  UmbrecheText(satz.Lies(S::Hinweise), 12, 70, puffer);
  DruckeZeilen(flaeche, 83, 12, 40, werte, puffer);
  label(84, T("versäumte Unterrichtsstunden:"));
  wert(84, satz.Lies(S::VersaeumteStunden));
  label(85, "davon entschuldigt:");
  wert(85, satz.Lies(S::Entschuldigt));
  label(86, "Bemerkungen:");
  UmbrecheText(satz.Lies(S::Bemerkungen), 5, 70, puffer);
  DruckeZeilen(flaeche, 86, 5, 40, werte, puffer);
  label(87, "Zgn.-Typ:");
  wert(87, ZeugnisartWort(satz.Zeugnisart()));
  label(88, "Einschulung:");
  wert(88, satz.Lies(S::Einschulungsdatum));
  label(89, "Ausschulung:");
  wert(89, satz.Lies(S::Ausschulungsdatum));
  label(90, "Klasse  :");
  wert(90, satz.Lies(S::Klasse));
  label(91, "Schuljahr:");
  wert(91, satz.Lies(S::SchuljahrVon));
  label(92, "/");
  wert(92, satz.Lies(S::SchuljahrBis));
  label(93, "(Zgn.)Ort, Datum:");
  wert(93, satz.Lies(S::Zeugnisort) + ", " + satz.Lies(S::Zeugnisdatum));
  label(98, DatumszeileFuer(kopf));
  label(99, DatenblattMitVersion());

  if (mitRahmen) {
    const int links = InternRandLinks - 50;
    const int oben = -(InternRandOben - 70);
    flaeche.Rechteck(links, oben, 1950, -2750);
    for (int abstand : {100, 475, 1250, 2420}) {
      flaeche.BewegeZu(links, oben - abstand);
      flaeche.LinieZu(1950, oben - abstand);
    }
  }
  return flaeche.BeendeDokument();
}

}  // namespace velmora
