// The archive copies through the real windows, offscreen: the window "Archiv" from the menu,
// a class print with the copies switched on (PDF/A-1b by its metadata, every font embedded,
// the words of the plain-paper print of the same student), and a copy whose program is
// killed while it writes it.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <csignal>

#include "app/fenster/MAIN.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "gui/modalesfenster.h"
#include "gui/pdfhauptfenster.h"
#include "gui/pdflesen.h"
#include "gui/pdfpruefen.h"
#include "print/pdfdatei.h"
#include "qtadapter/qtarchivpdf.h"
#include "reports/weisseszeugnis.h"
#include "settings/fenster/archiv.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

class Archiv : public PdfHauptfensterTest {
 protected:
  void SetUp() override {
    if (!PdfLesbar()) GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is missing";
    ArbeitsverzeichnisTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(ZeigeHauptfenster());
    for (std::size_t i = 0; i < 2; ++i) {
      S& s = fenster_->Steuerung().Zustand().Klasse->Schueler[i];
      s.Setze(S::Name, i == 0 ? T("Adam-Müller") : "Brandt");
      s.Setze(S::Vornamen, i == 0 ? "Anna" : "Ben");
      for (auto [feld, wert] : {std::pair{S::Klasse, "BS 11a"},
                                {S::SchuljahrVon, "2026"},
                                {S::SchuljahrBis, "2027"},
                                {S::Zeugnisdatum, "31.01.2027"}}) {
        s.Setze(feld, wert);
      }
      s.SetzeSchulart(0);
      s.SetzeZeugnisart(i == 0 ? 5 : 1);
      s.SetzeFach(0, TFachZeile::Fach, "Deutsch");
      s.SetzeFach(0, TFachZeile::Bewertung, "2");
    }
    fenster_->Steuerung().Schule().Satz().Setze(T("Berufsschule Süd"), "", "BS");
    fenster_->Steuerung().SchuldatenUebernommen();
    meldungen_.protokoll.clear();
  }
  // Opens "Einstellungen > Archiv..." and runs `tun` in the window.
  void ImArchivfenster(std::function<void(TArchivForm*)> tun) {
    bool gesehen = false;
    BeiModalemFenster<TArchivForm>([&](TArchivForm* w) {
      gesehen = true;
      tun(w);
    });
    Ausloesen("Archiv1");
    EXPECT_TRUE(gesehen);
  }
  static std::vector<std::string> Inhalt(const fs::path& ordner) {
    std::vector<std::string> namen;
    if (!fs::is_directory(ordner)) return namen;
    for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(NameAus(e.path().filename()));
    std::sort(namen.begin(), namen.end());
    return namen;
  }
};

