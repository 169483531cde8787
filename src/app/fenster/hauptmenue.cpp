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

void SetzeHinweis(QAction* a, const QString& hinweis) {
  a->setProperty("velmoraHinweis", hinweis);
  a->setToolTip(Q(KurzerHinweis(K(hinweis))));
}

}  // namespace

QAction* TMainForm::NeueAktion(QWidget* menue, const QString& beschriftung, const QString& hinweis,
                               void (TMainForm::*befehl)()) {
  auto* a = new QAction(beschriftung, menue);
  SetzeHinweis(a, hinweis);
  menue->addAction(a);
  connect(a, &QAction::hovered, this, [this, a] { ZeigeLangenHinweis(a->property("velmoraHinweis").toString()); });
  if (befehl) connect(a, &QAction::triggered, this, befehl);
  return a;
}

QAction* TMainForm::NichtVerfuegbareAktion(QWidget* menue, const QString& beschriftung, const QString& hinweis) {
  return NeueAktion(menue, beschriftung, hinweis, &TMainForm::NichtVerfuegbar);
}

QAction* TMainForm::OhneAktion(QWidget* menue, const QString& beschriftung, const QString& hinweis) {
  return NeueAktion(menue, beschriftung, hinweis, nullptr);
}

QAction* TMainForm::Aktion(const QString& menue, const QString& eintrag) const {
  for (QMenu* m : findChildren<QMenu*>()) {
    if (m->title() != menue) continue;
    for (QAction* a : m->actions()) {
      if (a->text() == eintrag) return a;
    }
  }
  for (QToolBar* leiste : findChildren<QToolBar*>()) {
    if (leiste->windowTitle() != menue) continue;
    for (QAction* a : leiste->actions()) {
      if (a->text() == eintrag) return a;
    }
  }
  return nullptr;
}

