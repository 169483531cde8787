// The files of the report on plain paper that the school edits: the closing statements
// ZEUGNISVERMERKE.TXT with the fields filled from the record, the head SCHULKOPF.TXT, the
// logo and the check of its image file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/beispiele.h"
#include "common/testbilder.h"
#include "print/bildkopf.h"
#include "reports/schulkopf.h"
#include "reports/zeugnisvermerke.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

// Every warning holds each of the `teile`, in one of the warnings.
::testing::AssertionResult WarntMit(const std::vector<std::string>& warnungen, const std::vector<std::string>& teile) {
  for (const std::string& t : teile) {
    const bool da = std::any_of(warnungen.begin(), warnungen.end(),
                                [&](const std::string& w) { return w.find(t) != std::string::npos; });
    if (!da) return ::testing::AssertionFailure() << "no warning names '" << t << "'";
  }
  return ::testing::AssertionSuccess();
}

TEST(Zeugnisvermerke, FelderAusDemDatensatzLeereFelderNehmenEinLeerzeichenMit) {
  struct Fall {
    const char* was;
    std::function<void(S&)> aendere;
    std::string absatz, soll;
  };
  const std::string abschluss = VorgabeAbschlussvermerk(), abgang = VorgabeAbgangsvermerk();
  const std::vector<Fall> faelle = {
      {"default final report, Frau", [](S&) {}, abschluss,
       T("Frau Anna-Katharina Josefine Müller-Lüdenscheidt hat die Berufsschule im Ausbildungsberuf Elektronikerin "
         "für Energie- und Gebäudetechnik (IHK/HWK) besucht und erfolgreich abgeschlossen.")},
      {"default leaving report, Herr", [](S& s) { s.SetzeAnrede(1); }, abgang,
       T("Herr Anna-Katharina Josefine Müller-Lüdenscheidt hat die Berufsschule am 15.07.2026 verlassen.")},
      {"Fräulein", [](S& s) { s.SetzeAnrede(3); }, "<Anrede> <Name>", T("Fräulein Müller-Lüdenscheidt")},
      {"no Anrede: the sentence begins with the first names", [](S& s) { s.SetzeAnrede(0); }, abgang,
       T("Anna-Katharina Josefine Müller-Lüdenscheidt hat die Berufsschule am 15.07.2026 verlassen.")},
      {"Anrede outside 0..3 is none", [](S& s) { s.SetzeAnrede(7); }, "<Anrede> <Vornamen>.",
       "Anna-Katharina Josefine."},
      {"an empty field before a full stop takes the blank before it",
       [](S& s) { s.Setze(S::Ausschulungsdatum, "  .  .    "); }, abgang,
       T("Frau Anna-Katharina Josefine Müller-Lüdenscheidt hat die Berufsschule am verlassen.")},
      {"fields in any case, blanks around values dropped, every field", [](S& s) { s.Setze(S::Klasse, "  BS 11  "); },
       "<klasse>|<SCHULJAHR>|<Geburtsdatum>|<Geburtsort>|<Wohnort>|<Fachrichtung>|<Schwerpunkt>|<Einschulungsdatum>|"
       "<Durchschnittsnote>|<Zeugnisort>|<Zeugnisdatum>",
       T("BS 11|2026/2027|29.02.2008|Bad Münstereifel-Schönau an der Brend|Villingen-Schwenningen|Elektrotechnik / "
         "Energie- und Gebäudetechnik, Teilzeitform|Automatisierungstechnik in der Gebäudesystemintegration|"
         "01.09.2023|2,3|Villingen-Schwenningen|31.01.2027")},
      {"one year of the school year alone", [](S& s) { s.Setze(S::SchuljahrBis, ""); }, "Schuljahr <Schuljahr>",
       "Schuljahr 2026"},
      {"a placeholder and a dash are empty",
       [](S& s) {
         s.Setze(S::Berufsbezeichnung, std::string(kLeereZeile));
         s.Setze(S::Durchschnittsnote, "-");
       },
       "im Beruf <Beruf> mit <Durchschnittsnote> Punkten", "im Beruf mit Punkten"},
      {"unknown fields and angle brackets that are no field stay as they are", [](S&) {},
       "<Name> <Klassenlehrer> <1a> a < b > c <> <Name",
       T("Müller-Lüdenscheidt <Klassenlehrer> <1a> a < b > c <> <Name")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    S satz = test::VollstaendigerSchueler(5);
    f.aendere(satz);
    EXPECT_EQ(FuelleVermerk(f.absatz, satz), f.soll);
  }
  EXPECT_EQ(UnbekannteFelder({"<Name> <Klassenlehrer> <1a>", "<klassenlehrer> <Klassenlehrer> <Beruf_2>"}),
            (std::vector<std::string>{"<Klassenlehrer>", "<1a>", "<klassenlehrer>", "<Beruf_2>"}));
}

class ZeugnisvermerkDateien : public test::ArbeitsverzeichnisTest {};

// Makes `name` a file that exists but cannot be read; false where this system cannot.
bool MacheUnlesbar(const char* name) {
  std::error_code f;
#ifdef __linux__
  fs::create_symlink("/proc/self/mem", name, f);  // reading at offset 0 fails with EIO, also as root
#else
  test::SchreibeDatei(name, test::AlsBytes("x"));
  fs::permissions(name, fs::perms::none, f);
#endif
  const bool unlesbar = test::FehlerNummer([&] { LiesTextZeilen(name); }) != -1;
  // Windows reads a file without permissions (read-only) but does not delete it.
  if (!unlesbar) fs::permissions(name, fs::perms::owner_all, f);
  return unlesbar;
}

TEST_F(ZeugnisvermerkDateien, VorgabenEigeneAbschnitteUndWasNichtGelesenWerdenKann) {
  const TZeugnisvermerke vorgaben;
  struct Fall {
    const char* was;
    std::function<bool()> lege;  // false: this system cannot build the case
    std::vector<std::string> abschluss, abgang;
    std::vector<std::string> warnungen;  // parts the warnings name; none: no warning
  };
  const auto datei = [](std::vector<std::string> zeilen) {
    return [zeilen] {
      SchreibeTextZeilen(kVermerkeDatei, zeilen);
      return true;
    };
  };
  const std::vector<Fall> faelle = {
      {"missing: written with the defaults", [] { return true; }, vorgaben.Abschluss, vorgaben.Abgang, {}},
      {"the program's own file reads as the defaults",
       datei(ZeugnisvermerkDateizeilen()),
       vorgaben.Abschluss,
       vorgaben.Abgang,
       {}},
      {"paragraphs, joined lines, remarks, any case of the headers",
       datei({"; Anmerkung", "[abschlusszeugnis]", "  Erster Satz,", "\tzweite Zeile.  ", "; mitten drin", "", "",
              "Gleichwertig: Hauptschulabschluss.", "[ABGANGSZEUGNIS]", "Abgang <Name>."}),
       {"Erster Satz, zweite Zeile.", "Gleichwertig: Hauptschulabschluss."},
       {"Abgang <Name>."},
       {}},
      {"an empty section prints nothing, a missing one keeps the default",
       datei({"[Abgangszeugnis]", "", "; nichts"}),
       vorgaben.Abschluss,
       {},
       {}},
      {"unknown section and text before the first section are named",
       datei({"Zeugnisvermerke", "[Abschlusszeugnis]", "A.", "[Halbjahreszeugnis]", "H.", "[Abschlusszeugnis]", "B."}),
       {"A.", "B."},
       vorgaben.Abgang,
       {"Zeile 1 in ZEUGNISVERMERKE.TXT", T("„[Halbjahreszeugnis]“")}},
      {"UTF-8 with byte order mark, characters outside code page 1252 replaced",
       [] {
         test::SchreibeDatei(kVermerkeDatei, test::AlsBytes("\xEF\xBB\xBF[Abschlusszeugnis]\r\n"
                                                            "Gr\xC3\xBC\xC3\x9F"
                                                            "e an Ay\xC5\x9F"
                                                            "e.\r\n"));
         return true;
       },
       {T("Grüße an Ayse.")},
       vorgaben.Abgang,
       {T("Zeichen, die Velmora nicht drucken kann")}},
      {"missing and cannot be written: defaults and a warning",
       [] { return fs::create_directory(kVermerkeDatei); },
       vorgaben.Abschluss,
       vorgaben.Abgang,
       {"ZEUGNISVERMERKE.TXT fehlt und kann nicht angelegt werden", "mit den Vorgaben"}},
      {"cannot be read: defaults and a warning naming the file",
       [] { return MacheUnlesbar(kVermerkeDatei); },
       vorgaben.Abschluss,
       vorgaben.Abgang,
       {"ZEUGNISVERMERKE.TXT kann nicht gelesen werden", "mit den Vorgaben"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    std::error_code weg;
    fs::remove_all(kVermerkeDatei, weg);
    if (!f.lege()) {
      std::cout << "skipped on this system: " << f.was << "\n";
      continue;
    }
    std::vector<std::string> warnungen;
    const TZeugnisvermerke v = LadeZeugnisvermerke(warnungen);
    EXPECT_EQ(v.Abschluss, f.abschluss);
    EXPECT_EQ(v.Abgang, f.abgang);
    EXPECT_EQ(v.Fuer(Zeugnistyp::Abschluss), f.abschluss);
    EXPECT_TRUE(v.Fuer(Zeugnistyp::Halbjahr).empty() && v.Fuer(Zeugnistyp::Jahr).empty());
    EXPECT_TRUE(WarntMit(warnungen, f.warnungen));
    EXPECT_EQ(warnungen.empty(), f.warnungen.empty()) << (warnungen.empty() ? "" : warnungen.front());
  }
  // The file written where it was missing: code page 1252, CR LF, the two sections with the
  // default texts, the fields explained in remarks.
  fs::remove_all(kVermerkeDatei);
  std::vector<std::string> warnungen;
  LadeZeugnisvermerke(warnungen);
  const std::string roh(reinterpret_cast<const char*>(test::LiesDatei(kVermerkeDatei).data()),
                        test::LiesDatei(kVermerkeDatei).size());
  EXPECT_NE(roh.find("[Abschlusszeugnis]\r\n" + VorgabeAbschlussvermerk() + "\r\n"), std::string::npos);
  EXPECT_NE(roh.find("[Abgangszeugnis]\r\n" + VorgabeAbgangsvermerk() + "\r\n"), std::string::npos);
  EXPECT_NE(roh.find(T("weißem Papier")), std::string::npos) << "code page 1252";
  for (const std::string& feld : VermerkFelder()) EXPECT_NE(roh.find(feld), std::string::npos) << feld;
  EXPECT_EQ(std::count(roh.begin(), roh.end(), '\n'), std::count(roh.begin(), roh.end(), '\r'));

  // An unknown field: named with its section, the known fields listed.
  TZeugnisvermerke mitFehler;
  mitFehler.Abgang = {"<Anrede> <Name> verlies uns am <Abgangsdatum>, <Datum>."};
  EXPECT_TRUE(UnbekannteFelderWarnung(mitFehler, Zeugnistyp::Abschluss).empty());
  EXPECT_TRUE(WarntMit({UnbekannteFelderWarnung(mitFehler, Zeugnistyp::Abgang)},
                       {"[Abgangszeugnis]", "<Abgangsdatum>, <Datum>", "<Ausschulungsdatum>"}));
}

TEST_F(ZeugnisvermerkDateien, SchulkopfUndLogo) {
  // SCHULKOPF.TXT: missing, it is written empty and the head is the report name.
  std::vector<std::string> warnungen;
  EXPECT_EQ(LadeSchulkopf(warnungen), TSchulkopf{});
  EXPECT_TRUE(warnungen.empty());
  EXPECT_TRUE(test::LiesDatei(kSchulkopfDatei).empty());
  // Lines without the blanks around them; empty lines and remarks do not count; three at most.
  const std::vector<std::string> zeilen = {
      "", "; Kopf", "  Berufsschule am See ", "\tSeestr. 1, 12345 Seestadt", "", "Schulnummer 4711", "Vierte Zeile"};
  EXPECT_EQ(LiesSchulkopfZeilen(zeilen, warnungen),
            (std::vector<std::string>{"Berufsschule am See", "Seestr. 1, 12345 Seestadt", "Schulnummer 4711"}));
  EXPECT_TRUE(WarntMit(warnungen, {"SCHULKOPF.TXT hat mehr als drei Zeilen"}));

  // The logo: the PNG before the JPEG, the name in any case; one that cannot be printed is
  // named in a warning and left out.
  struct Fall {
    const char* was;
    std::vector<std::pair<std::string, Bytes>> dateien;
    std::optional<TSchullogo> logo;
    std::string warnung;
  };
  const std::vector<Fall> faelle = {
      {"no logo", {}, std::nullopt, ""},
      {"a PNG in lower case", {{"schullogo.png", test::PngBild(30, 12)}}, TSchullogo{"schullogo.png", 30, 12}, ""},
      {"PNG before JPEG",
       {{"SCHULLOGO.JPG", test::JpegGeruest(40, 40)}, {"SCHULLOGO.PNG", test::PngBild(8, 16)}},
       TSchullogo{"SCHULLOGO.PNG", 8, 16},
       ""},
      {"a JPEG under .JPEG",
       {{"Schullogo.jpeg", test::JpegGeruest(640, 480)}},
       TSchullogo{"Schullogo.jpeg", 640, 480},
       ""},
      {"not an image",
       {{"SCHULLOGO.PNG", test::AlsBytes("Logo")}},
       std::nullopt,
       "Das Schullogo SCHULLOGO.PNG kann nicht gedruckt werden: es ist kein PNG- oder JPEG-Bild"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    for (const char* alt : {"schullogo.png", "SCHULLOGO.PNG", "SCHULLOGO.JPG", "Schullogo.jpeg"}) fs::remove(alt);
    for (const auto& [name, inhalt] : f.dateien) test::SchreibeDatei(name, inhalt);
    SchreibeTextZeilen(kSchulkopfDatei, {"Berufsschule am See"});
    warnungen.clear();
    const TSchulkopf kopf = LadeSchulkopf(warnungen);
    EXPECT_EQ(kopf.Zeilen, std::vector<std::string>{"Berufsschule am See"});
    EXPECT_EQ(kopf.Logo, f.logo);
    if (f.warnung.empty()) {
      EXPECT_TRUE(warnungen.empty());
    } else {
      EXPECT_TRUE(WarntMit(warnungen, {f.warnung, "ohne Logo"}));
      EXPECT_EQ(warnungen.size(), 1u);
    }
  }
}

TEST(Bildkopf, GroesseUndObDasBildGedrucktWerdenKann) {
  const Bytes png = test::PngBild(300, 120);
  const Bytes jpeg = test::JpegGeruest(1024, 768);
  const auto geaendert = [](Bytes b, std::size_t stelle, std::uint8_t wert) {
    b.at(stelle) = wert;
    return b;
  };
  const auto gekuerzt = [](Bytes b, std::size_t weg) {
    b.resize(b.size() - weg);
    return b;
  };
  const std::string kaputt = T("die Datei ist unvollständig oder beschädigt");
  struct Fall {
    const char* was;
    Bytes inhalt;
    std::optional<BildKopf> kopf;
    std::string fehler;
  };
  // Offsets in the PNG: signature 8, IHDR length 4 and type 4, width at 16, height at 20,
  // bit depth 24, colour type 25; its CRC at 29.
  const std::vector<Fall> faelle = {
      {"PNG", png, BildKopf{Bildformat::Png, 300, 120}, ""},
      {"PNG of many stored blocks", test::PngBild(200, 200), BildKopf{Bildformat::Png, 200, 200}, ""},
      {"JPEG baseline", jpeg, BildKopf{Bildformat::Jpeg, 1024, 768}, ""},
      {"JPEG progressive", test::JpegGeruest(16, 9, 0xC2), BildKopf{Bildformat::Jpeg, 16, 9}, ""},
      {"empty", {}, std::nullopt, "es ist kein PNG- oder JPEG-Bild"},
      {"text", test::AlsBytes("GIF89a"), std::nullopt, "es ist kein PNG- oder JPEG-Bild"},
      {"PNG with a wrong checksum", geaendert(png, 29, png[29] ^ 1), std::nullopt, kaputt},
      {"PNG whose data were changed", geaendert(png, 60, png[60] ^ 0x40), std::nullopt, kaputt},
      {"PNG without its end", gekuerzt(png, 12), std::nullopt, kaputt},
      {"PNG cut in a chunk", gekuerzt(png, 20), std::nullopt, kaputt},
      {"PNG with a bit depth of 3", geaendert(png, 24, 3), std::nullopt, kaputt},
      {"PNG 6001 pixels wide", test::PngBild(6001, 1), std::nullopt,
       T("das Bild ist größer als 6000 × 6000 Bildpunkte")},
      {"PNG of width 0", test::PngBild(0, 5), std::nullopt, kaputt},
      {"JPEG without its end marker", gekuerzt(jpeg, 2), std::nullopt, kaputt},
      {"JPEG cut in a segment", gekuerzt(jpeg, static_cast<std::size_t>(jpeg.size() - 12)), std::nullopt, kaputt},
      {"JPEG with 12 bits", test::JpegGeruest(16, 16, 0xC0, 12), std::nullopt,
       "diese Art von JPEG-Bild kann Velmora nicht drucken"},
      {"JPEG lossless", test::JpegGeruest(16, 16, 0xC3), std::nullopt,
       "diese Art von JPEG-Bild kann Velmora nicht drucken"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    const BildPruefung p = PruefeBild(f.inhalt);
    EXPECT_EQ(p.kopf, f.kopf);
    EXPECT_EQ(p.fehler, f.fehler);
  }
}

}  // namespace
}  // namespace velmora
