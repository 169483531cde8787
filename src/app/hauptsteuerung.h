#pragma once
// The decisions of the main window: start and end of the program, the student list and
// the editor, the class-file commands and cut, copy and paste. The window implements
// HauptAnsicht and forwards its menu commands, buttons and list clicks here.
#include <memory>
#include <string>
#include <vector>

#include "app/editor.h"
#include "basis/dateidialoge.h"
#include "basis/meldungen.h"
#include "classdata/klassenzustand.h"
#include "classdata/schuelerdatensatz.h"
#include "classdata/verschluesselung.h"
#include "printcommands/druckkontext.h"
#include "settings/druckeinstellungen.h"
#include "settings/programmeinstellungen.h"
#include "settings/schulidentitaet.h"
#include "subjects/klassenfachvorlage.h"
#include "subjects/schulfaecher.h"

namespace velmora {

inline constexpr const char* kVorlageDateiname = "VORLAGE.VLM";
inline constexpr const char* kSicherungsDatei = "Sicherung.DAT";
inline constexpr const char* kKlassenFilter = "Velmora (*.VLM)|*.VLM";
// Status panel 2 while the class has no file of its own.
inline constexpr const char* kOhneDatei = "aktuelle Datei";

// What the logic needs of the main window.
class HauptAnsicht {
 public:
  virtual ~HauptAnsicht() = default;
  virtual EditorInhalt LiesEditor() = 0;
  virtual void ZeigeEditor(const EditorInhalt& inhalt) = 0;
  virtual void ZeigeListe(const std::vector<std::string>& zeilen, int auswahl) = 0;
  virtual void WaehleListenZeile(int zeile) = 0;
  virtual void ZeigeAenderung(bool geaendert) = 0;                      // the red change indicator
  virtual void ZeigeDateiname(const std::string& name) = 0;             // status panel 2
  virtual void ZeigeKurzname(const std::string& name) = 0;              // status panel 3
  virtual void SetzeSchulFaecher(const TSchulFaecherListe& liste) = 0;  // the 18 combo boxes
  virtual void LeereZeugnistextfelder() = 0;
  virtual void FokusAufNummer() = 0;
  virtual void ZeigeSpeicherFortschritt() = 0;  // the modal save progress window
  virtual void ZeigeVorlagenAuswahl() = 0;      // the template selection window
};

class Hauptsteuerung {
 public:
  Hauptsteuerung(HauptAnsicht& ansicht, Meldungen& meldungen, DateiDialoge& dialoge,
                 DatenPasswortDialoge& datenPasswort, KonfigPasswortDialoge& konfigPasswort);

  // Start sequence, run once when the main window is first shown.
  void Start();
  // True when the start found a working directory Velmora had not worked in (IstErsterStart).
  bool ErsterStart() const { return ersterStart_; }
  // End sequence; true when the program may close.
  bool Beenden();

  // "Übernehmen" of the school-data window: the status bar and the printouts take the new
  // names at once.
  void SchuldatenUebernommen();

  // Class-file commands.
  void Neu();
  void Oeffnen();
  bool Speichern();
  bool SpeichernUnter();

  // Student list and editor.
  void SchuelerListeFuellen();
  void DatensatzAnzeigen(int index);
  void DatensatzUebernehmen(int index);
  void ListeKlick(int zeile);
  void TabWechsel();
  void AktuelleDatenUebernehmen();
  void ZumErsten();
  void ZumVorigen();
  void ZumNaechsten();
  void ZumLetzten();
  void Ausschneiden();
  void Kopieren();
  void Einfuegen();

  void NichtVerfuegbar();

  // Class-wide commands and imports.
  void BewertungenLoeschenClick();
  void ZeugnistexteLoeschenClick();
  void AllenZuweisenClick(int gruppe);  // 0..4, the buttons top to bottom
  void NeueFaecherlisteZuordnenClick();
  void PersonendatenImportClick();
  void BewertungenImportClick();

