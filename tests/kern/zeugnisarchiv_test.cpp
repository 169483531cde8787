// The archive of issued reports in the logic: the settings record, the names of the copies,
// the list of issued reports byte for byte (also after a write cut off by a crash), the
// copies after the prints and of the class command through a recording archive port, the
// guard of the settings window, and the printed list.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <filesystem>
#include <functional>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "basis/version.h"
#include "common/kaesten.h"
#include "common/steuerungstest.h"
#include "print/pdfdatei.h"
#include "reports/klassenzeugnisse.h"
#include "reports/weisspapier.h"
#include "reports/zeugnisarchiv.h"
#include "reports/zeugnisbefehl.h"
#include "reports/zeugnislistebefehl.h"
#include "settings/archiveinstellregeln.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;
using S = TSchuelerDatensatz;

// The settings record: 258 bytes, an int16 at 0, a string of at most 255 characters at 2.
TEST(Archiveinstellungen, DatensatzUndFensterregeln) {
  test::TempArbeitsverzeichnis arbeit;
  ArchivEinstellungen e;
  test::FakeMeldungen m;
  ArchivEinstellRegeln regeln(e, m);
  EXPECT_EQ(regeln.BeimZeigen().Ordner, "Archiv");
  EXPECT_FALSE(fs::exists("ARCHIV.DAT")) << "only the accept button writes";
  const std::string ordner = T("  \\\\server\\Zeugnisse Müller ") + std::string(300, 'x');
  ASSERT_TRUE(regeln.Uebernehmen({true, ordner}));
  Bytes soll(258, 0);
  soll[0] = 1;
  soll[2] = 255;
  std::copy(ordner.begin(), ordner.begin() + 255, soll.begin() + 3);
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("ARCHIV.DAT"), soll));
  EXPECT_TRUE(regeln.BeimZeigen().Archivkopie);
  EXPECT_EQ(e.Satz().Archivordner(), ordner.substr(2, 253));
  // Only 1 switches the copies on; a short file is an error and leaves the defaults.
  soll[0] = 2;
  test::SchreibeDatei("ARCHIV.DAT", soll);
  EXPECT_FALSE(regeln.BeimZeigen().Archivkopie);
  test::SchreibeDatei("ARCHIV.DAT", Bytes(100, 1));
  EXPECT_EQ(regeln.BeimZeigen().Ordner, "Archiv");
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].text, EAFehlerText(ea::HinterDateiende));
}

TEST(Archivnamen, TeileUndOrtEinerKopie) {
  const std::pair<const char*, const char*> teile[] = {{"  BS 11/2 ", "BS 11_2"},
                                                       {"a<b>c:d\"e|f?g*h\\i", "a_b_c_d_e_f_g_h_i"},
                                                       {"..", "__"},
                                                       {"BS 11. ", "BS 11_"},
                                                       {"Nul.txt", "_Nul.txt"},
                                                       {"COM10", "COM10"},
                                                       {"   ", "(leer)"}};
  for (const auto& [text, soll] : teile) EXPECT_EQ(ArchivNamensteil(text, "(leer)"), soll) << text;

  // The place of a copy of slot 3 with these fields, and the school year its list line names.
  const auto ort = [](std::array<const char*, 6> werte, Zeugnistyp typ) {
    KlassenZustand zustand;
    zustand.Dateiname = "/daten/KLASSE 7.VLM";  // names the class where its field is blank
    S& s = zustand.Klasse->Schueler[3];
    std::size_t i = 0;
    for (auto feld : {S::SchuljahrVon, S::SchuljahrBis, S::Klasse, S::Name, S::Vornamen, S::Zeugnisdatum}) {
      s.Setze(feld, werte[i++]);
    }
    return std::pair{ArchivOrtFuer(zustand, 3, typ), ListenSchuljahr(s)};
  };
  using Ort = std::pair<ArchivOrt, std::string>;
  EXPECT_EQ(ort({"2026", "2027", "BS 11a", "Muster", "Erika", "15.07.2027"}, Zeugnistyp::Abschluss),
            Ort({"2026-2027", "BS 11a", "Muster-Erika-Abschlusszeugnis-2027-07-15.pdf"}, "2026/2027"));
  EXPECT_EQ(ort({"2026", " ", "BS 11/2", "A/B", "C:D", "1.7.27"}, Zeugnistyp::Jahr),
            Ort({"2026", "BS 11_2", "A_B-C_D-Jahreszeugnis-1.7.27.pdf"}, "2026/"));
  EXPECT_EQ(ort({"", "", "", "Kaya", "", "00.00.0000"}, Zeugnistyp::Abgang),
            Ort({"ohne Schuljahr", "KLASSE 7", "Kaya-Abgangszeugnis-ohne Datum.pdf"}, ""));
}

