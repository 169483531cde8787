#include "common/aufzeichnende_flaeche.h"

#include <algorithm>

namespace velmora::test {

AufzeichnendeFlaeche::Aufruf AufzeichnendeFlaeche::Neu(Art art) {
  Aufruf a;
  a.art = art;
  return a;
}

void AufzeichnendeFlaeche::Notiere(Aufruf a) {
  a.schrift = schrift;
  a.ausrichtung = ausrichtung;
  a.zeichenabstand = zeichenabstand;
  a.seite = seite;
  a.imDokument = imDokument;
  if (offeneSitzungen > 0) a.sitzung = sitzungen.back();
  aufrufe.push_back(std::move(a));
}

void AufzeichnendeFlaeche::BeginneSitzung(const std::string& name) {
  // A session inside a session belongs to the outer one.
  if (offeneSitzungen++ == 0) sitzungen.push_back(name);
}

Sitzungsende AufzeichnendeFlaeche::BeendeSitzung() {
  if (offeneSitzungen == 0 || --offeneSitzungen > 0) return {};
  return sitzungsende;
}

bool AufzeichnendeFlaeche::BeginneDokument(const std::string& titel, Blattformat blatt) {
  if (!dokumentAblehnen) {
    // A new job starts with the surface's defaults.
    imDokument = true;
    seite = 1;
    schrift = {};
    ausrichtung = Textausrichtung::LinksBasislinie;
    zeichenabstand = 0;
  }
  Aufruf a = Neu(Art::BeginneDokument);
  a.text = titel;
  a.blatt = blatt;
  Notiere(std::move(a));
  return !dokumentAblehnen;
}

bool AufzeichnendeFlaeche::BeendeDokument() {
  Notiere(Neu(Art::BeendeDokument));
  const bool gut = imDokument && !abschlussScheitert;
  imDokument = false;
  seite = 0;
  return gut;
}

void AufzeichnendeFlaeche::NeueSeite() {
  if (imDokument) ++seite;
  Notiere(Neu(Art::NeueSeite));
}

void AufzeichnendeFlaeche::SetzeTextausrichtung(Textausrichtung a) {
  ausrichtung = a;
  Notiere(Neu(Art::Textausrichtung));
}

void AufzeichnendeFlaeche::SetzeZeichenabstand(int extra) {
  zeichenabstand = extra;
  Aufruf a = Neu(Art::Zeichenabstand);
  a.x = extra;
  Notiere(std::move(a));
}

void AufzeichnendeFlaeche::SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) {
  schrift = {stil, hoehe, name};
  Notiere(Neu(Art::Schriftart));
}

void AufzeichnendeFlaeche::TextAus(int x, int y, const std::string& text) {
  Aufruf a = Neu(Art::Text);
  a.x = x;
  a.y = y;
  a.text = text;
  Notiere(std::move(a));
}

void AufzeichnendeFlaeche::BewegeZu(int x, int y) {
  Aufruf a = Neu(Art::BewegeZu);
  a.x = x;
  a.y = y;
  Notiere(std::move(a));
}

void AufzeichnendeFlaeche::LinieZu(int x, int y) {
  Aufruf a = Neu(Art::LinieZu);
  a.x = x;
  a.y = y;
  Notiere(std::move(a));
}

void AufzeichnendeFlaeche::Rechteck(int x1, int y1, int x2, int y2) {
  Aufruf a = Neu(Art::Rechteck);
  a.x = x1;
  a.y = y1;
  a.x2 = x2;
  a.y2 = y2;
  Notiere(std::move(a));
}

void AufzeichnendeFlaeche::BildAus(int x1, int y1, int x2, int y2, const std::string& datei) {
  Aufruf a = Neu(Art::Bild);
  a.x = x1;
  a.y = y1;
  a.x2 = x2;
  a.y2 = y2;
  a.text = datei;
  Notiere(std::move(a));
}

std::vector<AufzeichnendeFlaeche::Aufruf> AufzeichnendeFlaeche::Nur(Art art) const {
  std::vector<Aufruf> ergebnis;
  std::copy_if(aufrufe.begin(), aufrufe.end(), std::back_inserter(ergebnis),
               [art](const Aufruf& a) { return a.art == art; });
  return ergebnis;
}

int AufzeichnendeFlaeche::AusserhalbDokument() const {
  return static_cast<int>(std::count_if(
      aufrufe.begin(), aufrufe.end(), [](const Aufruf& a) { return !a.imDokument && a.art != Art::BeginneDokument; }));
}

}  // namespace velmora::test
