#include "app/hauptsteuerung.h"
#include "basis/fehlerbox.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "app/import.h"
#include "app/klassenoperationen.h"
#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"

namespace velmora {

std::string SicherungskopieName(const std::string& pfad) {
  return (pfad.size() >= 3 ? pfad.substr(0, pfad.size() - 3) : std::string()) + "BAK";
}

std::string OhneVerzeichnis(const std::string& pfad) { return NameAus(Pfad(pfad).filename()); }

bool IstErsterStart() {
  for (const char* datei : {kEinstellDatei, kSchulFaecherDatei, kLeereVorlage}) {
    if (DateiExistiert(datei)) return false;
  }
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(".", ec); !ec && it != std::filesystem::directory_iterator();
       it.increment(ec)) {
    std::string endung = NameAus(it->path().extension());
    for (char& c : endung) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (endung == ".VLM") return false;
  }
  return true;
}

Hauptsteuerung::Hauptsteuerung(HauptAnsicht& ansicht, Meldungen& meldungen, DateiDialoge& dialoge,
                               DatenPasswortDialoge& datenPasswort, KonfigPasswortDialoge& konfigPasswort)
    : ansicht_(ansicht),
      meldungen_(meldungen),
      dialoge_(dialoge),
      datenPasswort_(datenPasswort),
      konfigPasswort_(konfigPasswort) {}

void Hauptsteuerung::Start() {
  // 1. The program directory is the directory the program was started in.
  std::error_code ec;
  std::filesystem::path verzeichnis = std::filesystem::current_path(ec);
  programmverzeichnis_ = NameAus(verzeichnis);
  if (!ec) std::filesystem::current_path(verzeichnis, ec);
  if (ec) {
    meldungen_.Information(T("Problem beim Zugriff auf das Programmverzeichnis:\r") + programmverzeichnis_ + "\r" +
                           T("Eventuell können bestimmte Hilfs-Dateien nicht gefunden werden!"));
  }
  // Before the start creates its files: is this the first start here?
  ersterStart_ = IstErsterStart();
  // What a save cut off by a crash left beside the working files.
  RaeumeVerwaisteNeuDateienAuf();
  // 2. School identity: panel 3 shows its short name; the printouts keep its names.
  MitFehlerbox(meldungen_, [&] { schule_.Laden(); });
  zeugnisname_ = schule_.Satz().Zeugnisname;
  kurzname_ = schule_.Satz().Kurzname;
  ansicht_.ZeigeKurzname(kurzname_);
  // 3. Program settings, then the print settings.
  EinstellungenLadenMitMeldung(einstellungen_, meldungen_);
  MitFehlerbox(meldungen_, [&] { druckEinstellungen_.Laden(); });
  // 4. The clipboard holds a blank record; no template has been read yet.
  NeuerDatensatzAusVorlage(vorlagen_, zustand_.Zwischenablage);
  // 5. School subject list.
  schulFaecherGeladen_ = MitFehlerbox(meldungen_, [&] { schulFaecher_ = LadeSchulFaecherListe(); });
  // 6. Template "LEER.KFV" and a class built from it.
  MitFehlerbox(meldungen_, [&] { VorlagenStart(vorlagen_, *zustand_.Klasse, meldungen_); });
  // 7. The class has never been saved.
  zustand_.Dateiname = kVorlageDateiname;
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
  // 8. The subject boxes offer the school's subjects.
  ansicht_.SetzeSchulFaecher(schulFaecher_);
  // 9. The two report-text boxes start empty; the record keeps its texts until stored.
  ansicht_.LeereZeugnistextfelder();
}

