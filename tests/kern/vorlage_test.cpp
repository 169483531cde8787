// Class-subject templates and the school subject list.
#include <gtest/gtest.h>

#include <filesystem>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/datensatzbytes.h"
#include "common/fakes.h"
#include "subjects/klassenfachvorlage.h"
#include "subjects/schulfaecher.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;
using test::AlsBytes;
using test::FakeMeldungen;
using test::LiesDatei;
using test::SchreibeDatei;

class Vorlage : public test::ArbeitsverzeichnisTest {
 protected:
  // The i-th box shown must be an error box with one OK button and this text.
  void ErwarteFehler(std::size_t i, const char* utf8) {
    ASSERT_EQ(meldungen.protokoll.size(), i + 1);
    EXPECT_EQ(meldungen.protokoll[i].art, MeldungsArt::Fehler);
    EXPECT_EQ(meldungen.protokoll[i].knoepfe, Knoepfe::Ok);
    EXPECT_EQ(meldungen.protokoll[i].text, T(utf8));
  }

  FakeMeldungen meldungen;
  VorlagenZustand zustand;
  TKlassenDatei klasse;
};

namespace layout = test::layout;

void StringAn(Bytes& b, std::size_t o, const std::string& text) { layout::SchreibeString(b.data(), o, text); }

// Every row empty ("   - - -", grade "-").
Bytes LeereVorlagenBytes() { return layout::Vorlagenbild({}); }

// The empty template with row 3 filled; its grade fields must never be taken over.
Bytes VorlagenBytes(const std::string& fach3, const std::string& zusatz3) {
  Bytes b = LeereVorlagenBytes();
  const std::size_t zeile = layout::VorlagenZeile(2);
  StringAn(b, zeile + layout::kFach, fach3);
  StringAn(b, zeile + layout::kFachZusatz, zusatz3);
  StringAn(b, zeile + layout::kBewertung, "2");
  StringAn(b, zeile + layout::kZusatz, "xy");
  return b;
}

TEST_F(Vorlage, LeererDatensatzByteFuerByte) {
  SchreibeDatei("LEER.KFV", VorlagenBytes("Deutsch", "Lernfeld 3"));
  LadeKlassenFachVorlage(zustand, "LEER.KFV", meldungen);
  S s;
  s.bytes.fill(0x77);
  NeuerDatensatzAusVorlage(zustand, s);

  Bytes e(layout::kSatz, 0);
  e[0] = 1;  // Nummer
  StringAn(e, 8, "   - frei -");
  StringAn(e, 60, "00.00.0000");
  for (std::size_t r = 0; r < 18; ++r) {
    StringAn(e, layout::Zeile(r) + layout::kFach, r == 2 ? "Deutsch" : "   - - -");
    if (r == 2) StringAn(e, layout::Zeile(r) + layout::kFachZusatz, "Lernfeld 3");
    StringAn(e, layout::Zeile(r) + layout::kBewertung, "-");
  }
  std::string leer = "   - - -";
  std::copy(leer.begin(), leer.end(), e.begin() + 3002);
  StringAn(e, 4002, "-");
  StringAn(e, 4007, "-");
  std::copy(leer.begin(), leer.end(), e.begin() + 4012);
  StringAn(e, 4600, "00.00.0000");
  StringAn(e, 4611, "00.00.0000");
  StringAn(e, 4622, "0,0");
  StringAn(e, 4626, "?????");
  StringAn(e, 4642, "2000");
  StringAn(e, 4647, "2001");
  StringAn(e, 4652, "Musterort");
  StringAn(e, 4678, "00.00.0000");
  EXPECT_TRUE(test::GleicheBytes(Bytes(s.bytes.begin(), s.bytes.end()), e));
}

TEST_F(Vorlage, StartOhneLeerKfvLegtSieAnUndBautDieKlasse) {
  VorlagenStart(zustand, klasse, meldungen);
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_EQ(zustand.AktuelleVorlage, "LEER.KFV");
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("LEER.KFV"), LeereVorlagenBytes()));
  for (std::size_t i = 0; i < 35; ++i) {
    const S& s = klasse.Schueler[i];
    EXPECT_EQ(s.Nummer(), static_cast<std::int32_t>(i + 1));
    EXPECT_TRUE(s.IstFrei());
    EXPECT_EQ(s.LiesFach(i % 18, TFachZeile::Fach), "   - - -");
    EXPECT_EQ(s.LiesFach(i % 18, TFachZeile::Bewertung), "-");
  }
}

