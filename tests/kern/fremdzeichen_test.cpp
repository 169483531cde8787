// Characters code page 1252 cannot hold: their replacements, what an edit takes of typed or
// pasted text, and the two imports reading a UTF-8 file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/import.h"
#include "app/importkodierung.h"
#include "basis/cp1252.h"
#include "basis/feldeingabe.h"
#include "basis/zeichenersatz.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

TEST(Zeichenersatz, BuchstabenOhneIhreZeichenOderIhrNaechsterBuchstabe) {
  struct Fall {
    char32_t zeichen;
    const char* ersatz;  // code page 1252
  };
  const std::vector<Fall> faelle = {
      // Turkish
      {U'ş', "s"},
      {U'Ş', "S"},
      {U'ğ', "g"},
      {U'İ', "I"},
      {U'ı', "i"},
      // Polish
      {U'ą', "a"},
      {U'ę', "e"},
      {U'ć', "c"},
      {U'ń', "n"},
      {U'ś', "s"},
      {U'ź', "z"},
      {U'ż', "z"},
      {U'ł', "l"},
      {U'Ł', "L"},
      // Croatian, Czech, Romanian, Hungarian
      {U'č', "c"},
      {U'Ć', "C"},
      {U'đ', "d"},
      {U'Đ', "D"},
      {U'ř', "r"},
      {U'ș', "s"},
      {U'ț', "t"},
      {U'Ţ', "T"},
      {U'ă', "a"},
      {U'ő', "o"},
      // Some marks kept where code page 1252 has the letter with them
      {U'ǟ', "\xE4"},
      {U'Ố', "\xD4"},
      {U'ǅ', "D\x9E"},
      // Ligatures and compatibility forms
      {U'ĳ', "ij"},
      {U'Ａ', "A"},
      {U'ẞ', "SS"},
      {U'‐', "-"},
      // Nothing to write instead: left out
      {U'ж', ""},
      {U'Ω', ""},
      {U'中', ""},
      {0x1F600, ""},
      // A Greek question mark decomposes into ";", a field separator of the imports
      {0x037E, ""},
      // What code page 1252 holds is itself
      {U'ä', "\xE4"},
      {U'ß', "\xDF"},
      {U'ø', "\xF8"},
      {U'€', "\x80"},
      {U'ž', "\x9E"},
      {U'Š', "\x8A"},
      {U'A', "A"},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(Cp1252Ersatz(f.zeichen), f.ersatz) << "U+" << std::hex << static_cast<unsigned>(f.zeichen);
  }
  // The edit's message names a replacement beyond ASCII in UTF-8, as it names the character.
  EXPECT_EQ(NichtSpeicherbarTextUtf8(U'ǟ'),
            "„ǟ“ kann in der Klassendatei nicht gespeichert werden. Schreiben Sie „ä“.");
}

TEST(Zeichenersatz, TabelleIstGeordnetUndSchreibtNurHarmloseZeichen) {
  ASSERT_GT(kZeichenErsatzAnzahl, 1000u);
  for (std::size_t i = 0; i < kZeichenErsatzAnzahl; ++i) {
    const ZeichenErsatz& e = kZeichenErsatz[i];
    SCOPED_TRACE(static_cast<unsigned>(e.zeichen));
    if (i > 0) {
      EXPECT_LT(kZeichenErsatz[i - 1].zeichen, e.zeichen);
    }
    EXPECT_FALSE(Cp1252Byte(e.zeichen).has_value());
    const std::string ersatz = e.ersatz;
    EXPECT_FALSE(ersatz.empty());
    // No control character, no field separator of the imports, no quote.
    for (char c : ersatz) {
      EXPECT_GE(static_cast<unsigned char>(c), 0x20);
      EXPECT_EQ(std::string("\t;\"\x7F").find(c), std::string::npos);
    }
  }
}

