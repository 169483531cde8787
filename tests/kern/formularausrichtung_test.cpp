// Aligning a printout with its form: the choices, what each entry shows where on the paper,
// moving with undo, and the background settings beside a table file.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "printcommands/blaetter.h"
#include "reports/ausrichtseite.h"
#include "reports/ausrichttabelle.h"
#include "reports/formularhintergrund.h"
#include "reports/probedruck.h"
#include "reports/velmoallgdrk.h"
#include "reports/weisseszeugnis.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;

const AusrichtWahl& Wahl(const std::vector<AusrichtWahl>& wahlen, const std::string& name) {
  for (const AusrichtWahl& w : wahlen) {
    if (w.name == name) return w;
  }
  ADD_FAILURE() << "no choice " << name;
  return wahlen.front();
}

TEST(AusrichtWahlen, JedeTabelleMitIhrenSeitenUnterDemNamenDesVerlags) {
  const auto wahlen = AusrichtWahlen(1);
  std::vector<std::string> namen;
  for (const AusrichtWahl& w : wahlen) namen.push_back(w.name);
  const std::vector<std::string> erwartet = {
      "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)",
      "Halbjahreszeugnis, Seite 2 (1BS_HJ.FST)",
      "Jahreszeugnis, Seite 1 (1BS_EJ.FST)",
      "Jahreszeugnis, Seite 2 (1BS_EJ.FST)",
      "Abgangszeugnis, Seite 1 (1BS_ABG.FST)",
      "Abgangszeugnis, Seite 2 (1BS_ABG.FST)",
      "Abgangszeugnis, Seite 3 (1BS_ABG.FST)",
      "Abschlusszeugnis, Seite 1 (1BS_ABS.FST)",
      "Abschlusszeugnis, Seite 2 (1BS_ABS.FST)",
      "Abschlusszeugnis, Seite 3 (1BS_ABS.FST)",
      T("Halbjahreszeugnis auf weißem Papier, Werte, Seite 1 (WP_HJ.FST)"),
      T("Halbjahreszeugnis auf weißem Papier, Werte, Folgeseiten (WP_HJ.FST)"),
      T("Halbjahreszeugnis auf weißem Papier, Beschriftungen, Seite 1 (WP_HJR.FST)"),
      T("Halbjahreszeugnis auf weißem Papier, Beschriftungen, Folgeseiten (WP_HJR.FST)")};
  ASSERT_GE(namen.size(), erwartet.size() + 3);
  EXPECT_EQ(std::vector(namen.begin(), namen.begin() + static_cast<std::ptrdiff_t>(erwartet.size())), erwartet);
  EXPECT_EQ(namen.size(), 10u + 16u + 3u) << "reports, plain paper (four types, two tables, two pages), sheets";
  const std::vector<std::string> blaetter = {T("Schüler-Datenblatt, Werte (DATBLATT.FST)"),
                                             T("Schüler-Datenblatt, Beschriftungen (DATRAHMN.FST)"),
                                             "Drucker-Testblatt (TSTBLATT.FST)"};
  EXPECT_EQ(std::vector(namen.end() - 3, namen.end()), blaetter);
  EXPECT_EQ(PartnerWahl(Wahl(wahlen, T("Schüler-Datenblatt, Werte (DATBLATT.FST)")))->datei, "DATRAHMN.FST");
  EXPECT_EQ(
      PartnerWahl(Wahl(wahlen, T("Abschlusszeugnis auf weißem Papier, Beschriftungen, Seite 1 (WP_ABSR.FST)")))->datei,
      "WP_ABS.FST");
  EXPECT_FALSE(PartnerWahl(wahlen[0]).has_value());
  EXPECT_EQ(wahlen[StartWahl(wahlen)].name, "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)");
  EXPECT_EQ(AusrichtWahlen(0)[0].datei, "BS_HJ.FST");
}