// ---------------------------------------------------------------------------------------
// The list of issued reports

class Zeugnisliste : public test::ArbeitsverzeichnisTest {
 protected:
  static ZeugnislistenEintrag Eintrag(const std::string& name, const std::string& papier) {
    return {"07.12.2026 09:05:03", "2026/2027",        "BS 11a",     name,   "Erika",
            "01.02.2008",          "Abschlusszeugnis", "15.07.2027", papier, "2026-2027/BS 11a/" + name + ".pdf"};
  }
  // Written out from the documented columns, not from the program's text.
  const std::string kopf_ =
      "\xEF\xBB\xBF"
      "Datum und Uhrzeit;Schuljahr;Klasse;Name;Vornamen;Geburtsdatum;Zeugnisart;Zeugnisdatum;"
      "Verlag oder Papier;Datei\r\n";
};

TEST_F(Zeugnisliste, JedeKopieEineZeileInUtf8MitBom) {
  fs::create_directory("Archiv");
  const ZeugnislistenEintrag erste = Eintrag("Muster", T("weißes Papier"));
  ZeugnislistenEintrag zweite = Eintrag(T("Müller; \"Ole\""), "ohne Druck");
  zweite.klasse = "BS\t11a";  // a control character would break the line
  HaengeAnZeugnisliste("Archiv", erste);
  HaengeAnZeugnisliste("Archiv", zweite);
  const std::string soll =
      kopf_ +
      "07.12.2026 09:05:03;2026/2027;BS 11a;Muster;Erika;01.02.2008;Abschlusszeugnis;15.07.2027;"
      "wei\xC3\x9F"
      "es Papier;2026-2027/BS 11a/Muster.pdf\r\n"
      "07.12.2026 09:05:03;2026/2027;BS 11a;\"M\xC3\xBCller; \"\"Ole\"\"\";Erika;01.02.2008;"
      "Abschlusszeugnis;15.07.2027;ohne Druck;\"2026-2027/BS 11a/M\xC3\xBCller; \"\"Ole\"\".pdf\"\r\n";
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("Archiv/Zeugnisliste.csv"), test::AlsBytes(soll)));
  zweite.klasse = "BS 11a";
  EXPECT_EQ(LiesZeugnisliste("Archiv"), (std::vector<ZeugnislistenEintrag>{erste, zweite}));
  EXPECT_EQ(std::distance(fs::directory_iterator("Archiv"), fs::directory_iterator()), 1) << "no temporary file";
}

