// The PDF files of the prints through the real main window, offscreen: the closing notice
// with the file's full path and its folder button, "Datei > Ausdrucke-Ordner öffnen", a
// folder "Ausdrucke" that cannot be made, a disk that runs full while a PDF is written, and
// the temporary name a killed print leaves behind.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <csignal>
#include <functional>

#include "app/fenster/MAIN.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "gui/modalesfenster.h"
#include "gui/pdfhauptfenster.h"
#include "gui/pdflesen.h"
#include "qtadapter/qtmeldungen.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

class Ausdrucke : public PdfHauptfensterTest {
 protected:
  void SetUp() override {
    if (!PdfLesbar()) GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is missing";
    ArbeitsverzeichnisTest::SetUp();
    // No file manager starts in a test: the folder to show is noted.
    ASSERT_NO_FATAL_FAILURE(ZeigeHauptfenster([this] {
      fenster_->Druckflaeche().oeffneUrl = [this](const QUrl& url) {
        gezeigteOrdner_.push_back(url.toLocalFile());
        return ordnerZeigbar_;
      };
    }));
    for (std::size_t i = 0; i < 2; ++i) {
      S& s = fenster_->Steuerung().Zustand().Klasse->Schueler[i];
      s.Setze(S::Name, i == 0 ? "Adam" : "Brandt");
      s.Setze(S::Vornamen, i == 0 ? "Anna" : "Ben");
      s.Setze(S::Klasse, "BS 11a");
      s.SetzeSchulart(0);
      s.SetzeZeugnisart(1);
    }
    meldungen_.protokoll.clear();
  }
  static std::string Absolut(const fs::path& p) {
    return K(QDir::toNativeSeparators(QFileInfo(QString::fromStdString(p.string())).absoluteFilePath()));
  }
  static std::vector<std::string> Inhalt(const fs::path& ordner) {
    std::vector<std::string> namen;
    if (!fs::is_directory(ordner)) return namen;
    for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }
  bool KeineInformationNachDemFehler() const {
    bool fehler = false;
    for (const auto& m : meldungen_.protokoll) {
      if (m.art == MeldungsArt::Fehler) fehler = true;
      if (fehler && m.art == MeldungsArt::Information) return false;
    }
    return fehler;
  }

  std::vector<QString> gezeigteOrdner_;
  bool ordnerZeigbar_ = true;
};

// A print into a file ends with an "Information" box naming the file with its full path;
// "Ordner öffnen" shows the folder that holds it. (The texts of the other commands' notices
// are checked with their prints.)
TEST_F(Ausdrucke, AbschlussNenntDieDateiMitPfadUndZeigtIhrenOrdner) {
  meldungen_.antworten = {Antwort::OrdnerOeffnen};
  Ausloesen("Testblatt1");
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  const FakeMeldungen::Eintrag& abschluss = meldungen_.protokoll[0];
  const std::string datei = Absolut(fenster_->Druckflaeche().LetzteDatei().toStdString());
  EXPECT_EQ(abschluss.art, MeldungsArt::Information);
  EXPECT_EQ(abschluss.knoepfe, Knoepfe::OkOrdnerOeffnen);
  EXPECT_EQ(abschluss.text, T("Der Ausdruck wurde gespeichert in der Datei\r") + datei);
  EXPECT_TRUE(fs::path(datei).is_absolute());
  EXPECT_EQ(gezeigteOrdner_, std::vector<QString>{QDir::current().absoluteFilePath(QStringLiteral("Ausdrucke"))});
}

// The box's buttons as the user sees them: "OK" answers OK (also Return and Esc), the
// second button "&Ordner öffnen".
TEST_F(Ausdrucke, AbschlussboxHatOkUndOrdnerOeffnen) {
  QtMeldungen echt(fenster_.get());
  for (const bool ordner : {true, false}) {
    QStringList knoepfe;
    BeiModalemFenster<QMessageBox>([&](QMessageBox* box) {
      EXPECT_EQ(box->windowTitle(), U("Information"));
      for (QAbstractButton* k : box->buttons()) knoepfe << k->text();
      if (ordner) {
        for (QAbstractButton* k : box->buttons()) {
          if (k->text() == U("&Ordner öffnen")) k->click();
        }
      } else {
        QTest::keyClick(box, Qt::Key_Escape);
      }
    });
    const Antwort a = echt.Zeige(MeldungsArt::Information, "x", Knoepfe::OkOrdnerOeffnen);
    EXPECT_EQ(a, ordner ? Antwort::OrdnerOeffnen : Antwort::Ok);
    EXPECT_EQ(knoepfe, (QStringList{U("OK"), U("&Ordner öffnen")}));
  }
}