class Ausrichtung : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    klasse = test::KlasseMitJan();
    klasse->Schueler[0].Setze(TSchuelerDatensatz::Klasse, "BS 11a");
    druck.Raender[0] = 230;  // half-year page 1: 23 mm from the left edge
    druck.Raender[1] = 310;  //                   31 mm from the top edge
    drucker.SeitenOffsetX = 100;
    drucker.PixelProZollX = 600;  // 4.2 mm unprintable border
    drucker.SeitenOffsetY = 150;
    drucker.PixelProZollY = 600;  // 6.4 mm
  }
  AusrichtUmgebung Umgebung() {
    return {*klasse, 0, druck, verlag, "Berufsschule Nord", "BS Nord", Datum{2026, 12, 8}, drucker};
  }
  std::unique_ptr<TKlassenDatei> klasse;
  TDruckEinstellungen druck;
  DruckerFaehigkeiten drucker;
  std::int16_t verlag = 1;
  test::FakeMeldungen meldungen;
};

TEST_F(Ausrichtung, FehlendeTabelleEntstehtWieBeimDrucken) {
  const auto wahlen = AusrichtWahlen(verlag);
  TFormatSteuerTabelle tabelle;
  std::string titel;
  LadeAusrichtTabelle(wahlen[StartWahl(wahlen)], verlag, tabelle, titel, meldungen);
  EXPECT_TRUE(fs::exists("1BS_HJ.FST"));
  EXPECT_EQ(titel, "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)");
  EXPECT_EQ(tabelle, ZeugnisVorlage(Zeugnistyp::Halbjahr, verlag).Tabelle);
  LadeAusrichtTabelle(Wahl(wahlen, "Drucker-Testblatt (TSTBLATT.FST)"), verlag, tabelle, titel, meldungen);
  EXPECT_TRUE(fs::exists("TSTBLATT.FST"));
  EXPECT_EQ(titel, T("Test-Blatt für benutzte Schriften"));
}

// The view shows each text exactly where the printout draws it: the same run through a
// recording surface, moved from the printable area onto the paper by the printer's border.
// Every text printed is shown once, either as a mark of an entry of the chosen table or as
// part of the rest of the page.
TEST_F(Ausrichtung, JederEintragAnDerStelleDesAusdrucks) {
  druck.MitRahmen = 1;
  const auto wahlen = AusrichtWahlen(verlag);
  const BlattKopf kopf{"Berufsschule Nord", "BS Nord", Datum{2026, 12, 8}};
  for (const std::string& name :
       std::vector<std::string>{"Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)", "Halbjahreszeugnis, Seite 2 (1BS_HJ.FST)",
                                "Drucker-Testblatt (TSTBLATT.FST)", T("Schüler-Datenblatt, Werte (DATBLATT.FST)"),
                                T("Schüler-Datenblatt, Beschriftungen (DATRAHMN.FST)"),
                                T("Halbjahreszeugnis auf weißem Papier, Werte, Seite 1 (WP_HJ.FST)"),
                                T("Halbjahreszeugnis auf weißem Papier, Beschriftungen, Seite 1 (WP_HJR.FST)")}) {
    SCOPED_TRACE(name);
    const AusrichtWahl& w = Wahl(wahlen, name);
    TFormatSteuerTabelle tabelle, partner{};
    std::string titel;
    LadeAusrichtTabelle(w, verlag, tabelle, titel, meldungen);
    if (const auto p = PartnerWahl(w)) LadeAusrichtTabelle(*p, verlag, partner, titel, meldungen);
    const AusrichtBild bild = ZeichneAusrichtSeite(Umgebung(), w, tabelle, partner, false);

    // The printout itself, all entries at once, as the printer surface sees it.
    AufzeichnendeFlaeche flaeche;
    flaeche.faehigkeiten = drucker;
    TZeilenpuffer puffer;
    const bool werte = w.art == Ausdruckart::DatenblattWerte || w.art == Ausdruckart::WeissWerte;
    switch (w.art) {
      case Ausdruckart::Zeugnis: {
        const ZeugnisKontext k{flaeche, druck, verlag, "Berufsschule Nord", puffer};
        DruckeZeugnisKoerper(k, w.seite, w.seite, *klasse, tabelle, ZeugnisRaender(w.typ, druck), 0,
                             ZeugnisZaehlerFuer(w.typ, verlag));
        break;
      }
      case Ausdruckart::Testblatt:
        DruckeTestblatt(flaeche, tabelle, kopf);
        break;
      case Ausdruckart::DatenblattWerte:
      case Ausdruckart::DatenblattBeschriftungen:
        DruckeDatenblatt(flaeche, klasse->Schueler[0], werte ? partner : tabelle, werte ? tabelle : partner, kopf, true,
                         puffer);
        break;
      default: {
        const TSeitenRaender raender = ZeugnisRaender(w.typ, druck);
        const TWeissTabellen t{werte ? tabelle : partner, werte ? partner : tabelle};
        ZeichneWeisseSeiten(flaeche, PlaneWeissesZeugnis(t, w.typ, raender, klasse->Schueler[0], "Berufsschule Nord"),
                            raender);
      }
    }
    std::vector<std::tuple<std::string, int, int>> gedruckt, gezeigt;
    std::vector<std::tuple<int, int, int, int>> linienGedruckt, linienGezeigt;
    for (const auto& t : flaeche.Texte()) {
      if (t.seite > 1) continue;
      if (t.text.find_first_not_of(' ') != std::string::npos) gedruckt.emplace_back(t.text, t.x + 42, 64 - t.y);
    }
    int vorX = 0, vorY = 0;
    for (const auto& a : flaeche.aufrufe) {
      if (a.seite > 1) continue;
      if (a.art == AufzeichnendeFlaeche::Art::LinieZu)
        linienGedruckt.emplace_back(vorX + 42, 64 - vorY, a.x + 42, 64 - a.y);
      if (a.art == AufzeichnendeFlaeche::Art::Rechteck)
        linienGedruckt.emplace_back(a.x + 42, 64 - a.y, a.x2 + 42, 64 - a.y2);
      if (a.art == AufzeichnendeFlaeche::Art::BewegeZu || a.art == AufzeichnendeFlaeche::Art::LinieZu) {
        vorX = a.x;
        vorY = a.y;
      }
    }
    auto zeige = [&](const std::vector<GezeichneterText>& texte, const std::vector<GezeichneteLinie>& linien) {
      for (const GezeichneterText& t : texte) gezeigt.emplace_back(t.text, t.x, t.y);
      for (const GezeichneteLinie& l : linien) linienGezeigt.emplace_back(l.x1, l.y1, l.x2, l.y2);
    };
    zeige(bild.umfeld, bild.linien);
    for (const EintragsBild& b : bild.eintraege) {
      if (!b.nurNummer) zeige(b.texte, b.linien);
    }
    std::sort(gedruckt.begin(), gedruckt.end());
    std::sort(gezeigt.begin(), gezeigt.end());
    std::sort(linienGedruckt.begin(), linienGedruckt.end());
    std::sort(linienGezeigt.begin(), linienGezeigt.end());
    EXPECT_EQ(gezeigt, gedruckt);
    EXPECT_EQ(linienGezeigt, linienGedruckt);
    EXPECT_FALSE(bild.eintraege.empty());
  }
}

