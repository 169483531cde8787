// Does a report fit its form: the wrapped blocks and the subject rows on the built-in forms
// of every publisher and on forms the teacher aligned, against what the print draws.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/fakes.h"
#include "common/kaesten.h"
#include "reports/formularplatz.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

// `n` short lines ended by CR LF: n lines at any width.
std::string KurzeZeilen(int n) {
  std::string t;
  for (int i = 1; i <= n; ++i) t += "Satz " + std::to_string(i) + ".\r\n";
  return t;
}
// `n` words of nine letters and a blank: seven to a line of 74 characters, eight to one of 79
// (the blank after the eighth falls just past the line and is dropped).
std::string Woerter(int n) {
  std::string t;
  for (int i = 0; i < n; ++i) t += "abcdefghi ";
  return t;
}

class Formularplatz : public test::ArbeitsverzeichnisTest {
 protected:
  S& Schueler(std::int16_t zeugnisart, const std::string& hinweise = {}, const std::string& bemerkungen = {}) {
    S& s = zustand.Klasse->Schueler[0];
    s = S{};
    s.SetzeZeugnisart(zeugnisart);
    s.Setze(S::VersaeumteStunden, "12");
    s.Setze(S::Hinweise, hinweise);
    s.Setze(S::Bemerkungen, bemerkungen);
    for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) s.SetzeFach(r, TFachZeile::Fach, r < 6 ? "Deutsch" : "");
    return s;
  }
  // The built-in half-year table of publisher 0, as a teacher's file would start from it.
  TFormatSteuerTabelle Halbjahr() {
    test::FakeMeldungen m;
    return LadeZeugnisFormular(Zeugnistyp::Halbjahr, 0, druck, m, FehlendeTabelle::NurLesen).tabelle;
  }

  KlassenZustand zustand;
  TDruckEinstellungen druck;
  TProgrammEinstellungen programm;
  std::string schule = "Berufsschule Nord", kurzname = "BSN";
  DruckKontext kontext{zustand, druck, programm, schule, kurzname};
  FormularplatzPruefer pruefer{kontext};
};

TEST_F(Formularplatz, ZeilenUndPlatzAufDenEingebautenFormularenJedesVerlags) {
  // Worked out from the forms: the half-year notes at Y 2025 clear the 4 mm cell above the
  // missed lessons at 2450 with the lines k = 0..4 (2025 + 85k); the year report's notes print
  // 12 lines before its missed lessons at 2615; the remarks have room for more than the 3
  // lines (year report of publisher 2: 5) the reports print; leaving and final forms print no
  // notes. 40 words need 6 lines of 74 characters, 5 of 79 (year report of publisher 2).
  const std::string nicht = T("Wird auf diesem Formular nicht gedruckt.");
  const std::string zuLang = "Bemerkungen: 1 Zeile zu lang";
  for (std::int16_t verlag = 0; verlag <= 4; ++verlag) {
    const bool v2 = verlag == 2;
    const std::vector<std::tuple<std::int16_t, std::string, std::string, std::vector<std::string>>> faelle = {
        {1, "6 von 5", "4 von 3", {"Hinweise: 1 Zeile zu lang", zuLang}},
        {2, v2 ? "5 von 12" : "6 von 12", v2 ? "4 von 5" : "4 von 3",
         v2 ? std::vector<std::string>{} : std::vector{zuLang}},
        {4, nicht, "4 von 3", {zuLang}},
        {5, nicht, "4 von 3", {zuLang}}};
    for (const auto& [art, hinweise, bemerkungen, probleme] : faelle) {
      SCOPED_TRACE("Verlag " + std::to_string(verlag) + ", Zeugnisart " + std::to_string(art));
      programm.Verlag = verlag;
      const auto platz = pruefer.Pruefe(Schueler(art, Woerter(40), KurzeZeilen(4)));
      ASSERT_TRUE(platz.has_value());
      const auto angabe = [](const std::string& a) { return a.back() == '.' ? a : a + " Zeilen auf dem Formular"; };
      EXPECT_EQ(ZeilenAngabe(*platz->Block(kEintragHinweise)), angabe(hinweise));
      EXPECT_EQ(ZeilenAngabe(*platz->Block(kEintragBemerkungen)), angabe(bemerkungen));
      EXPECT_EQ(platz->Probleme(), probleme);
      EXPECT_EQ(platz->Passt(), probleme.empty());
    }
  }
  EXPECT_TRUE(fs::is_empty(verzeichnis_)) << "a check writes no table file";
}