  // "Fächerliste der Schule" and "Fächerliste der Klasse": true when the window may open.
  bool FaecherlisteDerSchule();
  // "&Formular ausrichten...": guarded like the subject lists; true when the window may open.
  bool FormularAusrichten();
  // "Einstellungen > &Archiv...": guarded like the subject lists, since switching the archive
  // copies off or sending them elsewhere is the school's decision; true when the window may
  // open.
  bool Archiv();
  bool FaecherlisteDerKlasse();

  KlassenZustand& Zustand() { return zustand_; }
  VorlagenZustand& Vorlagen() { return vorlagen_; }
  const TSchulFaecherListe& SchulFaecher() const { return schulFaecher_; }
  const std::string& Programmverzeichnis() const { return programmverzeichnis_; }
  ProgrammEinstellungen& Einstellungen() { return einstellungen_; }
  DruckEinstellungen& Druckeinstellungen() { return druckEinstellungen_; }
  const TDruckEinstellungen& DruckSatz() const { return druckEinstellungen_.Satz(); }
  SchulIdentitaet& Schule() { return schule_; }
  // The school's names as they were at program start, or as the school-data window last
  // took them; the printouts use these.
  const std::string& Zeugnisname() const { return zeugnisname_; }
  const std::string& Kurzname() const { return kurzname_; }
  // What the print commands read: the class, the current slot, the settings records and
  // the school's names, read-only.
  DruckKontext Druckkontext() const {
    return DruckKontext{zustand_, druckEinstellungen_.Satz(), einstellungen_.Satz(), zeugnisname_, kurzname_};
  }
  Datenschutz& Schutz() { return datenschutz_; }
  // How the class in memory was opened. A class deciphered with a wrong password or left
  // enciphered is written over a file only after an extra warning question.
  Entschluesselung Entschluesselungsstand() const { return entschluesselung_; }
  bool FalschEntschluesselt() const { return entschluesselung_ != Entschluesselung::Lesbar; }

 private:
  enum class SpeicherWeg { UnterNeuemNamen, Vorlagenklasse, UnterAktuellemNamen };

  bool SpeichereUnterNeuemNamen(SpeicherWeg weg);
  // `datei`: the file that will be overwritten, empty when the save dialog is still to come.
  bool FalschEntschluesseltSpeichernErlaubt(const std::string& datei);
  void SchreibeSicherungskopie(const std::string& datei, const Bytes& bild);
  void SchreibeKlasse(const std::string& datei, Schreibart art, SpeicherWeg weg);
  void NachDemSpeichern(const std::string& datei);
  void Navigiere(int neu);
  DateiDialogWunsch KlassenDialog() const;

  HauptAnsicht& ansicht_;
  Meldungen& meldungen_;
  DateiDialoge& dialoge_;
  DatenPasswortDialoge& datenPasswort_;
  KonfigPasswortDialoge& konfigPasswort_;
  KlassenZustand zustand_;
  ProgrammEinstellungen einstellungen_;
  DruckEinstellungen druckEinstellungen_;
  SchulIdentitaet schule_;
  std::string zeugnisname_;
  std::string kurzname_;
  Datenschutz datenschutz_;
  Entschluesselung entschluesselung_ = Entschluesselung::Lesbar;
  Bytes unentschluesseltesBild_;  // the file's bytes of a class not rightly deciphered
  bool schulFaecherGeladen_ = false;
  bool ersterStart_ = false;
  VorlagenZustand vorlagen_;
  TSchulFaecherListe schulFaecher_;
  std::string programmverzeichnis_;
};

// True in a working directory Velmora has not worked in yet: no class file (*.VLM), no
// program settings, no school subject list and no empty template. The start creates the
// last two, so only the first start in a directory is one.
bool IstErsterStart();

// The backup name of a class file: the path without its last three characters + "BAK".
std::string SicherungskopieName(const std::string& pfad);
// The file name without its directory.
std::string OhneVerzeichnis(const std::string& pfad);

}  // namespace velmora
