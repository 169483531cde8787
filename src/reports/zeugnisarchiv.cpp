#include "reports/zeugnisarchiv.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "basis/fehlerbox.h"
#include "print/pdfdatei.h"
#include "printcommands/sitzungsname.h"
#include "reports/klassenzeugnisse.h"
#include "reports/weisseszeugnis.h"
#include "reports/zeugnisbefehl.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

// At most this many files are named in one box.
constexpr std::size_t kGenannteDateien = 10;

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

std::string ZweiStellen(int zahl) { return (zahl < 10 ? "0" : "") + std::to_string(zahl); }

std::string Zeitpunkttext(const Zeitpunkt& z) {
  return ZweiStellen(z.datum.tag) + "." + ZweiStellen(z.datum.monat) + "." + std::to_string(z.datum.jahr) + " " +
         ZweiStellen(z.zeit.stunde) + ":" + ZweiStellen(z.zeit.minute) + ":" + ZweiStellen(z.zeit.sekunde);
}

std::string Fehlerabsatz(const std::string& kopf, const ArchivFehler& f) {
  return kopf + "\r" + EAFehlerText(f.nummer) + T("\r\rDatei: ") + f.datei;
}

}  // namespace

std::string WeissesPapierText() { return T("weißes Papier"); }

std::string ArchivNamensteil(const std::string& text, const std::string& ersatz) {
  std::string teil = OhneRandblanks(ErlaubterDateiname(text));
  if (teil.empty()) return ersatz;
  for (std::size_t i = teil.size(); i > 0 && (teil[i - 1] == '.' || teil[i - 1] == ' '); --i) teil[i - 1] = '_';
  std::string stamm = teil.substr(0, teil.find('.'));
  for (char& c : stamm) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  static constexpr std::array<std::string_view, 4> kGeraete = {"CON", "PRN", "AUX", "NUL"};
  const bool nummeriert = stamm.size() == 4 && (stamm.rfind("COM", 0) == 0 || stamm.rfind("LPT", 0) == 0) &&
                          stamm[3] >= '1' && stamm[3] <= '9';
  if (nummeriert || std::find(kGeraete.begin(), kGeraete.end(), stamm) != kGeraete.end()) teil = "_" + teil;
  return teil;
}

std::string ArchivSchuljahr(const TSchuelerDatensatz& satz) {
  const std::string von = OhneRandblanks(satz.Lies(S::SchuljahrVon));
  const std::string bis = OhneRandblanks(satz.Lies(S::SchuljahrBis));
  const std::string jahre = von.empty() || bis.empty() ? von + bis : von + "-" + bis;
  return ArchivNamensteil(jahre, "ohne Schuljahr");
}

std::string ArchivZeugnisdatum(const TSchuelerDatensatz& satz) {
  const std::string datum = OhneRandblanks(satz.Lies(S::Zeugnisdatum));
  // The empty date of the masked field ("00.00.0000", "  .  .    ") is no date.
  if (std::none_of(datum.begin(), datum.end(), [](char c) { return c >= '1' && c <= '9'; })) return "ohne Datum";
  const bool tmj = datum.size() == 10 && datum[2] == '.' && datum[5] == '.' &&
                   std::all_of(datum.begin(), datum.end(), [](char c) { return c == '.' || IstZiffer(c); });
  if (tmj) return datum.substr(6, 4) + "-" + datum.substr(3, 2) + "-" + datum.substr(0, 2);
  return ArchivNamensteil(datum, "ohne Datum");
}

ArchivOrt ArchivOrtFuer(const KlassenZustand& klasse, std::size_t schueler, Zeugnistyp typ) {
  const TSchuelerDatensatz& satz = klasse.Klasse->Schueler[schueler];
  std::string name;
  for (const std::string& teil : {OhneRandblanks(satz.Lies(S::Name)), OhneRandblanks(satz.Lies(S::Vornamen)),
                                  WeissTitel(typ), ArchivZeugnisdatum(satz)}) {
    if (!teil.empty()) name += (name.empty() ? "" : "-") + teil;
  }
  return {ArchivSchuljahr(satz), ArchivNamensteil(Klassenbezeichnung(klasse, schueler), "ohne Klasse"),
          ArchivNamensteil(name, WeissTitel(typ)) + ".pdf"};
}

fs::path FreierArchivname(const fs::path& datei) {
  std::error_code ec;
  fs::path kandidat = datei;
  for (int n = 2; fs::exists(kandidat, ec) || fs::is_symlink(kandidat, ec); ++n) {
    kandidat = datei.parent_path() / datei.stem();
    kandidat += "-" + std::to_string(n) + ".pdf";
  }
  return kandidat;
}