bool Hauptsteuerung::Beenden() {
  if (!meldungen_.Frage(T("Wollen Sie das Programm jetzt wirklich beenden?"))) return false;
  // What is typed into the editor belongs to the class that is saved and backed up.
  DatensatzUebernehmen(zustand_.AktuellerSchueler);
  if (zustand_.Dateiname.empty()) {
    if (!MitFehlerbox(meldungen_, [&] { NeueKlasseAusVorlage(vorlagen_, *zustand_.Klasse, meldungen_); })) return false;
  }
  if (zustand_.DatenGeaendert &&
      meldungen_.Warnfrage(T("Die Daten wurden geändert!\r\rSollen die Änderungen gespeichert werden?"))) {
    bool gespeichert = zustand_.Dateiname == kVorlageDateiname ? SpeichernUnter() : Speichern();
    if (!gespeichert) return false;
  }
  // A class deciphered with a wrong password (or not at all) is garbage in memory; the
  // backup keeps the file's bytes instead, which the right password opens.
  const Bytes& sicherung = FalschEntschluesselt() ? unentschluesseltesBild_ : zustand_.Klasse->Bild();
  if (MitFehlerbox(meldungen_, [&] { SchreibeDatensatz(kSicherungsDatei, sicherung); })) return true;
  // Without the backup the program may still be left; the class files are as last saved.
  return meldungen_.VorsichtigeWarnfrage(
      T("Die Sicherungskopie konnte nicht geschrieben werden.\r\rTrotzdem beenden?"));
}

DateiDialogWunsch Hauptsteuerung::KlassenDialog() const {
  return DateiDialogWunsch{kKlassenFilter, programmverzeichnis_, "VLM", ""};
}

void Hauptsteuerung::Neu() {
  ansicht_.ZeigeVorlagenAuswahl();
  if (!MitFehlerbox(meldungen_, [&] { NeueKlasseAusVorlage(vorlagen_, *zustand_.Klasse, meldungen_); })) {
    // A file error ends the command: the class keeps its records, its name and its check string.
    SchuelerListeFuellen();
    DatensatzAnzeigen(zustand_.AktuellerSchueler);
    return;
  }
  zustand_.Dateiname = kVorlageDateiname;
  ansicht_.ZeigeDateiname(kOhneDatei);  // "Speichern" asks for a name again
  zustand_.AktuellerSchueler = 0;
  SchuelerListeFuellen();
  ansicht_.WaehleListenZeile(0);
  DatensatzAnzeigen(0);
  datenschutz_.FuerNeueKlasse(*zustand_.Klasse, einstellungen_.Satz().Verschluesseln());
  entschluesselung_ = Entschluesselung::Lesbar;
  unentschluesseltesBild_.clear();
}

