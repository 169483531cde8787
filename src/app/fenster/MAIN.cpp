#include "app/fenster/MAIN.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "app/fenster/Info.h"
#include "app/fenster/editorseiten.h"
#include "app/fenster/formularzeilen.h"
#include "app/fenster/fortschritt.h"
#include "app/fenster/hilfe.h"
#include "app/hinweis.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "basis/version.h"
#include "check/fenster/fehlerfenster.h"
#include "classdata/fenster/datpwaend.h"
#include "classdata/fenster/datpwdlg.h"
#include "printerinfo/fenster/druckinfo.h"
#include "reports/fenster/ausrichten.h"
#include "reports/fenster/zeugnisseklasse.h"
#include "settings/fenster/archiv.h"
#include "settings/fenster/einstdrk.h"
#include "settings/fenster/einstell.h"
#include "settings/fenster/passwort.h"
#include "settings/fenster/pwaend.h"
#include "settings/fenster/schuldaten.h"
#include "subjects/fenster/auswklfa.h"
#include "subjects/fenster/klasfali.h"
#include "subjects/fenster/schufali.h"

// The resources of a static library are registered by hand, outside any namespace.
static void LadeVelmoraRessourcen() { Q_INIT_RESOURCE(velmora); }

namespace velmora {

TMainForm::TMainForm(Meldungen& meldungen, DateiDialoge& dialoge, QWidget* eltern)
    : QMainWindow(eltern),
      meldungen_(meldungen, this),
      dialoge_(dialoge),
      druckflaeche_(meldungen_),
      vorschau_(druckflaeche_, this),
      steuerung_(*this, meldungen_, dialoge, passwortDialoge_, passwortDialoge_),
      druckbefehle_(steuerung_.Druckkontext(), druckflaeche_, meldungen_, uhr_, zeilenpuffer_, vorschau_),
      seitenAbfrage_(meldungen_),
      zeugnis_(steuerung_.Druckkontext(), druckflaeche_, meldungen_, seitenAbfrage_, zeilenpuffer_, vorschau_),
      zeugnistexte_(steuerung_.Druckkontext(), druckflaeche_, meldungen_, zeilenpuffer_, vorschau_),
      klassenzeugnisse_(steuerung_.Druckkontext(), druckflaeche_, meldungen_, seitenAbfrage_, zeilenpuffer_, vorschau_),
      archiv_(steuerung_.Druckkontext(), archivEinstellungen_, archivPdf_, uhr_, meldungen_),
      zeugnisliste_(steuerung_.Druckkontext(), druckflaeche_, meldungen_, vorschau_, archivEinstellungen_, uhr_),
      ausrichtung_(steuerung_.Druckkontext(), druckflaeche_, meldungen_, seitenAbfrage_, zeilenpuffer_, uhr_) {
  LadeVelmoraRessourcen();
  setWindowTitle(Q(Hauptfensterkopf()));
  setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora-256.png")));
  BaueMenue();
  BaueWerkzeugleiste();
  BaueFlaeche();
  BaueStatusleiste();
  BaueTastenkuerzel();
  VerbindeHinweisende();
  fortschritt_ = new Tfortschrittdlg(this);
  info_ = new TProgInfoForm(this);
  hilfe_ = new THilfeFenster("KURZBEDIENUNGSANLEITUNG.HLP", this);
  // Every window is created once and shown again and again.
  passwortDialoge_ = QtPasswortDialoge(
      new TDatPasswDlg(steuerung_.Schutz(), this), new TDatPwdAendDlg(steuerung_.Schutz(), meldungen_, this),
      new TPasswordDlg(steuerung_.Einstellungen(), this), new Tpwaendern(steuerung_.Einstellungen(), meldungen_, this));
  auto fortschritt = [this] { fortschritt_->Zeige(); };
  einstellform_ = new TEinstellform(steuerung_.Einstellungen(), passwortDialoge_, meldungen_, fortschritt, this);
  schulFach_ = new TSchulFachForm(meldungen_, this);
  klasFach_ = new TKlasFachForm(steuerung_.Vorlagen(), meldungen_, dialoge, this);
  form7_ = new TForm7(steuerung_.Vorlagen(), meldungen_, this);
  einstellDrk_ = new TEinstellDrkForm(steuerung_.Druckeinstellungen(), meldungen_, fortschritt, this);
  schulIdent_ = new TSchulIdentForm(steuerung_.Schule(), meldungen_, this);
  infoDrucker_ = new Tinfodrucker(druckflaeche_, this);
  fehlerfenster_ = new TFehlerfenster(this);
  zeugnisseKlasse_ = new TZeugnisseKlasseForm(klassenzeugnisse_, this);
  new TFormularZeilen(*editor_, steuerung_.Druckkontext(), this);
  ausrichten_ = new TFormularAusrichten(ausrichtung_, meldungen_, dialoge, this);
  archivForm_ = new TArchivForm(archivEinstellungen_, meldungen_, this);
  // Every report printed goes into the archive as well, where its settings say so.
  zeugnis_.SetzeArchiv(&archiv_);
  klassenzeugnisse_.SetzeArchiv(&archiv_);
  druckflaeche_.meldeAusgabe = [this](const QString& text) {
    status_[0]->setText(text);
    status_[0]->setToolTip(text);  // a long file name is cut off in the panel
    panel1IstHinweis_ = false;
  };
  if (const QScreen* bildschirm = screen()) {
    resize(Startgroesse(bildschirm->availableGeometry().size()));
  } else {
    resize(Startgroesse(QSize(1150, 720) + kFensterrahmen));
  }
}

QSize TMainForm::Startgroesse(const QSize& frei) {
  // Room for everything, but never more than the screen offers beside its task bar (1366×768
  // leaves about 1366×728), with the window's frame and title bar (not known before the
  // window is shown) counted in; the tabs scroll where the window is smaller still.
  return QSize(1150, 720).boundedTo(frei - kFensterrahmen);
}

void TMainForm::BaueTastenkuerzel() {
  // To the previous and next student as the buttons "<" and ">" do, from anywhere in the window.
  auto* zurueck = new QAction(this);
  zurueck->setObjectName(QStringLiteral("ZumVorigenSchueler"));
  zurueck->setShortcuts({QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::Key_Up)});
  connect(zurueck, &QAction::triggered, this, [this] { steuerung_.ZumVorigen(); });
  auto* weiter = new QAction(this);
  weiter->setObjectName(QStringLiteral("ZumNaechstenSchueler"));
  weiter->setShortcuts({QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Down)});
  connect(weiter, &QAction::triggered, this, [this] { steuerung_.ZumNaechsten(); });
  addActions({zurueck, weiter});
}