void TMainForm::BaueMenue() {
  QMenuBar* leiste = menuBar();

  QMenu* datei = leiste->addMenu(U("&Datei"));
  NeueAktion(datei, U("&Neu..."), U("eine neue Klasse aus einer Klassen-Fächervorlage anlegen"), &TMainForm::FileNew);
  NeueAktion(datei, U("Ö&ffnen..."), U("eine Klassendatei öffnen"), &TMainForm::FileOpen);
  NeueAktion(datei, U("&Speichern"), U("die Klasse speichern"), &TMainForm::FileSave);
  NeueAktion(datei, U("Speichern &unter..."), U("die Klasse unter einem neuen Namen speichern"),
             &TMainForm::FileSaveAs);
  datei->addSeparator();
  QMenu* dateiDrucken = datei->addMenu(U("D&rucken"));
  NeueAktion(dateiDrucken, U("Zeugnisse"), U("Druckerauswahl und Zeugnis des Schülers drucken"),
             &TMainForm::Zeugnis2Click);
  NeueAktion(dateiDrucken, U("Datenblätter"), U("Druckerauswahl und Datenblatt des Schülers drucken"),
             &TMainForm::Datenblatt2Click);
  NichtVerfuegbareAktion(dateiDrucken, U("Empfangsbekenntnisse"), U("Empfangsbekenntnisse drucken"));
  NeueAktion(datei, U("Drucker &einrichten..."), U("den Drucker einrichten"), &TMainForm::DruckerEinrichten1Click);
  datei->addSeparator();
  NeueAktion(datei, U("&Beenden"), U("das Programm beenden"), &TMainForm::Beenden1Click);

  QMenu* bearbeiten = leiste->addMenu(U("&Bearbeiten"));
  NichtVerfuegbareAktion(bearbeiten, U("&Rückgängig"), U("die letzte Änderung rückgängig machen"));
  bearbeiten->addSeparator();
  NeueAktion(bearbeiten, U("Schüler-Datensatz &Ausschneiden"), U("den aktuellen Schülerdatensatz ausschneiden"),
             &TMainForm::Ausschneiden1Click);
  NeueAktion(bearbeiten, U("Schüler-Datensatz &Kopieren"), U("den aktuellen Schülerdatensatz kopieren"),
             &TMainForm::Kopieren1Click);
  NeueAktion(bearbeiten, U("Schüler-Datensatz &Einfügen"), U("den kopierten Schülerdatensatz einfügen"),
             &TMainForm::Einfuegen1Click);
  bearbeiten->addSeparator();
  NeueAktion(bearbeiten, U("Neue Fächerliste zuordnen und Bew. löschen"),
             U("Allen Schülern eine neue Fächervorlage zuordnen und alte Bewertungen löschen"),
             &TMainForm::NeueFaecherliste1Click);

  QMenu* pruefen = leiste->addMenu(U("&Prüfen"));
  NeueAktion(pruefen, U("&Daten für`s Zeugnis"), U("die Zeugnisdaten des Schülers prüfen"), &TMainForm::DatenPruefen);

  QMenu* drucken = leiste->addMenu(U("D&rucken"));
  NeueAktion(drucken, U("Schüler-&Datenblatt"), U("Drucken eines Schülerdatenblattes"), &TMainForm::Datenblatt1Click);
  OhneAktion(drucken, U("Klassen-&Namensliste"), U("Namensliste der Klasse drucken"));
  NeueAktion(drucken, U("Sammelformular Klassen-Zeugnistexte"),
             U("Drucken eines Formulares für die Erfassung von Zeugnistexten"),
             &TMainForm::Sammelformular1Click);
  NeueAktion(drucken, U("Klassen-Zeugnistexte (Hinweise ...)"), U("Drucken der Zeugnistexte der Klasse"),
             &TMainForm::KlassenZeugnistexte1Click);
  // This entry has no hint of its own.
  NeueAktion(drucken, U("ausgefüllte Klassen-Zeugnistexte (Hinw. ...)"), QString(),
             &TMainForm::AusgefuellteZeugnistexte1Click);
  OhneAktion(drucken, U("Klassen-&Zensurenübersicht"), U("Zensurenübersicht der Klasse drucken"));
  drucken->addSeparator();
  NeueAktion(drucken, U("&Testblatt"), U("Drucken eines Testblattes mit eingestellten Schriftstilen"),
             &TMainForm::Testblatt1Click);
  NeueAktion(drucken, U("&Zeugnis"), U("Drucken eines Zeugnisses"), &TMainForm::Zeugnis1Click);
  NichtVerfuegbareAktion(drucken, U("&Empfangsbekenntnis"), U("Empfangsbekenntnis drucken"));

  QMenu* tools = leiste->addMenu(U("&Tools"));
  NichtVerfuegbareAktion(tools, U("Sortieren nach Namen"), U("die Klasse nach Namen sortieren"));
  NichtVerfuegbareAktion(tools, U("Sortieren nach Nummern"), U("die Klasse nach Nummern sortieren"));
  tools->addSeparator();
  NeueAktion(tools, U("&Import der Personendaten"), U("Import von Personendaten aus TXT-Datei"),
             &TMainForm::PersonenImport1Click);
  NeueAktion(tools, U("Import von Bewertungen"), U("Import von Bewertungen aus TXT-Datei"),
             &TMainForm::BewertungsImport1Click);
  NichtVerfuegbareAktion(tools, U("&Export der Personendaten"), U("Export von Personendaten in eine TXT-Datei"));
  tools->addSeparator();
  NeueAktion(tools, U("&Druckerdaten anzeigen"), U("Informationen zum aktuellen Drucker anzeigen"),
             &TMainForm::Druckerdaten1Click);

  QMenu* einstellungen = leiste->addMenu(U("&Einstellungen"));
  NeueAktion(einstellungen, U("&Programmeinstellungen"), U("allgemeingültige Einstellungen für das Programm"),
             &TMainForm::Programmeinstellungen1Click);
  NeueAktion(einstellungen, U("&Druckeinstellungen"), U("Einstellungen zum Druck von Formularen und Zeugnissen"),
             &TMainForm::Druckeinstellungen1Click);
  einstellungen->addSeparator();
  NeueAktion(einstellungen, U("Fächerliste der &Klasse"), U("Bearbeiten der Klassen-Fächervorlagen"),
             &TMainForm::FaecherlisteKlasse1Click);
  NeueAktion(einstellungen, U("Fächerliste der &Schule"), U("Bearbeiten der Fächer der Schule"),
             &TMainForm::FaecherlisteSchule1Click);
  einstellungen->addSeparator();
  NeueAktion(einstellungen, U("Schul&daten..."), U("Namen der Schule für Zeugnisse und Statusleiste"),
             &TMainForm::Schuldaten1Click);

  QMenu* hilfe = leiste->addMenu(U("&Hilfe"));
  NeueAktion(hilfe, U("Kurzbeschreibung"), U("Kurzbeschreibung des Programms"), &TMainForm::HilfeInhalt);
  NeueAktion(hilfe, U("&Inhalt"), U("Inhalt der Hilfe"), &TMainForm::HilfeInhalt);
  NeueAktion(hilfe, U("&Themenbezogene Hilfe..."), U("Hilfe zu einem Stichwort suchen"), &TMainForm::HilfeSuche);
  NeueAktion(hilfe, U("&Hilfe verwenden"), U("Anleitung zur Benutzung der Hilfe"), &TMainForm::HilfeVerwenden);
  hilfe->addSeparator();
  NeueAktion(hilfe, U("I&nfo..."), U("Informationen über das Programm"), &TMainForm::Info1Click);
}