TEST_F(Archiv, FensterAusDemMenueSchreibtNurBeimUebernehmen) {
  for (auto [name, text] : {std::pair{"Archiv1", "&Archiv..."},
                            {"ArchivkopieKlasse1", "Archiv&kopie der Klasse anlegen..."},
                            {"Zeugnisliste1", "Liste der &ausgegebenen Zeugnisse..."}}) {
    EXPECT_EQ(fenster_->Aktion(QString::fromLatin1(name))->text(), U(text));
    EXPECT_FALSE(fenster_->Aktion(QString::fromLatin1(name))->statusTip().isEmpty()) << name;
  }

  // Changed and cancelled: nothing written; changed and taken: the file, and the window
  // shows it when it opens again.
  for (const char* knopf : {"Abbrechen", "Uebernehmen"}) {
    ImArchivfenster([&](TArchivForm* w) {
      EXPECT_EQ(w->windowTitle(), U("Archiv"));
      auto* kopie = w->findChild<QCheckBox*>(QStringLiteral("Archivkopie"));
      auto* ordner = w->findChild<QLineEdit*>(QStringLiteral("Archivordner"));
      EXPECT_EQ(kopie->text(), U("&Archivkopie (PDF/A) bei jedem Zeugnisdruck"));
      EXPECT_FALSE(kopie->isChecked());
      EXPECT_EQ(ordner->text(), U("Archiv"));
      kopie->setChecked(true);
      ordner->setText(U("Schularchiv"));
      w->findChild<QPushButton*>(QString::fromLatin1(knopf))->click();
    });
  }
  ASSERT_TRUE(fs::exists("ARCHIV.DAT"));
  ImArchivfenster([](TArchivForm* w) {
    EXPECT_TRUE(w->findChild<QCheckBox*>(QStringLiteral("Archivkopie"))->isChecked());
    EXPECT_EQ(w->findChild<QLineEdit*>(QStringLiteral("Archivordner"))->text(), U("Schularchiv"));
    w->reject();
  });

  // The print of a report goes into the folder taken, with its line in the list.
  fenster_->Steuerung().Zustand().AktuellerSchueler = 1;
  Ausloesen("ZeugnisWeiss1");
  EXPECT_EQ(Inhalt("Schularchiv/2026-2027/BS 11a"),
            std::vector<std::string>{"Brandt-Ben-Halbjahreszeugnis-2027-01-31.pdf"});
  EXPECT_EQ(Inhalt("Schularchiv"), (std::vector<std::string>{"2026-2027", "Zeugnisliste.csv"}));

  // The class's copies without a print, from the menu: one for each student, the earlier
  // copy kept; then the list of the class printed from the menu, as a PDF with both lines.
  Ausloesen("ArchivkopieKlasse1");
  EXPECT_EQ(Inhalt("Schularchiv/2026-2027/BS 11a"),
            (std::vector<std::string>{T("Adam-Müller-Anna-Abschlusszeugnis-2027-01-31.pdf"),
                                      "Brandt-Ben-Halbjahreszeugnis-2027-01-31-2.pdf",
                                      "Brandt-Ben-Halbjahreszeugnis-2027-01-31.pdf"}));
  EXPECT_EQ(meldungen_.protokoll.back().art, MeldungsArt::Information) << meldungen_.protokoll.back().text;
  Ausloesen("Zeugnisliste1");
  std::string liste;
  for (const PdfWort& w : WoerterAus(fenster_->Druckflaeche().LetzteDatei().toStdU16String())) liste += w.text + " ";
  for (const char* wort : {"Brandt-Ben-Halbjahreszeugnis-2027-01-31-2.pdf", "Abschlusszeugnis", "ohne Druck"}) {
    EXPECT_NE(liste.find(wort), std::string::npos) << wort << "\n" << liste;
  }
}

TEST_F(Archiv, KlassendruckLegtPdfAKopienAn) {
  ArchivEinstellungen e;
  e.Satz().Archivkopie = 1;
  e.Speichern();
  fenster_->Klassenzeugnisse().Drucken({0, 1});
  const fs::path ordner = "Archiv/2026-2027/BS 11a";
  ASSERT_EQ(Inhalt(ordner), (std::vector<std::string>{T("Adam-Müller-Anna-Abschlusszeugnis-2027-01-31.pdf"),
                                                      "Brandt-Ben-Halbjahreszeugnis-2027-01-31.pdf"}));
  const fs::path kopie = ordner / Pfad(T("Adam-Müller-Anna-Abschlusszeugnis-2027-01-31.pdf"));

  // PDF/A-1b by its metadata, as the document information says.
  const std::string xmp = PdfXmp(kopie);
  EXPECT_EQ(XmpWert(xmp, "pdfaid:part"), "1") << xmp;
  EXPECT_EQ(XmpWert(xmp, "pdfaid:conformance"), "B");
  EXPECT_EQ(XmpWert(xmp, "dc:title"), "Abschlusszeugnis \xE2\x80\x93 Anna Adam-M\xC3\xBCller");
  EXPECT_EQ(XmpWert(xmp, "dc:creator"),
            "Berufsschule S\xC3\xBC"
            "d");
  const std::string info = PdfInfo(kopie);
  EXPECT_EQ(PdfInfoFeld(info, "Title"), XmpWert(xmp, "dc:title"));
  EXPECT_EQ(PdfInfoFeld(info, "Producer"), XmpWert(xmp, "pdf:Producer"));
  EXPECT_EQ(PdfInfoFeld(info, "CreationDate").substr(0, 19), XmpWert(xmp, "xmp:CreateDate").substr(0, 19));
  EXPECT_EQ(XmpWert(xmp, "xmp:CreateDate").size(), 20u + (XmpWert(xmp, "xmp:CreateDate").back() == 'Z' ? 0 : 5));
  // The PDF/A output intent (the colour space of the pages), which the metadata alone does not
  // give; and PDF 1.4, as PDF/A-1 asks.
  const Bytes roh = LiesDatei(kopie);
  EXPECT_NE(std::string(roh.begin(), roh.end()).find("/S/GTS_PDFA1"), std::string::npos);
  EXPECT_EQ(PdfInfoFeld(info, "PDF version"), "1.4");
  // Every font embedded.
  const std::vector<PdfSchrift> schriften = PdfSchriften(kopie);
  ASSERT_FALSE(schriften.empty());
  for (const PdfSchrift& s : schriften) EXPECT_TRUE(s.eingebettet) << s.name;

  // Its words are those of the plain-paper print of the same student, at the same places.
  const std::vector<PdfWort> archiviert = WoerterAus(kopie);
  fenster_->Steuerung().Zustand().AktuellerSchueler = 0;
  Ausloesen("ZeugnisWeiss1");
  const std::vector<PdfWort> gedruckt = WoerterAus(fenster_->Druckflaeche().LetzteDatei().toStdU16String());
  ASSERT_EQ(archiviert.size(), gedruckt.size());
  ASSERT_GT(archiviert.size(), 30u);
  for (std::size_t i = 0; i < gedruckt.size(); ++i) {
    EXPECT_EQ(archiviert[i].text, gedruckt[i].text);
    EXPECT_EQ(archiviert[i].seite, gedruckt[i].seite);
    EXPECT_NEAR(archiviert[i].xMin, gedruckt[i].xMin, 0.05) << gedruckt[i].text;
    EXPECT_NEAR(archiviert[i].yMax, gedruckt[i].yMax, 0.05) << gedruckt[i].text;
  }
}