void TMainForm::VerbindeHinweisende() {
  // A hint stays only while the pointer is on its entry: it goes when a menu closes and when
  // a command has run (a notice the command itself put there stays).
  const auto leeren = [this] {
    if (panel1IstHinweis_) {
      status_[0]->clear();
      status_[0]->setToolTip(QString());
    }
  };
  for (QMenu* menue : findChildren<QMenu*>()) connect(menue, &QMenu::aboutToHide, this, leeren);
  for (QAction* a : findChildren<QAction*>()) connect(a, &QAction::triggered, this, leeren);
  for (QPushButton* k : findChildren<QPushButton*>()) connect(k, &QPushButton::clicked, this, leeren);
}

TMainForm::~TMainForm() = default;

void TMainForm::BaueFlaeche() {
  auto* mitte = new QWidget(this);
  auto* zeile = new QHBoxLayout(mitte);

  auto* links = new QVBoxLayout;
  links->addWidget(new QLabel(U("Schüler-Liste"), mitte));
  liste_ = new QListWidget(mitte);
  liste_->setMinimumWidth(230);
  links->addWidget(liste_, 1);
  auto* navigation = new QHBoxLayout;
  QPushButton* erster = NeuerKnopf(QStringLiteral("ErsterSchueler"), U("| <"), U("zum ersten Schüler"));
  QPushButton* voriger = NeuerKnopf(QStringLiteral("VorigerSchueler"), U("<"), U("zum vorigen Schüler"));
  QPushButton* naechster = NeuerKnopf(QStringLiteral("NaechsterSchueler"), U(">"), U("zum nächsten Schüler"));
  QPushButton* letzter = NeuerKnopf(QStringLiteral("LetzterSchueler"), U("> |"), U("zum letzten Schüler"));
  for (QPushButton* k : {erster, voriger, naechster, letzter}) navigation->addWidget(k);
  links->addLayout(navigation);
  zeile->addLayout(links);

  editor_ = new TEditorSeiten(mitte);
  zeile->addWidget(editor_, 1);

  auto* arbeit = new QGroupBox(U("Arbeits-Funktionen"), mitte);
  auto* rechts = new QVBoxLayout(arbeit);
  QPushButton* bewLoeschen = NeuerKnopf(QStringLiteral("BewertungenLoeschen"), U("Bewertungen löschen"),
                                        U("alle Bewertungen des Schülers löschen"));
  QPushButton* texteLoeschen = NeuerKnopf(QStringLiteral("ZeugnistexteLoeschen"), U("Zeugnistexte löschen"),
                                          U("Zeugnistexte und Fehlzeiten des Schülers löschen"));
  QPushButton* uebernehmen = NeuerKnopf(QStringLiteral("DatenUebernehmen"), U("aktuelle Daten übernehmen"),
                                        U("die Eingaben in den Schülerdatensatz übernehmen"));
  QPushButton* pruefen =
      NeuerKnopf(QStringLiteral("Button1"), U("Daten (für Zeugnis) prüfen"), U("die Zeugnisdaten des Schülers prüfen"));
  QPushButton* zeugnis =
      NeuerKnopf(QStringLiteral("Button4"), U("Zeugnis drucken"), U("das Zeugnis des Schülers drucken"));
  for (QPushButton* k : {bewLoeschen, texteLoeschen, uebernehmen, pruefen, zeugnis}) rechts->addWidget(k);
  rechts->addStretch();
  zeile->addWidget(arbeit);
  setCentralWidget(mitte);

  connect(liste_, &QListWidget::currentRowChanged, this, [this](int z) {
    if (listeWirdGefuellt_ || !gestartet_) return;
    zeileVomWechsel_ = z;
    steuerung_.ListeKlick(z);
  });
  // A click on the line already selected stores and shows as well; a click that changed
  // the line has been handled above.
  connect(liste_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int z = liste_->row(item);
    if (z == zeileVomWechsel_) {
      zeileVomWechsel_ = -1;
      return;
    }
    steuerung_.ListeKlick(z);
  });
  connect(liste_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { steuerung_.ListeKlick(liste_->row(item)); });
  connect(editor_, &QTabWidget::currentChanged, this, [this] {
    if (gestartet_) steuerung_.TabWechsel();
  });
  connect(erster, &QPushButton::clicked, this, [this] { steuerung_.ZumErsten(); });
  connect(voriger, &QPushButton::clicked, this, [this] { steuerung_.ZumVorigen(); });
  connect(naechster, &QPushButton::clicked, this, [this] { steuerung_.ZumNaechsten(); });
  connect(letzter, &QPushButton::clicked, this, [this] { steuerung_.ZumLetzten(); });
  connect(uebernehmen, &QPushButton::clicked, this, [this] { steuerung_.AktuelleDatenUebernehmen(); });
  connect(bewLoeschen, &QPushButton::clicked, this, [this] { steuerung_.BewertungenLoeschenClick(); });
  connect(texteLoeschen, &QPushButton::clicked, this, [this] { steuerung_.ZeugnistexteLoeschenClick(); });
  connect(pruefen, &QPushButton::clicked, this, &TMainForm::DatenPruefen);
  for (int i = 0; i < 5; ++i) {
    connect(editor_->allenZuweisen[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { steuerung_.AllenZuweisenClick(i); });
  }
  connect(zeugnis, &QPushButton::clicked, this, &TMainForm::Zeugnis1Click);
}

