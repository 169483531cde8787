#pragma once
// TMainForm: the main window with the student list, the record editor, the work
// buttons, menu, tool bar and status bar. Its decisions live in Hauptsteuerung.
#include <QMainWindow>
#include <memory>

#include "app/fenster/passwortdialoge.h"
#include "app/hauptsteuerung.h"
#include "basis/uhr.h"
#include "printcommands/druckbefehle.h"
#include "qtadapter/qtarchivpdf.h"
#include "qtadapter/qtdruckflaeche.h"
#include "qtadapter/qtdruckvorschau.h"
#include "qtadapter/qtmeldungen.h"
#include "reports/formularausrichtung.h"
#include "reports/klassenzeugnisse.h"
#include "reports/velmoallgdrk.h"
#include "reports/zeugnisarchiv.h"
#include "reports/zeugnisbefehl.h"
#include "reports/zeugnislistebefehl.h"
#include "reports/zeugnistexte.h"
#include "settings/archiveinstellungen.h"

class QAction;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmora {

class TEditorSeiten;
class Tfortschrittdlg;
class TProgInfoForm;
class THilfeFenster;
class TDatPasswDlg;
class TDatPwdAendDlg;
class TPasswordDlg;
class Tpwaendern;
class TEinstellform;
class TSchulFachForm;
class TKlasFachForm;
class TForm7;
class TEinstellDrkForm;
class TSchulIdentForm;
class Tinfodrucker;
class TFehlerfenster;
class TZeugnisseKlasseForm;
class TFormularAusrichten;
class TArchivForm;

class TMainForm : public QMainWindow, public HauptAnsicht {
  Q_OBJECT
 public:
  TMainForm(Meldungen& meldungen, DateiDialoge& dialoge, QWidget* eltern = nullptr);
  ~TMainForm() override;

  Hauptsteuerung& Steuerung() { return steuerung_; }
  TEditorSeiten& Editor() { return *editor_; }
  QListWidget& Liste() { return *liste_; }
  QWidget& Aenderungsanzeige() { return *aenderung_; }
  QLabel& Statusfeld(int panel) { return *status_[static_cast<std::size_t>(panel)]; }
  Tfortschrittdlg& Fortschritt() { return *fortschritt_; }
  THilfeFenster& Hilfe() { return *hilfe_; }
  TProgInfoForm& Info() { return *info_; }
  QtDruckflaeche& Druckflaeche() { return druckflaeche_; }
  Druckbefehle& Drucken() { return druckbefehle_; }
  Zeugnisbefehl& Zeugnis() { return zeugnis_; }
  Zeugnistextbefehle& Zeugnistexte() { return zeugnistexte_; }
  Klassenzeugnisbefehl& Klassenzeugnisse() { return klassenzeugnisse_; }
  TZeugnisseKlasseForm& ZeugnisseKlasseForm() { return *zeugnisseKlasse_; }
  TFormularAusrichten& FormularAusrichtenForm() { return *ausrichten_; }
  TArchivForm& ArchivForm() { return *archivForm_; }
  Zeugnisarchiv& Archiv() { return archiv_; }
  Zeugnislistebefehl& Zeugnisliste() { return zeugnisliste_; }
  TEinstellform& Einstellform() { return *einstellform_; }
  TSchulFachForm& SchulFachForm() { return *schulFach_; }
  TKlasFachForm& KlasFachForm() { return *klasFach_; }
  TForm7& Vorlagenauswahl() { return *form7_; }
  TEinstellDrkForm& DruckEinstellForm() { return *einstellDrk_; }
  TSchulIdentForm& SchulIdentForm() { return *schulIdent_; }
  Tinfodrucker& Druckerinfo() { return *infoDrucker_; }
  TFehlerfenster& Fehlerfenster() { return *fehlerfenster_; }
  // The window's size at start on a screen that leaves `frei` beside its task bar.
  static QSize Startgroesse(const QSize& frei);
  // What the window's frame and title bar add to its size, as far as it can be known before
  // the window is shown.
  static constexpr QSize kFensterrahmen{16, 40};
  // The menu entry, tool-bar button or button with this object name.
  QAction* Aktion(const QString& name) const;
  QPushButton* Knopf(const QString& name) const;

  // HauptAnsicht
  EditorInhalt LiesEditor() override;
  void ZeigeEditor(const EditorInhalt& inhalt) override;
  void ZeigeListe(const std::vector<std::string>& zeilen, int auswahl) override;
  void WaehleListenZeile(int zeile) override;
  void ZeigeAenderung(bool geaendert) override;
  void ZeigeDateiname(const std::string& name) override;
  void ZeigeKurzname(const std::string& name) override;
  void SetzeSchulFaecher(const TSchulFaecherListe& liste) override;
  void LeereZeugnistextfelder() override;
  void FokusAufNummer() override;
  void ZeigeSpeicherFortschritt() override;
  void ZeigeVorlagenAuswahl() override;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  // The status tips of menu entries and controls go to status panel 1.
  bool event(QEvent* ereignis) override;

