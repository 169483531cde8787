// The rules between a student record and the record editor.
#include <gtest/gtest.h>

#include <climits>

#include "app/editor.h"
#include "basis/cp1252.h"
#include "subjects/klassenfachvorlage.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

S MitNamen(const std::string& name, const std::string& vornamen) {
  S s;
  s.Setze(S::Name, name);
  s.Setze(S::Vornamen, vornamen);
  return s;
}

TEST(ListenZeile, FreiUnklarUndNormal) {
  EXPECT_EQ(ListenZeile(MitNamen("   - frei -", "")), "   - frei -");
  EXPECT_EQ(ListenZeile(MitNamen("", "")), "    - unklar -");
  EXPECT_EQ(ListenZeile(MitNamen("", "Anna")), "    - unklar -");
  EXPECT_EQ(ListenZeile(MitNamen(T("Müller"), "Anna Lena")), T("Müller, Anna Lena"));
  EXPECT_EQ(ListenZeile(MitNamen("Meier", "")), "Meier, ");
  EXPECT_EQ(ListenZeile(MitNamen(std::string(25, 'N'), std::string(25, 'V'))),
            std::string(25, 'N') + ", " + std::string(25, 'V'));
}

TEST(LiesGanzzahl, GueltigUndUngueltigMitDemWertDesLesbarenAnfangs) {
  const struct {
    const char* text;
    bool gueltig;
    std::int32_t wert;
  } faelle[] = {
      {"42", true, 42},
      {"   7", true, 7},
      {"-15", true, -15},
      {"+3", true, 3},
      {"007", true, 7},
      {"$1F", true, 31},
      {"$ff", true, 255},
      {"0x1f", true, 31},
      {"0X10", true, 16},
      {"-$10", true, -16},
      {"2147483647", true, INT_MAX},
      {"-2147483648", true, INT_MIN},
      {"$7FFFFFFF", true, INT_MAX},
      {"12a", false, 12},
      {"", false, 0},
      {"12 ", false, 12},
      {"abc", false, 0},
      {"-", false, 0},
      {"   ", false, 0},
      {"1 2", false, 1},
      {"$", false, 0},
      {"$G", false, 0},
      {"1,5", false, 1},
  };
  for (const auto& f : faelle) {
    GanzzahlErgebnis e = LiesGanzzahl(f.text);
    EXPECT_EQ(e.gueltig, f.gueltig) << '"' << f.text << '"';
    EXPECT_EQ(e.wert, f.wert) << '"' << f.text << '"';
  }
  // Beyond the 32-bit range.
  EXPECT_FALSE(LiesGanzzahl("2147483648").gueltig);
  EXPECT_FALSE(LiesGanzzahl("-2147483649").gueltig);
  EXPECT_FALSE(LiesGanzzahl("99999999999").gueltig);
}

// A record with a value in every field, made from a blank one.
S Beispiel() {
  VorlagenZustand v;
  S s;
  NeuerDatensatzAusVorlage(v, s);
  s.SetzeNummer(17);
  s.SetzeStatus(1);
  s.SetzeAnrede(2);
  s.Setze(S::Name, "Schmidt");
  s.Setze(S::Vornamen, "Eva");
  s.Setze(S::Wohnort, "Hafenstadt");
  s.SetzeFach(4, TFachZeile::Fach, "Deutsch");
  s.SetzeFach(4, TFachZeile::FachZusatz, "LF 4");
  s.SetzeFach(4, TFachZeile::Bewertung, "2");
  s.Setze(S::Hinweise, T("Arbeitet\r\nsorgfältig."));
  s.SetzeSchulart(1);
  s.SetzeZeugnisart(3);
  s.Setze(S::InterneBemerkungen, "nur intern");
  return s;
}

TEST(Editor, AnzeigenZeigtStatusUndNurGueltigeZeugnisarten) {
  S s = Beispiel();
  EditorInhalt e = DatensatzAnzeigen(s);
  EXPECT_EQ(e.Nummer.text, "17");
  EXPECT_EQ(e.StatusText, T("geprüft"));
  EXPECT_EQ(e.Zeugnisart, 3);
  s.SetzeStatus(2);
  s.SetzeZeugnisart(9);
  EXPECT_EQ(DatensatzAnzeigen(s).StatusText, ". . . . . . . . ");
  EXPECT_EQ(DatensatzAnzeigen(s).Zeugnisart, 0);
}

