// The report-text lists of the class against a recording surface: pages, positions, the
// stop at the first free slot, the filter, and the three menu commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "basis/cp1252.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/steuerungstest.h"
#include "reports/zeugnistexte.h"

namespace velmora {
namespace {

using test::AufzeichnendeFlaeche;
using Art = AufzeichnendeFlaeche::Art;
using Aufruf = AufzeichnendeFlaeche::Aufruf;
using Schrift = AufzeichnendeFlaeche::Schrift;
using S = TSchuelerDatensatz;

constexpr int kLinksFeld = 26;  // "interne Formulare", page 1: left at offset 104, top at 108
constexpr int kObenFeld = 27;
const std::string kFuss = "Velmora V.1.1.";

// A class whose first `belegt` slots hold students "Vorname<i> Name<i>" of class "BS 11a"
// with the text "Text <i>"; the other slots are free.
std::unique_ptr<TKlassenDatei> Klasse(int belegt) {
  auto k = std::make_unique<TKlassenDatei>();
  for (int i = 0; i < static_cast<int>(TKlassenDatei::Schuelerzahl); ++i) {
    S& s = k->Schueler[static_cast<std::size_t>(i)];
    if (i >= belegt) {
      s.Setze(S::Name, "   - frei -");
      continue;
    }
    s.Setze(S::Name, "Name" + std::to_string(i));
    s.Setze(S::Vornamen, "Vorname" + std::to_string(i));
    s.Setze(S::Klasse, "BS 11a");
    s.Setze(S::Hinweise, "Text " + std::to_string(i));
  }
  return k;
}

std::string Namenszeile(int i) { return "Vorname" + std::to_string(i) + " Name" + std::to_string(i) + ", BS 11a"; }

class Zeugnistexte : public ::testing::Test {
 protected:
  // Prints and returns the texts drawn.
  std::vector<Aufruf> Drucke(const TKlassenDatei& k, std::size_t erster, ZeugnistextAuswahl auswahl,
                             std::int16_t verlag = 0) {
    EXPECT_TRUE(DruckeZeugnistexte(flaeche, k, erster, auswahl, druck, verlag, puffer));
    EXPECT_EQ(flaeche.Nur(Art::BeginneDokument).size(), 1u);
    EXPECT_EQ(flaeche.Nur(Art::BeendeDokument).size(), 1u);
    EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
    return flaeche.Texte();
  }
  // Where an item at (X, Y) of the built-in table lands: the margin measured from the
  // paper's edge, less the printer's unprintable border.
  int SollX(int X) const { return links - versatzX + X; }
  int SollY(int Y) const { return -(oben - versatzY + Y); }

  std::vector<Aufruf> Mit(const std::vector<Aufruf>& texte, const std::string& text) const {
    std::vector<Aufruf> r;
    std::copy_if(texte.begin(), texte.end(), std::back_inserter(r), [&](const Aufruf& a) { return a.text == text; });
    return r;
  }
  // The texts of one student's name line, in order of pages.
  std::vector<int> NamenSeiten(const std::vector<Aufruf>& texte, int n) const {
    std::vector<int> seiten;
    for (int i = 0; i < n; ++i) {
      auto m = Mit(texte, Namenszeile(i));
      seiten.push_back(m.empty() ? 0 : m[0].seite);
    }
    return seiten;
  }