TEST(Utf8Zeichen, NurGueltigesUtf8) {
  EXPECT_EQ(Utf8Zeichen("M\xC3\xBCller"), std::u32string(U"Müller"));
  EXPECT_EQ(Utf8Zeichen("\xF0\x9F\x98\x80"), std::u32string(1, 0x1F600));
  EXPECT_EQ(Utf8Zeichen(""), std::u32string());
  for (const char* falsch : {"M\xFCller", "\xC3", "\xC3(", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
    EXPECT_FALSE(Utf8Zeichen(falsch).has_value()) << falsch;
  }
}

TEST(Feldeingabe, WasEinFeldVomGetipptenOderEingefuegtenNimmt) {
  struct Fall {
    std::u32string eingabe;
    std::size_t platz;
    bool mehrzeilig;
    std::u32string angenommen;
    char32_t abgelehnt;  // 0: none
    bool gekuerzt;
  };
  const std::vector<Fall> faelle = {
      {U"Ayse", 25, false, U"Ayse", 0, false},
      {U"Ayşe", 25, false, U"", U'ş', false},
      {U"Maximilian Johannes Friedrich", 25, false, U"Maximilian Johannes Fried", 0, true},
      {U"x", 0, false, U"", 0, true},
      // Refusal wins over the cut: nothing reaches the field changed.
      {U"Maximilian Johannes Frıedrich", 25, false, U"", U'ı', false},
      // One-line fields: line breaks go, a TAB becomes a blank, control characters go.
      {U"Müller\r\n", 25, false, U"Müller", 0, false},
      {U"a\tb\x01"
       U"c",
       25, false, U"a bc", 0, false},
      // Multi-line fields: a line break counts two bytes, in any of its forms.
      {U"ab\r\ncd", 6, true, U"ab\ncd", 0, false},
      {U"ab\ncd", 5, true, U"ab\nc", 0, true},
      {U"ab\ncd", 3, true, U"ab", 0, true},
      {U"a\rb\u2029c", 10, true, U"a\nb\nc", 0, false},
      {U"€ Š", 3, false, U"€ Š", 0, false},
      // Written decomposed, as some systems paste it: the letter it composes.
      {U"Mu\u0308ller", 6, false, U"Müller", 0, false},
      {U"S\u030C", 1, false, U"Š", 0, false},
  };
  for (std::size_t i = 0; i < faelle.size(); ++i) {
    const Fall& f = faelle[i];
    SCOPED_TRACE(i);
    const Feldeingabe e = PruefeFeldeingabe(f.eingabe, f.platz, f.mehrzeilig);
    EXPECT_EQ(e.angenommen, f.angenommen);
    EXPECT_EQ(e.abgelehnt.value_or(0), f.abgelehnt);
    EXPECT_EQ(e.gekuerzt, f.gekuerzt);
  }
  EXPECT_EQ(Feldbytes(U"ab\nc", true), 5u);  // a text box's line break is CR LF in the record
  EXPECT_EQ(Feldbytes(U"ab\nc", false), 4u);
}

// ---- the imports ----

class UtfImport : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    for (auto& s : z.Klasse->Schueler) NeuerDatensatzAusVorlage(v, s);
  }
  void Datei(const std::string& bytes) {
    test::SchreibeDatei("IMPORT.TXT", test::AlsBytes(bytes));
    d.oeffnenAntworten = {"IMPORT.TXT"};
  }
  KlassenZustand z;
  VorlagenZustand v;
  test::FakeMeldungen m;
  test::FakeDateiDialoge d;
};