TEST_F(Formularplatz, MessungStimmtMitDenKaestenDesDrucks) {
  // Five full lines of notes on publisher 1's half-year form stay clear of the missed lessons
  // on the printed page; a sixth line of six words runs into them.
  for (int woerter : {35, 41}) {
    SCOPED_TRACE(woerter);
    Schueler(1, Woerter(woerter));
    EXPECT_EQ(pruefer.Pruefe(zustand.Aktuell())->Passt(), woerter == 35);
    test::AufzeichnendeFlaeche flaeche;
    test::FakeMeldungen meldungen;
    test::SkriptSeitenAbfrage abfrage;
    TZeilenpuffer puffer;
    DruckeHalbjahreszeugnis({flaeche, meldungen, abfrage, druck, programm.Verlag, schule, puffer}, *zustand.Klasse, 0);
    const auto kaesten = test::KaestenAus(flaeche);
    bool stoesst = false;
    for (const test::Kasten& a : kaesten) {
      for (const test::Kasten& b : kaesten) {
        stoesst = stoesst || (a.text.starts_with("abcdefghi") && b.text == "12" && a.seite == b.seite &&
                              a.links < b.rechts && b.links < a.rechts && a.oben < b.unten && b.oben < a.unten);
      }
    }
    EXPECT_EQ(stoesst, woerter == 41);
  }
}

TEST_F(Formularplatz, AusgerichtetesFormularUndSpaltenDerFachzeilen) {
  // Half-year form: subjects from row 4 on at X 50 in Arial 4 mm, learning fields at 150 in
  // Arial italic, the assessment column at 950; rows 0 to 3 print no subject name.
  programm.Verlag = 0;
  S& s = Schueler(1, Woerter(40));
  const std::string fach = "Wirtschafts- und Sozialkunde mit Schwerpunkt Recht";  // 84 mm wide
  const std::string lernfeld = "LF 7: Kundenauftraege zur Gebaeudeautomation planen und umsetzen";
  s.SetzeFach(0, TFachZeile::Fach, std::string(50, 'W'));
  s.SetzeFach(4, TFachZeile::Fach, fach);
  s.SetzeFach(5, TFachZeile::FachZusatz, "LF 3: Anlagen planen");
  s.SetzeFach(6, TFachZeile::Fach, "##");
  s.SetzeFach(6, TFachZeile::FachZusatz, lernfeld);
  EXPECT_EQ(pruefer.Pruefe(s)->ueberlaeufe, (std::vector<SpaltenUeberlauf>{{true, lernfeld, false}}));

  // The teacher's form: missed lessons at 27.0 cm (room for 8 lines of notes, up to 2620),
  // assessment column at 80 mm (the subject runs into it).
  TFormatSteuerTabelle t = Halbjahr();
  t[84].Y = t[85].Y = 2700;
  for (std::size_t r = 0; r < 12; ++r) t[12 + 4 * r].X = 800;
  SchreibeFormatSteuerTabelle("BS_HJ.FST", t, "ausgerichtet");
  auto platz = pruefer.Pruefe(s);
  EXPECT_EQ(platz->formular, "ausgerichtet");
  EXPECT_EQ(ZeilenAngabe(*platz->Block(kEintragHinweise)), "6 von 8 Zeilen auf dem Formular");
  EXPECT_EQ(platz->Probleme(),
            (std::vector<std::string>{T("Fach „Wirtschafts- und Sozialkunde…“ ragt in die nächste Spalte"),
                                      T("Lernfeld „LF 7: Kundenauftraege zur Geb…“ ragt in die nächste Spalte")}));

  // Without assessment and addition columns the paper's edge (210 mm less the 15 mm margin)
  // is the limit: both fit, 99 letters W do not.
  for (std::size_t r = 0; r < 12; ++r) t[12 + 4 * r].Drucken = t[13 + 4 * r].Drucken = 0;
  SchreibeFormatSteuerTabelle("BS_HJ.FST", t, "ohne Spalten");
  EXPECT_TRUE(pruefer.Pruefe(s)->Passt());
  s.SetzeFach(6, TFachZeile::FachZusatz, std::string(99, 'W'));
  platz = pruefer.Pruefe(s);
  ASSERT_EQ(platz->ueberlaeufe.size(), 1u);
  EXPECT_TRUE(platz->Probleme()[0].ends_with(T("…“ ragt über den Rand des Formulars")));
}