TEST_F(Zeugnisliste, AbgeschnitteneZeileZaehltNichtUndStoertKeineNeue) {
  fs::create_directory("Archiv");
  const std::string ganz = ZeugnislistenZeile(Eintrag("Alt", "ohne Druck"));
  const struct {
    std::string vorher, davor;  // what a crash left; what the next line is written behind
    std::size_t eintraege;      // read before the next line
    std::size_t nachher;        // read after it
  } faelle[] = {{kopf_ + ganz, "", 1, 2},
                {kopf_ + ganz + "07.12.2026 10:00:00;2026/20", "\r\n", 1, 2},
                {kopf_ + ganz.substr(0, ganz.size() - 1), "\r\n", 0, 2},
                // cut inside its file name: closed by the next line, still no entry
                {kopf_ + ganz.substr(0, ganz.size() - 6), "\r\n", 0, 1},
                {"", kopf_, 0, 1}};
  for (const auto& f : faelle) {
    test::SchreibeDatei("Archiv/Zeugnisliste.csv", test::AlsBytes(f.vorher));
    EXPECT_EQ(LiesZeugnisliste("Archiv").size(), f.eintraege) << f.vorher;
    HaengeAnZeugnisliste("Archiv", Eintrag("Neu", "ohne Druck"));
    const std::string neu = ZeugnislistenZeile(Eintrag("Neu", "ohne Druck"));
    EXPECT_TRUE(
        test::GleicheBytes(test::LiesDatei("Archiv/Zeugnisliste.csv"), test::AlsBytes(f.vorher + f.davor + neu)));
    EXPECT_EQ(LiesZeugnisliste("Archiv").size(), f.nachher) << f.vorher;
    EXPECT_EQ(LiesZeugnisliste("Archiv").back(), Eintrag("Neu", "ohne Druck"));
  }
}

// ---------------------------------------------------------------------------------------
// The copies after the prints, through a recording port

// Writes each copy as a small file under its name and keeps its drawing and metadata, or
// throws the error it is told to.
class AufzeichnendesArchiv : public ArchivPdf {
 public:
  bool Schreibe(const fs::path& datei, const PdfAAngaben& angaben,
                const std::function<void(DruckFlaeche&)>& zeichne) override {
    if (fehler) throw EAFehler(fehler);
    zeichnungen.emplace_back();
    zeichne(zeichnungen.back());
    fs::create_directories(datei.parent_path());
    test::SchreibeDatei(datei, test::AlsBytes("%PDF-1.4"));
    dateien.push_back(datei);
    metadaten.push_back(angaben);
    return true;
  }
  int fehler = 0;
  std::vector<fs::path> dateien;
  std::vector<PdfAAngaben> metadaten;
  std::deque<AufzeichnendeFlaeche> zeichnungen;
};

class Archivdruck : public test::SteuerungsTest {
 protected:
  void SetUp() override {
    SteuerungsTest::SetUp();
    for (std::size_t i = 0; i < 3; ++i) {
      S& s = steuerung.Zustand().Klasse->Schueler[i];
      s.Setze(S::Name, i == 0 ? "Adam" : i == 1 ? "Brandt" : "Celik");
      s.Setze(S::Vornamen, i == 0 ? "Anna" : i == 1 ? "Ben" : "Can");
      for (auto [feld, wert] : {std::pair{S::Klasse, "BS 11a"},
                                {S::SchuljahrVon, "2026"},
                                {S::SchuljahrBis, "2027"},
                                {S::Geburtsdatum, "01.02.2008"},
                                {S::Zeugnisdatum, "31.01.2027"}}) {
        s.Setze(feld, wert);
      }
      s.SetzeSchulart(0);
      s.SetzeZeugnisart(i == 2 ? 3 : 1);  // Celik: a transition report, which prints nowhere
    }
    steuerung.Druckeinstellungen().Satz().Druckart = 1;
    steuerung.Einstellungen().Satz().Verlag = 2;
    einstellungen.Satz() = {1, "Archiv"};
    einstellungen.Speichern();
    befehl.SetzeArchiv(&archiv);
    klasse.SetzeArchiv(&archiv);
  }

  AufzeichnendeFlaeche flaeche;
  test::SkriptSeitenAbfrage abfrage;
  TZeilenpuffer puffer;
  test::AufzeichnendeVorschau vorschau;
  test::FesteUhr uhr;
  ArchivEinstellungen einstellungen;
  AufzeichnendesArchiv pdf;
  Zeugnisarchiv archiv{steuerung.Druckkontext(), einstellungen, pdf, uhr, meldungen};
  Zeugnisbefehl befehl{steuerung.Druckkontext(), flaeche, meldungen, abfrage, puffer, vorschau};
  Klassenzeugnisbefehl klasse{steuerung.Druckkontext(), flaeche, meldungen, abfrage, puffer, vorschau};
};

