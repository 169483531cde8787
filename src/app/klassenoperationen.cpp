#include "app/klassenoperationen.h"

#include "basis/cp1252.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

std::string NamensTeil(const S& s) { return s.Lies(S::Vornamen) + " " + s.Lies(S::Name); }

template <class Feld>
void Kopiere(const S& quelle, S& ziel, Feld f) {
  ziel.Setze(f, quelle.Lies(f));
}

}  // namespace

std::string BewertungenLoeschenFrage(const S& s) {
  return T("Sollen die Bewertungen für: \r\r") + NamensTeil(s) + "\r\r" + T(" wirklich GELÖSCHT werden?");
}

std::string ZeugnistexteLoeschenFrage(const S& s) {
  return T("Sollen die Zeugnistexte und Fehlzeiten für: \r\r") + NamensTeil(s) + "\r\r" +
         T("wirklich GELÖSCHT werden?");
}

bool BewertungenLoeschen(KlassenZustand& z, Meldungen& m) {
  S& s = z.Aktuell();
  if (!m.Frage(BewertungenLoeschenFrage(s))) return false;
  for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) s.SetzeFach(r, TFachZeile::Bewertung, kLeereBewertung);
  return true;
}

bool ZeugnistexteLoeschen(KlassenZustand& z, Meldungen& m) {
  S& s = z.Aktuell();
  if (!m.Frage(ZeugnistexteLoeschenFrage(s))) return false;
  // Writing a text block zeros the whole block behind the text.
  s.Setze(S::Hinweise, kLeereZeile);
  s.Setze(S::VersaeumteStunden, kLeereBewertung);
  s.Setze(S::Entschuldigt, kLeereBewertung);
  s.Setze(S::Bemerkungen, kLeereZeile);
  return true;
}

void AllenZuweisen(KlassenZustand& z, ZuweisGruppe gruppe) {
  // A copy, because the current slot is one of the targets.
  const S quelle = z.Aktuell();
  for (S& ziel : z.Klasse->Schueler) {
    switch (gruppe) {
      case ZuweisGruppe::Berufsschulart:
        ziel.SetzeSchulart(quelle.Schulart());
        break;
      case ZuweisGruppe::Berufsbezeichnung:
        Kopiere(quelle, ziel, S::Fachrichtung);
        Kopiere(quelle, ziel, S::Schwerpunkt);
        Kopiere(quelle, ziel, S::Berufsbezeichnung);
        break;
      case ZuweisGruppe::Zeugnisart:
        ziel.SetzeZeugnisart(quelle.Zeugnisart());
        break;
      case ZuweisGruppe::Ausschulungsdatum:
        Kopiere(quelle, ziel, S::Einschulungsdatum);
        Kopiere(quelle, ziel, S::Ausschulungsdatum);
        Kopiere(quelle, ziel, S::Durchschnittsnote);
        break;
      case ZuweisGruppe::Zeugnisort:
        Kopiere(quelle, ziel, S::Klasse);
        Kopiere(quelle, ziel, S::SchuljahrVon);
        Kopiere(quelle, ziel, S::SchuljahrBis);
        Kopiere(quelle, ziel, S::Zeugnisort);
        Kopiere(quelle, ziel, S::Zeugnisdatum);
        break;
    }
  }
}

void NeueFaecherlisteZuordnen(KlassenZustand& z, VorlagenZustand& v, Meldungen& m) {
  VorlageAllenZuordnen(v, *z.Klasse, m);
  z.AktuellerSchueler = 0;
}

}  // namespace velmora