TEST(Editor, UnberuehrtesUebernehmenAendertNichts) {
  const S s = Beispiel();
  S ziel = s;
  UebernahmeErgebnis u = DatensatzUebernehmen(DatensatzAnzeigen(s), ziel);
  EXPECT_FALSE(u.geaendert);
  EXPECT_FALSE(u.nummerUngueltig);
  EXPECT_TRUE(ziel == s);

  // What a control shows without the user's doing (a masked edit's blanks, a text box's
  // line ends, an emptied box) is not written back: the field keeps its bytes, including
  // the meaningless ones behind its text.
  S alt = s;
  alt.Setze(S::Geburtsdatum, "1.1.2000");
  alt.Setze(S::Durchschnittsnote, "2");
  alt.bytes[S::Name.offset + 1 + 20] = 0x7F;  // behind the 7 characters of "Schmidt"
  alt.Setze(S::Hinweise, "Zeile\rohne LF");
  EditorInhalt e = DatensatzAnzeigen(alt);
  e.Geburtsdatum.text = "1 .1 .2000";
  e.Durchschnittsnote.text = "2, ";
  e.Name.text = "Anders";
  e.Hinweise.text = "";
  e.Nummer.text = "kaputt";
  ziel = alt;
  UebernahmeErgebnis u2 = DatensatzUebernehmen(e, ziel);
  EXPECT_FALSE(u2.geaendert);
  EXPECT_FALSE(u2.nummerUngueltig);
  EXPECT_TRUE(ziel == alt);
}

TEST(Editor, JedesGetippteFeldZaehltAlsAenderung) {
  const S s = Beispiel();
  using E = EditorInhalt;
  const std::pair<const char*, EditorText E::*> felder[] = {
      {"Nummer", &E::Nummer},
      {"Name", &E::Name},
      {"Vornamen", &E::Vornamen},
      {"Geburtsdatum", &E::Geburtsdatum},
      {"Geburtsort", &E::Geburtsort},
      {"Wohnort", &E::Wohnort},
      {"Hinweise", &E::Hinweise},
      {"VersaeumteStunden", &E::VersaeumteStunden},
      {"Entschuldigt", &E::Entschuldigt},
      {"Bemerkungen", &E::Bemerkungen},
      {"Fachrichtung", &E::Fachrichtung},
      {"Schwerpunkt", &E::Schwerpunkt},
      {"Berufsbezeichnung", &E::Berufsbezeichnung},
      {"Einschulungsdatum", &E::Einschulungsdatum},
      {"Ausschulungsdatum", &E::Ausschulungsdatum},
      {"Durchschnittsnote", &E::Durchschnittsnote},
      {"Klasse", &E::Klasse},
      {"SchuljahrVon", &E::SchuljahrVon},
      {"SchuljahrBis", &E::SchuljahrBis},
      {"Zeugnisort", &E::Zeugnisort},
      {"Zeugnisdatum", &E::Zeugnisdatum},
      {"InterneBemerkungen", &E::InterneBemerkungen},
  };
  for (const auto& [name, feld] : felder) {
    EditorInhalt e = DatensatzAnzeigen(s);
    (e.*feld).geaendert = true;  // typed, then typed back to the old text
    S ziel = s;
    EXPECT_TRUE(DatensatzUebernehmen(e, ziel).geaendert) << name;
  }
  EditorInhalt e = DatensatzAnzeigen(s);
  e.Bewertung[17].geaendert = true;
  S ziel = s;
  EXPECT_TRUE(DatensatzUebernehmen(e, ziel).geaendert) << "Bewertung";
  e = DatensatzAnzeigen(s);
  e.Zusatz[17].geaendert = true;
  EXPECT_TRUE(DatensatzUebernehmen(e, ziel).geaendert) << "Zusatz";
}