TEST_F(Archivdruck, JederDruckEineKopieMitZeileNieUeberschrieben) {
  const std::string ort = "2026-2027/BS 11a/", kohlhammer = "Fachverl. f. Schulen / Kohlhammer (Schwerin)";
  Weisspapier weiss;
  const struct {
    std::function<void()> drucke;
    std::vector<std::string> dateien;
    std::string papier;
  } faelle[] = {
      {[&] { befehl.Zeugnis1Click(); }, {"Adam-Anna-Halbjahreszeugnis-2027-01-31.pdf"}, kohlhammer},
      {[&] { befehl.WeissesPapierClick(); }, {"Adam-Anna-Halbjahreszeugnis-2027-01-31-2.pdf"}, T("weißes Papier")},
      {[&] {
         klasse.Drucken({0, 1, 2});
       },
       {"Adam-Anna-Halbjahreszeugnis-2027-01-31-3.pdf", "Brandt-Ben-Halbjahreszeugnis-2027-01-31.pdf"},
       kohlhammer},
      {[&] {
         klasse.SetzePapier(weiss);
         klasse.Drucken({1});
       },
       {"Brandt-Ben-Halbjahreszeugnis-2027-01-31-2.pdf"},
       T("weißes Papier")},
      // printed from the preview windows
      {[&] {
         vorschau.druckenAusDerVorschau = true;
         befehl.ZeugnisVorschauClick();
       },
       {"Adam-Anna-Halbjahreszeugnis-2027-01-31-4.pdf"},
       kohlhammer},
      {[&] {
         klasse.Vorschau({1});
         vorschau.druckenAusDerVorschau = false;
       },
       {"Brandt-Ben-Halbjahreszeugnis-2027-01-31-3.pdf"},
       T("weißes Papier")},
  };
  std::vector<std::string> alle;
  for (const auto& f : faelle) {
    pdf.dateien.clear();
    f.drucke();
    ASSERT_EQ(pdf.dateien.size(), f.dateien.size()) << f.dateien[0];
    for (std::size_t i = 0; i < f.dateien.size(); ++i) {
      EXPECT_EQ(pdf.dateien[i], fs::path("Archiv/" + ort + f.dateien[i]));
      alle.push_back("07.12.2026 09:05:03;2026/2027;BS 11a;" + f.dateien[i].substr(0, f.dateien[i].find('-')) +
                     (f.dateien[i][0] == 'A' ? ";Anna" : ";Ben") + ";01.02.2008;Halbjahreszeugnis;31.01.2027;" +
                     f.papier + ";" + ort + f.dateien[i]);
    }
  }
  std::vector<std::string> liste;
  for (const auto& e : LiesZeugnisliste("Archiv")) liste.push_back(ZeugnislistenZeile(e));
  for (std::string& z : alle) z = Cp1252NachUtf8(z) + "\r\n";
  EXPECT_EQ(liste, alle);
  EXPECT_EQ(pdf.metadaten.back(), (PdfAAngaben{T("Halbjahreszeugnis – Ben Brandt"), ""}));
  EXPECT_TRUE(test::Gedruckt(test::KaestenAus(pdf.zeichnungen.back()), "Ben Brandt")) << "the report itself";

  // The preview, a print whose every page prompt was cancelled, and copies switched off:
  // no copy.
  pdf.dateien.clear();
  befehl.ZeugnisVorschauClick();
  klasse.Vorschau({0, 1});
  abfrage.antworten = {false, false};
  befehl.Zeugnis1Click();
  einstellungen.Satz().Archivkopie = 0;
  einstellungen.Speichern();
  befehl.WeissesPapierClick();
  EXPECT_TRUE(pdf.dateien.empty());
  EXPECT_TRUE(std::none_of(meldungen.protokoll.begin(), meldungen.protokoll.end(),
                           [](const auto& m) { return m.art == MeldungsArt::Warnung; }));
}