void TMainForm::BaueStatusleiste() {
  const int breiten[3] = {450, 150, 100};
  for (int i = 0; i < 3; ++i) {
    auto* feld = new QLabel(this);
    feld->setFixedWidth(breiten[i]);
    feld->setFrameShape(QFrame::StyledPanel);
    status_[static_cast<std::size_t>(i)] = feld;
    statusBar()->addWidget(feld);
  }
  status_[1]->setText(Q(kOhneDatei));
}

QPushButton* TMainForm::NeuerKnopf(const QString& name, const QString& beschriftung, const QString& hinweis) {
  auto* knopf = new QPushButton(beschriftung, this);
  knopf->setObjectName(name);
  knopf->setToolTip(Q(KurzerHinweis(K(hinweis))));
  knopf->setStatusTip(Q(LangerHinweis(K(hinweis))));
  return knopf;
}

QPushButton* TMainForm::Knopf(const QString& name) const { return findChild<QPushButton*>(name); }

bool TMainForm::event(QEvent* ereignis) {
  if (ereignis->type() == QEvent::StatusTip) {
    // Qt sends the status tip of the entry or control under the pointer, and an empty one
    // when the pointer leaves it; panel 1 shows it once the start sequence has run.
    if (hinweiseAktiv_) {
      status_[0]->setText(static_cast<QStatusTipEvent*>(ereignis)->tip());
      status_[0]->setToolTip(QString());
      panel1IstHinweis_ = true;
    }
    return true;
  }
  return QMainWindow::event(ereignis);
}

void TMainForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (gestartet_) return;
  // The start's error boxes appear once the window is on the screen (FensterMeldungen).
  steuerung_.Start();
  gestartet_ = true;
  hinweiseAktiv_ = true;
  // A new working directory: the steps from the first start to the first report, beside
  // the window, once it stands where the window system put it.
  if (steuerung_.ErsterStart()) {
    QTimer::singleShot(0, this, [this] {
      hilfe_->ZeigeSeiteNeben("erste-klasse", *this);
      activateWindow();  // the teacher works on in the main window
    });
  }
}

void TMainForm::closeEvent(QCloseEvent* e) {
  if (beendenBestaetigt_ || steuerung_.Beenden()) {
    beendenBestaetigt_ = true;
    fortschritt_->close();
    info_->close();
    hilfe_->close();
    infoDrucker_->close();
    e->accept();
  } else {
    e->ignore();
  }
}

// ---- HauptAnsicht ----

EditorInhalt TMainForm::LiesEditor() { return editor_->Lies(); }

void TMainForm::ZeigeEditor(const EditorInhalt& inhalt) { editor_->Zeige(inhalt); }

void TMainForm::ZeigeListe(const std::vector<std::string>& zeilen, int auswahl) {
  listeWirdGefuellt_ = true;
  liste_->clear();
  for (const auto& z : zeilen) liste_->addItem(Q(z));
  liste_->setCurrentRow(auswahl);
  listeWirdGefuellt_ = false;
}

void TMainForm::WaehleListenZeile(int zeile) {
  listeWirdGefuellt_ = true;
  liste_->setCurrentRow(zeile);
  listeWirdGefuellt_ = false;
}

void TMainForm::ZeigeAenderung(bool geaendert) { aenderungAktion_->setVisible(geaendert); }

void TMainForm::ZeigeDateiname(const std::string& name) { status_[1]->setText(Q(name)); }

void TMainForm::ZeigeKurzname(const std::string& name) { status_[2]->setText(Q(name)); }

void TMainForm::SetzeSchulFaecher(const TSchulFaecherListe& liste) {
  QStringList faecher;
  for (const auto& f : liste) faecher << Q(f);
  editor_->SetzeFaecher(faecher);
}

void TMainForm::LeereZeugnistextfelder() { editor_->LeereZeugnistexte(); }