TEST_F(Formularplatz, TextDenDerUmbruchNichtGanzDruckt) {
  const auto platz = pruefer.Pruefe(Schueler(2, "Siehe " + std::string(80, 'x') + " und so weiter."));
  EXPECT_EQ(ZeilenAngabe(*platz->Block(kEintragHinweise)),
            T("1 von 12 Zeilen auf dem Formular – wird nicht vollständig gedruckt"));
  EXPECT_EQ(platz->Probleme(), std::vector<std::string>{T("Hinweise: wird nicht vollständig gedruckt")});
  // A minus sign the wrap drops just past a full line leaves every word whole.
  EXPECT_TRUE(pruefer.Pruefe(Schueler(2, std::string(73, 'a') + " -b"))->Passt());
}

TEST_F(Formularplatz, OhneFormularKeinePruefung) {
  // (report type, print mode, checked): only the forms' print modes 1 and 2 print on forms.
  for (const auto& [art, druckart, geprueft] : std::vector<std::tuple<std::int16_t, std::int16_t, bool>>{
           {1, 1, true}, {4, 2, true}, {1, 0, false}, {1, 3, false}, {5, 4, false}, {3, 1, false}, {0, 1, false}}) {
    druck.Druckart = druckart;
    EXPECT_EQ(pruefer.Pruefe(Schueler(art, Woerter(80))).has_value(), geprueft) << art << "/" << druckart;
  }
}

TEST_F(Formularplatz, TabelleWirdNurNachAenderungNeuGelesen) {
  const S& s = Schueler(1);
  const auto platz = pruefer.Pruefe(s, Woerter(40), KurzeZeilen(2));  // the editor's texts count
  EXPECT_EQ(platz->Block(kEintragHinweise)->benoetigt, 6);
  EXPECT_EQ(platz->Block(kEintragBemerkungen)->benoetigt, 2);
  pruefer.Pruefe(s, Woerter(41), {});
  EXPECT_EQ(pruefer.Ladevorgaenge(), 1) << "typing reads no file";
  programm.Verlag = 3;
  pruefer.Pruefe(s);
  druck.Druckart = 2;
  pruefer.Pruefe(s);
  zustand.Aktuell().SetzeZeugnisart(2);
  pruefer.Pruefe(s);
  EXPECT_EQ(pruefer.Ladevorgaenge(), 4) << "publisher, print mode and report type read the form again";
  test::SchreibeDatei("3BS_EJ.FST", test::AlsBytes("Titel\r\n===\r\nx\r\n"));
  EXPECT_EQ(FormularplatzHinweis(*pruefer.Pruefe(s)),
            T("Steuerdatei „3BS_EJ.FST“ nicht lesbar: Ungültige numerische Eingabe"));
  EXPECT_EQ(pruefer.Ladevorgaenge(), 5) << "a new file is read";
}

}  // namespace
}  // namespace velmora