PdfAAngaben ArchivAngaben(const TSchuelerDatensatz& satz, Zeugnistyp typ, const std::string& schule) {
  return {WeissTitel(typ) + T(" – ") + OhneRandblanks(ZeugnisName(satz)), schule};
}

std::string ListenSchuljahr(const TSchuelerDatensatz& satz) {
  const std::string von = OhneRandblanks(satz.Lies(S::SchuljahrVon));
  const std::string bis = OhneRandblanks(satz.Lies(S::SchuljahrBis));
  return von.empty() && bis.empty() ? std::string() : von + "/" + bis;
}

std::string ArchivWarnung(const ArchivErgebnis& e, bool nachDemDruck) {
  std::vector<std::string> absaetze;
  if (e.einstellungen) {
    absaetze.push_back(
        Fehlerabsatz(T("Die Einstellungen des Archivs konnten nicht gelesen werden:"), *e.einstellungen) +
        T("\r\rEs wurde keine Archivkopie geschrieben."));
  }
  if (e.kopien.size() == 1) {
    absaetze.push_back(Fehlerabsatz(T("Die Archivkopie konnte nicht geschrieben werden:"), e.kopien.front()));
  } else if (e.kopien.size() > 1) {
    std::string text = std::to_string(e.kopien.size()) + " Archivkopien konnten nicht geschrieben werden:\r" +
                       EAFehlerText(e.kopien.front().nummer) + T("\r\rDateien:");
    for (std::size_t i = 0; i < e.kopien.size() && i < kGenannteDateien; ++i) text += "\r" + e.kopien[i].datei;
    if (e.kopien.size() > kGenannteDateien) {
      text += T("\r… und ") + std::to_string(e.kopien.size() - kGenannteDateien) + " weitere";
    }
    absaetze.push_back(text);
  }
  if (e.liste) {
    absaetze.push_back(Fehlerabsatz(T("Die Liste der ausgegebenen Zeugnisse konnte nicht ergänzt werden:"), *e.liste));
  }
  for (const std::string& h : e.hinweise) absaetze.push_back(T("Zur Archivkopie: ") + h);
  if (absaetze.empty()) return {};
  if (nachDemDruck) absaetze.push_back(T("Der Druck selbst ist davon nicht betroffen."));
  std::string text = absaetze.front();
  for (std::size_t i = 1; i < absaetze.size(); ++i) text += "\r\r" + absaetze[i];
  return text;
}

std::string ArchivInformation(const ArchivErgebnis& e) {
  std::string text = e.geschrieben == 1 ? std::string("Es wurde 1 Archivkopie angelegt")
                                        : "Es wurden " + std::to_string(e.geschrieben) + " Archivkopien angelegt";
  text += e.ordner.size() == 1 ? ", im Ordner" : ", in den Ordnern";
  for (const std::string& o : e.ordner) text += "\r" + o;
  return text;
}

fs::path Zeugnisarchiv::Archivordner() const { return Pfad(einstellungen_.Satz().Archivordner()); }