void Hauptsteuerung::Oeffnen() {
  std::optional<std::string> datei = dialoge_.Oeffnen(KlassenDialog());
  if (datei) {
    MitFehlerbox(meldungen_, [&] {
      Bytes bild = LiesDatensatz(*datei, TKlassenDatei::Groesse, /*schreibbar=*/true);
      EntferneVerwaisteNeuDatei(*datei);
      SchreibeSicherungskopie(*datei, bild);
      entschluesselung_ = datenschutz_.NachDemOeffnen(bild, *zustand_.Klasse, einstellungen_.Satz().Verschluesseln(),
                                                      datenPasswort_, meldungen_);
      // Not rightly deciphered, the class is written back (and backed up) only as it was read.
      unentschluesseltesBild_ = entschluesselung_ == Entschluesselung::Lesbar ? Bytes{} : bild;
      zustand_.Dateiname = *datei;
      ansicht_.ZeigeDateiname(OhneVerzeichnis(*datei));
      zustand_.DatenGeaendert = false;
    });
  }
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

// The backup copy of a class file as it was read. A directory that takes no new file (a
// shared folder) must not keep the class from being opened: the class file itself is
// untouched, and the user is told that there is no copy.
void Hauptsteuerung::SchreibeSicherungskopie(const std::string& datei, const Bytes& bild) {
  const std::string kopie = SicherungskopieName(datei);
  try {
    SchreibeDatensatz(kopie, bild);
  } catch (const EAFehler& f) {
    meldungen_.Zeige(MeldungsArt::Warnung,
                     T("Die Sicherungskopie ") + OhneVerzeichnis(kopie) + T(" konnte nicht geschrieben werden:\r") +
                         EAFehlerText(f.Nummer()) + T("\r\rDie Klasse wird trotzdem geöffnet."),
                     Knoepfe::Ok);
  }
}

void Hauptsteuerung::SchreibeKlasse(const std::string& datei, Schreibart art, SpeicherWeg weg) {
  if (entschluesselung_ == Entschluesselung::NichtEntschluesselt) {
    // Still enciphered: the records and the check string go back exactly as they were
    // read, so the right password opens the file again; a change typed over the cipher
    // bytes would garble its record and is dropped (the warning says so). No password is
    // defined for it. The class shown is then the class written.
    SchreibeDatensatz(datei, unentschluesseltesBild_, art);
    *zustand_.Klasse = TKlassenDatei::AusBild(unentschluesseltesBild_);
    SchuelerListeFuellen();
    DatensatzAnzeigen(zustand_.AktuellerSchueler);
    return;
  }
  // A new data password is asked for on save-as, otherwise only while the class has none.
  const bool festlegen = weg == SpeicherWeg::UnterNeuemNamen || zustand_.Klasse->PasswortKennung[0] == 0;
  Bytes bild =
      datenschutz_.ZumSpeichern(*zustand_.Klasse, einstellungen_.Satz().Verschluesseln(), festlegen, datenPasswort_);
  SchreibeDatensatz(datei, bild, art);
  entschluesselung_ = Entschluesselung::Lesbar;
  unentschluesseltesBild_.clear();
}

// A class deciphered with a wrong password holds garbage, and one left enciphered holds the
// file's cipher bytes; written over a file either could destroy the only readable copy. It
// is saved only on an explicit second confirmation whose default answer is No.
bool Hauptsteuerung::FalschEntschluesseltSpeichernErlaubt(const std::string& datei) {
  std::string text;
  switch (entschluesselung_) {
    case Entschluesselung::Lesbar:
      return true;
    case Entschluesselung::FalschesPasswort:
      text =
          T("Diese Klasse wurde mit einem falschen Passwort geöffnet und ist nicht richtig entschlüsselt!\r\r"
            "Sollen die falsch entschlüsselten Daten trotzdem gespeichert werden?");
      break;
    case Entschluesselung::NichtEntschluesselt:
      text =
          T("Diese Klasse wurde ohne Passwort geöffnet und ist nicht entschlüsselt!\r\r"
            "Soll sie trotzdem gespeichert werden?\r"
            "Die verschlüsselten Daten werden dabei so geschrieben, wie sie gelesen wurden;\r"
            "Änderungen an dieser Klasse gehen dabei verloren.");
      break;
  }
  if (!datei.empty()) text += T("\rDie Datei ") + OhneVerzeichnis(datei) + T(" wird dabei überschrieben.");
  return meldungen_.VorsichtigeWarnfrage(text);
}

void Hauptsteuerung::NachDemSpeichern(const std::string& datei) {
  ansicht_.ZeigeSpeicherFortschritt();
  zustand_.Dateiname = datei;
  ansicht_.ZeigeDateiname(OhneVerzeichnis(datei));
  zustand_.DatenGeaendert = false;
}

bool Hauptsteuerung::Speichern() {
  DatensatzUebernehmen(zustand_.AktuellerSchueler);
  bool erfolg = true;
  const bool unterAktuellemNamen = !zustand_.Dateiname.empty() && zustand_.Dateiname != kVorlageDateiname;
  if (!FalschEntschluesseltSpeichernErlaubt(unterAktuellemNamen ? zustand_.Dateiname : std::string())) {
    // nothing is written
  } else if (zustand_.Dateiname.empty()) {
    meldungen_.Fehler(T("Es existiert noch keine Datei!"));
  } else if (zustand_.Dateiname == kVorlageDateiname) {
    erfolg = SpeichereUnterNeuemNamen(SpeicherWeg::Vorlagenklasse);
  } else {
    erfolg = MitFehlerbox(meldungen_, [&] {
      SchreibeKlasse(zustand_.Dateiname, Schreibart::Ersetzen, SpeicherWeg::UnterAktuellemNamen);
      NachDemSpeichern(zustand_.Dateiname);
    });
  }
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
  return erfolg;
}

bool Hauptsteuerung::SpeichernUnter() {
  DatensatzUebernehmen(zustand_.AktuellerSchueler);
  bool erfolg =
      !FalschEntschluesseltSpeichernErlaubt(std::string()) || SpeichereUnterNeuemNamen(SpeicherWeg::UnterNeuemNamen);
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
  return erfolg;
}

// Returns false only when a file error stopped the save; a cancelled dialog or a No to
// the overwrite question is no failure.
bool Hauptsteuerung::SpeichereUnterNeuemNamen(SpeicherWeg weg) {
  std::optional<std::string> datei = dialoge_.Speichern(KlassenDialog());
  if (!datei) return true;
  Schreibart art = Schreibart::Ersetzen;
  if (DateiExistiert(*datei)) {
    if (!meldungen_.Frage(T("Soll die vorhandene Datei überschrieben werden?"))) return true;
    art = Schreibart::Ueberschreiben;
  }
  return MitFehlerbox(meldungen_, [&] {
    SchreibeKlasse(*datei, art, weg);
    NachDemSpeichern(*datei);
  });
}

void Hauptsteuerung::SchuelerListeFuellen() {
  std::vector<std::string> zeilen;
  zeilen.reserve(KlassenZustand::Schuelerzahl);
  for (const auto& s : zustand_.Klasse->Schueler) zeilen.push_back(ListenZeile(s));
  ansicht_.ZeigeListe(zeilen, zustand_.AktuellerSchueler);
}

void Hauptsteuerung::DatensatzAnzeigen(int index) {
  ansicht_.ZeigeEditor(velmora::DatensatzAnzeigen(zustand_.Klasse->Schueler[static_cast<std::size_t>(index)]));
  ansicht_.ZeigeAenderung(zustand_.DatenGeaendert);
}

void Hauptsteuerung::DatensatzUebernehmen(int index) {
  UebernahmeErgebnis e =
      velmora::DatensatzUebernehmen(ansicht_.LiesEditor(), zustand_.Klasse->Schueler[static_cast<std::size_t>(index)]);
  if (e.geaendert) zustand_.DatenGeaendert = true;
  if (e.nummerUngueltig) {
    meldungen_.Zeige(MeldungsArt::Fehler, T("Als Schüler-Nummern dürfen nur\rganze Zahlen eingegeben werden!"),
                     Knoepfe::Ok, "Eingabefehler");
    ansicht_.FokusAufNummer();
  }
}

void Hauptsteuerung::ListeKlick(int zeile) {
  if (zeile < 0 || zeile >= KlassenZustand::Schuelerzahl) return;
  zustand_.VorigerSchueler = zustand_.AktuellerSchueler;
  zustand_.AktuellerSchueler = zeile;
  DatensatzUebernehmen(zustand_.VorigerSchueler);
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
  zustand_.VorigerSchueler = zustand_.AktuellerSchueler;
}

void Hauptsteuerung::TabWechsel() {
  DatensatzUebernehmen(zustand_.AktuellerSchueler);
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

void Hauptsteuerung::AktuelleDatenUebernehmen() {
  DatensatzUebernehmen(zustand_.AktuellerSchueler);
  SchuelerListeFuellen();
}

void Hauptsteuerung::Navigiere(int neu) {
  DatensatzUebernehmen(zustand_.AktuellerSchueler);
  zustand_.AktuellerSchueler = std::clamp(neu, 0, KlassenZustand::Schuelerzahl - 1);
  ansicht_.WaehleListenZeile(zustand_.AktuellerSchueler);
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

void Hauptsteuerung::ZumErsten() { Navigiere(0); }
void Hauptsteuerung::ZumVorigen() { Navigiere(zustand_.AktuellerSchueler - 1); }
void Hauptsteuerung::ZumNaechsten() { Navigiere(zustand_.AktuellerSchueler + 1); }
void Hauptsteuerung::ZumLetzten() { Navigiere(KlassenZustand::Schuelerzahl - 1); }

void Hauptsteuerung::Kopieren() { zustand_.Zwischenablage = zustand_.Aktuell(); }

void Hauptsteuerung::Ausschneiden() {
  auto& schueler = zustand_.Klasse->Schueler;
  zustand_.Zwischenablage = zustand_.Aktuell();
  for (int i = zustand_.AktuellerSchueler; i < KlassenZustand::Schuelerzahl - 1; ++i) {
    schueler[static_cast<std::size_t>(i)] = schueler[static_cast<std::size_t>(i + 1)];
  }
  NeuerDatensatzAusVorlage(vorlagen_, schueler.back());
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

void Hauptsteuerung::Einfuegen() {
  if (meldungen_.Frage(T("Das \"Einfügen\" ist mit dem \"Löschen\" des letzten Schülerdatensatz verbunden!!!\r\r"
                         "Soll der Datensatz jetzt eingefügt werden?"))) {
    auto& schueler = zustand_.Klasse->Schueler;
    for (int i = KlassenZustand::Schuelerzahl - 1; i > zustand_.AktuellerSchueler; --i) {
      schueler[static_cast<std::size_t>(i)] = schueler[static_cast<std::size_t>(i - 1)];
    }
    zustand_.Aktuell() = zustand_.Zwischenablage;
  }
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

void Hauptsteuerung::SchuldatenUebernommen() {
  // A name the teacher has just entered belongs on the next printout; waiting for a restart
  // printed the first reports without it.
  zeugnisname_ = schule_.Satz().Zeugnisname;
  kurzname_ = schule_.Satz().Kurzname;
  ansicht_.ZeigeKurzname(kurzname_);
}

void Hauptsteuerung::NichtVerfuegbar() { meldungen_.Hinweis(NichtVerfuegbarText()); }

void Hauptsteuerung::BewertungenLoeschenClick() {
  BewertungenLoeschen(zustand_, meldungen_);
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

void Hauptsteuerung::ZeugnistexteLoeschenClick() {
  ZeugnistexteLoeschen(zustand_, meldungen_);
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

void Hauptsteuerung::AllenZuweisenClick(int gruppe) {
  DatensatzUebernehmen(zustand_.AktuellerSchueler);
  AllenZuweisen(zustand_, static_cast<ZuweisGruppe>(std::clamp(gruppe, 0, 4)));
}

void Hauptsteuerung::NeueFaecherlisteZuordnenClick() {
  ansicht_.ZeigeVorlagenAuswahl();
  MitFehlerbox(meldungen_, [&] { NeueFaecherlisteZuordnen(zustand_, vorlagen_, meldungen_); });
  zustand_.AktuellerSchueler = 0;
  SchuelerListeFuellen();
  ansicht_.WaehleListenZeile(0);
  DatensatzAnzeigen(0);
}

void Hauptsteuerung::PersonendatenImportClick() {
  PersonendatenImportieren(zustand_, dialoge_, meldungen_, programmverzeichnis_);
  SchuelerListeFuellen();
  DatensatzAnzeigen(zustand_.AktuellerSchueler);
}

void Hauptsteuerung::BewertungenImportClick() {
  if (BewertungenImportieren(zustand_, dialoge_, meldungen_, programmverzeichnis_) == ImportAusgang::Importiert) {
    DatensatzAnzeigen(zustand_.AktuellerSchueler);
  } else {
    ansicht_.ZeigeAenderung(zustand_.DatenGeaendert);
  }
}

bool Hauptsteuerung::FaecherlisteDerSchule() {
  return KonfigZugangPruefen(einstellungen_, konfigPasswort_, meldungen_);
}

bool Hauptsteuerung::FormularAusrichten() { return KonfigZugangPruefen(einstellungen_, konfigPasswort_, meldungen_); }

bool Hauptsteuerung::Archiv() { return KonfigZugangPruefen(einstellungen_, konfigPasswort_, meldungen_); }

bool Hauptsteuerung::FaecherlisteDerKlasse() {
  if (!KonfigZugangPruefen(einstellungen_, konfigPasswort_, meldungen_)) return false;
  // A file error ends the command; the editor does not open.
  if (!schulFaecherGeladen_) {
    schulFaecherGeladen_ = MitFehlerbox(meldungen_, [&] { schulFaecher_ = LadeSchulFaecherListe(); });
    if (!schulFaecherGeladen_) return false;
  }
  if (!vorlagen_.AktuelleVorlage.empty()) {
    if (!MitFehlerbox(meldungen_, [&] { LadeKlassenFachVorlage(vorlagen_, vorlagen_.AktuelleVorlage, meldungen_); })) {
      return false;
    }
  } else {
    meldungen_.Fehler(T("Fehler!\r\rProblem mit KFV-Datei aufgetreten!!!"));
  }
  return true;
}

}  // namespace velmora