TEST_F(Archivdruck, FehlerNachDemDruckAlsWarnung) {
  const std::string datei = AnzeigePfad("Archiv/2026-2027/BS 11a/Adam-Anna-Halbjahreszeugnis-2027-01-31.pdf");
  const std::string nachsatz = T("\r\rDer Druck selbst ist davon nicht betroffen.");
  // The print stands; after its closing notice a "Warnung" names the file.
  flaeche.sitzungsende = {true, "/tmp/Zeugnis.pdf"};
  pdf.fehler = ea::ZugriffVerweigert;
  befehl.WeissesPapierClick();
  klasse.Drucken({0, 1});
  ASSERT_EQ(meldungen.protokoll.size(), 4u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Information);
  EXPECT_EQ(
      meldungen.protokoll[1].text,
      T("Die Archivkopie konnte nicht geschrieben werden:\rDateizugriff verweigert\r\rDatei: ") + datei + nachsatz);
  EXPECT_EQ(meldungen.protokoll[3].text.rfind(T("2 Archivkopien konnten nicht geschrieben werden:\rDateizugriff "
                                                "verweigert\r\rDateien:\r") +
                                                  datei + "\r",
                                              0),
            0u);
  EXPECT_TRUE(LiesZeugnisliste("Archiv").empty());

  // A list that takes no line; settings that cannot be read; a PDF file of the print that
  // could not be written (no copy, no word).
  pdf.fehler = 0;
  flaeche.sitzungsende = {};
  fs::create_directories("Archiv/Zeugnisliste.csv");
  const auto warnung = [&] {
    meldungen.protokoll.clear();
    befehl.WeissesPapierClick();
    return meldungen.protokoll.empty() ? std::string("(keine)") : meldungen.protokoll.back().text;
  };
  EXPECT_EQ(warnung().rfind(T("Die Liste der ausgegebenen Zeugnisse konnte nicht ergänzt werden:\r"), 0), 0u);
  fs::remove("ARCHIV.DAT");
  fs::create_directory("ARCHIV.DAT");
  EXPECT_NE(warnung().find(T("\r\rEs wurde keine Archivkopie geschrieben.") + nachsatz), std::string::npos);
  fs::remove("ARCHIV.DAT");
  einstellungen.Speichern();
  flaeche.sitzungsende = {false, {}};
  EXPECT_EQ(warnung(), "(keine)");
  EXPECT_EQ(pdf.dateien.size(), 1u);
}

TEST_F(Archivdruck, KopienDerKlasseOhneDruck) {
  einstellungen.Satz() = {0, "Schularchiv"};  // the command does not ask the check box
  einstellungen.Speichern();
  archiv.KlasseAnlegen();
  ASSERT_EQ(meldungen.protokoll.size(), 2u);
  EXPECT_EQ(meldungen.protokoll[0].text, T("Für 2 Zeugnisse der Klasse Archivkopien anlegen, ohne sie zu drucken?\r\r"
                                           "Archiv: ") +
                                             AnzeigePfad("Schularchiv"));
  EXPECT_EQ(meldungen.protokoll[1].text,
            "Es wurden 2 Archivkopien angelegt, im Ordner\r" + AnzeigePfad("Schularchiv/2026-2027/BS 11a"));
  EXPECT_TRUE(flaeche.aufrufe.empty()) << "nothing printed";
  const auto liste = LiesZeugnisliste("Schularchiv");
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(liste[1].papier, "ohne Druck");
  // "Nein" writes nothing; with nothing printable the box says so.
  meldungen.antworten = {Antwort::Nein};
  archiv.KlasseAnlegen();
  steuerung.Druckeinstellungen().Satz().Druckart = 0;
  archiv.KlasseAnlegen();
  EXPECT_EQ(meldungen.protokoll.back().text,
            T("In der Klasse ist kein Zeugnis, das gedruckt werden kann: Es wurde keine Archivkopie angelegt."));
  EXPECT_EQ(pdf.dateien.size(), 2u);
}