ArchivErgebnis Zeugnisarchiv::Schreibe(const std::vector<std::size_t>& schueler, const std::string& papier) {
  ArchivErgebnis e;
  const fs::path archiv = Archivordner();
  const TKlassenDatei& klasse = kontext_.Klasse();
  // One set of plain-paper tables for all copies of the command, each read once.
  WeissTabellenVorrat tabellen(meldungen_);
  for (std::size_t i : schueler) {
    if (i >= klasse.Schueler.size()) continue;
    const TSchuelerDatensatz& satz = klasse.Schueler[i];
    const std::optional<Zeugnistyp> typ = ZeugnistypVon(satz.Zeugnisart());
    if (!typ) continue;
    const ArchivOrt ort = ArchivOrtFuer(kontext_.klasse, i, *typ);
    const fs::path ordner = archiv / Pfad(ort.schuljahr) / Pfad(ort.klasse);
    fs::path datei = ordner / Pfad(ort.datei);
    try {
      tabellen.Fuer(*typ);  // before the file: a table that cannot be read leaves no file
      datei = FreierArchivname(datei);
      const bool da = pdf_.Schreibe(datei, ArchivAngaben(satz, *typ, kontext_.zeugnisname), [&](DruckFlaeche& f) {
        const WeissKontext k{f, kontext_.druck, kontext_.zeugnisname, tabellen};
        if (!f.BeginneDokument(WeissTitel(*typ))) return;
        DruckeWeissesZeugnis(k, klasse, i);
        f.BeendeDokument();
      });
      if (!da) continue;
    } catch (const EAFehler& f) {
      e.kopien.push_back({AnzeigePfad(datei), f.Nummer()});
      continue;
    }
    ++e.geschrieben;
    const std::string ordnerText = AnzeigePfad(ordner);
    if (std::find(e.ordner.begin(), e.ordner.end(), ordnerText) == e.ordner.end()) e.ordner.push_back(ordnerText);
    const ZeugnislistenEintrag eintrag{Zeitpunkttext(uhr_.Jetzt()),
                                       ListenSchuljahr(satz),
                                       Klassenbezeichnung(kontext_.klasse, i),
                                       OhneRandblanks(satz.Lies(S::Name)),
                                       OhneRandblanks(satz.Lies(S::Vornamen)),
                                       OhneRandblanks(satz.Lies(S::Geburtsdatum)),
                                       WeissTitel(*typ),
                                       OhneRandblanks(satz.Lies(S::Zeugnisdatum)),
                                       papier,
                                       ort.schuljahr + "/" + ort.klasse + "/" + NameAus(datei.filename())};
    try {
      HaengeAnZeugnisliste(archiv, eintrag);
    } catch (const EAFehler& f) {
      if (!e.liste) e.liste = ArchivFehler{AnzeigePfad(archiv / kZeugnislisteDatei), f.Nummer()};
    }
  }
  // A print on plain paper has shown these before it printed.
  if (papier != WeissesPapierText()) e.hinweise = tabellen.NimmWarnungen();
  return e;
}

ArchivErgebnis Zeugnisarchiv::NachDemDruck(const std::vector<std::size_t>& gedruckt, const std::string& papier) {
  if (gedruckt.empty()) return {};
  try {
    einstellungen_.Laden();
  } catch (const EAFehler& f) {
    ArchivErgebnis e;
    e.einstellungen = ArchivFehler{AnzeigePfad(Pfad(kArchivEinstellDatei)), f.Nummer()};
    return e;
  }
  if (!einstellungen_.Satz().An()) return {};
  return Schreibe(gedruckt, papier);
}

void Zeugnisarchiv::MeldeNachDemDruck(const ArchivErgebnis& ergebnis) {
  const std::string warnung = ArchivWarnung(ergebnis, true);
  if (!warnung.empty()) meldungen_.Zeige(MeldungsArt::Warnung, warnung, Knoepfe::Ok);
}

void Zeugnisarchiv::KlasseAnlegen() {
  if (!MitFehlerbox(meldungen_, [&] { einstellungen_.Laden(); })) return;
  const TKlassenDatei& klasse = kontext_.Klasse();
  std::vector<std::size_t> druckbar;
  bool schuelerDa = false;
  for (std::size_t i = 0; i < klasse.Schueler.size(); ++i) {
    const TSchuelerDatensatz& satz = klasse.Schueler[i];
    if (satz.IstFrei()) continue;
    schuelerDa = true;
    if (EntscheideZeugnis(satz.Schulart(), satz.Zeugnisart(), kontext_.druck.Druckart).typ) druckbar.push_back(i);
  }
  if (!schuelerDa) {
    meldungen_.Information(Klassenzeugnisbefehl::LeereKlasseText());
    return;
  }
  if (druckbar.empty()) {
    meldungen_.Information(
        T("In der Klasse ist kein Zeugnis, das gedruckt werden kann: Es wurde keine Archivkopie angelegt."));
    return;
  }
  const std::string frage = druckbar.size() == 1
                                ? T("Für 1 Zeugnis der Klasse eine Archivkopie anlegen, ohne es zu drucken?")
                                : T("Für ") + std::to_string(druckbar.size()) +
                                      T(" Zeugnisse der Klasse Archivkopien anlegen, ohne sie zu drucken?");
  if (!meldungen_.Frage(frage + T("\r\rArchiv: ") + AnzeigePfad(Archivordner()))) return;
  const ArchivErgebnis e = Schreibe(druckbar, T(kOhneDruck));
  if (e.geschrieben > 0) meldungen_.Information(ArchivInformation(e));
  const std::string warnung = ArchivWarnung(e, false);
  if (!warnung.empty()) meldungen_.Zeige(MeldungsArt::Warnung, warnung, Knoepfe::Ok);
}

}  // namespace velmora
