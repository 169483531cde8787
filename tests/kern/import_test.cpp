// Import of person data and grades from text files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/import.h"
#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/datensatzbytes.h"
#include "common/fakes.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;
using Zeilen = std::vector<std::string>;

// All fields a line yields, and what is left once the line counts as finished.
std::vector<std::string> Felder(std::string_view zeile, std::string* rest = nullptr) {
  std::vector<std::string> felder;
  while (!ZeileZuEnde(zeile)) felder.push_back(NaechstesFeld(zeile));
  if (rest) *rest = std::string(zeile);
  return felder;
}

TEST(NaechstesFeld, TrenntAnTabSemikolonUndCr) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Felder("Meier;Anna\tKöln"), (V{"Meier", "Anna", "Köln"}));
  EXPECT_EQ(Felder("a;;b"), (V{"a", "", "b"}));
  EXPECT_EQ(Felder("a\rb;c"), (V{"a", "b", "c"}));
  EXPECT_EQ(Felder("a;"), (V{"a"}));  // nothing after the last separator
  std::string rest;
  EXPECT_EQ(Felder("a;\rb;c", &rest), (V{"a"}));  // a CR where a field starts ends the line
  EXPECT_EQ(rest, "\rb;c");
  EXPECT_EQ(Felder(""), V{});
  EXPECT_EQ(Felder(";;;"), (V{"", "", ""}));
}

TEST(NaechstesFeld, AnfuehrungszeichenRahmenNurEin) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Felder("\"Meier\";\"Anna\""), (V{"Meier", "Anna"}));
  // A quote framing does not protect a separator inside it.
  EXPECT_EQ(Felder("\"Meier;Anna\";x"), (V{"Meier", "Anna", "x"}));
  // The closing quote ends the field, and the character behind it is dropped.
  EXPECT_EQ(Felder("\"ab\"cd;e"), (V{"ab", "d", "e"}));
  EXPECT_EQ(Felder("ab\"cd"), (V{"ab", "d"}));
  // Unbalanced quotes.
  EXPECT_EQ(Felder("\"offen;zu"), (V{"offen", "zu"}));
  EXPECT_EQ(Felder("\""), V{""});
  EXPECT_EQ(Felder("\"\"\"\""), (V{"", ""}));
}

TEST(NaechstesFeld, NimmtDieBytesWieSieSind) {
  const std::string utf8 = "M\xC3\xBCller";  // UTF-8 stays as its bytes
  EXPECT_EQ(Felder(utf8 + ";x")[0], utf8);
  const std::string binaer("\0\x01\xFF", 3);
  EXPECT_EQ(Felder(binaer + "\t" + binaer), (std::vector<std::string>{binaer, binaer}));
}

class Import : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    for (std::size_t i = 0; i < 35; ++i) {
      NeuerDatensatzAusVorlage(v, klasse.Schueler[i]);
      klasse.Schueler[i].SetzeNummer(static_cast<int>(i + 1));
    }
  }
  // Subjects in rows 0..faecher-1, "   - - -" in the others.
  void Faecher(std::size_t faecher) {
    for (auto& s : klasse.Schueler)
      for (std::size_t r = 0; r < 18; ++r)
        s.SetzeFach(r, TFachZeile::Fach, r < faecher ? "Fach" + std::to_string(r + 1) : std::string(kLeereZeile));
  }
  S& Platz(std::size_t i) { return klasse.Schueler[i]; }
  std::string Note(std::size_t platz, std::size_t zeile) {
    return test::layout::LiesString(klasse.Schueler[platz].bytes.data(),
                                    test::layout::Zeile(zeile) + test::layout::kBewertung);
  }
  std::string Noten(std::size_t platz) {
    std::string n;
    for (std::size_t r = 0; r < 18; ++r) n += Note(platz, r);
    return n;
  }

  VorlagenZustand v;
  TKlassenDatei klasse;
};