 private:
  void BaueMenue();
  // One function per menu of the menu bar, in the bar's order.
  void BaueMenueDatei(QMenuBar* leiste);
  void BaueMenueBearbeiten(QMenuBar* leiste);
  void BaueMenuePruefen(QMenuBar* leiste);
  void BaueMenueDrucken(QMenuBar* leiste);
  void BaueMenueVorschau(QMenu* drucken);
  void BaueMenueTools(QMenuBar* leiste);
  void BaueMenueEinstellungen(QMenuBar* leiste);
  void BaueMenueHilfe(QMenuBar* leiste);
  void BaueWerkzeugleiste();
  void BaueFlaeche();
  void BaueStatusleiste();
  void BaueTastenkuerzel();
  void VerbindeHinweisende();
  QAction* NeueAktion(QWidget* menue, const QString& name, const QString& beschriftung, const QString& hinweis,
                      void (TMainForm::*befehl)());
  QAction* NichtVerfuegbareAktion(QWidget* menue, const QString& name, const QString& beschriftung,
                                  const QString& hinweis);
  QAction* OhneAktion(QWidget* menue, const QString& name, const QString& beschriftung, const QString& hinweis);
  QPushButton* NeuerKnopf(const QString& name, const QString& beschriftung, const QString& hinweis);

  // Command handlers.
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  void Beenden1Click();
  void Ausschneiden1Click();
  void Kopieren1Click();
  void Einfuegen1Click();
  void NichtVerfuegbar();
  void HilfeInhalt();
  void HilfeSuche();
  void HilfeVerwenden();
  void Info1Click();
  void Programmeinstellungen1Click();
  void Druckeinstellungen1Click();
  void FaecherlisteKlasse1Click();
  void FaecherlisteSchule1Click();
  void Schuldaten1Click();
  void Druckerdaten1Click();
  void DruckerEinrichten1Click();
  void AusdruckeOrdner1Click() { druckflaeche_.OeffneAusgabeordner(); }
  void Datenblatt1Click();
  void Datenblatt2Click();
  void Testblatt1Click();
  void NeueFaecherliste1Click();
  void PersonenImport1Click();
  void BewertungsImport1Click();
  void DatenPruefen();
  void Zeugnis1Click();
  void Zeugnis2Click();
  void ZeugnisWeiss1Click() { zeugnis_.WeissesPapierClick(); }
  void Sammelformular1Click() { zeugnistexte_.Sammelformular1Click(); }
  void KlassenZeugnistexte1Click() { zeugnistexte_.KlassenZeugnistexte1Click(); }
  void AusgefuellteZeugnistexte1Click() { zeugnistexte_.AusgefuellteZeugnistexte1Click(); }
  void ZeugnisseKlasse1Click();
  void FormularAusrichten1Click();
  void Archiv1Click();
  void ArchivkopieKlasse1Click() { archiv_.KlasseAnlegen(); }
  void Zeugnisliste1Click() { zeugnisliste_.ListeClick(); }
  void ZeugnisVorschau1Click() { zeugnis_.ZeugnisVorschauClick(); }
  void DatenblattVorschau1Click() { druckbefehle_.DatenblattVorschau(); }
  void TestblattVorschau1Click() { druckbefehle_.TestblattVorschau(); }
  void SammelformularVorschau1Click() { zeugnistexte_.SammelformularVorschau(); }
  void KlassenZeugnistexteVorschau1Click() { zeugnistexte_.KlassenZeugnistexteVorschau(); }
  void AusgefuellteZeugnistexteVorschau1Click() { zeugnistexte_.AusgefuellteZeugnistexteVorschau(); }

  FensterMeldungen meldungen_;
  DateiDialoge& dialoge_;
  QtPasswortDialoge passwortDialoge_{nullptr, nullptr, nullptr, nullptr};
  QtDruckflaeche druckflaeche_;
  QtDruckvorschau vorschau_;
  SystemUhr uhr_;
  Hauptsteuerung steuerung_;
  // The one line buffer of the printouts (data sheet, report body, report-text lists).
  TZeilenpuffer zeilenpuffer_;
  Druckbefehle druckbefehle_;
  MeldungsSeitenAbfrage seitenAbfrage_;
  Zeugnisbefehl zeugnis_;
  Zeugnistextbefehle zeugnistexte_;
  Klassenzeugnisbefehl klassenzeugnisse_;
  ArchivEinstellungen archivEinstellungen_;
  QtArchivPdf archivPdf_;
  Zeugnisarchiv archiv_;
  Zeugnislistebefehl zeugnisliste_;
  Formularausrichtung ausrichtung_;
  TEditorSeiten* editor_{};
  QListWidget* liste_{};
  QWidget* aenderung_{};
  QAction* aenderungAktion_{};
  std::array<QLabel*, 3> status_{};
  Tfortschrittdlg* fortschritt_{};
  TProgInfoForm* info_{};
  THilfeFenster* hilfe_{};
  TEinstellform* einstellform_{};
  TSchulFachForm* schulFach_{};
  TKlasFachForm* klasFach_{};
  TForm7* form7_{};
  TEinstellDrkForm* einstellDrk_{};
  TSchulIdentForm* schulIdent_{};
  Tinfodrucker* infoDrucker_{};
  TFehlerfenster* fehlerfenster_{};
  TZeugnisseKlasseForm* zeugnisseKlasse_{};
  TFormularAusrichten* ausrichten_{};
  TArchivForm* archivForm_{};
  bool gestartet_ = false;
  bool hinweiseAktiv_ = false;
  bool panel1IstHinweis_ = false;  // panel 1 shows a hint (not a notice of a command)
  bool listeWirdGefuellt_ = false;
  int zeileVomWechsel_ = -1;
  bool beendenBestaetigt_ = false;
};

}  // namespace velmora