// On plain paper every mark belongs to the entry that placed it: the name is value entry 5,
// its label is label entry 5; the text area measures carry no mark.
TEST_F(Ausrichtung, WeissesPapierOrdnetJedeMarkeIhremEintragZu) {
  const auto wahlen = AusrichtWahlen(verlag);
  const AusrichtWahl& w = Wahl(wahlen, T("Halbjahreszeugnis auf weißem Papier, Werte, Seite 1 (WP_HJ.FST)"));
  const TWeissVorlage v = WeissVorlage(Zeugnistyp::Halbjahr);
  TFormatSteuerTabelle werte = v.Werte.Tabelle;
  const AusrichtBild bild = ZeichneAusrichtSeite(Umgebung(), w, werte, v.Bezeichner.Tabelle, false);
  EXPECT_EQ(bild.seiten, 1u);
  auto eintrag = [&](const AusrichtBild& b, std::size_t k) {
    return std::find_if(b.eintraege.begin(), b.eintraege.end(), [&](const EintragsBild& e) { return e.eintrag == k; });
  };
  auto name = eintrag(bild, wp::Person);
  ASSERT_NE(name, bild.eintraege.end());
  ASSERT_EQ(name->texte.size(), 1u);
  EXPECT_EQ(name->texte[0].text, "Jan Kowalski");
  const int links = druck.Raender[ErsterRand(0)];
  const int oben = druck.Raender[ErsterRand(0) + 1];
  EXPECT_EQ(UrsprungDerSeite(Umgebung(), w).x, links);
  EXPECT_EQ(UrsprungDerSeite(Umgebung(), w).y, oben);
  EXPECT_GE(name->texte[0].y, oben + werte[wp::Person].Y) << "the block begins at the earliest at its Y";
  EXPECT_EQ(eintrag(bild, wp::Textbereich), bild.eintraege.end());
  const bool labelImUmfeld = std::any_of(bild.umfeld.begin(), bild.umfeld.end(),
                                         [](const GezeichneterText& t) { return t.text == "Vor- und Familienname:"; });
  EXPECT_TRUE(labelImUmfeld);
  // The second page: this short report has none, so the choice shows nothing to move.
  AusrichtWahl folge = w;
  folge.seite = 2;
  EXPECT_TRUE(ZeichneAusrichtSeite(Umgebung(), folge, werte, v.Bezeichner.Tabelle, false).eintraege.empty());
  // A switched-off entry, shown on demand, greyed where it would print.
  werte[wp::OrtDatum].Drucken = 0;
  const AusrichtBild ohne = ZeichneAusrichtSeite(Umgebung(), w, werte, v.Bezeichner.Tabelle, false);
  EXPECT_EQ(eintrag(ohne, wp::OrtDatum), ohne.eintraege.end());
  const AusrichtBild grau = ZeichneAusrichtSeite(Umgebung(), w, werte, v.Bezeichner.Tabelle, true);
  ASSERT_NE(eintrag(grau, wp::OrtDatum), grau.eintraege.end());
  EXPECT_FALSE(eintrag(grau, wp::OrtDatum)->gedruckt);
  // Without a school name entry 1 prints nothing: it shows its number at margin + X, Y.
  AusrichtUmgebung ohneSchule = Umgebung();
  ohneSchule.zeugnisname.clear();
  const AusrichtBild leer = ZeichneAusrichtSeite(ohneSchule, w, werte, v.Bezeichner.Tabelle, false);
  const auto schule = eintrag(leer, wp::Schulname);
  ASSERT_NE(schule, leer.eintraege.end());
  EXPECT_TRUE(schule->nurNummer);
  ASSERT_EQ(schule->texte.size(), 1u);
  EXPECT_EQ(schule->texte[0].text, "1");
  EXPECT_EQ(schule->texte[0].x, links + werte[wp::Schulname].X);
  EXPECT_EQ(schule->texte[0].y, oben + werte[wp::Schulname].Y);
  // An empty entry that flows with its block shows its number on the block's first line,
  // not at the top of the page where its unused Y would put it.
  int imBlock = 0;
  for (const EintragsBild& b : leer.eintraege) {
    const std::size_t anker = wp::Anker(b.eintrag);
    const auto block = eintrag(leer, anker);
    if (!b.nurNummer || anker == b.eintrag || block == leer.eintraege.end() || block->texte.empty()) continue;
    EXPECT_EQ(b.texte[0].y, block->texte[0].y) << b.eintrag;
    ++imBlock;
  }
  EXPECT_GE(imBlock, 1);
  // "Alle verschieben" leaves the measures alone.
  const auto alle = EintraegeDerSeite(w, werte);
  EXPECT_EQ(alle.size(), wp::FolgeAnfang);
}

