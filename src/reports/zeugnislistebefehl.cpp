#include "reports/zeugnislistebefehl.h"

#include <algorithm>
#include <array>

#include "basis/cp1252.h"
#include "basis/fehlerbox.h"
#include "basis/version.h"
#include "print/druckabschluss.h"
#include "print/pdfdatei.h"
#include "print/schriftmasse.h"
#include "printcommands/sitzungsname.h"
#include "reports/velmoallgdrk.h"
#include "reports/zeugnisarchiv.h"

namespace velmora {
namespace {

// The layout, in 1/10 mm below and right of the page's origin.
constexpr int kTitelY = 50;
constexpr int kUntertitelY = 100;
constexpr int kSpaltenkopfY = 160;
constexpr int kKopflinieY = 175;
constexpr int kErsteZeileY = 225;  // bottom of an entry's first line on the page's first place
constexpr int kZweiteZeile = 40;   // the second line below the first
constexpr int kTrennlinie = 55;    // the line under an entry, below its first line
constexpr int kEintragsabstand = 100;
constexpr int kFussPapierY = 2820;  // the foot line, from the paper's top edge
constexpr int kFussAbstand = 80;    // the last entry ends this far above it
constexpr int kRechterRand = 150;   // kept free at the paper's right edge
constexpr int kPapierBreite = 2100;
constexpr int kTabellenBreite = 1800;  // at most; less where the left margin leaves less
constexpr int kSpaltenluft = 20;

constexpr const char* kSchrift = "Arial";
constexpr std::array<int, 7> kSpaltenbreiten = {80, 320, 330, 330, 220, 300, 220};  // of kTabellenBreite
constexpr std::array<const char*, 7> kSpaltenkoepfe = {"Nr.",          "Ausgestellt am", "Name",        "Vornamen",
                                                       "Geburtsdatum", "Zeugnisart",     "Zeugnisdatum"};

std::string ZweiStellen(int zahl) { return (zahl < 10 ? "0" : "") + std::to_string(zahl); }

class Seitenzeichner {
 public:
  Seitenzeichner(DruckFlaeche& f, const TSeitenVersatz& v, int breite) : f_(f), v_(v), breite_(breite) {}

  void Text(int x, int y, const std::string& text, std::uint16_t stil, int hoehe, int platz) {
    f_.SetzeSchriftart(stil, hoehe, kSchrift);
    f_.TextAus(v_.dx + x, -(v_.dy + y), AufBreite(text, stil, hoehe, kSchrift, platz));
  }
  void Mittig(int y, const std::string& text, int hoehe) {
    f_.SetzeSchriftart(0, hoehe, kSchrift);
    f_.SetzeTextausrichtung(Textausrichtung::MitteUnten);
    f_.TextAus(v_.dx + breite_ / 2, -(v_.dy + y), text);
    f_.SetzeTextausrichtung(Textausrichtung::LinksUnten);
  }
  void Linie(int y) {
    f_.BewegeZu(v_.dx, -(v_.dy + y));
    f_.LinieZu(v_.dx + breite_, -(v_.dy + y));
  }
  // Left edge of column `spalte`, 7 for the right end.
  int Spalte(std::size_t spalte) const {
    int summe = 0;
    for (std::size_t i = 0; i < spalte; ++i) summe += kSpaltenbreiten[i];
    return summe * breite_ / kTabellenBreite;
  }

