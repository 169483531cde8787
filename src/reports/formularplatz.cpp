#include "reports/formularplatz.h"

#include <algorithm>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "print/dateiname.h"
#include "print/schriften.h"
#include "print/schriftmasse.h"
#include "print/zeilenpuffer.h"
#include "reports/velmoallgdrk.h"

namespace velmora {
namespace {

using Art = ZeugnisPosten::Art;

// One form page: A4, 210 mm by 297 mm.
constexpr double kBlattBreite = 2100;
constexpr double kBlattHoehe = 2970;

// The room an item takes on its page, in the table's coordinates (1/10 mm, y downwards):
// the width its ink covers, the height of its font's character cell above its Y.
struct Kasten {
  double links = 0, oben = 0, rechts = 0, unten = 0;
};

bool Ueberlappen(double a0, double a1, double b0, double b1) { return a0 < b1 && b0 < a1; }

bool WirdGedruckt(const TFormatSteuerTabelle& tabelle, std::size_t k, std::uint16_t seite) {
  return k < tabelle.size() && tabelle[k].Drucken == 1 && tabelle[k].Seite == seite;
}

// The widest of `breite` characters on one line of the block's font: the width the block
// may fill.
double VolleZeile(const TSchriftDefinition& schrift, std::size_t breite) {
  return TextBreite(schrift, std::string(breite, 'x'));
}

// The box of a text item: from its first to its last visible character (blanks at its ends
// take no ink); an item without visible characters keeps the point of its entry, so an
// empty field of the form still counts as the place where it stands. A block takes every
// line it prints, each as wide as a full line.
Kasten KastenVon(const ZeugnisPosten& p, const TFormatEintrag& e) {
  const TSchriftDefinition schrift = SchriftDefinition(e.Schrift);
  Kasten k;
  k.unten = e.Y;
  k.oben = e.Y - schrift.Hoehe;
  k.links = e.X;
  k.rechts = e.X;
  if (p.art == Art::Block) {
    k.unten += static_cast<double>(std::max<std::size_t>(p.zeilen, 1) - 1) * p.abstand;
    k.rechts += VolleZeile(schrift, p.breite);
  } else if (p.art == Art::Mitte) {
    const double b = TextBreite(schrift, p.text, p.zeichenabstand);
    k.links -= b / 2;
    k.rechts += b / 2;
  } else if (const auto anfang = p.text.find_first_not_of(' '); anfang != std::string::npos) {
    const auto ende = p.text.find_last_not_of(' ') + 1;
    k.links += TextBreite(schrift, p.text.substr(0, anfang), p.zeichenabstand);
    k.rechts += TextBreite(schrift, p.text.substr(0, ende), p.zeichenabstand);
  }
  if (k.rechts <= k.links) k.rechts = k.links + 1;  // a point still has a place
  return k;
}

// The characters of a text that a reader misses when they are not printed: everything but
// blanks, line ends and minus signs (the wrap drops a minus sign just past a full line,
// which leaves the words whole). The wrap ends at a control character other than CR and LF.
std::size_t Zeichen(const std::string& text) {
  std::size_t n = 0;
  for (char z : text) {
    const auto c = static_cast<unsigned char>(z);
    if (c < 32 && c != '\r' && c != '\n') break;
    if (c > 32 && c != '-') ++n;
  }
  return n;
}

BlockPlatz MissBlock(const ZeugnisPosten& block, const std::vector<ZeugnisPosten>& alle,
                     const TFormatSteuerTabelle& tabelle, std::uint16_t seite, double blattUnten) {
  BlockPlatz b;
  b.eintrag = block.eintrag;
  b.gedruckt = true;
  const TFormatEintrag& e = tabelle[block.eintrag];
  const TSchriftDefinition schrift = SchriftDefinition(e.Schrift);

  // The lines the whole text needs: the print's wrap with as many lines as the text could
  // ever fill (every line takes at least one character).
  TZeilenpuffer ganz(block.text.size() + 2);
  UmbrecheText(block.text, ganz.Anzahl(), block.breite, ganz);
  double breiteste = VolleZeile(schrift, block.breite);
  for (std::size_t i = 0; i < ganz.Anzahl(); ++i) {
    if (ganz.Zeile(i).empty()) continue;
    b.benoetigt = static_cast<int>(i) + 1;
    breiteste = std::max(breiteste, TextBreite(schrift, OhneRandblanks(ganz.Zeile(i))));
  }

  // The room: line k stands with its bottom at Y + k * pitch; it has room while it stays
  // above the paper's foot and clear of every item printed at or below the block's first
  // line, left to right within the block's width.
  const double links = e.X;
  const double rechts = e.X + breiteste;
  std::vector<Kasten> darunter;
  for (const ZeugnisPosten& p : alle) {
    if (&p == &block || !WirdGedruckt(tabelle, p.eintrag, seite)) continue;
    const Kasten k = KastenVon(p, tabelle[p.eintrag]);
    if (k.unten >= e.Y && Ueberlappen(k.links, k.rechts, links, rechts)) darunter.push_back(k);
  }
  for (std::size_t z = 0; z < block.zeilen; ++z) {
    const double unten = e.Y + static_cast<double>(z) * block.abstand;
    const double oben = unten - schrift.Hoehe;
    if (unten > blattUnten) break;
    const bool stoesst = std::any_of(darunter.begin(), darunter.end(),
                                     [&](const Kasten& k) { return Ueberlappen(oben, unten, k.oben, k.unten); });
    if (stoesst) break;
    ++b.platz;
  }

  // What the print itself puts into those lines: its own wrap into its own number of lines.
  TZeilenpuffer gedruckt(block.zeilen);
  UmbrecheText(block.text, block.zeilen, block.breite, gedruckt);
  std::size_t gedruckteZeichen = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(b.platz); ++i) gedruckteZeichen += Zeichen(gedruckt.Zeile(i));
  b.unvollstaendig = gedruckteZeichen < Zeichen(block.text);
  return b;
}

// A subject or learning-field text against the next column of its row (the assessment and
// the addition of that row, where the form prints them on this page) or the paper's edge.
std::optional<SpaltenUeberlauf> MissSpalte(const ZeugnisPosten& p, const TFormatSteuerTabelle& tabelle,
                                           std::uint16_t seite, double blattRechts) {
  const std::string text = OhneRandblanks(p.text);
  if (text.empty()) return std::nullopt;
  const TFormatEintrag& e = tabelle[p.eintrag];
  const std::size_t zeile = (p.eintrag - 10) / 4;
  double grenze = blattRechts;
  bool rand = true;
  for (std::size_t k : {12 + 4 * zeile, 13 + 4 * zeile}) {
    if (!WirdGedruckt(tabelle, k, seite) || tabelle[k].X <= e.X || tabelle[k].X >= grenze) continue;
    grenze = tabelle[k].X;
    rand = false;
  }
  if (KastenVon(p, e).rechts <= grenze) return std::nullopt;
  return SpaltenUeberlauf{p.art == Art::Lernfeld, text, rand};
}

std::string Zeilen(int n) { return std::to_string(n) + (n == 1 ? " Zeile" : " Zeilen"); }

// A text quoted in a message, at most 30 characters.
std::string Zitat(const std::string& text) {
  const std::string kurz = text.size() > 30 ? OhneRandblanks(text.substr(0, 29)) + T("…") : text;
  return T("„") + kurz + T("“");
}

// Message boxes of a check: a faulty table's notice waits for the print.
class OhneMeldungen : public Meldungen {
 public:
  Antwort Zeige(MeldungsArt, const std::string&, Knoepfe k, const std::string&) override {
    return k == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
  }
};

}  // namespace

