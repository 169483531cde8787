#include "reports/drucken1.h"

#include <algorithm>
#include <limits>

#include "basis/dateien.h"
#include "reports/vorlagenbausteine.h"

namespace velmora {
namespace {

using Tabelle = TFormatSteuerTabelle;
using vorlage::E;
using vorlage::Leer;

// One column of a subject row: X, font and print flag.
struct Spalte {
  std::uint16_t x, schrift, drucken;
};

// Sets the four entries of subject row r (FachzeilenEintrag) at height y, all on page `seite`.
void Zeile(Tabelle& t, std::size_t r, std::uint16_t y, std::uint16_t seite, Spalte fach, Spalte lernfeld,
           Spalte bewertung, Spalte zusatz) {
  const Spalte spalten[] = {fach, lernfeld, bewertung, zusatz};
  for (std::size_t c = 0; c < 4; ++c) {
    t[FachzeilenEintrag(kEintragFach + c, r)] = E(spalten[c].x, y, spalten[c].schrift, seite, spalten[c].drucken);
  }
}

Tabelle HalbjahrTabelle() {
  Tabelle t = Leer();
  t[1] = E(850, 165, 20, 1, 1);
  t[4] = E(40, 1525, 1, 1, 1);
  t[5] = E(220, 1600, 1, 1, 1);
  t[6] = E(220, 1600, 1, 1, 1);
  t[7] = E(220, 1685, 1, 1, 1);
  t[8] = E(600, 1685, 1, 1, 1);
  t[82] = E(300, 165, 1, 2, 1);
  t[83] = E(50, 2025, 1, 1, 1);
  t[84] = E(500, 2450, 1, 1, 1);
  t[85] = E(1100, 2450, 1, 1, 1);
  t[86] = E(50, 1600, 1, 2, 1);
  t[90] = E(890, 1770, 1, 1, 1);
  t[91] = E(330, 1770, 1, 1, 1);
  t[92] = E(430, 1770, 1, 1, 1);
  t[93] = E(50, 1945, 1, 2, 1);
  t[94] = E(50, 1945, 1, 2, 1);
  t[99] = E(50, 2630, 31, 2, 1);
  const Spalte lf{150, 3, 0}, bew{950, 1, 1}, zus{1500, 3, 1};
  Zeile(t, 0, 410, 2, {50, 1, 0}, lf, bew, zus);
  Zeile(t, 1, 500, 2, {50, 1, 0}, lf, bew, zus);
  Zeile(t, 2, 585, 2, {290, 1, 1}, lf, bew, zus);
  Zeile(t, 3, 665, 2, {50, 1, 0}, lf, bew, zus);
  const std::uint16_t ys[] = {840, 925, 1010, 1095, 1180, 1260, 1345, 1430};
  for (std::size_t r = 4; r <= 11; ++r) Zeile(t, r, ys[r - 4], 2, {50, 21, 1}, {150, 23, 1}, bew, zus);
  return t;
}

Tabelle JahrTabelle() {
  Tabelle t = Leer();
  t[1] = E(920, 290, 20, 1, 1);
  t[4] = E(60, 880, 1, 1, 0);
  t[5] = E(450, 920, 1, 1, 1);
  t[6] = E(450, 920, 1, 1, 1);
  t[7] = E(450, 1050, 1, 1, 1);
  t[8] = E(930, 1050, 1, 1, 1);
  t[82] = E(450, 160, 1, 2, 1);
  t[83] = E(50, 1515, 1, 1, 1);
  t[84] = E(550, 2615, 1, 1, 1);
  t[85] = E(1150, 2615, 1, 1, 1);
  t[86] = E(50, 1515, 1, 2, 1);
  t[90] = E(450, 1175, 1, 1, 1);
  t[91] = E(1070, 1175, 1, 1, 1);
  t[92] = E(1280, 1175, 1, 1, 1);
  t[93] = E(450, 2060, 1, 2, 1);
  t[94] = E(50, 2030, 1, 2, 1);
  t[99] = E(50, 2630, 31, 2, 0);
  const std::uint16_t ys[] = {375, 460, 540, 625, 710, 795, 880, 960, 1050, 1130, 1220};
  for (std::size_t r = 0; r <= 10; ++r) Zeile(t, r, ys[r], 2, {50, 22, 1}, {150, 23, 1}, {1275, 1, 1}, {1800, 1, 1});
  Zeile(t, 11, 1430, 2, {50, 22, 0}, {150, 23, 0}, {1275, 1, 0}, {1800, 1, 0});
  return t;
}

Tabelle AbgangTabelle() {
  Tabelle t = Leer();
  for (std::size_t k = 62; k <= 81; ++k) t[k] = E(0, 375, 0, 0, 0);
  t[1] = E(850, 290, 20, 1, 1);
  t[4] = E(45, 125, 1, 2, 0);
  t[5] = E(450, 160, 1, 2, 1);
  t[6] = E(450, 160, 1, 2, 1);
  t[7] = E(450, 290, 1, 2, 1);
  t[8] = E(450, 415, 1, 2, 1);
  t[82] = E(450, 160, 1, 3, 1);
  t[86] = E(50, 1600, 1, 3, 1);
  t[88] = E(450, 545, 1, 2, 1);
  t[89] = E(1225, 545, 1, 2, 1);
  t[90] = E(450, 670, 1, 2, 1);
  t[93] = E(450, 2235, 1, 3, 1);
  t[94] = E(450, 2235, 1, 3, 1);
  const std::uint16_t ys[] = {375, 460, 545, 630, 715, 800, 885, 970, 1050, 1135, 1220, 1305};
  for (std::size_t r = 0; r <= 11; ++r) Zeile(t, r, ys[r], 3, {50, 22, 1}, {150, 23, 1}, {1300, 1, 1}, {1775, 3, 1});
  return t;
}

Tabelle AbschlussTabelle() {
  Tabelle t = Leer();
  t[1] = E(850, 165, 20, 1, 1);
  t[4] = E(35, 110, 1, 2, 1);
  t[5] = E(250, 250, 1, 2, 1);
  t[6] = E(250, 250, 1, 2, 1);
  t[7] = E(250, 420, 1, 2, 1);
  t[8] = E(750, 420, 1, 2, 1);
  t[82] = E(300, 165, 1, 3, 1);
  t[86] = E(50, 1855, 1, 3, 1);
  t[88] = E(250, 590, 1, 2, 1);
  t[89] = E(750, 590, 1, 2, 1);
  t[90] = E(400, 760, 1, 2, 1);
  t[93] = E(50, 2285, 1, 3, 1);
  t[94] = E(50, 2285, 1, 3, 1);
  const Spalte bew{950, 1, 1}, zus{1500, 3, 1};
  Zeile(t, 0, 590, 3, {50, 1, 0}, {150, 3, 0}, bew, zus);
  Zeile(t, 1, 660, 3, {50, 1, 0}, {150, 3, 0}, bew, zus);
  Zeile(t, 2, 755, 3, {290, 1, 1}, {150, 3, 0}, bew, zus);
  Zeile(t, 3, 840, 3, {50, 1, 0}, {150, 3, 0}, bew, zus);
  Zeile(t, 4, 1095, 3, {50, 21, 1}, {150, 23, 1}, bew, zus);
  Zeile(t, 5, 1180, 3, {50, 21, 1}, {150, 23, 1}, bew, zus);
  Zeile(t, 6, 1260, 3, {50, 21, 1}, {150, 23, 1}, bew, zus);
  Zeile(t, 7, 1345, 3, {50, 1, 1}, {150, 3, 1}, bew, zus);
  const std::uint16_t ys[] = {1430, 1515, 1600, 1685};
  for (std::size_t r = 8; r <= 11; ++r) Zeile(t, r, ys[r - 8], 3, {50, 21, 1}, {150, 23, 1}, bew, zus);
  return t;
}

std::string Titel(Zeugnistyp typ, std::int16_t verlag) {
  switch (typ) {
    case Zeugnistyp::Halbjahr:
      return verlag == 1 ? "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)"
                         : "Halbjahreszeugnis der Berufsschule";
    case Zeugnistyp::Jahr:
      if (verlag == 1) return "Jahreszeugnis der Berufsschule bsn-Nr.510 80 (05/98)";
      if (verlag == 2) return "Jahreszeugnis der Berufsschule (032162)";
      return "Jahreszeugnis der Berufsschule";
    case Zeugnistyp::Abgang:
      if (verlag == 2) return "Abgangszeugnis der Berufsschule Kohlhammer 032160";
      if (verlag == 0 || verlag == 3 || verlag == 4) return "Abgangszeugnis der Berufsschule";
      // Publisher 1, and any publisher number the settings should not hold.
      return "Abgangszeugnis der Berufsschule bsn-Nr.510 81 (05/98)";
    case Zeugnistyp::Abschluss:
      return verlag == 1 ? "Abschlusszeugnis der Berufsschule bsn-Nr.510 82 (05/98)"
                         : "Abschlusszeugnis der Berufsschule";
  }
  return {};
}

// The margin grid's row of each report (rows of TDruckEinstellungen::Raender).
std::size_t RandZeile(Zeugnistyp typ) {
  switch (typ) {
    case Zeugnistyp::Halbjahr:
      return 0;
    case Zeugnistyp::Jahr:
      return 1;
    case Zeugnistyp::Abgang:
      return 3;
    case Zeugnistyp::Abschluss:
      return 4;
  }
  return 0;
}

std::size_t Seitenzahl(Zeugnistyp typ) { return typ == Zeugnistyp::Abgang || typ == Zeugnistyp::Abschluss ? 3 : 2; }

// Moves a page 210 mm to the right, for the second form page on the same side of a sheet.
void UmEineSeiteNachRechts(TSeitenRand& rand) {
  rand.Links = static_cast<std::int32_t>(
      std::min<std::int64_t>(std::int64_t{rand.Links} + 2100, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::string ZeugnisDateiname(Zeugnistyp typ, std::int16_t verlag) {
  const char* kern = "";
  switch (typ) {
    case Zeugnistyp::Halbjahr:
      kern = "BS_HJ.FST";
      break;
    case Zeugnistyp::Jahr:
      kern = "BS_EJ.FST";
      break;
    case Zeugnistyp::Abgang:
      kern = "BS_ABG.FST";
      break;
    case Zeugnistyp::Abschluss:
      kern = "BS_ABS.FST";
      break;
  }
  if (verlag >= 1 && verlag <= 4) return std::to_string(verlag) + kern;
  return kern;
}

TFormatVorlage ZeugnisVorlage(Zeugnistyp typ, std::int16_t verlag) {
  TFormatVorlage v;
  v.Titel = Titel(typ, verlag);
  switch (typ) {
    case Zeugnistyp::Halbjahr:
      v.Tabelle = HalbjahrTabelle();
      break;
    case Zeugnistyp::Jahr:
      v.Tabelle = JahrTabelle();
      break;
    case Zeugnistyp::Abgang:
      v.Tabelle = AbgangTabelle();
      break;
    case Zeugnistyp::Abschluss:
      v.Tabelle = AbschlussTabelle();
      break;
  }
  return v;
}

std::optional<Zeugnistyp> ZeugnistypVon(std::int16_t zeugnisart) {
  switch (zeugnisart) {
    case 1:
      return Zeugnistyp::Halbjahr;
    case 2:
      return Zeugnistyp::Jahr;
    case 4:
      return Zeugnistyp::Abgang;
    case 5:
      return Zeugnistyp::Abschluss;
    default:
      return std::nullopt;
  }
}

void LadeZeugnisTabelle(TFormatSteuerTabelle& tabelle, const std::string& dateiname, const TFormatVorlage& vorlage,
                        std::string& titel, Meldungen& meldungen, FehlendeTabelle fehlend) {
  if (DateiExistiert(dateiname)) {
    LadeFormatSteuerTabelle(tabelle, dateiname, titel, meldungen);
    return;
  }
  // Written first: when the file cannot be written the command ends here, before any
  // prompt or print.
  if (fehlend == FehlendeTabelle::Anlegen) SchreibeFormatSteuerTabelle(dateiname, vorlage.Tabelle, vorlage.Titel);
  tabelle = vorlage.Tabelle;
  titel = vorlage.Titel;
}

TSeitenRaender ZeugnisRaender(Zeugnistyp typ, const TDruckEinstellungen& druck) {
  TSeitenRaender r{};
  const auto erster = static_cast<std::size_t>(ErsterRand(RandZeile(typ)));
  for (std::size_t p = 0; p < Seitenzahl(typ); ++p) {
    r[p].Links = druck.Raender[erster + 2 * p];
    r[p].Oben = druck.Raender[erster + 2 * p + 1];
  }
  return r;
}

ZeugnisZaehler ZeugnisZaehlerFuer(Zeugnistyp typ, std::int16_t verlag) {
  switch (typ) {
    case Zeugnistyp::Halbjahr:
      return {11, 12, 3, 74, 85};
    case Zeugnistyp::Jahr:
      return verlag == 2 ? ZeugnisZaehler{11, 12, 5, 79, 85} : ZeugnisZaehler{11, 12, 3, 74, 85};
    case Zeugnistyp::Abgang:
    case Zeugnistyp::Abschluss:
      return {12, 12, 3, 74, 85};
  }
  return {11, 12, 3, 74, 85};
}

ZeugnisFormular LadeZeugnisFormular(Zeugnistyp typ, std::int16_t verlag, const TDruckEinstellungen& druck,
                                    Meldungen& meldungen, FehlendeTabelle fehlend) {
  ZeugnisFormular f;
  f.typ = typ;
  LadeZeugnisTabelle(f.tabelle, ZeugnisDateiname(typ, verlag), ZeugnisVorlage(typ, verlag), f.titel, meldungen,
                     fehlend);
  f.raender = ZeugnisRaender(typ, druck);
  f.zaehler = ZeugnisZaehlerFuer(typ, verlag);
  return f;
}

std::vector<ZeugnisAuftrag> ZeugnisSeitenfolge(Zeugnistyp typ, std::int16_t druckart, bool nurInnen) {
  if (druckart != 1 && druckart != 2) return {};
  if (Seitenzahl(typ) == 2) return {{"1", "2", 1, 1, 0}, {"2", "2", 2, 2, 0}};
  std::vector<ZeugnisAuftrag> folge;
  if (druckart == 1) {
    if (!nurInnen) folge.push_back({"1", "3", 1, 1, 0});
    folge.push_back({"2", "3", 2, 2, 0});
    folge.push_back({"3", "3", 3, 3, 0});
    return folge;
  }
  // Two form pages side by side: the outer side carries page 1 right of (the blank) page 4,
  // the inner side pages 2 and 3.
  if (!nurInnen) folge.push_back({"(4 +) 1", "3", 1, 1, 1});
  folge.push_back({"2 + 3", "3", 2, 3, 3});
  return folge;
}

Blattformat GroesstesBlatt(const std::vector<ZeugnisAuftrag>& folge) {
  for (const ZeugnisAuftrag& a : folge) {
    if (a.Blatt() == Blattformat::A3Quer) return Blattformat::A3Quer;
  }
  return Blattformat::A4Hoch;
}

TSeitenRaender AuftragsRaender(const TSeitenRaender& raender, const ZeugnisAuftrag& auftrag) {
  TSeitenRaender r = raender;
  if (auftrag.verschobeneSeite >= 1 && auftrag.verschobeneSeite <= r.size()) {
    UmEineSeiteNachRechts(r[auftrag.verschobeneSeite - 1u]);
  }
  return r;
}

ZeugnisDruckStand DruckeZeugnisFormular(const ZeugnisFormular& formular, const ZeugnisUmgebung& u,
                                        const TKlassenDatei& klasse, const std::vector<std::size_t>& schueler,
                                        const std::string& fuer) {
  const std::vector<ZeugnisAuftrag> folge = ZeugnisSeitenfolge(formular.typ, u.druck.Druckart, u.druck.NurInnen == 1);
  ZeugnisDruckStand stand;
  stand.auftraege = folge.size();
  const ZeugnisKontext kontext{u.flaeche, u.druck, u.verlag, u.schulname, u.puffer};
  const std::string titel = schueler.size() == 1 ? "Zeugnis" : "Zeugnisse";
  for (const ZeugnisAuftrag& a : folge) {
    if (!FrageFormularSeite(u.abfrage, formular.titel, fuer, a.seite, a.seiten)) continue;
    // A job the printer refused (the surface has shown its error) ends the sequence: no
    // further prompt follows.
    if (!DruckeZeugnisBlaetter(kontext, a.erste, a.letzte, klasse, formular.tabelle,
                               AuftragsRaender(formular.raender, a), schueler, formular.zaehler, a.Blatt(), titel)) {
      stand.abgebrochen = true;
      return stand;
    }
    ++stand.gedruckt;
  }
  return stand;
}

void DruckeZeugnis(Zeugnistyp typ, const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler) {
  if (schueler >= klasse.Schueler.size()) return;
  const ZeugnisFormular formular = LadeZeugnisFormular(typ, u.verlag, u.druck, u.meldungen);
  DruckeZeugnisFormular(formular, u, klasse, {schueler}, ZeugnisName(klasse.Schueler[schueler]));
}

void DruckeHalbjahreszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler) {
  DruckeZeugnis(Zeugnistyp::Halbjahr, u, klasse, schueler);
}
void DruckeJahreszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler) {
  DruckeZeugnis(Zeugnistyp::Jahr, u, klasse, schueler);
}
void DruckeAbgangszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler) {
  DruckeZeugnis(Zeugnistyp::Abgang, u, klasse, schueler);
}
void DruckeAbschlusszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler) {
  DruckeZeugnis(Zeugnistyp::Abschluss, u, klasse, schueler);
}

}  // namespace velmora
