// Menu and tool bar of the main window.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QStyle>
#include <QToolBar>

#include "app/fenster/MAIN.h"
#include "app/hinweis.h"
#include "qtadapter/qttext.h"

namespace velmora {

namespace {

// "kurz|lang": the short part is the tooltip, the long part the status tip that goes to
// the first panel of the status bar.
void SetzeHinweis(QAction* a, const QString& hinweis) {
  a->setToolTip(Q(KurzerHinweis(K(hinweis))));
  a->setStatusTip(Q(LangerHinweis(K(hinweis))));
}

}  // namespace

QAction* TMainForm::NeueAktion(QWidget* menue, const QString& name, const QString& beschriftung,
                               const QString& hinweis, void (TMainForm::*befehl)()) {
  auto* a = new QAction(beschriftung, menue);
  a->setObjectName(name);
  SetzeHinweis(a, hinweis);
  menue->addAction(a);
  if (befehl) connect(a, &QAction::triggered, this, befehl);
  return a;
}

QAction* TMainForm::NichtVerfuegbareAktion(QWidget* menue, const QString& name, const QString& beschriftung,
                                           const QString& hinweis) {
  return NeueAktion(menue, name, beschriftung, hinweis, &TMainForm::NichtVerfuegbar);
}

QAction* TMainForm::OhneAktion(QWidget* menue, const QString& name, const QString& beschriftung,
                               const QString& hinweis) {
  return NeueAktion(menue, name, beschriftung, hinweis, nullptr);
}

QAction* TMainForm::Aktion(const QString& name) const { return findChild<QAction*>(name); }

void TMainForm::BaueMenue() {
  QMenuBar* leiste = menuBar();

  QMenu* datei = leiste->addMenu(U("&Datei"));
  datei->setObjectName(QStringLiteral("MenueDatei"));
  NeueAktion(datei, QStringLiteral("Neu1"), U("&Neu..."), U("eine neue Klasse aus einer Klassen-Fächervorlage anlegen"), &TMainForm::FileNew);
  NeueAktion(datei, QStringLiteral("Oeffnen1"), U("Ö&ffnen..."), U("eine Klassendatei öffnen"), &TMainForm::FileOpen);
  NeueAktion(datei, QStringLiteral("Speichern1"), U("&Speichern"), U("die Klasse speichern"), &TMainForm::FileSave);
  NeueAktion(datei, QStringLiteral("SpeichernUnter1"), U("Speichern &unter..."), U("die Klasse unter einem neuen Namen speichern"),
             &TMainForm::FileSaveAs);
  datei->addSeparator();
  QMenu* dateiDrucken = datei->addMenu(U("D&rucken"));
  dateiDrucken->setObjectName(QStringLiteral("MenueDateiDrucken"));
  NeueAktion(dateiDrucken, QStringLiteral("Zeugnis2"), U("Zeugnisse"), U("Druckerauswahl und Zeugnis des Schülers drucken"),
             &TMainForm::Zeugnis2Click);
  NeueAktion(dateiDrucken, QStringLiteral("Datenblatt2"), U("Datenblätter"), U("Druckerauswahl und Datenblatt des Schülers drucken"),
             &TMainForm::Datenblatt2Click);
  NichtVerfuegbareAktion(dateiDrucken, QStringLiteral("Empfangsbekenntnis2"), U("Empfangsbekenntnisse"), U("Empfangsbekenntnisse drucken"));
  NeueAktion(datei, QStringLiteral("DruckerEinrichten1"), U("Drucker &einrichten..."), U("den Drucker einrichten"), &TMainForm::DruckerEinrichten1Click);
  datei->addSeparator();
  NeueAktion(datei, QStringLiteral("Beenden1"), U("&Beenden"), U("das Programm beenden"), &TMainForm::Beenden1Click);

  QMenu* bearbeiten = leiste->addMenu(U("&Bearbeiten"));
  bearbeiten->setObjectName(QStringLiteral("MenueBearbeiten"));
  NichtVerfuegbareAktion(bearbeiten, QStringLiteral("Rueckgaengig1"), U("&Rückgängig"), U("die letzte Änderung rückgängig machen"));
  bearbeiten->addSeparator();
  NeueAktion(bearbeiten, QStringLiteral("Ausschneiden1"), U("Schüler-Datensatz &Ausschneiden"), U("den aktuellen Schülerdatensatz ausschneiden"),
             &TMainForm::Ausschneiden1Click);
  NeueAktion(bearbeiten, QStringLiteral("Kopieren1"), U("Schüler-Datensatz &Kopieren"), U("den aktuellen Schülerdatensatz kopieren"),
             &TMainForm::Kopieren1Click);
  NeueAktion(bearbeiten, QStringLiteral("Einfuegen1"), U("Schüler-Datensatz &Einfügen"), U("den kopierten Schülerdatensatz einfügen"),
             &TMainForm::Einfuegen1Click);
  bearbeiten->addSeparator();
  NeueAktion(bearbeiten, QStringLiteral("NeueFaecherliste1"), U("Neue Fächerliste zuordnen und Bew. löschen"),
             U("Allen Schülern eine neue Fächervorlage zuordnen und alte Bewertungen löschen"),
             &TMainForm::NeueFaecherliste1Click);

  QMenu* pruefen = leiste->addMenu(U("&Prüfen"));
  pruefen->setObjectName(QStringLiteral("MenuePruefen"));
  NeueAktion(pruefen, QStringLiteral("DatenfrsZeugnis1"), U("&Daten für`s Zeugnis"), U("die Zeugnisdaten des Schülers prüfen"), &TMainForm::DatenPruefen);

  QMenu* drucken = leiste->addMenu(U("D&rucken"));
  drucken->setObjectName(QStringLiteral("MenueDrucken"));
  NeueAktion(drucken, QStringLiteral("Datenblatt1"), U("Schüler-&Datenblatt"), U("Drucken eines Schülerdatenblattes"), &TMainForm::Datenblatt1Click);
  OhneAktion(drucken, QStringLiteral("Namensliste1"), U("Klassen-&Namensliste"), U("Namensliste der Klasse drucken"));
  NeueAktion(drucken, QStringLiteral("Sammelformular1"), U("Sammelformular Klassen-Zeugnistexte"),
             U("Drucken eines Formulares für die Erfassung von Zeugnistexten"),
             &TMainForm::Sammelformular1Click);
  NeueAktion(drucken, QStringLiteral("KlassenZeugnistexte1"), U("Klassen-Zeugnistexte (Hinweise ...)"), U("Drucken der Zeugnistexte der Klasse"),
             &TMainForm::KlassenZeugnistexte1Click);
  // This entry has no hint of its own.
  NeueAktion(drucken, QStringLiteral("AusgefuellteZeugnistexte1"), U("ausgefüllte Klassen-Zeugnistexte (Hinw. ...)"), QString(),
             &TMainForm::AusgefuellteZeugnistexte1Click);
  OhneAktion(drucken, QStringLiteral("Zensurenuebersicht1"), U("Klassen-&Zensurenübersicht"), U("Zensurenübersicht der Klasse drucken"));
  drucken->addSeparator();
  NeueAktion(drucken, QStringLiteral("Testblatt1"), U("&Testblatt"), U("Drucken eines Testblattes mit eingestellten Schriftstilen"),
             &TMainForm::Testblatt1Click);
  NeueAktion(drucken, QStringLiteral("Zeugnis1"), U("&Zeugnis"), U("Drucken eines Zeugnisses"), &TMainForm::Zeugnis1Click);
  NeueAktion(drucken, QStringLiteral("ZeugnisWeiss1"), U("Zeugnis auf &weißes Papier..."),
             U("Drucken des vollständigen Zeugnisses auf weißes Papier"), &TMainForm::ZeugnisWeiss1Click);
  NichtVerfuegbareAktion(drucken, QStringLiteral("Empfangsbekenntnis1"), U("&Empfangsbekenntnis"), U("Empfangsbekenntnis drucken"));

  QMenu* tools = leiste->addMenu(U("&Tools"));
  tools->setObjectName(QStringLiteral("MenueTools"));
  NichtVerfuegbareAktion(tools, QStringLiteral("SortierenNamen1"), U("Sortieren nach Namen"), U("die Klasse nach Namen sortieren"));
  NichtVerfuegbareAktion(tools, QStringLiteral("SortierenNummern1"), U("Sortieren nach Nummern"), U("die Klasse nach Nummern sortieren"));
  tools->addSeparator();
  NeueAktion(tools, QStringLiteral("PersonenImport1"), U("&Import der Personendaten"), U("Import von Personendaten aus TXT-Datei"),
             &TMainForm::PersonenImport1Click);
  NeueAktion(tools, QStringLiteral("BewertungsImport1"), U("Import von Bewertungen"), U("Import von Bewertungen aus TXT-Datei"),
             &TMainForm::BewertungsImport1Click);
  NichtVerfuegbareAktion(tools, QStringLiteral("PersonenExport1"), U("&Export der Personendaten"), U("Export von Personendaten in eine TXT-Datei"));
  tools->addSeparator();
  NeueAktion(tools, QStringLiteral("Druckerdaten1"), U("&Druckerdaten anzeigen"), U("Informationen zum aktuellen Drucker anzeigen"),
             &TMainForm::Druckerdaten1Click);

  QMenu* einstellungen = leiste->addMenu(U("&Einstellungen"));
  einstellungen->setObjectName(QStringLiteral("MenueEinstellungen"));
  NeueAktion(einstellungen, QStringLiteral("Programmeinstellungen1"), U("&Programmeinstellungen"), U("allgemeingültige Einstellungen für das Programm"),
             &TMainForm::Programmeinstellungen1Click);
  NeueAktion(einstellungen, QStringLiteral("Druckeinstellungen1"), U("&Druckeinstellungen"), U("Einstellungen zum Druck von Formularen und Zeugnissen"),
             &TMainForm::Druckeinstellungen1Click);
  einstellungen->addSeparator();
  NeueAktion(einstellungen, QStringLiteral("FaecherlisteKlasse1"), U("Fächerliste der &Klasse"), U("Bearbeiten der Klassen-Fächervorlagen"),
             &TMainForm::FaecherlisteKlasse1Click);
  NeueAktion(einstellungen, QStringLiteral("FaecherlisteSchule1"), U("Fächerliste der &Schule"), U("Bearbeiten der Fächer der Schule"),
             &TMainForm::FaecherlisteSchule1Click);
  einstellungen->addSeparator();
  NeueAktion(einstellungen, QStringLiteral("Schuldaten1"), U("Schul&daten..."), U("Namen der Schule für Zeugnisse und Statusleiste"),
             &TMainForm::Schuldaten1Click);

  QMenu* hilfe = leiste->addMenu(U("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("MenueHilfe"));
  NeueAktion(hilfe, QStringLiteral("Kurzbeschreibung1"), U("Kurzbeschreibung"), U("Kurzbeschreibung des Programms"), &TMainForm::HilfeInhalt);
  NeueAktion(hilfe, QStringLiteral("Inhalt1"), U("&Inhalt"), U("Inhalt der Hilfe"), &TMainForm::HilfeInhalt);
  NeueAktion(hilfe, QStringLiteral("ThemenHilfe1"), U("&Themenbezogene Hilfe..."), U("Hilfe zu einem Stichwort suchen"), &TMainForm::HilfeSuche);
  NeueAktion(hilfe, QStringLiteral("HilfeVerwenden1"), U("&Hilfe verwenden"), U("Anleitung zur Benutzung der Hilfe"), &TMainForm::HilfeVerwenden);
  hilfe->addSeparator();
  NeueAktion(hilfe, QStringLiteral("Info1"), U("I&nfo..."), U("Informationen über das Programm"), &TMainForm::Info1Click);
}

void TMainForm::BaueWerkzeugleiste() {
  QToolBar* leiste = addToolBar(U("Werkzeugleiste"));
  leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
  leiste->setMovable(false);
  QStyle* stil = style();
  auto knopf = [&](QStyle::StandardPixmap bild, const QString& name, const QString& hinweis,
                   void (TMainForm::*befehl)()) {
    QAction* a = NeueAktion(leiste, name, hinweis, hinweis, befehl);
    a->setText(Q(KurzerHinweis(K(hinweis))));
    a->setIcon(stil->standardIcon(bild));
    return a;
  };
  knopf(QStyle::SP_FileIcon, QStringLiteral("SpeedButton1"), U("Neu|"), &TMainForm::FileNew);
  knopf(QStyle::SP_DialogOpenButton, QStringLiteral("SpeedButton2"), U("Öffnen|"), &TMainForm::FileOpen);
  knopf(QStyle::SP_DialogSaveButton, QStringLiteral("SpeedButton3"), U("Speichern|"), &TMainForm::FileSave);
  knopf(QStyle::SP_ComputerIcon, QStringLiteral("SpeedButton4"), U("Druckereinstellungen|"), &TMainForm::DruckerEinrichten1Click);
  leiste->addSeparator();
  knopf(QStyle::SP_TrashIcon, QStringLiteral("SpeedButton5"), U("Ausschneiden des aktuellen Schülerdatensatzes|"), &TMainForm::Ausschneiden1Click);
  knopf(QStyle::SP_FileDialogDetailedView, QStringLiteral("SpeedButton6"), U("Kopieren des aktuellen Schülerdatensatzes|"),
        &TMainForm::Kopieren1Click);
  knopf(QStyle::SP_FileDialogNewFolder, QStringLiteral("SpeedButton7"), U("Einfügen des Schülerdatensatzes|"), &TMainForm::Einfuegen1Click);
  leiste->addSeparator();
  knopf(QStyle::SP_FileDialogContentsView, QStringLiteral("SpeedButton11"), U("Zeugnis drucken"), &TMainForm::Zeugnis1Click);
  leiste->addSeparator();
  knopf(QStyle::SP_DialogHelpButton, QStringLiteral("SpeedButton8"), U("Inhalt der Hilfe|"), &TMainForm::HilfeInhalt);
  knopf(QStyle::SP_MessageBoxInformation, QStringLiteral("SpeedButton9"), U("Info|"), &TMainForm::Info1Click);
  knopf(QStyle::SP_DialogCloseButton, QStringLiteral("SpeedButton10"), U("Beenden|"), &TMainForm::Beenden1Click);

  auto* abstand = new QWidget(leiste);
  abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  leiste->addWidget(abstand);
  aenderung_ = new QWidget(leiste);
  aenderung_->setObjectName(QStringLiteral("Aenderungsanzeige"));
  aenderung_->setFixedSize(18, 18);
  aenderung_->setAutoFillBackground(true);
  aenderung_->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0); border: 1px solid black;"));
  aenderung_->setToolTip(U("Daten geändert"));
  aenderungAktion_ = leiste->addWidget(aenderung_);
  aenderungAktion_->setVisible(false);
}

}  // namespace velmora
