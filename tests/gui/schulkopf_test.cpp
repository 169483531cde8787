// The school's head from SCHULKOPF.TXT, its logo and the closing statement through the real
// main window, offscreen: "Zeugnis auf weißes Papier" writes a PDF whose words and logo stand
// where the layout puts them, and "Formular ausrichten" shows head and logo on the tables of
// the report on plain paper.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <functional>
#include <sstream>

#include "app/fenster/MAIN.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "gui/modalesfenster.h"
#include "gui/pdfhauptfenster.h"
#include "gui/pdflesen.h"
#include "gui/pdfseitenbild.h"
#include "reports/fenster/ausrichten.h"
#include "reports/fenster/seitenansicht.h"
#include "reports/weisseszeugnis.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

const std::string kName120 =
    T("Staatliches Berufliches Schulzentrum für Elektro- und Informationstechnik, Gebäudeautomation und Mechatronik "
      "Musterstadt");
const std::vector<std::string> kKopf = {kName120, T("Seestraße 1, 78050 Villingen-Schwenningen"), "Schulnummer 04711"};

std::vector<std::string> Woerter(const std::string& text) {
  std::vector<std::string> w;
  std::istringstream s(text);
  for (std::string wort; s >> wort;) w.push_back(Cp1252NachUtf8(wort));
  return w;
}

bool Rot(QRgb p) { return qRed(p) > 160 && qGreen(p) < 90 && qBlue(p) < 90; }

class Schulkopf : public PdfHauptfensterTest {
 protected:
  void SetUp() override {
    if (!PdfLesbar()) GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is missing";
    ArbeitsverzeichnisTest::SetUp();
    SchreibeTextZeilen(kSchulkopfDatei, kKopf);
    // A red logo, twice as wide as high, its right quarter transparent (white on the paper).
    QImage logo(240, 120, QImage::Format_ARGB32);
    logo.fill(QColor(220, 20, 20));
    QPainter p(&logo);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(180, 0, 60, 120, Qt::transparent);
    p.end();
    ASSERT_TRUE(logo.save(QStringLiteral("SCHULLOGO.PNG")));
    ASSERT_NO_FATAL_FAILURE(ZeigeHauptfenster());
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_.get()));
    fenster_->Steuerung().Zustand().Klasse->Schueler[0] = VollstaendigerSchueler(5);
    meldungen_.protokoll.clear();
  }
  std::size_t Warnungen() const {
    return static_cast<std::size_t>(std::count_if(meldungen_.protokoll.begin(), meldungen_.protokoll.end(),
                                                  [](const auto& e) { return e.art == MeldungsArt::Warnung; }));
  }
  // The report as the layout plans it, with the files of the working directory.
  std::vector<TWeissSeite> Plan(TSeitenRaender& raender) {
    FakeMeldungen still;
    WeissTabellenVorrat vorrat(still);
    raender = ZeugnisRaender(Zeugnistyp::Abschluss, TDruckEinstellungen{});
    return PlaneWeissesZeugnis(vorrat.Fuer(Zeugnistyp::Abschluss), Zeugnistyp::Abschluss, raender,
                               fenster_->Steuerung().Zustand().Klasse->Schueler[0], "", vorrat.Ausstattung());
  }
};