  AufzeichnendeFlaeche flaeche;
  TDruckEinstellungen druck;
  TZeilenpuffer puffer;
  int links = 150, oben = 150, versatzX = 0, versatzY = 0;
};

TEST_F(Zeugnistexte, SchuelerProSeiteNachZeilenhoehe) {
  EXPECT_EQ(ZeugnistexteProSeite(150, 70), 2);
  EXPECT_EQ(ZeugnistexteProSeite(150, 30), 5);
  // (2670 - 150 - 100 - 2*57) / (15*57) = 2.697...: the integer part.
  EXPECT_EQ(ZeugnistexteProSeite(150, 57), 2);
  // Through the printout: 5 students at h = 70 fill pages of 2, 2 and 1; the collective
  // form always uses h = 30 and puts 11 students on pages of 5, 5 and 1.
  auto k = Klasse(11);
  auto texte = Drucke(*Klasse(5), 0, {true, false});
  EXPECT_EQ(NamenSeiten(texte, 5), (std::vector<int>{1, 1, 2, 2, 3}));
  EXPECT_EQ(flaeche.Nur(Art::NeueSeite).size(), 2u);

  flaeche = {};
  druck.Zeilenhoehe = 70;
  texte = Drucke(*k, 0, {false, false});
  EXPECT_EQ(NamenSeiten(texte, 11), (std::vector<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3}));
}

TEST_F(Zeugnistexte, UeberschriftNamenszeilenTextblockUndFussAnIhrenPositionen) {
  links = 120;
  oben = 160;
  druck.Raender[kLinksFeld] = links;
  druck.Raender[kObenFeld] = oben;
  druck.Zeilenhoehe = 0x10000 + 70;  // only the low 16 bits count
  flaeche.faehigkeiten.PixelProZollX = 600;
  flaeche.faehigkeiten.PixelProZollY = 300;
  flaeche.faehigkeiten.SeitenOffsetX = 50;  // 21.17 -> 21
  flaeche.faehigkeiten.SeitenOffsetY = 50;  // 42.33 -> 42
  versatzX = 21;
  versatzY = 42;
  auto k = Klasse(2);
  k->Schueler[0].Setze(S::Hinweise, T("Arbeitet gut mit.\r\nStört nie."));

  const int h = 70;
  auto texte = Drucke(*k, 0, {true, false});
  // heading, name, 12 lines, name, 12 lines, footer on the exactly full page twice
  ASSERT_EQ(texte.size(), 1u + 2 * 13 + 2);
  for (const auto& t : texte) EXPECT_EQ(t.ausrichtung, Textausrichtung::LinksUnten);

  EXPECT_EQ(texte[0].text, "Zeugnistexte (Hinweise zum Arbeits- und Sozialverhalten) ");
  EXPECT_EQ(texte[0].x, SollX(200));
  EXPECT_EQ(texte[0].y, SollY(100));
  EXPECT_EQ(texte[0].schrift, (Schrift{1, 70, "Times New Roman"}));

  int y = 100;
  for (int s = 0; s < 2; ++s) {
    const Aufruf& name = texte[1 + 13 * s];
    y += 2 * h;
    EXPECT_EQ(name.text, Namenszeile(s));
    EXPECT_EQ(name.x, SollX(50));
    EXPECT_EQ(name.y, SollY(y));
    EXPECT_EQ(name.schrift, (Schrift{5, 40, "Courier New"}));
    y += h;
    for (int z = 0; z < 12; ++z) {
      const Aufruf& zeile = texte[2 + 13 * s + z];
      EXPECT_EQ(zeile.x, SollX(50)) << s << "/" << z;
      EXPECT_EQ(zeile.y, SollY(y + z * h)) << s << "/" << z;
      EXPECT_EQ(zeile.schrift, (Schrift{0, 40, "Courier New"}));
    }
    y += 12 * h;
  }
  EXPECT_EQ(texte[2].text, "Arbeitet gut mit.");
  EXPECT_EQ(texte[3].text, T("Stört nie."));
  EXPECT_EQ(texte[4].text, "");
  EXPECT_EQ(texte[15].text, "Text 1");

  // The footer sits 282.0 mm below the paper's top edge, whatever the top margin.
  for (std::size_t f : {texte.size() - 2, texte.size() - 1}) {
    EXPECT_EQ(texte[f].text, kFuss);
    EXPECT_EQ(texte[f].x, SollX(1300));
    EXPECT_EQ(texte[f].y, -(2820 - versatzY));
    EXPECT_EQ(texte[f].schrift, (Schrift{0, 30, "Arial"}));
  }
}

TEST_F(Zeugnistexte, ZeilenbreiteNachVerlag) {
  // A word of exactly W characters, then " Ende": only with line width W does the word fill
  // line 0 and "Ende" go to line 1 (narrower: the word ends the wrap; a little wider: the
  // blank fits, "Ende" does not, and the word goes back out with it).
  for (auto [verlag, w] : {std::pair<std::int16_t, int>{0, 75}, {1, 74}, {2, 79}, {3, 75}, {4, 75}}) {
    auto k = Klasse(1);
    k->Schueler[0].Setze(S::Hinweise, std::string(static_cast<std::size_t>(w), 'x') + " Ende");
    flaeche = {};
    auto texte = Drucke(*k, 0, {true, false}, verlag);
    ASSERT_GE(texte.size(), 4u);
    EXPECT_EQ(texte[2].text, std::string(static_cast<std::size_t>(w), 'x')) << "Verlag " << verlag;
    EXPECT_EQ(texte[3].text, "Ende") << "Verlag " << verlag;
  }
}

TEST_F(Zeugnistexte, BeginntBeimErstenSchuelerUndEndetAmErstenFreienPlatz) {
  auto k = Klasse(7);
  k->Schueler[4].Setze(S::Name, "   - frei -");
  auto texte = Drucke(*k, 2, {true, false});
  EXPECT_EQ(NamenSeiten(texte, 7), (std::vector<int>{0, 0, 1, 1, 0, 0, 0}))
      << "students 3 and 4 only: not the first two, nothing after the free slot";
  // Two students filled the page exactly and the next slot is free: no second page, and
  // the footer comes twice at the same place.
  EXPECT_TRUE(flaeche.Nur(Art::NeueSeite).empty());
  auto fuss = Mit(texte, kFuss);
  ASSERT_EQ(fuss.size(), 2u);
  EXPECT_EQ(fuss[0].x, fuss[1].x);
  EXPECT_EQ(fuss[0].y, fuss[1].y);
  EXPECT_EQ(texte.back().text, kFuss);
}

TEST_F(Zeugnistexte, FusszeileAufJederSeiteUndDoppeltAufDerExaktVollenLetzten) {
  auto texte = Drucke(*Klasse(4), 0, {true, false});
  auto fuss = Mit(texte, kFuss);
  ASSERT_EQ(fuss.size(), 3u);
  EXPECT_EQ(fuss[0].seite, 1);
  EXPECT_EQ(fuss[1].seite, 2);
  EXPECT_EQ(fuss[2].seite, 2);
  auto kopf = Mit(texte, ZeugnistextUeberschrift(true));
  ASSERT_EQ(kopf.size(), 2u);
  EXPECT_EQ(kopf[1].seite, 2);
  EXPECT_EQ(kopf[1].y, SollY(100)) << "each page starts again at y0";
  EXPECT_EQ(Mit(texte, Namenszeile(2))[0].y, SollY(100 + 2 * 70));

  // One student fewer: the last page is not full, one footer per page.
  flaeche = {};
  EXPECT_EQ(Mit(Drucke(*Klasse(3), 0, {true, false}), kFuss).size(), 2u);
}

TEST_F(Zeugnistexte, FreierAktuellerPlatzGibtEineSeiteNurMitFuss) {
  auto texte = Drucke(*Klasse(0), 0, {true, false});
  ASSERT_EQ(texte.size(), 1u);
  EXPECT_EQ(texte[0].text, kFuss);
  EXPECT_TRUE(flaeche.Nur(Art::NeueSeite).empty());
}

TEST_F(Zeugnistexte, FilterUeberspringtSchuelerOhneText) {
  auto k = Klasse(8);
  k->Schueler[1].Setze(S::Hinweise, "   - - -");
  k->Schueler[2].Setze(S::Hinweise, "");
  k->Schueler[3].Setze(S::Hinweise, "\r\nbeginnt mit einem Umbruch");  // CR sorts below the blank
  k->Schueler[4].Setze(S::Hinweise, "   - - -!");                      // longer than the placeholder
  k->Schueler[5].Setze(S::Hinweise, T("Überaus fleißig"));             // 0xDC: compared unsigned
  k->Schueler[6].Setze(S::Hinweise, "   !");                           // "!" sorts below "-": skipped
  EXPECT_TRUE(HatZeugnistext(k->Schueler[0]));
  EXPECT_FALSE(HatZeugnistext(k->Schueler[1]));
  EXPECT_FALSE(HatZeugnistext(k->Schueler[2]));
  EXPECT_FALSE(HatZeugnistext(k->Schueler[3]));
  EXPECT_TRUE(HatZeugnistext(k->Schueler[4]));
  EXPECT_TRUE(HatZeugnistext(k->Schueler[5]));
  EXPECT_FALSE(HatZeugnistext(k->Schueler[6]));

  auto texte = Drucke(*k, 0, {true, true});
  // Skipped students take no place: 0 and 4 share page 1, 5 and 7 page 2.
  EXPECT_EQ(NamenSeiten(texte, 8), (std::vector<int>{1, 0, 0, 0, 1, 2, 0, 2}));
  EXPECT_EQ(Mit(texte, Namenszeile(4))[0].y, SollY(100 + 15 * 70 + 2 * 70));

  // Without the filter the same class prints everyone.
  flaeche = {};
  texte = Drucke(*k, 0, {true, false});
  EXPECT_EQ(NamenSeiten(texte, 8), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4}));
}