TEST_F(UtfImport, Utf8OderCodepage1252NachDemInhaltDerDatei) {
  struct Fall {
    const char* name;
    std::string datei;
    std::string name0, vornamen0;  // code page 1252
  };
  const std::vector<Fall> faelle = {
      {"UTF-8", "M\xC3\xBCller;J\xC3\xBCrgen\r\n", "M\xFCller", "J\xFCrgen"},
      {"UTF-8 mit BOM", "\xEF\xBB\xBFMeier;Anna\r\n", "Meier", "Anna"},
      {"UTF-8 zerlegt", "Mu\xCC\x88ller;Jo\xCC\x88rg\r\n", "M\xFCller", "J\xF6rg"},
      {"Codepage 1252", "M\xFCller;J\xFCrgen\r\n", "M\xFCller", "J\xFCrgen"},
      {"nur ASCII", "Meier;Anna", "Meier", "Anna"},
      // One byte that is no UTF-8 makes the whole file code page 1252, as before.
      {"gemischt", "M\xC3\xBCller;Anna\r\nS\xFC\xDF;Udo\r\n", "M\xC3\xBCller", "Anna"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Datei(f.datei);
    m.protokoll.clear();
    ASSERT_EQ(PersonendatenImportieren(z, d, m, ""), ImportAusgang::Importiert);
    EXPECT_EQ(z.Klasse->Schueler[0].Lies(S::Name), f.name0);
    EXPECT_EQ(z.Klasse->Schueler[0].Lies(S::Vornamen), f.vornamen0);
    EXPECT_TRUE(m.protokoll.empty());  // every character could be stored: no question
  }
}

TEST_F(UtfImport, ErsetzungenNurNachDerWarnungUndAbbrechenAendertNichts) {
  const std::string datei =
      "Meier;Anna\r\n"
      "Y\xC4\xB1lmaz;Ay\xC5\x9F"
      "e;01.02.2005;\xC4\xB0zmir\r\n"
      "\"W\xC3\xB3jcik\";\xC5\x81ukasz\r\n"
      "\xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2;Olga\r\n";
  const std::string warnung =
      "Die Datei enthält Zeichen, die in der Klassendatei nicht gespeichert werden können:\r"
      "\rZeile 2: Yılmaz, Ayşe – „ı“ wird „i“, „ş“ wird „s“, „İ“ wird „I“"
      "\rZeile 3: Wójcik, Łukasz – „Ł“ wird „L“"
      "\rZeile 4: Петров, Olga – „П“ wird weggelassen, „е“ wird weggelassen, „т“ wird weggelassen, „р“ wird "
      "weggelassen, „о“ wird weggelassen, „в“ wird weggelassen"
      "\r\rSollen die Daten mit diesen Ersetzungen importiert werden?\r„Nein“ bricht den Import ab; die Klasse "
      "bleibt, wie sie ist.";

  // "Nein": the class stays as it was, nothing counts as changed.
  const TKlassenDatei vorher = *z.Klasse;
  Datei(datei);
  m.antworten = {Antwort::Nein};
  EXPECT_EQ(PersonendatenImportieren(z, d, m, ""), ImportAusgang::Abgebrochen);
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Warnung);
  EXPECT_EQ(m.protokoll[0].knoepfe, Knoepfe::JaNein);
  EXPECT_TRUE(m.protokoll[0].utf8);
  EXPECT_EQ(m.protokoll[0].text, warnung);
  EXPECT_EQ(*z.Klasse, vorher);
  EXPECT_FALSE(z.DatenGeaendert);

  // "Ja": imported with the replacements.
  Datei(datei);
  m.protokoll.clear();
  m.antworten = {Antwort::Ja};
  EXPECT_EQ(PersonendatenImportieren(z, d, m, ""), ImportAusgang::Importiert);
  EXPECT_TRUE(z.DatenGeaendert);
  const auto& k = z.Klasse->Schueler;
  EXPECT_EQ(k[1].Lies(S::Name), "Yilmaz");
  EXPECT_EQ(k[1].Lies(S::Vornamen), "Ayse");
  EXPECT_EQ(k[1].Lies(S::Geburtsort), "Izmir");
  EXPECT_EQ(k[2].Lies(S::Name), "W\xF3jcik");
  EXPECT_EQ(k[2].Lies(S::Vornamen), "Lukasz");
  EXPECT_EQ(k[3].Lies(S::Name), "");
  EXPECT_EQ(k[3].Lies(S::Vornamen), "Olga");

  // The grade import finds the names the person import stored, after the same question.
  for (auto& s : z.Klasse->Schueler) s.SetzeFach(0, TFachZeile::Fach, "Deutsch");
  z.DatenGeaendert = false;
  Datei(
      "Y\xC4\xB1lmaz;Ay\xC5\x9F"
      "e;2\r\nMeier;Anna;3\r\n");
  m.protokoll.clear();
  m.antworten = {Antwort::Nein};
  EXPECT_EQ(BewertungenImportieren(z, d, m, ""), ImportAusgang::Abgebrochen);
  ASSERT_EQ(m.protokoll.size(), 1u);  // no "Import beendet!" after the cancel
  EXPECT_EQ(k[1].LiesFach(0, TFachZeile::Bewertung), "-");
  EXPECT_FALSE(z.DatenGeaendert);
  Datei(
      "Y\xC4\xB1lmaz;Ay\xC5\x9F"
      "e;2\r\nMeier;Anna;3\r\n");
  m.protokoll.clear();
  m.antworten = {Antwort::Ja};
  EXPECT_EQ(BewertungenImportieren(z, d, m, ""), ImportAusgang::Importiert);
  ASSERT_EQ(m.protokoll.size(), 2u) << "the warning, then the closing notice";
  EXPECT_EQ(m.protokoll[1].text, T("Import beendet!\r0 Datensätze konnten NICHT zugeordnet werden!"));
  EXPECT_EQ(k[1].LiesFach(0, TFachZeile::Bewertung), "2");
  EXPECT_EQ(k[0].LiesFach(0, TFachZeile::Bewertung), "3");
}

}  // namespace
}  // namespace velmora
