// Menu and tool bar of the main window.
#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>

#include "app/fenster/MAIN.h"
#include "app/hinweis.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

namespace {

// "kurz|lang": the short part is the tooltip, the long part the status tip that goes to
// the first panel of the status bar.
void SetzeHinweis(QAction* a, const QString& hinweis) {
  a->setToolTip(Q(KurzerHinweis(K(hinweis))));
  a->setStatusTip(Q(LangerHinweis(K(hinweis))));
}

// The standard shortcut of an entry; it shows beside the entry in its menu.
QAction* Kuerzel(QAction* a, const QKeySequence& taste) {
  a->setShortcut(taste);
  return a;
}

}  // namespace

QAction* TMainForm::NeueAktion(QWidget* menue, const QString& name, const QString& beschriftung, const QString& hinweis,
                               void (TMainForm::*befehl)()) {
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
  BaueMenueDatei(leiste);
  BaueMenueBearbeiten(leiste);
  BaueMenuePruefen(leiste);
  BaueMenueDrucken(leiste);
  BaueMenueTools(leiste);
  BaueMenueEinstellungen(leiste);
  BaueMenueHilfe(leiste);
}

void TMainForm::BaueMenueDatei(QMenuBar* leiste) {
  QMenu* datei = leiste->addMenu(U("&Datei"));
  datei->setObjectName(QStringLiteral("MenueDatei"));
  Kuerzel(NeueAktion(datei, QStringLiteral("Neu1"), U("&Neu..."),
                     U("eine neue Klasse aus einer Klassen-Fächervorlage anlegen"), &TMainForm::FileNew),
          QKeySequence(Qt::CTRL | Qt::Key_N));
  Kuerzel(NeueAktion(datei, QStringLiteral("Oeffnen1"), U("Ö&ffnen..."), U("eine Klassendatei öffnen"),
                     &TMainForm::FileOpen),
          QKeySequence(Qt::CTRL | Qt::Key_O));
  Kuerzel(
      NeueAktion(datei, QStringLiteral("Speichern1"), U("&Speichern"), U("die Klasse speichern"), &TMainForm::FileSave),
      QKeySequence(Qt::CTRL | Qt::Key_S));
  Kuerzel(NeueAktion(datei, QStringLiteral("SpeichernUnter1"), U("Speichern &unter..."),
                     U("die Klasse unter einem neuen Namen speichern"), &TMainForm::FileSaveAs),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  datei->addSeparator();
  QMenu* dateiDrucken = datei->addMenu(U("D&rucken"));
  dateiDrucken->setObjectName(QStringLiteral("MenueDateiDrucken"));
  NeueAktion(dateiDrucken, QStringLiteral("Zeugnis2"), U("Zeugnisse"),
             U("Druckerauswahl und Zeugnis des Schülers drucken"), &TMainForm::Zeugnis2Click);
  NeueAktion(dateiDrucken, QStringLiteral("Datenblatt2"), U("Datenblätter"),
             U("Druckerauswahl und Datenblatt des Schülers drucken"), &TMainForm::Datenblatt2Click);
  NichtVerfuegbareAktion(dateiDrucken, QStringLiteral("Empfangsbekenntnis2"), U("Empfangsbekenntnisse"),
                         U("Empfangsbekenntnisse drucken"));
  NeueAktion(datei, QStringLiteral("DruckerEinrichten1"), U("Drucker &einrichten..."), U("den Drucker einrichten"),
             &TMainForm::DruckerEinrichten1Click);
  NeueAktion(datei, QStringLiteral("AusdruckeOrdner1"), U("Ausdrucke-&Ordner öffnen"),
             U("den Ordner Ausdrucke mit den PDF-Dateien der Ausdrucke öffnen"), &TMainForm::AusdruckeOrdner1Click);
  NeueAktion(datei, QStringLiteral("ArchivkopieKlasse1"), U("Archiv&kopie der Klasse anlegen..."),
             U("Archivkopie der Klasse|Für jedes druckbare Zeugnis der Klasse eine Archivkopie (PDF/A) anlegen, ohne "
               "zu drucken"),
             &TMainForm::ArchivkopieKlasse1Click);
  datei->addSeparator();
  Kuerzel(NeueAktion(datei, QStringLiteral("Beenden1"), U("&Beenden"), U("das Programm beenden"),
                     &TMainForm::Beenden1Click),
          QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TMainForm::BaueMenueBearbeiten(QMenuBar* leiste) {
  QMenu* bearbeiten = leiste->addMenu(U("&Bearbeiten"));
  bearbeiten->setObjectName(QStringLiteral("MenueBearbeiten"));
  NichtVerfuegbareAktion(bearbeiten, QStringLiteral("Rueckgaengig1"), U("&Rückgängig"),
                         U("die letzte Änderung rückgängig machen"));
  bearbeiten->addSeparator();
  NeueAktion(bearbeiten, QStringLiteral("Ausschneiden1"), U("Schüler-Datensatz &Ausschneiden"),
             U("den aktuellen Schülerdatensatz ausschneiden"), &TMainForm::Ausschneiden1Click);
  NeueAktion(bearbeiten, QStringLiteral("Kopieren1"), U("Schüler-Datensatz &Kopieren"),
             U("den aktuellen Schülerdatensatz kopieren"), &TMainForm::Kopieren1Click);
  NeueAktion(bearbeiten, QStringLiteral("Einfuegen1"), U("Schüler-Datensatz &Einfügen"),
             U("den kopierten Schülerdatensatz einfügen"), &TMainForm::Einfuegen1Click);
  bearbeiten->addSeparator();
  NeueAktion(bearbeiten, QStringLiteral("NeueFaecherliste1"), U("Neue Fächerliste zuordnen und Bew. löschen"),
             U("Allen Schülern eine neue Fächervorlage zuordnen und alte Bewertungen löschen"),
             &TMainForm::NeueFaecherliste1Click);
}

void TMainForm::BaueMenuePruefen(QMenuBar* leiste) {
  QMenu* pruefen = leiste->addMenu(U("&Prüfen"));
  pruefen->setObjectName(QStringLiteral("MenuePruefen"));
  NeueAktion(pruefen, QStringLiteral("DatenfrsZeugnis1"), U("&Daten für`s Zeugnis"),
             U("die Zeugnisdaten des Schülers prüfen"), &TMainForm::DatenPruefen);
}

void TMainForm::BaueMenueDrucken(QMenuBar* leiste) {
  QMenu* drucken = leiste->addMenu(U("D&rucken"));
  drucken->setObjectName(QStringLiteral("MenueDrucken"));
  NeueAktion(drucken, QStringLiteral("Datenblatt1"), U("Schüler-&Datenblatt"), U("Drucken eines Schülerdatenblattes"),
             &TMainForm::Datenblatt1Click);
  OhneAktion(drucken, QStringLiteral("Namensliste1"), U("Klassen-&Namensliste"), U("Namensliste der Klasse drucken"));
  NeueAktion(drucken, QStringLiteral("Sammelformular1"), U("Sammelformular Klassen-Zeugnistexte"),
             U("Drucken eines Formulares für die Erfassung von Zeugnistexten"), &TMainForm::Sammelformular1Click);
  NeueAktion(drucken, QStringLiteral("KlassenZeugnistexte1"), U("Klassen-Zeugnistexte (Hinweise ...)"),
             U("Drucken der Zeugnistexte der Klasse"), &TMainForm::KlassenZeugnistexte1Click);
  // This entry has no hint of its own.
  NeueAktion(drucken, QStringLiteral("AusgefuellteZeugnistexte1"), U("ausgefüllte Klassen-Zeugnistexte (Hinw. ...)"),
             QString(), &TMainForm::AusgefuellteZeugnistexte1Click);
  OhneAktion(drucken, QStringLiteral("Zensurenuebersicht1"), U("Klassen-&Zensurenübersicht"),
             U("Zensurenübersicht der Klasse drucken"));
  drucken->addSeparator();
  NeueAktion(drucken, QStringLiteral("Testblatt1"), U("&Testblatt"),
             U("Drucken eines Testblattes mit eingestellten Schriftstilen"), &TMainForm::Testblatt1Click);
  Kuerzel(NeueAktion(drucken, QStringLiteral("Zeugnis1"), U("&Zeugnis"), U("Drucken eines Zeugnisses"),
                     &TMainForm::Zeugnis1Click),
          QKeySequence(Qt::CTRL | Qt::Key_P));
  NeueAktion(drucken, QStringLiteral("ZeugnisWeiss1"), U("Zeugnis auf &weißes Papier..."),
             U("Drucken des vollständigen Zeugnisses auf weißes Papier"), &TMainForm::ZeugnisWeiss1Click);
  NichtVerfuegbareAktion(drucken, QStringLiteral("Empfangsbekenntnis1"), U("&Empfangsbekenntnis"),
                         U("Empfangsbekenntnis drucken"));
  drucken->addSeparator();
  NeueAktion(drucken, QStringLiteral("ZeugnisseKlasse1"), U("Zeugnisse der &Klasse..."),
             U("Zeugnisse der Klasse|Die Zeugnisse aller angekreuzten Schüler der Klasse drucken, Formularseite für "
               "Formularseite"),
             &TMainForm::ZeugnisseKlasse1Click);
  NeueAktion(
      drucken, QStringLiteral("Zeugnisliste1"), U("Liste der &ausgegebenen Zeugnisse..."),
      U("Liste der ausgegebenen Zeugnisse|Die Liste der ausgegebenen Zeugnisse der Klasse aus dem Archiv drucken "
        "oder in der Vorschau ansehen"),
      &TMainForm::Zeugnisliste1Click);
  NeueAktion(drucken, QStringLiteral("ZeugnisVorschau1"), U("Zeugnis-&Vorschau..."),
             U("Zeugnis-Vorschau|Alle Formularseiten des Zeugnisses des Schülers vor dem Drucken ansehen"),
             &TMainForm::ZeugnisVorschau1Click);
  BaueMenueVorschau(drucken);
}

void TMainForm::BaueMenueVorschau(QMenu* drucken) {
  QMenu* vorschau = drucken->addMenu(U("Vorschau von Blättern und &Listen"));
  vorschau->setObjectName(QStringLiteral("MenueVorschau"));
  NeueAktion(vorschau, QStringLiteral("DatenblattVorschau1"), U("Schüler-&Datenblatt"),
             U("Vorschau des Schülerdatenblattes"), &TMainForm::DatenblattVorschau1Click);
  NeueAktion(vorschau, QStringLiteral("TestblattVorschau1"), U("&Testblatt"), U("Vorschau des Testblattes"),
             &TMainForm::TestblattVorschau1Click);
  NeueAktion(vorschau, QStringLiteral("SammelformularVorschau1"), U("&Sammelformular Klassen-Zeugnistexte"),
             U("Vorschau des Sammelformulars für die Zeugnistexte"), &TMainForm::SammelformularVorschau1Click);
  NeueAktion(vorschau, QStringLiteral("KlassenZeugnistexteVorschau1"), U("&Klassen-Zeugnistexte (Hinweise ...)"),
             U("Vorschau der Zeugnistexte der Klasse"), &TMainForm::KlassenZeugnistexteVorschau1Click);
  NeueAktion(vorschau, QStringLiteral("AusgefuellteZeugnistexteVorschau1"),
             U("&ausgefüllte Klassen-Zeugnistexte (Hinw. ...)"), U("Vorschau der ausgefüllten Zeugnistexte der Klasse"),
             &TMainForm::AusgefuellteZeugnistexteVorschau1Click);
}

void TMainForm::BaueMenueTools(QMenuBar* leiste) {
  QMenu* tools = leiste->addMenu(U("&Tools"));
  tools->setObjectName(QStringLiteral("MenueTools"));
  NichtVerfuegbareAktion(tools, QStringLiteral("SortierenNamen1"), U("Sortieren nach Namen"),
                         U("die Klasse nach Namen sortieren"));
  NichtVerfuegbareAktion(tools, QStringLiteral("SortierenNummern1"), U("Sortieren nach Nummern"),
                         U("die Klasse nach Nummern sortieren"));
  tools->addSeparator();
  NeueAktion(tools, QStringLiteral("PersonenImport1"), U("&Import der Personendaten"),
             U("Import von Personendaten aus TXT-Datei"), &TMainForm::PersonenImport1Click);
  NeueAktion(tools, QStringLiteral("BewertungsImport1"), U("Import von Bewertungen"),
             U("Import von Bewertungen aus TXT-Datei"), &TMainForm::BewertungsImport1Click);
  NichtVerfuegbareAktion(tools, QStringLiteral("PersonenExport1"), U("&Export der Personendaten"),
                         U("Export von Personendaten in eine TXT-Datei"));
  tools->addSeparator();
  NeueAktion(tools, QStringLiteral("Druckerdaten1"), U("&Druckerdaten anzeigen"),
             U("Informationen zum aktuellen Drucker anzeigen"), &TMainForm::Druckerdaten1Click);
}

void TMainForm::BaueMenueEinstellungen(QMenuBar* leiste) {
  QMenu* einstellungen = leiste->addMenu(U("&Einstellungen"));
  einstellungen->setObjectName(QStringLiteral("MenueEinstellungen"));
  NeueAktion(einstellungen, QStringLiteral("Programmeinstellungen1"), U("&Programmeinstellungen"),
             U("allgemeingültige Einstellungen für das Programm"), &TMainForm::Programmeinstellungen1Click);
  NeueAktion(einstellungen, QStringLiteral("Druckeinstellungen1"), U("&Druckeinstellungen"),
             U("Einstellungen zum Druck von Formularen und Zeugnissen"), &TMainForm::Druckeinstellungen1Click);
  NeueAktion(einstellungen, QStringLiteral("FormularAusrichten1"), U("&Formular ausrichten..."),
             U("Druckpositionen eines Formulars am Bildschirm über dem eingescannten Formular ausrichten"),
             &TMainForm::FormularAusrichten1Click);
  einstellungen->addSeparator();
  NeueAktion(einstellungen, QStringLiteral("FaecherlisteKlasse1"), U("Fächerliste der &Klasse"),
             U("Bearbeiten der Klassen-Fächervorlagen"), &TMainForm::FaecherlisteKlasse1Click);
  NeueAktion(einstellungen, QStringLiteral("FaecherlisteSchule1"), U("Fächerliste der &Schule"),
             U("Bearbeiten der Fächer der Schule"), &TMainForm::FaecherlisteSchule1Click);
  einstellungen->addSeparator();
  NeueAktion(einstellungen, QStringLiteral("Schuldaten1"), U("Sch&uldaten..."),
             U("Namen der Schule für Zeugnisse und Statusleiste"), &TMainForm::Schuldaten1Click);
  NeueAktion(einstellungen, QStringLiteral("Archiv1"), U("&Archiv..."),
             U("Archiv|Archivkopie (PDF/A) jedes gedruckten Zeugnisses und der Ordner des Archivs"),
             &TMainForm::Archiv1Click);
}

void TMainForm::BaueMenueHilfe(QMenuBar* leiste) {
  QMenu* hilfe = leiste->addMenu(U("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("MenueHilfe"));
  NeueAktion(hilfe, QStringLiteral("Kurzbeschreibung1"), U("Kurzbeschreibung"), U("Kurzbeschreibung des Programms"),
             &TMainForm::HilfeInhalt);
  Kuerzel(NeueAktion(hilfe, QStringLiteral("Inhalt1"), U("&Inhalt"), U("Inhalt der Hilfe"), &TMainForm::HilfeInhalt),
          QKeySequence(Qt::Key_F1));
  NeueAktion(hilfe, QStringLiteral("ThemenHilfe1"), U("&Themenbezogene Hilfe..."), U("Hilfe zu einem Stichwort suchen"),
             &TMainForm::HilfeSuche);
  NeueAktion(hilfe, QStringLiteral("HilfeVerwenden1"), U("&Hilfe verwenden"), U("Anleitung zur Benutzung der Hilfe"),
             &TMainForm::HilfeVerwenden);
  hilfe->addSeparator();
  NeueAktion(hilfe, QStringLiteral("Info1"), U("I&nfo..."), U("Informationen über das Programm"),
             &TMainForm::Info1Click);
}

void TMainForm::BaueWerkzeugleiste() {
  QToolBar* leiste = addToolBar(U("Werkzeugleiste"));
  leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
  leiste->setMovable(false);
  // The desktop's own symbol where its theme has one, else Velmora's (src/app/ressourcen/symbole).
  auto knopf = [&](const char* thema, const char* symbol, const QString& name, const QString& hinweis,
                   void (TMainForm::*befehl)()) {
    QAction* a = NeueAktion(leiste, name, hinweis, hinweis, befehl);
    a->setText(Q(KurzerHinweis(K(hinweis))));
    QIcon eigenes;
    for (const char* groesse : {"24", "48"}) {
      eigenes.addFile(QStringLiteral(":/velmora/symbole/%1-%2.png").arg(QLatin1String(symbol), QLatin1String(groesse)));
    }
    a->setIcon(QIcon::fromTheme(QLatin1String(thema), eigenes));
    return a;
  };
  knopf("document-new", "neu", QStringLiteral("SpeedButton1"), U("Neu|"), &TMainForm::FileNew);
  knopf("document-open", "oeffnen", QStringLiteral("SpeedButton2"), U("Öffnen|"), &TMainForm::FileOpen);
  knopf("document-save", "speichern", QStringLiteral("SpeedButton3"), U("Speichern|"), &TMainForm::FileSave);
  knopf("printer", "drucker", QStringLiteral("SpeedButton4"), U("Druckereinstellungen|"),
        &TMainForm::DruckerEinrichten1Click);
  leiste->addSeparator();
  knopf("edit-cut", "ausschneiden", QStringLiteral("SpeedButton5"), U("Ausschneiden des aktuellen Schülerdatensatzes|"),
        &TMainForm::Ausschneiden1Click);
  knopf("edit-copy", "kopieren", QStringLiteral("SpeedButton6"), U("Kopieren des aktuellen Schülerdatensatzes|"),
        &TMainForm::Kopieren1Click);
  knopf("edit-paste", "einfuegen", QStringLiteral("SpeedButton7"), U("Einfügen des Schülerdatensatzes|"),
        &TMainForm::Einfuegen1Click);
  leiste->addSeparator();
  knopf("document-print", "zeugnis", QStringLiteral("SpeedButton11"), U("Zeugnis drucken"), &TMainForm::Zeugnis1Click);
  leiste->addSeparator();
  knopf("help-contents", "hilfe", QStringLiteral("SpeedButton8"), U("Inhalt der Hilfe|"), &TMainForm::HilfeInhalt);
  knopf("help-about", "info", QStringLiteral("SpeedButton9"), U("Info|"), &TMainForm::Info1Click);
  knopf("application-exit", "beenden", QStringLiteral("SpeedButton10"), U("Beenden|"), &TMainForm::Beenden1Click);

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