TEST_F(Schulkopf, KopfLogoUndVermerkImPdfDesZeugnissesAufWeissesPapier) {
  if (!PdfSeitenbildMoeglich()) GTEST_SKIP() << "pdftoppm (Debian package poppler-utils) is missing";
  fenster_->Aktion(QStringLiteral("ZeugnisWeiss1"))->trigger();
  EXPECT_EQ(Warnungen(), 0u);
  const auto pdfs = PdfDateien("Ausdrucke");
  ASSERT_EQ(pdfs.size(), 1u);
  const std::vector<PdfSeite> seiten = LiesPdf(pdfs[0]);
  ASSERT_FALSE(seiten.empty());
  TSeitenRaender raender{};
  const std::vector<TWeissSeite> plan = Plan(raender);
  ASSERT_EQ(seiten.size(), plan.size());
  ASSERT_EQ(plan[0].Bilder.size(), 1u);
  const TWeissBild& logo = plan[0].Bilder[0];
  const double logoRechtsMm = (raender[0].Links + logo.X2) / 10.0;

  // The head's words on page 1, in the order of the file's lines, each on the line the layout
  // planned and right of the logo: the 120 characters of the name wrapped, none lost.
  std::vector<std::string> soll, gedruckt;
  for (const std::string& zeile : kKopf) {
    for (const std::string& w : Woerter(zeile)) soll.push_back(w);
  }
  std::vector<double> zeilenUnten;
  for (const TWeissText& t : plan[0].Texte) {
    if (t.Eintrag == wp::Schulname && !t.Bezeichner) zeilenUnten.push_back((raender[0].Oben + t.Y) / 10.0);
  }
  ASSERT_GE(zeilenUnten.size(), 4u) << "the name takes two lines at least";
  for (const PdfWort& w : seiten[0].woerter) {
    const bool imKopf = std::any_of(zeilenUnten.begin(), zeilenUnten.end(),
                                    [&](double unten) { return std::abs(w.yMax - unten) <= 0.3; });
    if (!imKopf) continue;
    gedruckt.push_back(w.text);
    EXPECT_GE(w.xMin, logoRechtsMm) << w.text;
    EXPECT_LE(w.xMax, 210.0 - 15.0 + 0.1) << w.text;
  }
  EXPECT_EQ(gedruckt, soll);

  // The closing statement, whole.
  std::vector<std::string> alle;
  for (const PdfSeite& s : seiten) {
    for (const PdfWort& w : s.woerter) alle.push_back(w.text);
  }
  const std::vector<std::string> vermerk = Woerter(
      T("Frau Anna-Katharina Josefine Müller-Lüdenscheidt hat die Berufsschule im Ausbildungsberuf Elektronikerin für "
        "Energie- und Gebäudetechnik (IHK/HWK) besucht und erfolgreich abgeschlossen."));
  EXPECT_NE(std::search(alle.begin(), alle.end(), vermerk.begin(), vermerk.end()), alle.end());

  // The logo on the paper: its red where the layout put it, 0.5 mm either way; its transparent
  // quarter white.
  constexpr int kDpi = 100;
  const QImage bild = PdfSeitenbild(pdfs[0], 1, kDpi);
  ASSERT_FALSE(bild.isNull());
  const double pxProMm = kDpi / 25.4;
  int links = bild.width(), oben = bild.height(), rechts = -1, unten = -1;
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) {
      if (!Rot(bild.pixel(x, y))) continue;
      links = std::min(links, x), rechts = std::max(rechts, x), oben = std::min(oben, y), unten = std::max(unten, y);
    }
  }
  ASSERT_GE(rechts, 0) << "no logo on page 1";
  const double mm = 1 / pxProMm;
  EXPECT_NEAR(links * mm, (raender[0].Links + logo.X1) / 10.0, 0.5 + mm);
  EXPECT_NEAR(oben * mm, (raender[0].Oben + logo.Y1) / 10.0, 0.5 + mm);
  EXPECT_NEAR((unten + 1) * mm, (raender[0].Oben + logo.Y2) / 10.0, 0.5 + mm);
  EXPECT_NEAR((rechts + 1) * mm, (raender[0].Links + logo.X1 + (logo.X2 - logo.X1) * 0.75) / 10.0, 0.5 + mm);
  const QRgb weiss = bild.pixel(static_cast<int>(((raender[0].Links + logo.X2) / 10.0 - 2) * pxProMm),
                                static_cast<int>((raender[0].Oben + (logo.Y1 + logo.Y2) / 2) / 10.0 * pxProMm));
  EXPECT_TRUE(qRed(weiss) > 240 && qGreen(weiss) > 240 && qBlue(weiss) > 240);
}

