#include "reports/zeugnistexte.h"

#include <algorithm>
#include <cmath>

#include "basis/cp1252.h"
#include "print/druckabschluss.h"
#include "printcommands/sitzungsname.h"
#include "reports/velmoallgdrk.h"

namespace velmora {

namespace {

using S = TSchuelerDatensatz;

// Every item of the lists belongs to page 1 of its sheet, on every sheet of the job.
constexpr std::uint16_t kSeite = 1;

std::uint16_t Wort(long long wert) { return static_cast<std::uint16_t>(wert); }

}  // namespace

std::array<TFormatEintrag, 4> ZeugnistextTabelle(std::int32_t oben) {
  return {TFormatEintrag{200, 0, 20, 1, 1}, TFormatEintrag{50, 0, 6, 1, 1}, TFormatEintrag{50, 0, 1, 1, 1},
          TFormatEintrag{1300, Wort(static_cast<long long>(kZeugnistextFussAbstand) - oben), 29, 1, 1}};
}

int ZeugnistexteProSeite(std::int32_t oben, int h) {
  const double frei = 2670.0 - oben - kZeugnistextStart - 2.0 * h;
  const double p = std::trunc(frei / (15.0 * h));
  constexpr int kOhneGrenze = static_cast<int>(TKlassenDatei::Schuelerzahl) + 1;
  if (std::isnan(p) || p <= 0) return 0;
  if (p >= kOhneGrenze) return kOhneGrenze;
  return static_cast<int>(p);
}

std::size_t ZeugnistextZeilenbreite(std::int16_t verlag) {
  if (verlag == 1) return 74;
  if (verlag == 2) return 79;
  return 75;
}

bool HatZeugnistext(const TSchuelerDatensatz& satz) {
  const std::string text = satz.Lies(S::Hinweise);
  const auto kleiner = [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); };
  // Sorts after the placeholder: the placeholder is smaller than the text.
  return std::lexicographical_compare(kLeereZeile.begin(), kLeereZeile.end(), text.begin(), text.end(), kleiner);
}

std::string ZeugnistextUeberschrift(bool mitTexten) {
  return mitTexten ? T("Zeugnistexte (Hinweise zum Arbeits- und Sozialverhalten) ")
                   : T("Vorschläge und Hinweise zu den Zeugnistexten");
}

std::string ZeugnistextNamenszeile(const TSchuelerDatensatz& satz) {
  return satz.Lies(S::Vornamen) + " " + satz.Lies(S::Name) + ", " + satz.Lies(S::Klasse);
}