TEST_F(Zeugnistexte, NurUebersprungeneNachVollerSeiteGebenEineSeiteNurMitFuss) {
  auto k = Klasse(4);
  k->Schueler[2].Setze(S::Hinweise, "");
  k->Schueler[3].Setze(S::Hinweise, "   - - -");
  auto texte = Drucke(*k, 0, {true, true});
  ASSERT_EQ(flaeche.Nur(Art::NeueSeite).size(), 1u);
  std::vector<Aufruf> seite2;
  std::copy_if(texte.begin(), texte.end(), std::back_inserter(seite2), [](const Aufruf& a) { return a.seite == 2; });
  ASSERT_EQ(seite2.size(), 1u);
  EXPECT_EQ(seite2[0].text, kFuss);
}

TEST_F(Zeugnistexte, SammelformularLaesstDenPlatzLeer) {
  druck.Zeilenhoehe = 70;  // not used by the collective form
  auto texte = Drucke(*Klasse(2), 0, {false, false});
  ASSERT_EQ(texte.size(), 1u + 2 + 1);
  EXPECT_EQ(texte[0].text, T("Vorschläge und Hinweise zu den Zeugnistexten"));
  EXPECT_EQ(texte[1].y, SollY(100 + 2 * 30));
  EXPECT_EQ(texte[2].text, Namenszeile(1));
  EXPECT_EQ(texte[2].y, SollY(100 + 15 * 30 + 2 * 30));
  EXPECT_EQ(texte[3].text, kFuss);
}