TEST_F(Import, PersonendatenFuellenDieFelderDerReiheNach) {
  const TKlassenDatei vorher = klasse;
  ImportPersonendaten({T("Meier;Anna;01.02.2003;Bonn;W;Köln;Hauptstr. 5;BFS 11a;mehr")}, klasse);
  const S& s = Platz(0);
  EXPECT_EQ(s.Lies(S::Name), "Meier");
  EXPECT_EQ(s.Lies(S::Vornamen), "Anna");
  EXPECT_EQ(s.Lies(S::Geburtsdatum), "01.02.2003");
  EXPECT_EQ(s.Lies(S::Geburtsort), "Bonn");
  EXPECT_EQ(s.Anrede(), 2);
  // Wohnort at offset 112: length byte, then the text.
  EXPECT_EQ(std::string(s.bytes.begin() + 113, s.bytes.begin() + 113 + s.bytes[112]), T("Köln, Hauptstr. 5"));
  EXPECT_EQ(s.Lies(S::Klasse), "BFS 11a");
  // Number, subjects, texts and report data stay.
  S soll = vorher.Schueler[0];
  for (StringFeld f : {S::Name, S::Vornamen, S::Geburtsdatum, S::Geburtsort, S::Wohnort, S::Klasse})
    soll.Setze(f, s.Lies(f));
  soll.SetzeAnrede(2);
  EXPECT_EQ(s, soll);
  for (std::size_t i = 1; i < 35; ++i) EXPECT_EQ(klasse.Schueler[i], vorher.Schueler[i]);
}

TEST_F(Import, AnredeNachDemErstenZeichen) {
  for (char c : std::string("0HMNhmn")) EXPECT_EQ(AnredeAusFeld(std::string(1, c) + "x"), 1) << c;
  for (char c : std::string("1FJWfjw")) EXPECT_EQ(AnredeAusFeld(std::string(1, c) + "x"), 2) << c;
  for (const char* f : {"", "2", "3", "Dr.", "x", "keine", "\xC4"}) EXPECT_EQ(AnredeAusFeld(f), 0) << f;

  Platz(4).SetzeAnrede(3);
  ImportPersonendaten({"A;a;;;Herr", "B;b;;;männlich", "C;c;;;Frau", "D;d;;;weiblich", "E;e;;;Divers"}, klasse);
  EXPECT_EQ(Platz(0).Anrede(), 1);
  EXPECT_EQ(Platz(1).Anrede(), 1);
  EXPECT_EQ(Platz(2).Anrede(), 2);
  EXPECT_EQ(Platz(3).Anrede(), 2);
  EXPECT_EQ(Platz(4).Anrede(), 0);
}

TEST_F(Import, HoechstensFuenfunddreissigZeilenUndLeereZeilenVerbrauchenIhrenPlatz) {
  Zeilen zeilen;
  for (int i = 0; i < 40; ++i) zeilen.push_back("N" + std::to_string(i) + ";V");
  zeilen[2] = "";
  Platz(2).Setze(S::Name, "bleibt");
  ImportPersonendaten(zeilen, klasse);
  EXPECT_EQ(Platz(0).Lies(S::Name), "N0");
  EXPECT_EQ(Platz(2).Lies(S::Name), "bleibt");
  EXPECT_EQ(Platz(3).Lies(S::Name), "N3");
  EXPECT_EQ(Platz(34).Lies(S::Name), "N34");
}

TEST_F(Import, EineKurzeZeileAendertNurIhreFelder) {
  S& s = Platz(0);
  s.Setze(S::Geburtsort, "Altort");
  s.Setze(S::Wohnort, "Altwohnort");
  s.SetzeAnrede(3);
  ImportPersonendaten({"Meier;Anna", "Schulz;Bernd;;;;Bonn\r;Weg 1"}, klasse);
  EXPECT_EQ(s.Lies(S::Name), "Meier");
  EXPECT_EQ(s.Lies(S::Geburtsort), "Altort");
  EXPECT_EQ(s.Lies(S::Wohnort), "Altwohnort");
  EXPECT_EQ(s.Anrede(), 3);
  EXPECT_EQ(s.Lies(S::Geburtsdatum), "00.00.0000");
  // The lone CR ends "Bonn" like a separator, so ";Weg 1" is an empty street and the class.
  EXPECT_EQ(Platz(1).Lies(S::Wohnort), "Bonn");
  EXPECT_EQ(Platz(1).Lies(S::Klasse), "Weg 1");
  EXPECT_EQ(Platz(1).Lies(S::Geburtsdatum), "");  // an empty field is taken
}

TEST_F(Import, WohnortOhneStrasseOderOhneOrtBekommtKeinLosesKomma) {
  ImportPersonendaten({T("A;a;;;;Köln;"), "B;b;;;;;Weg 2", "C;c;;;;Bonn;Weg 3"}, klasse);
  EXPECT_EQ(Platz(0).Lies(S::Wohnort), T("Köln"));
  EXPECT_EQ(Platz(1).Lies(S::Wohnort), "Weg 2");
  EXPECT_EQ(Platz(2).Lies(S::Wohnort), "Bonn, Weg 3");
  ImportPersonendaten({"A;a;;;;" + std::string(50, 'o') + ";" + std::string(50, 's')}, klasse);
  EXPECT_EQ(Platz(0).Lies(S::Wohnort), std::string(50, 'o') + ", " + std::string(8, 's'));  // cut to 60
}