// The settings window is guarded by the configuration password, as the subject lists are.
TEST_F(Archivdruck, FensterNurMitKonfigurationspasswort) {
  EXPECT_TRUE(steuerung.Archiv());
  steuerung.Einstellungen().Satz().KonfigPasswort = "geheim";
  passwoerter.konfigPasswort = {std::string("falsch"), std::string("geheim")};
  EXPECT_FALSE(steuerung.Archiv());
  EXPECT_EQ(meldungen.protokoll.at(0).text, T("Sie sind nicht berechtigt im\rKonfigurationsbereich zu arbeiten!"));
  EXPECT_TRUE(steuerung.Archiv());
}

// ---------------------------------------------------------------------------------------
// The printed list

TEST_F(Archivdruck, ListeDerKlasseAlsTabelleMitSeitenzahlen) {
  Zeugnislistebefehl befehl{steuerung.Druckkontext(), flaeche, meldungen, vorschau, einstellungen, uhr};
  befehl.ListeClick();
  EXPECT_EQ(meldungen.protokoll.at(0).text.rfind(T("In der Liste der ausgegebenen Zeugnisse steht noch kein Zeugnis "
                                                   "der Klasse BS 11a, Schuljahr 2026/2027."),
                                                 0),
            0u);
  // 30 copies of the class, one of another class and one of another school year.
  S& adam = steuerung.Zustand().Klasse->Schueler[0];
  adam.Setze(S::Name, std::string(25, 'W'));
  for (int i = 0; i < 30; ++i) klasse.Drucken({0});
  adam.Setze(S::Klasse, "BS 12");
  klasse.Drucken({0});
  adam.Setze(S::Klasse, "BS 11a");
  adam.Setze(S::SchuljahrBis, "2028");
  klasse.Drucken({0});
  ASSERT_EQ(LiesZeugnisliste("Archiv").size(), 32u);

  for (Antwort antwort : {Antwort::Abbrechen, Antwort::Vorschau, Antwort::Drucken}) {
    steuerung.Zustand().AktuellerSchueler = 1;
    flaeche.aufrufe.clear();
    meldungen.protokoll.clear();
    meldungen.antworten = {antwort};
    befehl.ListeClick();
    EXPECT_EQ(meldungen.protokoll.at(0).knoepfe, Knoepfe::DruckenVorschauAbbrechen);
    EXPECT_EQ(meldungen.protokoll[0].text.rfind(
                  T("Liste der ausgegebenen Zeugnisse der Klasse BS 11a, Schuljahr 2026/2027: 30 Zeugnisse"), 0),
              0u);
    EXPECT_EQ(vorschau.namen.size(), antwort == Antwort::Abbrechen ? 0u : 1u);
    EXPECT_EQ(flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).size(), antwort == Antwort::Drucken ? 1u : 0u);
  }
  EXPECT_EQ(flaeche.sitzungen.back(), "Zeugnisliste-BS 11a");
  const auto k = test::KaestenAus(flaeche);
  EXPECT_TRUE(test::AlleImRand(k, 100));
  EXPECT_TRUE(test::KeineUeberlappung(k));
  EXPECT_EQ(ZeugnislisteProSeite(150), 24u);
  for (int seite : {1, 2}) {
    const auto texte = test::TexteDerSeite(k, seite);
    for (const std::string& t :
         {std::string("Liste der ausgegebenen Zeugnisse"), std::string("Zeugnisdatum"),
          "Seite " + std::to_string(seite) + " von 2", ProgrammMitVersion() + ", gedruckt am 07.12.2026"}) {
      EXPECT_NE(std::find(texte.begin(), texte.end(), t), texte.end()) << t;
    }
  }
  EXPECT_TRUE(test::TexteDerSeite(k, 3).empty());
  EXPECT_TRUE(test::Gedruckt(k, "30"));
  EXPECT_FALSE(test::Gedruckt(k, "31"));
  // A name wider than its column is cut with "…".
  EXPECT_TRUE(test::Gedruckt(k, AufBreite(std::string(25, 'W'), 0, 30, "Arial", 310)));
  EXPECT_EQ(AufBreite(std::string(25, 'W'), 0, 30, "Arial", 310).back(), '\x85');
}

}  // namespace
}  // namespace velmora