bool DruckeZeugnistexte(DruckFlaeche& flaeche, const TKlassenDatei& klasse, std::size_t ersterSchueler,
                        ZeugnistextAuswahl auswahl, const TDruckEinstellungen& druck, std::int16_t verlag,
                        TZeilenpuffer& puffer) {
  const int h = auswahl.MitTexten ? static_cast<std::uint16_t>(druck.Zeilenhoehe) : kZeugnistextLeereHoehe;
  const std::size_t breite = ZeugnistextZeilenbreite(verlag);
  const std::size_t erster = ErsterRand(kZeileInterneFormulare);
  TSeitenRaender raender{};
  raender[0] = TSeitenRand{druck.Raender[erster], druck.Raender[erster + 1]};
  const std::int32_t oben = raender[0].Oben;
  const int p = ZeugnistexteProSeite(oben, h);
  std::array<TFormatEintrag, 4> tabelle = ZeugnistextTabelle(oben);

  if (!flaeche.BeginneDokument("Zeugnistexte")) return false;
  flaeche.SetzeTextausrichtung(Textausrichtung::LinksUnten);

  const auto frei = [&](std::size_t i) { return i >= TKlassenDatei::Schuelerzahl || klasse.Schueler[i].IstFrei(); };
  const auto fusszeile = [&] {
    DruckeSeitenEintrag(flaeche, ZeugnistextFusszeile(), tabelle[kTextFuss], kSeite, raender);
  };

  int j = 1;  // the student's place on the current page
  long long y = kZeugnistextStart;
  for (std::size_t i = ersterSchueler; !frei(i); ++i) {
    const S& satz = klasse.Schueler[i];
    if (auswahl.NurAusgefuellte && !HatZeugnistext(satz)) continue;  // takes no place on the page

    if (j == 1) {
      tabelle[kTextUeberschrift].Y = Wort(y);
      DruckeSeitenEintrag(flaeche, ZeugnistextUeberschrift(auswahl.MitTexten), tabelle[kTextUeberschrift], kSeite,
                          raender);
    }
    if (j <= p) {
      y += 2 * h;
      tabelle[kTextNamenszeile].Y = Wort(y);
      DruckeSeitenEintrag(flaeche, ZeugnistextNamenszeile(satz), tabelle[kTextNamenszeile], kSeite, raender);
      y += h;
      if (auswahl.MitTexten) {
        UmbrecheText(satz.Lies(S::Hinweise), kZeugnistextZeilen, breite, puffer);
        tabelle[kTextBlock].Y = Wort(y);
        DruckeSeitenZeilen(flaeche, kZeugnistextZeilen, h, puffer, raender, kSeite, tabelle[kTextBlock]);
      }
      y += static_cast<long long>(kZeugnistextZeilen) * h;
    }
    if (j < p) {
      ++j;
    } else {
      // The page is full. When the last student filled it, the closing footer below is
      // printed at the same place once more.
      fusszeile();
      if (!frei(i + 1)) flaeche.NeueSeite();
      j = 1;
      y = kZeugnistextStart;
    }
  }
  fusszeile();
  return flaeche.BeendeDokument();
}

std::string Zeugnistextbefehle::BestaetigungKlassenZeugnistexte() {
  return "Druck aller Zeugnistexte\r(Hinweise zum ...)";
}
std::string Zeugnistextbefehle::BestaetigungSammelformular() {
  return T("Druck eines Sammelformulars\rfür die Zeugnistexte");
}
std::string Zeugnistextbefehle::BestaetigungAusgefuellte() {
  return T("Druck der ausgefüllten Zeugnistexte\r(Hinweise zum ...)");
}

void Zeugnistextbefehle::KlassenZeugnistexte1Click() { Drucke(BestaetigungKlassenZeugnistexte(), {true, false}); }
void Zeugnistextbefehle::Sammelformular1Click() { Drucke(BestaetigungSammelformular(), {false, false}); }
void Zeugnistextbefehle::AusgefuellteZeugnistexte1Click() { Drucke(BestaetigungAusgefuellte(), {true, true}); }

std::size_t Zeugnistextbefehle::ErsterSchueler() const {
  return static_cast<std::size_t>(std::max(kontext_.klasse.AktuellerSchueler, 0));
}

// Named after the class of the first student the list considers.
std::string Zeugnistextbefehle::Sitzung() const {
  return SitzungFuerKlasse("Zeugnistexte", kontext_.klasse, ErsterSchueler());
}

void Zeugnistextbefehle::Drucke(const std::string& frage, ZeugnistextAuswahl auswahl) {
  if (meldungen_.Zeige(MeldungsArt::Information, frage, Knoepfe::OkAbbrechen) != Antwort::Ok) return;
  DruckSitzung sitzung(flaeche_, Sitzung());
  DruckeZeugnistexte(flaeche_, kontext_.Klasse(), ErsterSchueler(), auswahl, kontext_.druck, kontext_.Verlag(),
                     puffer_);
  MeldeDruckabschluss(meldungen_, flaeche_, sitzung.Beende());
}

void Zeugnistextbefehle::Vorschau(ZeugnistextAuswahl auswahl) {
  vorschau_.Zeige(Sitzung(), Blattformat::A4Hoch, [&](DruckFlaeche& f) {
    DruckeZeugnistexte(f, kontext_.Klasse(), ErsterSchueler(), auswahl, kontext_.druck, kontext_.Verlag(), puffer_);
  });
}

}  // namespace velmora