TEST_F(Import, BewertungenGehenAnDenLetztenPassendenPlatz) {
  Faecher(6);
  Platz(3).Setze(S::Name, "Meier");
  Platz(3).Setze(S::Vornamen, "Anna");
  Platz(9) = Platz(3);
  Platz(10).Setze(S::Name, "meier");
  Platz(10).Setze(S::Vornamen, "Anna");
  const int offen = ImportBewertungen({"Meier;Anna;1;2;3;4;5;6;7;8;9", "Meier;Ann;1", "Schulz;Bernd;2"}, klasse);
  EXPECT_EQ(offen, 2);
  EXPECT_EQ(Noten(9), "123456------------");
  EXPECT_EQ(Noten(3), std::string(18, '-'));
  EXPECT_EQ(Noten(10), std::string(18, '-'));
  EXPECT_EQ(Platz(9).Lies(S::VersaeumteStunden), "7");
  EXPECT_EQ(Platz(9).Lies(S::Entschuldigt), "8");
}

TEST_F(Import, StundenFolgenAufDieLetzteBelegteZeile) {
  Faecher(5);
  Platz(0).Setze(S::Name, "Meier");
  Platz(0).Setze(S::Vornamen, "Anna");
  // Two-character grades keep their first character; hours keep four.
  EXPECT_EQ(ImportBewertungen({"\"Meier\";\"Anna\";12;2-;3;4;5;123456;7890;9"}, klasse), 0);
  EXPECT_EQ(Noten(0), "12345-------------");
  EXPECT_EQ(Platz(0).Lies(S::VersaeumteStunden), "1234");
  EXPECT_EQ(Platz(0).Lies(S::Entschuldigt), "7890");
  EXPECT_EQ(Note(0, 6), "-");  // the excused hours end the line
}

TEST_F(Import, InEinerKlasseMitZweiFaechernSindFeld5Und6NochNoten) {
  Faecher(2);
  Platz(0).Setze(S::Name, "Meier");
  Platz(0).Setze(S::Vornamen, "Anna");
  ImportBewertungen({"Meier;Anna;1;2;3;4;10;2"}, klasse);
  EXPECT_EQ(Noten(0), "1234--------------");
  EXPECT_EQ(Platz(0).Lies(S::VersaeumteStunden), "10");
  EXPECT_EQ(Platz(0).Lies(S::Entschuldigt), "2");
}

TEST_F(Import, LeereFelderAendernNichtsUndBehaltenIhrenPlatz) {
  Faecher(3);
  S& s = Platz(0);
  s.Setze(S::Name, "Meier");
  s.Setze(S::Vornamen, "Anna");
  for (std::size_t r = 0; r < 3; ++r) s.SetzeFach(r, TFachZeile::Bewertung, "5");
  s.Setze(S::VersaeumteStunden, "9");
  ImportBewertungen({"Meier;Anna;;2;;;;4"}, klasse);
  EXPECT_EQ(Noten(0).substr(0, 4), "525-");
  // The empty missed-hours field keeps its place; "4" is the excused hours.
  EXPECT_EQ(s.Lies(S::VersaeumteStunden), "9");
  EXPECT_EQ(s.Lies(S::Entschuldigt), "4");
}

TEST_F(Import, LeereZeilenZaehlenAlsNichtZugeordnet) {
  // The free-slot marker alone finds the last free slot, whose Vornamen are empty.
  EXPECT_EQ(ImportBewertungen({"", "\r", "   - frei -"}, klasse), 2);
  Platz(7).Setze(S::Name, "");
  EXPECT_EQ(ImportBewertungen({""}, klasse), 0);  // a slot with both names empty matches
  EXPECT_EQ(Noten(7), std::string(18, '-'));
}

TEST_F(Import, LangeNamenFindenDenPlatzDerPersonendaten) {
  const std::string lang = std::string(30, 'L');
  ImportPersonendaten({lang + ";" + lang}, klasse);
  EXPECT_EQ(ImportBewertungen({lang + ";" + lang + ";1"}, klasse), 0);
  EXPECT_EQ(Note(0, 0), "1");
}

TEST_F(Import, UnsinnigeDateienFuehrenZuKeinemAbsturz) {
  std::string binaer;
  for (int i = 0; i < 4096; ++i) binaer.push_back(static_cast<char>(i * 37));
  const Zeilen zeilen = {std::string(1 << 20, 'x'),
                         std::string(1 << 20, ';'),
                         std::string(100000, '"'),
                         binaer,
                         "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t",
                         "\r\r\r"};
  ImportPersonendaten(zeilen, klasse);
  EXPECT_EQ(Platz(0).Lies(S::Name), std::string(25, 'x'));
  EXPECT_EQ(Platz(1).Lies(S::Name), "");
  EXPECT_EQ(Platz(1).Lies(S::Klasse), "");
  EXPECT_TRUE(Platz(5).IstFrei());  // a line of CRs only is empty
  const int offen = ImportBewertungen(zeilen, klasse);
  EXPECT_GE(offen, 0);
  EXPECT_LE(offen, static_cast<int>(zeilen.size()));
}