TEST_F(Ausdrucke, MenueOeffnetDenOrdnerLegtIhnAnOderSagtWarumNicht) {
  QAction* a = fenster_->Aktion(QStringLiteral("AusdruckeOrdner1"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(), U("Ausdrucke-&Ordner öffnen"));
  EXPECT_TRUE(fenster_->findChild<QMenu*>(QStringLiteral("MenueDatei"))->actions().contains(a));
  a->showStatusText(fenster_.get());
  EXPECT_EQ(fenster_->Statusfeld(0).text(), U("den Ordner Ausdrucke mit den PDF-Dateien der Ausdrucke öffnen"));

  const QString ordner = QDir::current().absoluteFilePath(QStringLiteral("Ausdrucke"));
  struct Fall {
    const char* name;
    bool dateiImWeg;
    bool zeigbar;
    std::string meldung;  // the start of the "Fehler" box, empty: none
  };
  const Fall faelle[] = {
      {"missing: made and shown", false, true, ""},
      {"no file manager", false, false, T("Der Ordner\r") + Absolut("Ausdrucke") + T("\rkann nicht geöffnet werden")},
      {"a file in the way", true, true, T("Der Ordner für die Ausdrucke kann nicht angelegt werden:\r")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    meldungen_.protokoll.clear();
    gezeigteOrdner_.clear();
    ordnerZeigbar_ = f.zeigbar;
    if (f.dateiImWeg) {
      fs::remove_all("Ausdrucke");
      SchreibeDatei("Ausdrucke", AlsBytes("kein Ordner"));
    }
    a->trigger();
    if (f.meldung.empty()) {
      EXPECT_TRUE(meldungen_.protokoll.empty());
    } else {
      ASSERT_EQ(meldungen_.protokoll.size(), 1u);
      EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Fehler);
      EXPECT_EQ(meldungen_.protokoll[0].text.rfind(f.meldung, 0), 0u) << meldungen_.protokoll[0].text;
      EXPECT_NE(meldungen_.protokoll[0].text.find(Absolut("Ausdrucke")), std::string::npos) << "names the folder";
    }
    EXPECT_EQ(gezeigteOrdner_.size(), f.dateiImWeg ? 0u : 1u);
    if (!f.dateiImWeg) {
      EXPECT_EQ(gezeigteOrdner_[0], ordner);
      EXPECT_TRUE(fs::is_directory("Ausdrucke"));
    }
  }
}

// A file named "Ausdrucke" where the folder belongs: the message names the folder (not the
// printer), no file is written, and no closing notice follows.
TEST_F(Ausdrucke, OrdnerAlsDateiWirdGenanntNichtDerDrucker) {
  SchreibeDatei("Ausdrucke", AlsBytes("kein Ordner"));
  fenster_->Klassenzeugnisse().Drucken({0, 1});
  ASSERT_FALSE(meldungen_.protokoll.empty());
  const FakeMeldungen::Eintrag& fehler = meldungen_.protokoll.back();
  EXPECT_EQ(fehler.art, MeldungsArt::Fehler);
  EXPECT_EQ(fehler.text, T("Der Ordner für die Ausdrucke kann nicht angelegt werden:\rDateizugriff verweigert\r"
                           "An seiner Stelle steht eine Datei mit demselben Namen.\r\rOrdner: ") +
                             Absolut("Ausdrucke"));
  EXPECT_TRUE(KeineInformationNachDemFehler());
  EXPECT_EQ(LiesDatei("Ausdrucke"), AlsBytes("kein Ordner"));
}

// The disk runs full while the PDF is written (a file size limit makes the writes fail as a
// full disk does): the file is not there, not even half, the "Fehler" box names it with the
// message of a full disk, and no command says that it printed.
TEST_F(Ausdrucke, VollePlatteGibtKeinePdfDateiUndKeinenErfolg) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a file size limit (setrlimit) to fill the disk, which Windows lacks";
#else
  struct Fall {
    const char* name;
    std::function<void()> drucke;
  };
  const Fall faelle[] = {
      {"Zeugnisse der Klasse",
       [this] {
         fenster_->Klassenzeugnisse().Drucken({0, 1});
       }},
      {"Zeugnis", [this] { Ausloesen("Zeugnis1"); }},
      {"Zeugnis auf weißes Papier", [this] { Ausloesen("ZeugnisWeiss1"); }},
      {"Testblatt", [this] { Ausloesen("Testblatt1"); }},
  };
  // Once in full: the tables the prints create are written before the disk is full.
  for (const Fall& f : faelle) f.drucke();
  fs::remove_all("Ausdrucke");
  fs::create_directory("Ausdrucke");

  rlimit vorher{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
  auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit eng = vorher;
  eng.rlim_cur = 6 * 1024;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    meldungen_.protokoll.clear();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
    f.drucke();
    setrlimit(RLIMIT_FSIZE, &vorher);
    EXPECT_TRUE(Inhalt("Ausdrucke").empty()) << "neither the file nor its temporary file";
    ASSERT_FALSE(meldungen_.protokoll.empty());
    const FakeMeldungen::Eintrag& fehler = meldungen_.protokoll.back();
    EXPECT_EQ(fehler.art, MeldungsArt::Fehler);
    EXPECT_EQ(fehler.text.rfind(T("Der Ausdruck konnte nicht gespeichert werden:\rZu wenig Speicherplatz\r\rDatei: ") +
                                    Absolut("Ausdrucke") + K(QDir::separator()),
                                0),
              0u)
        << fehler.text;
    EXPECT_EQ(fehler.text.find("gedruckt"), std::string::npos);
    EXPECT_TRUE(KeineInformationNachDemFehler());
  }
  std::signal(SIGXFSZ, altesSignal);
#endif
}