TEST_F(Ausrichtung, NurEintraegeDerSeiteUndLeereZeigenIhreNummer) {
  const auto wahlen = AusrichtWahlen(verlag);
  const AusrichtWahl& w = Wahl(wahlen, "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)");
  TFormatSteuerTabelle tabelle = ZeugnisVorlage(Zeugnistyp::Halbjahr, verlag).Tabelle;
  const auto bilder = ZeichneAusrichtSeite(Umgebung(), w, tabelle, {}, false).eintraege;
  for (const EintragsBild& b : bilder) {
    EXPECT_EQ(tabelle[b.eintrag].Seite, 1) << b.eintrag;
    EXPECT_EQ(tabelle[b.eintrag].Drucken, 1) << b.eintrag;
  }
  // Entry 5, the full name, sits at margin + X, margin + Y on the paper.
  auto name = std::find_if(bilder.begin(), bilder.end(), [](const EintragsBild& b) { return b.eintrag == 5; });
  ASSERT_NE(name, bilder.end());
  ASSERT_EQ(name->texte.size(), 1u);
  EXPECT_EQ(name->texte[0].text, "Jan Kowalski");
  EXPECT_EQ(name->texte[0].x, 230 + 220);
  EXPECT_EQ(name->texte[0].y, 310 + 1600);
  EXPECT_EQ(name->texte[0].ausrichtung, Textausrichtung::LinksUnten);
  // Entry 85 (excused hours) prints "-" for this student; entry 9 (Wohnort, empty) is off in
  // this table: with the greyed ones shown, it appears with its number at its place.
  auto alle = ZeichneAusrichtSeite(Umgebung(), w, tabelle, {}, true).eintraege;
  auto wohnort = std::find_if(alle.begin(), alle.end(), [](const EintragsBild& b) { return b.eintrag == 9; });
  ASSERT_EQ(wohnort, alle.end()) << "entry 9 is on no page of this table";
  tabelle[9] = {300, 700, 1, 1, 1};
  alle = ZeichneAusrichtSeite(Umgebung(), w, tabelle, {}, true).eintraege;
  wohnort = std::find_if(alle.begin(), alle.end(), [](const EintragsBild& b) { return b.eintrag == 9; });
  ASSERT_NE(wohnort, alle.end());
  EXPECT_TRUE(wohnort->nurNummer);
  EXPECT_EQ(wohnort->texte[0].text, "9");
  EXPECT_EQ(wohnort->texte[0].x, 230 + 300);
  EXPECT_EQ(wohnort->texte[0].y, 310 + 700);
}