// A program killed while it writes a copy leaves no file under the copy's name, only its
// temporary file, which the next copy into that folder removes.
TEST_F(Archiv, GetoeteteKopieLaesstKeineDateiUnterIhremNamen) {
#ifdef _WIN32
  GTEST_SKIP() << "kills a forked copy of the test program, which Windows cannot fork";
#else
  const fs::path datei = fs::absolute("Archiv/2026-2027/BS 11a/Brandt-Ben-Halbjahreszeugnis-2027-01-31.pdf");
  const TKlassenDatei& klasse = *fenster_->Steuerung().Zustand().Klasse;
  const TDruckEinstellungen druck;
  auto zeichne = [&](DruckFlaeche& f, bool toeten) {
    StilleMeldungen still;
    WeissTabellenVorrat tabellen(still);
    const WeissKontext k{f, druck, "Berufsschule", tabellen};
    f.BeginneDokument("Kopie");
    DruckeWeissesZeugnis(k, klasse, 1);
    f.NeueSeite();  // the first page is in the file
    if (toeten) std::raise(SIGKILL);
    DruckeWeissesZeugnis(k, klasse, 1);
    f.BeendeDokument();
  };
  const pid_t kind = fork();
  ASSERT_GE(kind, 0);
  if (kind == 0) {
    QtArchivPdf pdf;
    pdf.Schreibe(datei, {"Kopie", "Schule"}, [&](DruckFlaeche& f) { zeichne(f, true); });
    _exit(0);  // not reached
  }
  int status = 0;
  ASSERT_EQ(waitpid(kind, &status, 0), kind);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
  const std::vector<std::string> danach = Inhalt(datei.parent_path());
  ASSERT_EQ(danach, std::vector<std::string>{NameAus(datei.filename()) + ".velmora-neu"});
  EXPECT_FALSE(PdfVollstaendig(LiesDatei(datei.parent_path() / danach[0]))) << "cut off in the middle";

  QtArchivPdf pdf;
  ASSERT_TRUE(pdf.Schreibe(datei, {"Kopie", "Schule"}, [&](DruckFlaeche& f) { zeichne(f, false); }));
  EXPECT_EQ(Inhalt(datei.parent_path()), std::vector<std::string>{NameAus(datei.filename())});
  EXPECT_TRUE(PdfVollstaendig(LiesDatei(datei)));
  EXPECT_EQ(PdfInfoFeld(PdfInfo(datei), "Pages"), "2");
#endif
}

}  // namespace
}  // namespace velmora::test