class ImportBefehl : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    for (auto& s : z.Klasse->Schueler) NeuerDatensatzAusVorlage(v, s);
  }
  KlassenZustand z;
  VorlagenZustand v;
  test::FakeMeldungen m;
  test::FakeDateiDialoge d;
};

TEST_F(ImportBefehl, DialogeUndAbbruch) {
  const TKlassenDatei vorher = *z.Klasse;
  EXPECT_EQ(PersonendatenImportieren(z, d, m, "/prog"), ImportAusgang::Abgebrochen);
  EXPECT_EQ(BewertungenImportieren(z, d, m, "/prog"), ImportAusgang::Abgebrochen);
  ASSERT_EQ(d.oeffnenAufrufe.size(), 2u);
  EXPECT_EQ(d.oeffnenAufrufe[0].filter, "Textdatei (*.TXT)|*.TXT;*.CSV");
  EXPECT_EQ(d.oeffnenAufrufe[1].filter, "Textdateien (*.TXT; *.CSV)|*.TXT;*.CSV");
  for (const auto& w : d.oeffnenAufrufe) {
    EXPECT_EQ(w.startverzeichnis, "/prog");
    EXPECT_EQ(w.standardendung, "TXT");
    EXPECT_EQ(w.dateiname, "");
  }
  EXPECT_TRUE(m.protokoll.empty());
  EXPECT_EQ(*z.Klasse, vorher);
  EXPECT_FALSE(z.DatenGeaendert);
}

TEST_F(ImportBefehl, EineUnlesbareDateiZeigtDenFehlerUndLaesstDieKlasse) {
  const TKlassenDatei vorher = *z.Klasse;
  std::filesystem::create_directory("ORDNER.TXT");
  d.oeffnenAntworten = {"FEHLT.TXT", "ORDNER.TXT"};
  EXPECT_EQ(PersonendatenImportieren(z, d, m, ""), ImportAusgang::Fehler);
  EXPECT_EQ(BewertungenImportieren(z, d, m, ""), ImportAusgang::Fehler);
  ASSERT_EQ(m.protokoll.size(), 2u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(m.protokoll[0].text, "Datei nicht gefunden");
  EXPECT_EQ(m.protokoll[1].text, "Dateizugriff verweigert");
  EXPECT_EQ(*z.Klasse, vorher);
  EXPECT_FALSE(z.DatenGeaendert);
}

TEST_F(ImportBefehl, DateienMitCrLfLfUndCtrlZ) {
  test::SchreibeDatei("P.TXT", test::AlsBytes("Meier;Anna\r\nSchulz;Bernd\nKurz;Karl\x1A"
                                              "Danach;X\r\n"));
  test::SchreibeDatei("N.TXT", test::AlsBytes("Schulz;Bernd;4\r\nNiemand;X;1\r\n\r\nKurz;Karl;2"));
  d.oeffnenAntworten = {"P.TXT", "N.TXT"};
  EXPECT_EQ(PersonendatenImportieren(z, d, m, ""), ImportAusgang::Importiert);
  EXPECT_TRUE(z.DatenGeaendert);
  EXPECT_EQ(z.Klasse->Schueler[1].Lies(S::Vornamen), "Bernd");
  EXPECT_EQ(z.Klasse->Schueler[2].Lies(S::Vornamen), "Karl");
  EXPECT_TRUE(z.Klasse->Schueler[3].IstFrei());
  z.DatenGeaendert = false;
  EXPECT_EQ(BewertungenImportieren(z, d, m, ""), ImportAusgang::Importiert);
  EXPECT_TRUE(z.DatenGeaendert);
  EXPECT_EQ(z.Klasse->Schueler[1].LiesFach(0, TFachZeile::Bewertung), "4");
  EXPECT_EQ(z.Klasse->Schueler[2].LiesFach(0, TFachZeile::Bewertung), "2");
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Information);
  EXPECT_EQ(m.protokoll[0].knoepfe, Knoepfe::Ok);
  EXPECT_EQ(m.protokoll[0].text, T("Import beendet!\r2 Datensätze konnten NICHT zugeordnet werden!"));
}

}  // namespace
}  // namespace velmora