TEST_F(Ausrichtung, DruckartZweiLegtDreiseitigeFormulareAufA3) {
  druck.Druckart = 2;
  const auto wahlen = AusrichtWahlen(verlag);
  const AusrichtWahl& seite1 = Wahl(wahlen, "Abgangszeugnis, Seite 1 (1BS_ABG.FST)");
  const AusrichtWahl& seite2 = Wahl(wahlen, "Abgangszeugnis, Seite 2 (1BS_ABG.FST)");
  EXPECT_EQ(PapierFuer(seite1, druck), (Papier{4200, 2970}));
  EXPECT_EQ(PapierFuer(Wahl(wahlen, "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)"), druck), (Papier{2100, 2970}));
  const int links1 = druck.Raender[ErsterRand(3)];
  const int links2 = druck.Raender[ErsterRand(3) + 2];
  EXPECT_EQ(UrsprungDerSeite(Umgebung(), seite1).x, links1 + 2100) << "page 1 right of the blank page 4";
  EXPECT_EQ(UrsprungDerSeite(Umgebung(), seite2).x, links2);
  druck.Druckart = 1;
  EXPECT_EQ(PapierFuer(seite1, druck), (Papier{2100, 2970}));
}

TEST(AusrichtTabelle, VerschiebenAufDemPapierSetzenUndRueckgaengig) {
  TFormatSteuerTabelle t{};
  t[3] = {100, 200, 1, 1, 1};
  t[4] = {2000, 2900, 1, 1, 1};
  t[5] = {40, 500, 1, 1, 1};
  AusrichtTabelle a(t, "Titel", Papier{2100, 2970}, Seitenursprung{50, 40});
  EXPECT_FALSE(a.Geaendert());
  a.Verschiebe({3, 4}, 30, -10);
  EXPECT_EQ(a.Tabelle()[3].X, 130);
  EXPECT_EQ(a.Tabelle()[3].Y, 190);
  EXPECT_EQ(a.Tabelle()[4].X, 2030);
  EXPECT_TRUE(a.Geaendert());
  // Mouse and keys keep an entry on the paper: X at most 2100 - 50, Y at most 2970 - 40.
  a.Verschiebe({4}, 500, 500);
  EXPECT_EQ(a.Tabelle()[4].X, 2050);
  EXPECT_EQ(a.Tabelle()[4].Y, 2930);
  a.Verschiebe({3}, -1000, -1000);
  EXPECT_EQ(a.Tabelle()[3].X, 0);
  EXPECT_EQ(a.Tabelle()[3].Y, 0);
  // Typing may put it anywhere in 0..65535.
  a.Setze(3, AusrichtTabelle::Feld::X, 65535);
  EXPECT_EQ(a.Tabelle()[3].X, 65535);
  a.Setze(3, AusrichtTabelle::Feld::Drucken, 2);
  EXPECT_EQ(a.Tabelle()[3].Drucken, 2);
  // An entry typed off the paper moves back step by step, but not farther away.
  a.Verschiebe({3}, -1, 0);
  EXPECT_EQ(a.Tabelle()[3].X, 65534);
  a.Verschiebe({3}, 1, 0);
  EXPECT_EQ(a.Tabelle()[3].X, 65534);
  a.Verschiebe({3, 4}, -10, 0);
  EXPECT_EQ(a.Tabelle()[3].X, 65524);
  EXPECT_EQ(a.Tabelle()[4].X, 2040);
  // Entries moved together keep their distances: the one nearest the edge limits all.
  a.Verschiebe({4, 5}, -50, 0);
  EXPECT_EQ(a.Tabelle()[4].X, 2000);
  EXPECT_EQ(a.Tabelle()[5].X, 0);
  // A move against the edge that changes nothing is no step of its own.
  a.Verschiebe({4}, 0, 5);
  a.Verschiebe({3}, 0, 0);
  // Undo, step by step, back to the table as loaded: then nothing is left to save.
  int schritte = 0;
  while (a.Rueckgaengig()) ++schritte;
  EXPECT_EQ(schritte, 8);
  EXPECT_EQ(a.Tabelle(), t);
  EXPECT_FALSE(a.KannRueckgaengig());
  EXPECT_FALSE(a.Geaendert());
  a.Verschiebe({3}, 1, 0);
  a.Gespeichert();
  EXPECT_FALSE(a.Geaendert());
  a.Rueckgaengig();
  EXPECT_TRUE(a.Geaendert()) << "undone behind the saved state";
}

