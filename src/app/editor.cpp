#include "app/editor.h"

#include <cstdint>

#include "basis/cp1252.h"

namespace velmora {

std::string ListenZeile(const TSchuelerDatensatz& s) {
  std::string zeile = "    - unklar -";
  std::string vornamen = s.Lies(TSchuelerDatensatz::Vornamen);
  std::string name = s.Lies(TSchuelerDatensatz::Name);
  std::string vornamenTeil = (vornamen.size() >= 1 && vornamen.size() <= 26) ? vornamen : "";
  if (name.size() >= 1 && name.size() <= 26) {
    zeile = name == kFreiName ? name + vornamenTeil : name + ", " + vornamenTeil;
  }
  return zeile;
}

GanzzahlErgebnis LiesGanzzahl(const std::string& text) {
  GanzzahlErgebnis e;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negativ = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negativ = text[i] == '-';
    ++i;
  }
  int basis = 10;
  if (i < text.size() && text[i] == '$') {
    basis = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    basis = 16;
    i += 2;
  }
  const std::int64_t grenze = negativ ? 2147483648LL : 2147483647LL;
  std::int64_t wert = 0;
  std::size_t ziffern = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int z;
    if (c >= '0' && c <= '9') {
      z = c - '0';
    } else if (basis == 16 && c >= 'a' && c <= 'f') {
      z = c - 'a' + 10;
    } else if (basis == 16 && c >= 'A' && c <= 'F') {
      z = c - 'A' + 10;
    } else {
      break;
    }
    std::int64_t neu = wert * basis + z;
    if (neu > grenze) break;
    wert = neu;
    ++ziffern;
  }
  e.gueltig = ziffern > 0 && i == text.size();
  e.wert = static_cast<std::int32_t>(negativ ? -wert : wert);
  return e;
}

std::string StatusText(std::int16_t status) { return status == 1 ? T("geprüft") : ". . . . . . . . "; }

namespace {

EditorText Gefuellt(std::string text) { return EditorText{std::move(text), false}; }

int RadioIndex(std::int16_t wert, int anzahl) { return wert >= 0 && wert < anzahl ? wert : -1; }

// Edits and text boxes: a control the user typed into is stored cut to its field and
// counts as a change. An untouched control leaves its field exactly as it was, byte for
// byte: a masked edit shows "1.1.2000" as "1 .1 .2000", a text box turns a lone CR into
// CR LF, and nobody asked for either to be written back.
void Speichere(const EditorText& e, TSchuelerDatensatz& s, StringFeld f, bool& geaendert) {
  if (!e.geaendert) return;
  s.Setze(f, e.text);
  geaendert = true;
}

void Speichere(const EditorText& e, TSchuelerDatensatz& s, TextFeld f, bool& geaendert) {
  if (!e.geaendert) return;
  s.Setze(f, e.text);
  geaendert = true;
}

// Radio groups: a change is an index that differs from the stored value. With no item
// selected (a stored value outside the group) the stored value is kept.
void SpeichereRadio(int index, std::int16_t alt, void (TSchuelerDatensatz::*setze)(std::int16_t), TSchuelerDatensatz& s,
                    bool& geaendert) {
  if (index < 0 || index == alt) return;
  (s.*setze)(static_cast<std::int16_t>(index));
  geaendert = true;
}

}  // namespace

EditorInhalt DatensatzAnzeigen(const TSchuelerDatensatz& s) {
  using S = TSchuelerDatensatz;
  EditorInhalt e;
  e.Nummer = Gefuellt(std::to_string(s.Nummer()));
  e.StatusText = StatusText(s.Status());
  e.Anrede = RadioIndex(s.Anrede(), 4);
  e.Name = Gefuellt(s.Lies(S::Name));
  e.Vornamen = Gefuellt(s.Lies(S::Vornamen));
  e.Geburtsdatum = Gefuellt(s.Lies(S::Geburtsdatum));
  e.Geburtsort = Gefuellt(s.Lies(S::Geburtsort));
  e.Wohnort = Gefuellt(s.Lies(S::Wohnort));
  for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) {
    e.Fach[r] = s.LiesFach(r, TFachZeile::Fach);
    e.Bewertung[r] = Gefuellt(s.LiesFach(r, TFachZeile::Bewertung));
    e.FachZusatz[r] = s.LiesFach(r, TFachZeile::FachZusatz);
    e.Zusatz[r] = Gefuellt(s.LiesFach(r, TFachZeile::Zusatz));
  }
  e.Hinweise = Gefuellt(s.Lies(S::Hinweise));
  e.VersaeumteStunden = Gefuellt(s.Lies(S::VersaeumteStunden));
  e.Entschuldigt = Gefuellt(s.Lies(S::Entschuldigt));
  e.Bemerkungen = Gefuellt(s.Lies(S::Bemerkungen));
  e.Schulart = RadioIndex(s.Schulart(), 6);
  e.Fachrichtung = Gefuellt(s.Lies(S::Fachrichtung));
  e.Schwerpunkt = Gefuellt(s.Lies(S::Schwerpunkt));
  e.Berufsbezeichnung = Gefuellt(s.Lies(S::Berufsbezeichnung));
  e.Zeugnisart = s.Zeugnisart() >= 1 && s.Zeugnisart() <= 5 ? s.Zeugnisart() : 0;
  e.Einschulungsdatum = Gefuellt(s.Lies(S::Einschulungsdatum));
  e.Ausschulungsdatum = Gefuellt(s.Lies(S::Ausschulungsdatum));
  e.Durchschnittsnote = Gefuellt(s.Lies(S::Durchschnittsnote));
  e.Klasse = Gefuellt(s.Lies(S::Klasse));
  e.SchuljahrVon = Gefuellt(s.Lies(S::SchuljahrVon));
  e.SchuljahrBis = Gefuellt(s.Lies(S::SchuljahrBis));
  e.Zeugnisort = Gefuellt(s.Lies(S::Zeugnisort));
  e.Zeugnisdatum = Gefuellt(s.Lies(S::Zeugnisdatum));
  e.InterneBemerkungen = Gefuellt(s.Lies(S::InterneBemerkungen));
  return e;
}