TEST_F(Zeugnistexte, ExtremeZeilenhoehen) {
  // So high that no student fits: every student gets a page with heading and footer only.
  druck.Zeilenhoehe = 2000;
  auto texte = Drucke(*Klasse(3), 0, {true, false});
  EXPECT_EQ(flaeche.Nur(Art::NeueSeite).size(), 2u);
  ASSERT_EQ(texte.size(), 7u) << "the last page is full as well: its footer comes twice";
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(texte[2 * s].text, ZeugnistextUeberschrift(true));
    EXPECT_EQ(texte[2 * s].seite, s + 1);
    EXPECT_EQ(texte[2 * s + 1].text, kFuss);
    EXPECT_EQ(texte[2 * s + 1].seite, s + 1);
  }
  EXPECT_EQ(texte[6].text, kFuss);
  // A line height of 0 has no students-per-page limit: one page, one footer, no crash.
  flaeche = {};
  druck.Zeilenhoehe = 0;
  EXPECT_EQ(ZeugnistexteProSeite(150, 0), 36);
  EXPECT_EQ(ZeugnistexteProSeite(2570, 0), 0);
  texte = Drucke(*Klasse(35), 0, {true, false});
  EXPECT_TRUE(flaeche.Nur(Art::NeueSeite).empty());
  EXPECT_EQ(Mit(texte, kFuss).size(), 1u);
  EXPECT_EQ(Mit(texte, Namenszeile(34)).size(), 1u);
}

TEST_F(Zeugnistexte, TextUeberZwoelfZeilenWirdAbgeschnitten) {
  auto k = Klasse(1);
  std::string lang;
  for (int z = 0; z < 14; ++z) lang += "Zeile " + std::to_string(z) + "\r";
  k->Schueler[0].Setze(S::Hinweise, lang);
  auto texte = Drucke(*k, 0, {true, false});
  ASSERT_EQ(texte.size(), 1u + 13 + 1);
  EXPECT_EQ(texte[13].text, "Zeile 11");
  EXPECT_TRUE(Mit(texte, "Zeile 12").empty());
}

TEST_F(Zeugnistexte, AbgelehnterAuftragZeichnetNichts) {
  flaeche.dokumentAblehnen = true;
  EXPECT_FALSE(DruckeZeugnistexte(flaeche, *Klasse(3), 0, {true, false}, druck, 0, puffer));
  EXPECT_TRUE(flaeche.Texte().empty());
  EXPECT_TRUE(flaeche.Nur(Art::NeueSeite).empty());
}

// The menu commands through the main-window logic.
class Zeugnistextbefehl : public test::SteuerungsTest {
 protected:
  void SetUp() override {
    SteuerungsTest::SetUp();
    auto& klasse = *steuerung.Zustand().Klasse;
    for (int i = 0; i < 4; ++i) {
      S& s = klasse.Schueler[static_cast<std::size_t>(i)];
      s.Setze(S::Name, "Name" + std::to_string(i));
      s.Setze(S::Vornamen, "Vorname" + std::to_string(i));
      s.Setze(S::Klasse, "BS 11a");
      s.Setze(S::Hinweise, i == 3 ? "   - - -" : "Text");
    }
  }
  void PruefeFrage(const std::string& text) {
    ASSERT_EQ(meldungen.protokoll.size(), 1u);
    EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Information);
    EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::OkAbbrechen);
    EXPECT_EQ(meldungen.protokoll[0].text, text);
  }
  std::vector<std::string> Namen() const {
    std::vector<std::string> n;
    for (const auto& t : flaeche.Texte()) {
      if (t.text.starts_with("Vorname")) n.push_back(t.text);
    }
    return n;
  }
  AufzeichnendeFlaeche flaeche;
  TZeilenpuffer puffer;
  test::AufzeichnendeVorschau vorschau;
  Zeugnistextbefehle befehle{steuerung.Druckkontext(), flaeche, meldungen, puffer, vorschau};
};