// A print killed while it writes: until the file is complete only its temporary file is
// there, never a file under the final name; the next print into the folder removes what a
// killed one left.
TEST_F(Ausdrucke, GetoeteterDruckLaesstKeineDateiUnterDemEndgueltigenNamen) {
  fs::create_directory("Ausdrucke");
  SchreibeDatei("Ausdrucke/Zeugnisse-BS 11a-20260107-120000.pdf.velmora-neu", AlsBytes("%PDF-1.4\nabgebrochen"));
  // The temporary file of a class file's save is none of the printer's business.
  SchreibeDatei("Ausdrucke/KLASSE.VLM.velmora-neu", AlsBytes("einzige Kopie"));
  std::vector<std::vector<std::string>> waehrendDesDrucks;
  meldungen_.beimZeigen = [&](const FakeMeldungen::Eintrag& e) {
    // The second page prompt comes while the first page is in the file: killed here, this
    // is what stays.
    if (e.text.find("Seite(n) 2 von 2") != std::string::npos) waehrendDesDrucks.push_back(Inhalt("Ausdrucke"));
  };
  fenster_->Klassenzeugnisse().Drucken({0, 1});
  meldungen_.beimZeigen = nullptr;

  ASSERT_EQ(waehrendDesDrucks.size(), 1u);
  ASSERT_EQ(waehrendDesDrucks[0].size(), 2u) << "the leftover of the killed print is gone";
  const std::string teil = waehrendDesDrucks[0][1];
  EXPECT_TRUE(teil.size() > 16 && teil.substr(teil.size() - 16) == ".pdf.velmora-neu") << teil;
  const std::string fertig = teil.substr(0, teil.size() - 12);
  EXPECT_EQ(Inhalt("Ausdrucke"), (std::vector<std::string>{"KLASSE.VLM.velmora-neu", fertig}));
  EXPECT_EQ(LiesPdf(fs::path("Ausdrucke") / fertig).size(), 4u) << "two form pages for two students";
}

}  // namespace
}  // namespace velmora::test