UebernahmeErgebnis DatensatzUebernehmen(const EditorInhalt& e, TSchuelerDatensatz& s) {
  using S = TSchuelerDatensatz;
  UebernahmeErgebnis erg;
  bool& g = erg.geaendert;

  // "Personendaten"
  if (e.Nummer.geaendert) {
    GanzzahlErgebnis nummer = LiesGanzzahl(e.Nummer.text);
    erg.nummerUngueltig = !nummer.gueltig;
    s.SetzeNummer(nummer.wert);
    g = true;
  }
  SpeichereRadio(e.Anrede, s.Anrede(), &S::SetzeAnrede, s, g);
  Speichere(e.Name, s, S::Name, g);
  Speichere(e.Vornamen, s, S::Vornamen, g);
  Speichere(e.Geburtsort, s, S::Geburtsort, g);
  Speichere(e.Wohnort, s, S::Wohnort, g);
  Speichere(e.Geburtsdatum, s, S::Geburtsdatum, g);

  // "Bewertungen"
  for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) {
    if (e.Fach[r] != s.LiesFach(r, TFachZeile::Fach)) {
      s.SetzeFach(r, TFachZeile::Fach, e.Fach[r].substr(0, TFachZeile::Fach.max));
      g = true;
    }
    if (e.Bewertung[r].geaendert) {
      s.SetzeFach(r, TFachZeile::Bewertung, e.Bewertung[r].text);
      g = true;
    }
    if (e.Zusatz[r].geaendert) {
      s.SetzeFach(r, TFachZeile::Zusatz, e.Zusatz[r].text);
      g = true;
    }
  }

  // "Zeugnistexte"
  Speichere(e.Hinweise, s, S::Hinweise, g);
  Speichere(e.VersaeumteStunden, s, S::VersaeumteStunden, g);
  Speichere(e.Entschuldigt, s, S::Entschuldigt, g);
  Speichere(e.Bemerkungen, s, S::Bemerkungen, g);

  // "Zeugnisdaten"
  SpeichereRadio(e.Schulart, s.Schulart(), &S::SetzeSchulart, s, g);
  Speichere(e.Fachrichtung, s, S::Fachrichtung, g);
  Speichere(e.Schwerpunkt, s, S::Schwerpunkt, g);
  Speichere(e.Berufsbezeichnung, s, S::Berufsbezeichnung, g);
  if (e.Zeugnisart >= 1 && e.Zeugnisart <= 5 && e.Zeugnisart != s.Zeugnisart()) {
    s.SetzeZeugnisart(static_cast<std::int16_t>(e.Zeugnisart));
    g = true;
  }
  Speichere(e.Einschulungsdatum, s, S::Einschulungsdatum, g);
  Speichere(e.Ausschulungsdatum, s, S::Ausschulungsdatum, g);
  Speichere(e.Durchschnittsnote, s, S::Durchschnittsnote, g);
  Speichere(e.Klasse, s, S::Klasse, g);
  Speichere(e.SchuljahrVon, s, S::SchuljahrVon, g);
  Speichere(e.SchuljahrBis, s, S::SchuljahrBis, g);
  Speichere(e.Zeugnisort, s, S::Zeugnisort, g);
  Speichere(e.Zeugnisdatum, s, S::Zeugnisdatum, g);

  // "Bemerkungen"
  Speichere(e.InterneBemerkungen, s, S::InterneBemerkungen, g);
  return erg;
}

}  // namespace velmora