TEST_F(Zeugnistextbefehl, AbbrechenDrucktNichts) {
  meldungen.antworten = {Antwort::Abbrechen};
  befehle.KlassenZeugnistexte1Click();
  PruefeFrage("Druck aller Zeugnistexte\r(Hinweise zum ...)");
  EXPECT_TRUE(flaeche.aufrufe.empty());

  meldungen.protokoll.clear();
  meldungen.antworten = {Antwort::Abbrechen};
  befehle.Sammelformular1Click();
  PruefeFrage(T("Druck eines Sammelformulars\rfür die Zeugnistexte"));
  EXPECT_TRUE(flaeche.aufrufe.empty());

  meldungen.protokoll.clear();
  meldungen.antworten = {Antwort::Abbrechen};
  befehle.AusgefuellteZeugnistexte1Click();
  PruefeFrage(T("Druck der ausgefüllten Zeugnistexte\r(Hinweise zum ...)"));
  EXPECT_TRUE(flaeche.aufrufe.empty());
}

TEST_F(Zeugnistextbefehl, BeginnenBeimAktuellenSchueler) {
  steuerung.Zustand().AktuellerSchueler = 1;
  befehle.KlassenZeugnistexte1Click();
  EXPECT_EQ(Namen(),
            (std::vector<std::string>{"Vorname1 Name1, BS 11a", "Vorname2 Name2, BS 11a", "Vorname3 Name3, BS 11a"}));
  EXPECT_EQ(flaeche.Texte()[0].text, ZeugnistextUeberschrift(true));

  flaeche = {};
  befehle.AusgefuellteZeugnistexte1Click();
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Vorname1 Name1, BS 11a", "Vorname2 Name2, BS 11a"}));

  flaeche = {};
  steuerung.Zustand().AktuellerSchueler = 3;
  befehle.Sammelformular1Click();
  EXPECT_EQ(Namen(), (std::vector<std::string>{"Vorname3 Name3, BS 11a"}));
  EXPECT_EQ(flaeche.Texte()[0].text, ZeugnistextUeberschrift(false));
  EXPECT_EQ(flaeche.Texte().size(), 3u) << "heading, name, footer: no text lines";
}

TEST_F(Zeugnistextbefehl, ZeilenhoeheUndVerlagAusDenEinstellungen) {
  steuerung.Druckeinstellungen().Satz().Zeilenhoehe = 30;
  steuerung.Einstellungen().Satz().Verlag = 2;
  steuerung.Zustand().Klasse->Schueler[0].Setze(S::Hinweise, std::string(79, 'x') + " Ende");
  befehle.KlassenZeugnistexte1Click();
  auto texte = flaeche.Texte();
  ASSERT_GE(texte.size(), 4u);
  EXPECT_EQ(texte[2].text, std::string(79, 'x'));
  EXPECT_EQ(texte[2].y - texte[3].y, 30);
  EXPECT_EQ(texte[1].y, -(150 + 100 + 2 * 30));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(Zeugnistextbefehl, SitzungNachDerKlasseUndVorschauOhneFrage) {
  steuerung.Zustand().AktuellerSchueler = 1;
  befehle.AusgefuellteZeugnistexte1Click();
  EXPECT_EQ(flaeche.sitzungen, std::vector<std::string>{"Zeugnistexte-BS 11a"});
  meldungen.protokoll.clear();
  befehle.AusgefuellteZeugnistexteVorschau();
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_EQ(vorschau.namen, std::vector<std::string>{"Zeugnistexte-BS 11a"});
  std::vector<std::string> gedruckt, gezeigt;
  for (const auto& t : flaeche.Texte()) gedruckt.push_back(t.text);
  for (const auto& t : vorschau.flaeche.Texte()) gezeigt.push_back(t.text);
  EXPECT_EQ(gezeigt, gedruckt);
  // The other two lists in the preview: the collective form without the texts.
  vorschau.flaeche = {};
  befehle.SammelformularVorschau();
  EXPECT_EQ(vorschau.flaeche.Texte()[0].text, ZeugnistextUeberschrift(false));
  vorschau.flaeche = {};
  befehle.KlassenZeugnistexteVorschau();
  EXPECT_EQ(vorschau.flaeche.Texte()[0].text, ZeugnistextUeberschrift(true));
}

}  // namespace
}  // namespace velmora
