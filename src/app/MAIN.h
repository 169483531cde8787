#pragma once
// TMainForm: the main window with the student list, the record editor, the work
// buttons, menu, tool bar and status bar. Its decisions live in Hauptsteuerung.
#include <QMainWindow>
#include <memory>

#include "app/hauptsteuerung.h"

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

class TMainForm : public QMainWindow, public HauptAnsicht, public DatenPasswortDialoge, public KonfigPasswortDialoge {
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
  // The menu entry or tool-bar button with this caption (for the tests and the hints).
  QAction* Aktion(const QString& menue, const QString& eintrag) const;
  QPushButton* Knopf(const QString& beschriftung) const;

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

  // DatenPasswortDialoge, KonfigPasswortDialoge
  bool ZeigePasswortAbfrage() override { return false; }
  bool ZeigePasswortFestlegung() override { return true; }
  bool ZeigePasswortDlg() override { return false; }
  bool ZeigePwAendern() override { return false; }

  // The long hint of a menu entry or control goes to status panel 1.
  void ZeigeLangenHinweis(const QString& hinweis);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void BaueMenue();
  void BaueWerkzeugleiste();
  void BaueFlaeche();
  void BaueStatusleiste();
  QAction* NeueAktion(QWidget* menue, const QString& beschriftung, const QString& hinweis,
                      void (TMainForm::*befehl)());
  QAction* NichtVerfuegbareAktion(QWidget* menue, const QString& beschriftung, const QString& hinweis);
  QAction* OhneAktion(QWidget* menue, const QString& beschriftung, const QString& hinweis);
  QPushButton* NeuerKnopf(const QString& beschriftung, const QString& hinweis);

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

  Hauptsteuerung steuerung_;
  TEditorSeiten* editor_{};
  QListWidget* liste_{};
  QWidget* aenderung_{};
  QAction* aenderungAktion_{};
  std::array<QLabel*, 3> status_{};
  Tfortschrittdlg* fortschritt_{};
  TProgInfoForm* info_{};
  THilfeFenster* hilfe_{};
  bool gestartet_ = false;
  bool hinweiseAktiv_ = false;
  bool listeWirdGefuellt_ = false;
  bool beendenBestaetigt_ = false;
};

}  // namespace velmora