TEST(Editor, TexteWerdenAufIhreFeldbreiteGekuerzt) {
  S s = Beispiel();
  EditorInhalt e = DatensatzAnzeigen(s);
  e.Name = {std::string(30, 'N'), true};
  e.Klasse = {"Klasse mit zu langem Namen", true};
  e.Durchschnittsnote = {"1,234", true};
  e.Bewertung[0] = {"12", true};
  e.Zusatz[0] = {"abc", true};
  e.Fach[1] = std::string(60, 'F');
  e.Hinweise = {std::string(1200, 'h'), true};
  e.Bemerkungen = {std::string(500, 'b'), true};
  e.FachZusatz[4] = "im Editor nur lesbar";
  UebernahmeErgebnis u = DatensatzUebernehmen(e, s);
  EXPECT_TRUE(u.geaendert);
  EXPECT_EQ(s.Lies(S::Name), std::string(25, 'N'));
  EXPECT_EQ(s.Lies(S::Klasse), "Klasse mit zu l");
  EXPECT_EQ(s.Lies(S::Durchschnittsnote), "1,2");
  EXPECT_EQ(s.LiesFach(0, TFachZeile::Bewertung), "1");
  EXPECT_EQ(s.LiesFach(0, TFachZeile::Zusatz), "ab");
  EXPECT_EQ(s.LiesFach(1, TFachZeile::Fach), std::string(50, 'F'));
  EXPECT_EQ(s.Lies(S::Hinweise), std::string(1000, 'h'));
  EXPECT_EQ(s.Lies(S::Bemerkungen), std::string(400, 'b'));
  EXPECT_EQ(s.Lies(S::VersaeumteStunden), "-");  // the field behind Hinweise
  EXPECT_EQ(s.Schulart(), 1);                    // the field behind Bemerkungen
  EXPECT_EQ(s.LiesFach(4, TFachZeile::FachZusatz), "LF 4");
}

TEST(Editor, RadiogruppenFachUndZeugnisartZaehlenNurWennSieAbweichen) {
  const S s = Beispiel();  // Anrede 2, Schulart 1, Zeugnisart 3, row 5 "Deutsch"
  auto Uebernimm = [&](auto aendere, S& ziel) {
    ziel = s;
    EditorInhalt e = DatensatzAnzeigen(s);
    aendere(e);
    return DatensatzUebernehmen(e, ziel).geaendert;
  };
  S z;
  EXPECT_TRUE(Uebernimm([](EditorInhalt& e) { e.Anrede = 3; }, z));
  EXPECT_EQ(z.Anrede(), 3);
  EXPECT_TRUE(Uebernimm([](EditorInhalt& e) { e.Schulart = 5; }, z));
  EXPECT_EQ(z.Schulart(), 5);
  EXPECT_TRUE(Uebernimm([](EditorInhalt& e) { e.Fach[4] = "Englisch"; }, z));
  EXPECT_EQ(z.LiesFach(4, TFachZeile::Fach), "Englisch");
  EXPECT_TRUE(Uebernimm([](EditorInhalt& e) { e.Zeugnisart = 5; }, z));
  EXPECT_EQ(z.Zeugnisart(), 5);

  // No button selected keeps the stored Zeugnisart without counting a change.
  EXPECT_FALSE(Uebernimm([](EditorInhalt& e) { e.Zeugnisart = 0; }, z));
  EXPECT_EQ(z.Zeugnisart(), 3);
  EXPECT_FALSE(Uebernimm(
      [](EditorInhalt& e) {
        e.Anrede = 2;
        e.Zeugnisart = 3;
      },
      z));
  EXPECT_TRUE(z == s);

  // Stored values outside a radio group show no button and survive the store.
  S fremd = s;
  fremd.SetzeAnrede(9);
  fremd.SetzeSchulart(-1);
  S ziel = fremd;
  EditorInhalt e = DatensatzAnzeigen(fremd);
  EXPECT_EQ(e.Anrede, -1);
  EXPECT_EQ(e.Schulart, -1);
  EXPECT_FALSE(DatensatzUebernehmen(e, ziel).geaendert);
  EXPECT_TRUE(ziel == fremd);
}

}  // namespace
}  // namespace velmora