TEST_F(Vorlage, VorhandeneLeerKfvGibtJedemDatensatzIhreZeilen) {
  Bytes datei = VorlagenBytes(T("Deutsch"), T("Lernfeld 3: Gespräche führen"));
  SchreibeDatei("LEER.KFV", datei);
  klasse.PasswortKennung[0] = 3;
  VorlagenStart(zustand, klasse, meldungen);
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("LEER.KFV"), datei));  // loaded, not rewritten
  EXPECT_EQ(klasse.PasswortKennung[0], 3);                        // building a class keeps the check string
  for (const S& s : klasse.Schueler) {
    EXPECT_EQ(s.LiesFach(2, TFachZeile::Fach), "Deutsch");
    EXPECT_EQ(s.LiesFach(2, TFachZeile::FachZusatz), T("Lernfeld 3: Gespräche führen"));
    EXPECT_EQ(s.LiesFach(2, TFachZeile::Bewertung), "-");
    EXPECT_EQ(s.LiesFach(2, TFachZeile::Zusatz), "");
    EXPECT_EQ(s.LiesFach(3, TFachZeile::Fach), "   - - -");
  }
}

TEST_F(Vorlage, LaengereDateiGiltMitIhrenErstenBytesKuerzereIstFehler100) {
  Bytes lang = VorlagenBytes("Mathematik", "");
  lang.resize(5000, 'Z');
  SchreibeDatei("lang.KFV", lang);
  LadeKlassenFachVorlage(zustand, "lang.KFV", meldungen);
  EXPECT_EQ(zustand.Vorlage.Zeilen[2].Lies(TFachZeile::Fach), "Mathematik");
  EXPECT_TRUE(test::GleicheBytes(zustand.Vorlage.Bild(), Bytes(lang.begin(), lang.begin() + 2826)));

  SchreibeDatei("kurz.KFV", Bytes(2825, 0));
  try {
    LadeKlassenFachVorlage(zustand, "kurz.KFV", meldungen);
    ADD_FAILURE() << "no error for a short template";
  } catch (const EAFehler& f) {
    EXPECT_EQ(f.Nummer(), 100);
  }
  EXPECT_EQ(zustand.Vorlage.Zeilen[2].Lies(TFachZeile::Fach), "Mathematik");
}

TEST_F(Vorlage, AllenZuordnenLaesstFreieUndNamenloseStehen) {
  ErzeugeLeereVorlage(zustand);
  NeueKlasseAusVorlage(zustand, klasse, meldungen);
  for (std::size_t i : {0u, 1u, 2u}) {
    S& s = klasse.Schueler[i];
    for (std::size_t r = 0; r < 18; ++r) {
      s.SetzeFach(r, TFachZeile::Fach, "Alt");
      s.SetzeFach(r, TFachZeile::FachZusatz, "alter Zusatz");
      s.SetzeFach(r, TFachZeile::Bewertung, "3");
      s.SetzeFach(r, TFachZeile::Zusatz, "+");
    }
  }
  klasse.Schueler[0].Setze(S::Name, "Meier");
  klasse.Schueler[0].Setze(S::Klasse, "BFS 1");
  klasse.Schueler[2].Setze(S::Name, "");
  const TKlassenDatei vorher = klasse;

  SchreibeDatei("neu.KFV", VorlagenBytes("Englisch", "LF 2"));
  zustand.AktuelleVorlage = "neu.KFV";
  VorlageAllenZuordnen(zustand, klasse, meldungen);
  EXPECT_TRUE(meldungen.protokoll.empty());

  const S& meier = klasse.Schueler[0];
  for (std::size_t r = 0; r < 18; ++r) {
    EXPECT_EQ(meier.LiesFach(r, TFachZeile::Fach), r == 2 ? "Englisch" : "   - - -");
    EXPECT_EQ(meier.LiesFach(r, TFachZeile::FachZusatz), r == 2 ? "LF 2" : "");
    EXPECT_EQ(meier.LiesFach(r, TFachZeile::Bewertung), "-");
    EXPECT_EQ(meier.LiesFach(r, TFachZeile::Zusatz), "");
  }
  EXPECT_EQ(meier.Lies(S::Name), "Meier");
  EXPECT_EQ(meier.Lies(S::Klasse), "BFS 1");
  EXPECT_TRUE(klasse.Schueler[1] == vorher.Schueler[1]);  // free slot
  EXPECT_TRUE(klasse.Schueler[2] == vorher.Schueler[2]);  // empty name
}