void TMainForm::FokusAufNummer() {
  // Going back to the tab of "Nummer" is no tab change of the user: it must not store
  // the editor again (and show the message a second time) in the middle of storing.
  const QSignalBlocker sperre(editor_);
  editor_->setCurrentIndex(TEditorSeiten::Personendaten);
  editor_->NummerFeld()->setFocus();
}

void TMainForm::ZeigeSpeicherFortschritt() { fortschritt_->Zeige(); }

void TMainForm::ZeigeVorlagenAuswahl() { form7_->exec(); }

// ---- commands ----

void TMainForm::FileNew() { steuerung_.Neu(); }
void TMainForm::FileOpen() { steuerung_.Oeffnen(); }
void TMainForm::FileSave() { steuerung_.Speichern(); }
void TMainForm::FileSaveAs() { steuerung_.SpeichernUnter(); }
void TMainForm::Beenden1Click() { close(); }
void TMainForm::Ausschneiden1Click() { steuerung_.Ausschneiden(); }
void TMainForm::Kopieren1Click() { steuerung_.Kopieren(); }
void TMainForm::Einfuegen1Click() { steuerung_.Einfuegen(); }
void TMainForm::NichtVerfuegbar() { steuerung_.NichtVerfuegbar(); }
void TMainForm::HilfeInhalt() { hilfe_->ZeigeInhalt(); }
void TMainForm::HilfeSuche() { hilfe_->ZeigeSuche(QString()); }
void TMainForm::HilfeVerwenden() { hilfe_->ZeigeHilfeVerwenden(); }
void TMainForm::Programmeinstellungen1Click() { einstellform_->exec(); }
void TMainForm::Druckeinstellungen1Click() { einstellDrk_->exec(); }
void TMainForm::Schuldaten1Click() {
  if (schulIdent_->exec() == QDialog::Accepted) steuerung_.SchuldatenUebernommen();
}

void TMainForm::FaecherlisteSchule1Click() {
  if (steuerung_.FaecherlisteDerSchule()) schulFach_->exec();
}

void TMainForm::FaecherlisteKlasse1Click() {
  if (steuerung_.FaecherlisteDerKlasse()) klasFach_->exec();
}

void TMainForm::Druckerdaten1Click() {
  infoDrucker_->show();
  infoDrucker_->raise();
  infoDrucker_->update();
}

void TMainForm::DruckerEinrichten1Click() { druckflaeche_.DruckerEinrichten(this); }
void TMainForm::Datenblatt1Click() { druckbefehle_.Datenblatt1Click(); }
void TMainForm::Datenblatt2Click() {
  if (druckflaeche_.DruckDialog(this)) druckbefehle_.DatenblattDrucken();
}
void TMainForm::Testblatt1Click() { druckbefehle_.Testblatt1Click(); }
void TMainForm::NeueFaecherliste1Click() { steuerung_.NeueFaecherlisteZuordnenClick(); }
void TMainForm::PersonenImport1Click() { steuerung_.PersonendatenImportClick(); }
void TMainForm::BewertungsImport1Click() { steuerung_.BewertungenImportClick(); }

void TMainForm::Zeugnis1Click() { zeugnis_.Zeugnis1Click(); }
void TMainForm::Zeugnis2Click() { zeugnis_.Zeugnis2Click(druckflaeche_.DruckDialog(this)); }
void TMainForm::ZeugnisseKlasse1Click() { zeugnisseKlasse_->Zeige(); }

void TMainForm::FormularAusrichten1Click() {
  if (steuerung_.FormularAusrichten()) ausrichten_->Zeige();
}

void TMainForm::Archiv1Click() {
  if (steuerung_.Archiv()) archivForm_->exec();
}

void TMainForm::DatenPruefen() {
  meldungen_.Hinweis(T("Diese Funktion ist in der Testphase!"));
  fehlerfenster_->Zeige(steuerung_.Zustand().Aktuell(), steuerung_.Einstellungen().Satz().Verlag);
}

void TMainForm::Info1Click() {
  info_->show();
  info_->raise();
}

}  // namespace velmora