bool Formularplatz::Passt() const {
  return lesefehler.empty() && ueberlaeufe.empty() &&
         std::all_of(bloecke.begin(), bloecke.end(), [](const BlockPlatz& b) { return b.Passt(); });
}

const BlockPlatz* Formularplatz::Block(std::size_t eintrag) const {
  for (const BlockPlatz& b : bloecke) {
    if (b.eintrag == eintrag) return &b;
  }
  return nullptr;
}

std::vector<std::string> Formularplatz::Probleme() const {
  std::vector<std::string> probleme;
  if (!lesefehler.empty()) probleme.push_back(lesefehler);
  for (const BlockPlatz& b : bloecke) {
    if (b.Passt()) continue;
    if (b.benoetigt > b.platz) {
      probleme.push_back(BlockName(b.eintrag) + ": " + Zeilen(b.benoetigt - b.platz) + " zu lang");
    } else {
      probleme.push_back(BlockName(b.eintrag) + T(": wird nicht vollständig gedruckt"));
    }
  }
  for (const SpaltenUeberlauf& u : ueberlaeufe) {
    probleme.push_back(std::string(u.lernfeld ? "Lernfeld " : "Fach ") + Zitat(u.text) +
                       (u.blattrand ? T(" ragt über den Rand des Formulars") : T(" ragt in die nächste Spalte")));
  }
  return probleme;
}

std::string BlockName(std::size_t eintrag) {
  if (eintrag == kEintragHinweise) return "Hinweise";
  if (eintrag == kEintragBemerkungen) return "Bemerkungen";
  return "Text " + std::to_string(eintrag);
}

std::string ZeilenAngabe(const BlockPlatz& block) {
  if (!block.gedruckt) return T("Wird auf diesem Formular nicht gedruckt.");
  std::string text = std::to_string(block.benoetigt) + " von " + Zeilen(block.platz) + " auf dem Formular";
  if (block.unvollstaendig && block.benoetigt <= block.platz) text += T(" – wird nicht vollständig gedruckt");
  return text;
}

std::string FormularplatzHinweis(const Formularplatz& platz) {
  std::string text;
  for (const std::string& p : platz.Probleme()) text += (text.empty() ? "" : "; ") + p;
  return text;
}