TEST_F(Vorlage, Fehlermeldungen) {
  SchreibeDatei("alt.KFV", VorlagenBytes("Religion", ""));
  LadeKlassenFachVorlage(zustand, "alt.KFV", meldungen);
  ASSERT_TRUE(meldungen.protokoll.empty());

  // The current template file is gone: the class comes from the template in memory.
  zustand.AktuelleVorlage = "weg.KFV";
  NeueKlasseAusVorlage(zustand, klasse, meldungen);
  ErwarteFehler(0, "Fehler!\r\rProblem beim Zugriff auf KFV-Datei: weg.KFV");
  EXPECT_EQ(klasse.Schueler[34].LiesFach(2, TFachZeile::Fach), "Religion");
  EXPECT_EQ(klasse.Schueler[34].Nummer(), 35);

  zustand.AktuelleVorlage = "";
  VorlageAllenZuordnen(zustand, klasse, meldungen);
  ErwarteFehler(1, "Fehler!\r\rErstellen Sie zuerst eine Klassen-Fächer-Vorlage!");

  LadeKlassenFachVorlage(zustand, "fehlt.KFV", meldungen);
  ErwarteFehler(2, "Fehler!\r\rProblem beim Zugriff auf KFV-Datei aufgetreten!!!");
  EXPECT_EQ(zustand.Vorlage.Zeilen[2].Lies(TFachZeile::Fach), "Religion");
}

class SchulFaecher : public test::ArbeitsverzeichnisTest {};

TEST_F(SchulFaecher, FehlendeDateiWirdMitDenNeunVorgabenAngelegt) {
  TSchulFaecherListe liste = LadeSchulFaecherListe();
  TSchulFaecherListe erwartet = {
      "   - - -", "## wird nicht gedruckt", "Sport", "Sozialkunde", "Deutsch", "Mathematik", "Englisch", "Philosophie",
      "Religion"};
  EXPECT_EQ(liste, erwartet);
  std::string datei;
  for (const auto& z : erwartet) datei += z + "\r\n";
  EXPECT_EQ(LiesDatei("SFAECHER.SFL"), AlsBytes(datei));
}

TEST_F(SchulFaecher, VorhandeneDateiZeilenAuf50ZeichenGekuerzt) {
  std::string lang(60, 'L');
  Bytes inhalt = AlsBytes(T("Wirtschaftslehre\r\n\r\n") + lang + "\r\nSport");
  SchreibeDatei("SFAECHER.SFL", inhalt);
  TSchulFaecherListe liste = LadeSchulFaecherListe();
  EXPECT_EQ(liste, (TSchulFaecherListe{"Wirtschaftslehre", "", std::string(50, 'L'), "Sport"}));
  EXPECT_EQ(LiesDatei("SFAECHER.SFL"), inhalt);  // reading leaves the file alone
}

TEST_F(SchulFaecher, BinaerdatenUndRiesigeZeilenBringenNichtsZumAbsturz) {
  Bytes inhalt;  // every byte value except Ctrl-Z, which would end the file
  for (int i = 0; i < 4096; ++i) inhalt.push_back(static_cast<std::uint8_t>(i % 256 == 0x1A ? 0 : i % 256));
  inhalt.insert(inhalt.end(), {'\n', 'a', '\n', 'b', '\r'});
  inhalt.insert(inhalt.end(), 200000, 'x');
  SchreibeDatei("SFAECHER.SFL", inhalt);
  TSchulFaecherListe liste;
  ASSERT_NO_THROW(liste = LadeSchulFaecherListe());
  ASSERT_FALSE(liste.empty());
  for (const auto& e : liste) EXPECT_LE(e.size(), 50u);
  EXPECT_EQ(liste.back(), "b\r" + std::string(48, 'x'));
}

}  // namespace
}  // namespace velmora