TEST_F(Ausrichtung, HintergrundNebenDerTabelleGeschriebenUndGelesen) {
  EXPECT_FALSE(LadeHintergrund("1BS_HJ.FST", 1).has_value());
  const Hintergrund h{T("/home/lehrer/Scans/Halbjahr ÄÖ.png"), -12.5, 33, 1.0125};
  SpeichereHintergrund("1BS_HJ.FST", 1, h);
  EXPECT_TRUE(fs::exists("1BS_HJ.FST.hintergrund.txt"));
  EXPECT_EQ(LadeHintergrund("1BS_HJ.FST", 1), h);
  EXPECT_FALSE(LadeHintergrund("1BS_HJ.FST", 2).has_value()) << "each page has its own scan";
  // Page 2 joins page 1 in the same file; a page's new values leave the other's alone.
  const Hintergrund zwei{"seite2.jpg", 5, -5, 0.98};
  SpeichereHintergrund("1BS_HJ.FST", 2, zwei);
  SpeichereHintergrund("1BS_HJ.FST", 1, {h.bild, 0, 0, 1});
  EXPECT_EQ(LadeHintergrund("1BS_HJ.FST", 2), zwei);
  EXPECT_EQ(LadeHintergrund("1BS_HJ.FST", 1), (Hintergrund{h.bild, 0, 0, 1}));
  EXPECT_EQ(LiesTextZeilen("1BS_HJ.FST.hintergrund.txt"),
            (std::vector<std::string>{"Bild=" + h.bild, "Links=0", "Oben=0", "Massstab=1", "Seite2.Bild=seite2.jpg",
                                      "Seite2.Links=5", "Seite2.Oben=-5", "Seite2.Massstab=0.98"}));
  // Damaged lines keep their defaults; lines of no page and pages without an image count not.
  test::SchreibeDatei("X.FST.hintergrund.txt",
                      test::AlsBytes("Bild=a.jpg\r\nLinks=kaputt\r\nMassstab=-2\r\nSeiteX.Bild=b.png\r\n"
                                     "Seite0.Bild=c.png\r\nSeite3.Links=7\r\n"));
  const auto kaputt = LadeHintergruende("X.FST");
  ASSERT_EQ(kaputt.size(), 1u);
  EXPECT_EQ(kaputt.at(1), (Hintergrund{"a.jpg", 0, 0, 1.0}));
}