std::string FormularplatzWarnung(const Formularplatz& platz, const std::string& name) {
  std::string text =
      "Das Zeugnis von " + OhneRandblanks(name) + " passt nicht auf das Formular " + T("„") + platz.formular + T("“:");
  for (const std::string& p : platz.Probleme()) text += "\r" + p;
  return text + "\r\rDas Zeugnis trotzdem drucken?";
}

Formularplatz MissFormularplatz(const ZeugnisFormular& formular, const TSchuelerDatensatz& satz,
                                const TDruckEinstellungen& druck, std::int16_t verlag, const std::string& schulname) {
  Formularplatz ergebnis;
  ergebnis.formular = formular.titel;
  const TFormatSteuerTabelle& tabelle = formular.tabelle;
  const std::vector<ZeugnisPosten> alle = ZeugnisBlattPosten(satz, druck, verlag, schulname, formular.zaehler);

  // The pages the print sequence prints (page 1 of the three-page forms may be left out).
  std::vector<std::uint16_t> seiten;
  for (const ZeugnisAuftrag& a : ZeugnisSeitenfolge(formular.typ, druck.Druckart, druck.NurInnen == 1)) {
    for (int p = std::max<int>(a.erste, 1); p <= std::min<int>(a.letzte, 4); ++p) {
      seiten.push_back(static_cast<std::uint16_t>(p));
    }
  }

  for (const ZeugnisPosten& p : alle) {
    if (p.art == Art::Block) {
      const auto seite = p.eintrag < tabelle.size() ? tabelle[p.eintrag].Seite : std::uint16_t{0};
      const bool gedruckt =
          WirdGedruckt(tabelle, p.eintrag, seite) && std::find(seiten.begin(), seiten.end(), seite) != seiten.end();
      if (!gedruckt) {
        BlockPlatz b;
        b.eintrag = p.eintrag;
        ergebnis.bloecke.push_back(b);
        continue;
      }
      const TSeitenRand& rand = formular.raender[seite - 1u];
      ergebnis.bloecke.push_back(MissBlock(p, alle, tabelle, seite, kBlattHoehe - rand.Oben));
    }
  }
  for (std::uint16_t seite : seiten) {
    const double blattRechts = kBlattBreite - formular.raender[seite - 1u].Links;
    for (const ZeugnisPosten& p : alle) {
      if ((p.art != Art::Fach && p.art != Art::Lernfeld) || !WirdGedruckt(tabelle, p.eintrag, seite)) continue;
      if (auto u = MissSpalte(p, tabelle, seite, blattRechts)) ergebnis.ueberlaeufe.push_back(std::move(*u));
    }
  }
  return ergebnis;
}

namespace {

// A small file's bytes; nothing when it cannot be read.
std::optional<Bytes> Inhalt(const std::string& datei) {
  try {
    return LiesGanzeDatei(Pfad(datei));
  } catch (const EAFehler&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<Formularplatz> FormularplatzPruefer::Pruefe(const TSchuelerDatensatz& satz) {
  const std::optional<Zeugnistyp> typ = ZeugnistypVon(satz.Zeugnisart());
  if (!typ) return std::nullopt;
  const TDruckEinstellungen& druck = kontext_.druck;
  if (ZeugnisSeitenfolge(*typ, druck.Druckart, druck.NurInnen == 1).empty()) return std::nullopt;

  const std::int16_t verlag = kontext_.Verlag();
  const std::string datei = ZeugnisDateiname(*typ, verlag);
  Schluessel schluessel{*typ, verlag, druck.Druckart, DateiExistiert(datei), std::nullopt};
  if (schluessel.vorhanden) schluessel.inhalt = Inhalt(datei);
  // A table that cannot be read is read again next time, for its message.
  if (schluessel_ != schluessel || (schluessel.vorhanden && !schluessel.inhalt)) {
    schluessel_ = schluessel;
    ++ladevorgaenge_;
    lesefehler_.clear();
    try {
      OhneMeldungen still;
      formular_ = LadeZeugnisFormular(*typ, verlag, druck, still, FehlendeTabelle::NurLesen);
    } catch (const EAFehler& f) {
      lesefehler_ = T("Steuerdatei „") + datei + T("“ nicht lesbar: ") + EAFehlerText(f.Nummer());
    }
  }
  if (!lesefehler_.empty()) {
    Formularplatz p;
    p.lesefehler = lesefehler_;
    return p;
  }
  // The margins are the settings' of this moment; the table is the one kept.
  ZeugnisFormular formular = formular_;
  formular.raender = ZeugnisRaender(*typ, druck);
  return MissFormularplatz(formular, satz, druck, verlag, kontext_.zeugnisname);
}

std::optional<Formularplatz> FormularplatzPruefer::Pruefe(const TSchuelerDatensatz& satz, const std::string& hinweise,
                                                          const std::string& bemerkungen) {
  TSchuelerDatensatz mitTexten = satz;
  mitTexten.Setze(TSchuelerDatensatz::Hinweise, hinweise);
  mitTexten.Setze(TSchuelerDatensatz::Bemerkungen, bemerkungen);
  return Pruefe(mitTexten);
}

}  // namespace velmora
