// The school's head on the report on plain paper: any text of SCHULKOPF.TXT gives at most
// three lines without control characters, and laid out on the first page, with a logo of any
// size and a binding margin, every line stands inside the text area right of the logo,
// nothing of it is lost, nothing else of the page runs into it, and the logo keeps its
// aspect ratio at 25 mm high at most.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "basis/dateien.h"
#include "basis/textkodierung.h"
#include "fuzzhilfen.h"
#include "print/schriften.h"
#include "print/schriftmasse.h"
#include "reports/weisseszeugnis.h"

using namespace velmora;

namespace {

std::string OhneLeer(const std::string& text) {
  std::string t;
  for (char c : text) {
    if (c != ' ') t.push_back(c);
  }
  return t;
}

struct Kasten {
  double links, oben, rechts, unten;
};
Kasten KastenVon(const TWeissText& t) {
  const TSchriftDefinition s = SchriftDefinition(t.Schrift);
  const double breite = TextBreite(s, t.Text);
  const double links = t.Zentriert ? t.X - breite / 2 : t.X;
  return {links, static_cast<double>(t.Y - s.Hoehe), links + breite, static_cast<double>(t.Y)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe e(daten, groesse);
  const int logoBreite = e.Byte() * 24, logoHoehe = e.Byte() * 24;  // 0: no logo
  const int bundrand = e.Byte() * 2;
  const std::string text = e.Rest();

  std::vector<std::string> warnungen;
  const std::vector<std::string> zeilen =
      LiesSchulkopfZeilen(Cp1252Zeilen(TeileTextZeilen(Bytes(text.begin(), text.end()))), warnungen);
  fuzz::Pruefe(zeilen.size() <= kSchulkopfZeilen, "three lines at most");
  for (const std::string& z : zeilen) {
    fuzz::Pruefe(!z.empty() && z.front() != ' ' && z.back() != ' ', "a line without blanks at its ends");
    for (char c : z) fuzz::Pruefe(static_cast<unsigned char>(c) >= 32, "no control character in a line");
  }

  static const TWeissVorlage vorlage = WeissVorlage(Zeugnistyp::Abschluss);
  static const TWeissTabellen tabellen{vorlage.Werte.Tabelle, vorlage.Bezeichner.Tabelle};
  TDruckEinstellungen druck;
  TSeitenRaender raender = ZeugnisRaender(Zeugnistyp::Abschluss, druck);
  raender[0].Links = 150 + bundrand;
  TWeissAusstattung ausstattung;
  ausstattung.Kopf.Zeilen = zeilen;
  if (logoBreite > 0 && logoHoehe > 0) ausstattung.Kopf.Logo = TSchullogo{"SCHULLOGO.PNG", logoBreite, logoHoehe};
  TSchuelerDatensatz satz = fuzz::NeueKlasse().Schueler[0];
  satz.SetzeZeugnisart(5);
  const std::vector<TWeissSeite> seiten =
      PlaneWeissesZeugnis(tabellen, Zeugnistyp::Abschluss, raender, satz, "Berufsschule", ausstattung);
  fuzz::Pruefe(!seiten.empty(), "a report has a page");
  const TWeissSeite& erste = seiten[0];

  const double textRechts = std::min(1800, 2100 - 150 - std::max(raender[0].Links, raender[1].Links));
  double logoRechts = 0;
  fuzz::Pruefe(erste.Bilder.size() == (ausstattung.Kopf.Logo ? 1u : 0u), "the logo, where there is one");
  for (const TWeissBild& b : erste.Bilder) {
    const int breite = b.X2 - b.X1, hoehe = b.Y2 - b.Y1;
    fuzz::Pruefe(b.X1 == 0 && breite >= 1 && hoehe >= 1 && hoehe <= 250, "the logo at the left, 25 mm high at most");
    fuzz::Pruefe(breite <= textRechts / 3 + 1, "the logo a third of the text area wide at most");
    const double ist = static_cast<double>(breite) / hoehe, soll = static_cast<double>(logoBreite) / logoHoehe;
    fuzz::Pruefe(std::abs(ist - soll) <= ist * (1.0 / breite + 1.0 / hoehe) + 1e-9, "the logo keeps its aspect ratio");
    logoRechts = b.X2;
  }
  std::string kopf, rest;
  std::vector<Kasten> kopfKaesten, andere;
  for (const TWeissText& t : erste.Texte) {
    const Kasten k = KastenVon(t);
    if (t.Eintrag == wp::Schulname && !t.Bezeichner) {
      kopf += t.Text;
      kopfKaesten.push_back(k);
      fuzz::Pruefe(k.links >= logoRechts - 0.5 && k.rechts <= textRechts + 0.5, "a head line inside the text area");
    } else {
      andere.push_back(k);
    }
  }
  std::string soll;
  for (const std::string& z : zeilen) soll += z;
  if (zeilen.empty() && ausstattung.Kopf.Logo) soll = "Berufsschule";
  if (!zeilen.empty() || ausstattung.Kopf.Logo) {
    fuzz::Pruefe(OhneLeer(kopf) == OhneLeer(soll), "the head's lines whole, in order");
  }
  for (const Kasten& k : kopfKaesten) {
    for (const Kasten& a : andere) {
      const bool ueber = k.links < a.rechts && a.links < k.rechts && k.oben < a.unten && a.oben < k.unten;
      fuzz::Pruefe(!ueber, "nothing else on the page runs into the head");
    }
  }
  return 0;
}