void TMainForm::BaueWerkzeugleiste() {
  QToolBar* leiste = addToolBar(U("Werkzeugleiste"));
  leiste->setMovable(false);
  QStyle* stil = style();
  auto knopf = [&](QStyle::StandardPixmap bild, const QString& hinweis, void (TMainForm::*befehl)()) {
    QAction* a = NeueAktion(leiste, hinweis, hinweis, befehl);
    a->setText(Q(KurzerHinweis(K(hinweis))));
    a->setIcon(stil->standardIcon(bild));
    return a;
  };
  knopf(QStyle::SP_FileIcon, U("Neu|"), &TMainForm::FileNew);
  knopf(QStyle::SP_DialogOpenButton, U("Öffnen|"), &TMainForm::FileOpen);
  knopf(QStyle::SP_DialogSaveButton, U("Speichern|"), &TMainForm::FileSave);
  knopf(QStyle::SP_ComputerIcon, U("Druckereinstellungen|"), &TMainForm::DruckerEinrichten1Click);
  leiste->addSeparator();
  knopf(QStyle::SP_TrashIcon, U("Ausschneiden des aktuellen Schülerdatensatzes|"), &TMainForm::Ausschneiden1Click);
  knopf(QStyle::SP_FileDialogDetailedView, U("Kopieren des aktuellen Schülerdatensatzes|"),
        &TMainForm::Kopieren1Click);
  knopf(QStyle::SP_FileDialogNewFolder, U("Einfügen des Schülerdatensatzes|"), &TMainForm::Einfuegen1Click);
  leiste->addSeparator();
  knopf(QStyle::SP_FileDialogContentsView, U("Zeugnis drucken"), &TMainForm::Zeugnis1Click);
  leiste->addSeparator();
  knopf(QStyle::SP_DialogHelpButton, U("Inhalt der Hilfe|"), &TMainForm::HilfeInhalt);
  knopf(QStyle::SP_MessageBoxInformation, U("Info|"), &TMainForm::Info1Click);
  knopf(QStyle::SP_DialogCloseButton, U("Beenden|"), &TMainForm::Beenden1Click);

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