// The test print puts the table as it stands in the window on paper: on the forms only the
// chosen page, after the prompt for that sheet; A3 where the page lies beside another.
TEST_F(Ausrichtung, ProbedruckDerGewaehltenSeiteMitDerTabelleDesFensters) {
  druck.Druckart = 2;
  const auto wahlen = AusrichtWahlen(verlag);
  const AusrichtWahl& w = Wahl(wahlen, "Abgangszeugnis, Seite 1 (1BS_ABG.FST)");
  TFormatSteuerTabelle tabelle = ZeugnisVorlage(Zeugnistyp::Abgang, verlag).Tabelle;
  const AusrichtBild vorher = ZeichneAusrichtSeite(Umgebung(), w, tabelle, {}, false);
  ASSERT_FALSE(vorher.eintraege.empty());
  const std::size_t k = vorher.eintraege.front().eintrag;
  tabelle[k].X += 100;  // moved in the window, not saved
  AufzeichnendeFlaeche flaeche;
  flaeche.faehigkeiten = drucker;
  test::SkriptSeitenAbfrage abfrage;
  TZeilenpuffer puffer;
  ASSERT_TRUE(Probedruck(Umgebung(), w, tabelle, "Abgangszeugnis", {}, {flaeche, abfrage, puffer}));
  ASSERT_EQ(abfrage.texte.size(), 1u);
  // Asked for as the report asks for that sheet: page 1 right of the blank page 4.
  EXPECT_EQ(abfrage.texte[0], FormularSeitenText("Abgangszeugnis", "Jan Kowalski", "(4 +) 1", "3"));
  EXPECT_EQ(flaeche.sitzungen, std::vector<std::string>{"Probedruck-1BS_ABG"});
  const auto jobs = flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].blatt, Blattformat::A3Quer);
  EXPECT_TRUE(flaeche.Nur(AufzeichnendeFlaeche::Art::NeueSeite).empty());
  // The moved entry where the view shows it now.
  const AusrichtBild bild = ZeichneAusrichtSeite(Umgebung(), w, tabelle, {}, false);
  auto name =
      std::find_if(bild.eintraege.begin(), bild.eintraege.end(), [&](const EintragsBild& b) { return b.eintrag == k; });
  ASSERT_NE(name, bild.eintraege.end());
  EXPECT_EQ(name->texte[0].x, vorher.eintraege.front().texte[0].x + 100);
  const auto texte = flaeche.Texte();
  const bool gefunden = std::any_of(texte.begin(), texte.end(), [&](const auto& t) {
    return t.text == name->texte[0].text && t.x + 42 == name->texte[0].x && 64 - t.y == name->texte[0].y;
  });
  EXPECT_TRUE(gefunden);
  // Page 2 lies beside page 3 on the inner side: the test print is that sheet, both pages.
  AufzeichnendeFlaeche innen;
  innen.faehigkeiten = drucker;
  ASSERT_TRUE(Probedruck(Umgebung(), Wahl(wahlen, "Abgangszeugnis, Seite 2 (1BS_ABG.FST)"), tabelle, "Abgangszeugnis",
                         {}, {innen, abfrage, puffer}));
  ASSERT_EQ(abfrage.texte.size(), 2u);
  EXPECT_EQ(abfrage.texte[1], FormularSeitenText("Abgangszeugnis", "Jan Kowalski", "2 + 3", "3"));
  // Every text the view shows on pages 2 and 3 is on that sheet, where the view shows it.
  const auto innenTexte = innen.Texte();
  for (const char* seite : {"Abgangszeugnis, Seite 2 (1BS_ABG.FST)", "Abgangszeugnis, Seite 3 (1BS_ABG.FST)"}) {
    const AusrichtBild ansicht = ZeichneAusrichtSeite(Umgebung(), Wahl(wahlen, seite), tabelle, {}, false);
    ASSERT_FALSE(ansicht.eintraege.empty()) << seite;
    for (const EintragsBild& b : ansicht.eintraege) {
      for (const GezeichneterText& v : b.texte) {
        if (b.nurNummer) continue;
        EXPECT_TRUE(std::any_of(innenTexte.begin(), innenTexte.end(),
                                [&](const auto& t) { return t.text == v.text && t.x + 42 == v.x && 64 - t.y == v.y; }))
            << seite << ": " << v.text;
      }
    }
  }
  // A cancelled prompt prints nothing.
  abfrage.antworten = {false};
  AufzeichnendeFlaeche leer;
  EXPECT_FALSE(Probedruck(Umgebung(), w, tabelle, "Abgangszeugnis", {}, {leer, abfrage, puffer}));
  EXPECT_TRUE(leer.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).empty());
}

}  // namespace
}  // namespace velmora