TEST_F(Schulkopf, FormularAusrichtenZeigtKopfUndLogoAufDenTabellenDesWeissenPapiers) {
  BeiModalemFenster<TFormularAusrichten>([&](TFormularAusrichten* w) {
    w->Wahl().setCurrentText(U("Abschlusszeugnis auf weißem Papier, Werte, Seite 1 (WP_ABS.FST)"));
    const AusrichtBild& bild = w->Ausrichtung().Bild();
    const auto schule = std::find_if(bild.eintraege.begin(), bild.eintraege.end(),
                                     [](const EintragsBild& e) { return e.eintrag == wp::Schulname; });
    ASSERT_NE(schule, bild.eintraege.end());
    // Entry 1 holds the head's lines and the logo; moving it moves both.
    std::string kopf, soll;
    for (const GezeichneterText& t : schule->texte) kopf += (kopf.empty() ? "" : " ") + t.text;
    for (const std::string& z : kKopf) soll += (soll.empty() ? "" : " ") + z;
    EXPECT_EQ(kopf, soll);
    ASSERT_EQ(schule->bilder.size(), 1u);
    const GezeichnetesBild logo = schule->bilder[0];
    EXPECT_EQ(logo.datei, "SCHULLOGO.PNG");
    // On the screen: the logo's red inside the entry's marks.
    TSeitenAnsicht& ansicht = w->Ansicht();
    const QPointF mitte = ansicht.AufDemSchirm((logo.x1 * 3 + logo.x2) / 4.0, (logo.y1 + logo.y2) / 2.0);
    const auto feld = ansicht.Feld(wp::Schulname);
    ASSERT_TRUE(feld.has_value());
    EXPECT_TRUE(feld->contains(mitte));
    EXPECT_EQ(ansicht.EintragBei(mitte), std::optional<std::size_t>(wp::Schulname));
    const QImage schirm = ansicht.grab().toImage();
    EXPECT_TRUE(Rot(schirm.pixel((mitte * schirm.devicePixelRatio()).toPoint())));
    // The closing statement at entry 87, on the second page of this long report.
    w->Wahl().setCurrentText(U("Abschlusszeugnis auf weißem Papier, Werte, Folgeseiten (WP_ABS.FST)"));
    EXPECT_NE(w->Ausrichtung().DruckTextVon(wp::Vermerk).find("hat die Berufsschule"), std::string::npos);

    // The labels' table shows head and logo around its own entries.
    w->Wahl().setCurrentText(U("Abschlusszeugnis auf weißem Papier, Beschriftungen, Seite 1 (WP_ABSR.FST)"));
    const AusrichtBild& beschriftungen = w->Ausrichtung().Bild();
    ASSERT_EQ(beschriftungen.bilder.size(), 1u);
    EXPECT_EQ(beschriftungen.bilder[0], logo);
    EXPECT_TRUE(std::any_of(beschriftungen.umfeld.begin(), beschriftungen.umfeld.end(),
                            [](const GezeichneterText& t) { return t.text == "Schulnummer 04711"; }));
    w->reject();
  });
  fenster_->Aktion(QStringLiteral("FormularAusrichten1"))->trigger();
  EXPECT_TRUE(meldungen_.protokoll.empty());

  // A logo that cannot be printed: one warning, when the first page on plain paper is shown.
  SchreibeDatei("SCHULLOGO.PNG", AlsBytes("kein Bild"));
  BeiModalemFenster<TFormularAusrichten>([&](TFormularAusrichten* w) {
    EXPECT_EQ(Warnungen(), 0u);
    w->Wahl().setCurrentText(U("Abschlusszeugnis auf weißem Papier, Werte, Seite 1 (WP_ABS.FST)"));
    ASSERT_EQ(Warnungen(), 1u);
    EXPECT_NE(meldungen_.protokoll.back().text.find("Das Schullogo SCHULLOGO.PNG kann nicht gedruckt werden"),
              std::string::npos);
    w->Wahl().setCurrentText(U("Abgangszeugnis auf weißem Papier, Werte, Seite 1 (WP_ABG.FST)"));
    EXPECT_EQ(Warnungen(), 1u);
    const auto& eintraege = w->Ausrichtung().Bild().eintraege;
    EXPECT_TRUE(
        std::none_of(eintraege.begin(), eintraege.end(), [](const EintragsBild& e) { return !e.bilder.empty(); }));
    w->reject();
  });
  fenster_->Aktion(QStringLiteral("FormularAusrichten1"))->trigger();
}

}  // namespace
}  // namespace velmora::test