 private:
  DruckFlaeche& f_;
  TSeitenVersatz v_;
  int breite_;
};

}  // namespace

std::vector<ZeugnislistenEintrag> EintraegeDerKlasse(const std::vector<ZeugnislistenEintrag>& alle,
                                                     const std::string& klasse, const std::string& schuljahr) {
  std::vector<ZeugnislistenEintrag> eintraege;
  std::copy_if(alle.begin(), alle.end(), std::back_inserter(eintraege),
               [&](const ZeugnislistenEintrag& e) { return e.klasse == klasse && e.schuljahr == schuljahr; });
  return eintraege;
}

std::size_t ZeugnislisteProSeite(std::int32_t oben) {
  const std::int64_t platz =
      std::int64_t{kFussPapierY} - kFussAbstand - (kErsteZeileY + kZweiteZeile) - std::int64_t{oben};
  return platz < 0 ? 1 : static_cast<std::size_t>(platz / kEintragsabstand) + 1;
}

std::string AufBreite(const std::string& text, std::uint16_t stil, int hoehe, const std::string& schrift, int breite) {
  const TSchriftDefinition def{stil, hoehe, schrift};
  if (TextBreite(def, text) <= breite) return text;
  const std::string auslassung = T("…");
  std::string gekuerzt = text;
  while (!gekuerzt.empty() && TextBreite(def, gekuerzt + auslassung) > breite) gekuerzt.pop_back();
  return gekuerzt + auslassung;
}

bool DruckeZeugnisliste(DruckFlaeche& flaeche, const std::vector<ZeugnislistenEintrag>& eintraege,
                        const ListenUeberschrift& kopf, const TDruckEinstellungen& druck) {
  const std::size_t erster = ErsterRand(kZeileInterneFormulare);
  const TSeitenRand rand{druck.Raender[erster], druck.Raender[erster + 1]};
  const int breite = std::clamp(kPapierBreite - kRechterRand - rand.Links, 600, kTabellenBreite);
  const std::size_t proSeite = ZeugnislisteProSeite(rand.Oben);
  const std::size_t seiten = std::max<std::size_t>(1, (eintraege.size() + proSeite - 1) / proSeite);
  const int fussY = kFussPapierY - rand.Oben;
  const std::string fuss = ProgrammMitVersion() + ", gedruckt am " + ZweiStellen(kopf.gedruckt.tag) + "." +
                           ZweiStellen(kopf.gedruckt.monat) + "." + std::to_string(kopf.gedruckt.jahr);
  std::string untertitel = "Klasse " + kopf.klasse;
  if (!kopf.schuljahr.empty()) untertitel += ", Schuljahr " + kopf.schuljahr;
  if (!kopf.schule.empty()) untertitel += T(" – ") + kopf.schule;

  if (!flaeche.BeginneDokument("Liste der ausgegebenen Zeugnisse")) return false;
  flaeche.SetzeTextausrichtung(Textausrichtung::LinksUnten);
  Seitenzeichner z(flaeche, SeitenVersatz(flaeche, rand), breite);
  for (std::size_t seite = 0; seite < seiten; ++seite) {
    if (seite > 0) flaeche.NeueSeite();
    z.Text(0, kTitelY, "Liste der ausgegebenen Zeugnisse", kStilFett, 50, breite);
    z.Text(0, kUntertitelY, untertitel, 0, 35, breite);
    for (std::size_t s = 0; s < kSpaltenkoepfe.size(); ++s) {
      z.Text(z.Spalte(s), kSpaltenkopfY, kSpaltenkoepfe[s], kStilFett, 30,
             z.Spalte(s + 1) - z.Spalte(s) - kSpaltenluft);
    }
    z.Linie(kKopflinieY);
    for (std::size_t platz = 0; platz < proSeite && seite * proSeite + platz < eintraege.size(); ++platz) {
      const std::size_t nr = seite * proSeite + platz;
      const ZeugnislistenEintrag& e = eintraege[nr];
      const int y = kErsteZeileY + static_cast<int>(platz) * kEintragsabstand;
      const std::array<std::string, 7> spalten = {std::to_string(nr + 1), e.zeitpunkt,  e.name,        e.vornamen,
                                                  e.geburtsdatum,         e.zeugnisart, e.zeugnisdatum};
      for (std::size_t s = 0; s < spalten.size(); ++s) {
        z.Text(z.Spalte(s), y, spalten[s], 0, 30, z.Spalte(s + 1) - z.Spalte(s) - kSpaltenluft);
      }
      z.Text(z.Spalte(2), y + kZweiteZeile, "Verlag/Papier: " + e.papier + "   Datei: " + e.datei, 0, 25,
             breite - z.Spalte(2));
      z.Linie(y + kTrennlinie);
    }
    z.Text(0, fussY, fuss, 0, 25, breite / 2 - 200);
    z.Mittig(fussY, "Seite " + std::to_string(seite + 1) + " von " + std::to_string(seiten), 30);
  }
  return flaeche.BeendeDokument();
}

void Zeugnislistebefehl::ListeClick() {
  std::vector<ZeugnislistenEintrag> alle;
  std::filesystem::path archiv;
  if (!MitFehlerbox(meldungen_, [&] {
        einstellungen_.Laden();
        archiv = Pfad(einstellungen_.Satz().Archivordner());
        alle = LiesZeugnisliste(archiv);
      })) {
    return;
  }
  // The class and school year of the current student, or of the first student where the
  // current slot is free (a free slot names neither).
  std::size_t aktuell = kontext_.AktuellerSchueler();
  const auto& schueler = kontext_.Klasse().Schueler;
  if (schueler[aktuell].IstFrei()) {
    const auto erster = std::find_if(schueler.begin(), schueler.end(), [](const auto& s) { return !s.IstFrei(); });
    if (erster != schueler.end()) aktuell = static_cast<std::size_t>(erster - schueler.begin());
  }
  const ListenUeberschrift kopf{Klassenbezeichnung(kontext_.klasse, aktuell),
                                ListenSchuljahr(kontext_.Klasse().Schueler[aktuell]), kontext_.zeugnisname,
                                uhr_.Heute()};
  const std::vector<ZeugnislistenEintrag> eintraege = EintraegeDerKlasse(alle, kopf.klasse, kopf.schuljahr);
  std::string klasse = "der Klasse " + kopf.klasse;
  if (!kopf.schuljahr.empty()) klasse += ", Schuljahr " + kopf.schuljahr;
  const std::string liste = T("\r\rListe: ") + AnzeigePfad(archiv / kZeugnislisteDatei);
  if (eintraege.empty()) {
    meldungen_.Information(T("In der Liste der ausgegebenen Zeugnisse steht noch kein Zeugnis ") + klasse + "." +
                           liste);
    return;
  }
  const std::string anzahl = eintraege.size() == 1 ? "1 Zeugnis" : std::to_string(eintraege.size()) + " Zeugnisse";
  const Antwort antwort = meldungen_.Zeige(MeldungsArt::Information,
                                           "Liste der ausgegebenen Zeugnisse " + klasse + ": " + anzahl + liste +
                                               T("\r\rDrucken oder in der Vorschau ansehen?"),
                                           Knoepfe::DruckenVorschauAbbrechen);
  const std::string sitzung = SitzungFuerKlasse("Zeugnisliste", kontext_.klasse, aktuell);
  if (antwort == Antwort::Drucken) {
    DruckSitzung s(flaeche_, sitzung);
    DruckeZeugnisliste(flaeche_, eintraege, kopf, kontext_.druck);
    MeldeDruckabschluss(meldungen_, flaeche_, s.Beende());
  } else if (antwort == Antwort::Vorschau) {
    vorschau_.Zeige(sitzung, Blattformat::A4Hoch,
                    [&](DruckFlaeche& f) { DruckeZeugnisliste(f, eintraege, kopf, kontext_.druck); });
  }
}

}  // namespace velmora
