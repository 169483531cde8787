// The real main window, offscreen, with scripted message boxes and file dialogs.
#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/fenster/MAIN.h"
#include "app/fenster/editorseiten.h"
#include "app/fenster/fortschritt.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/beispiele.h"
#include "common/datensatzbytes.h"
#include "common/fakes.h"

namespace velmora::test {
namespace {

class HauptfensterTest : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    fenster_ = std::make_unique<TMainForm>(meldungen_, dialoge_);
    fenster_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster_.get()));
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }

  KlassenZustand& Zustand() { return fenster_->Steuerung().Zustand(); }
  QLineEdit* Feld(const QString& name) { return fenster_->findChild<QLineEdit*>(name); }
  // Types into an edit as the user does: the widget marks itself changed.
  static void Tippe(QLineEdit* feld, const QString& text) {
    feld->setFocus();
    feld->selectAll();
    for (QChar c : text) {
      QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(feld, &druck);
    }
  }
  // Closes the window as the close box does; true when it closed.
  bool Schliessen() {
    fenster_->close();
    return !fenster_->isVisible();
  }

  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TMainForm> fenster_;
};

TEST_F(HauptfensterTest, StartZeigtLeereKlasseAufDerSeiteBewertungen) {
  EXPECT_EQ(fenster_->windowTitle(), QStringLiteral("Velmora          V.1.1. "));
  EXPECT_EQ(fenster_->Liste().count(), 35);
  EXPECT_EQ(fenster_->Liste().item(0)->text(), QStringLiteral("   - frei -"));
  EXPECT_EQ(fenster_->Liste().currentRow(), 0);
  EXPECT_EQ(fenster_->Editor().currentIndex(), TEditorSeiten::Bewertungen);
  EXPECT_EQ(fenster_->Editor().tabText(0), U("Personendaten"));
  EXPECT_EQ(fenster_->Statusfeld(1).text(), U("aktuelle Datei"));
  EXPECT_EQ(fenster_->Statusfeld(0).width(), 450);
  EXPECT_EQ(fenster_->Statusfeld(1).width(), 150);
  EXPECT_EQ(fenster_->Statusfeld(2).width(), 100);
  EXPECT_FALSE(fenster_->Aenderungsanzeige().isVisible());
  EXPECT_TRUE(DateiExistiert("LEER.KFV"));
  EXPECT_TRUE(DateiExistiert("SFAECHER.SFL"));
  EXPECT_TRUE(meldungen_.protokoll.empty());

  // Every subject box offers the nine default subjects sorted and shows the empty row.
  auto boxen = fenster_->Editor().findChildren<QComboBox*>();
  ASSERT_EQ(boxen.size(), 18);
  for (QComboBox* box : boxen) {
    EXPECT_EQ(box->currentText(), QStringLiteral("   - - -"));
    ASSERT_EQ(box->count(), 9);
    EXPECT_EQ(box->itemText(0), QStringLiteral("   - - -"));
    EXPECT_EQ(box->itemText(1), QStringLiteral("## wird nicht gedruckt"));
    EXPECT_EQ(box->itemText(2), QStringLiteral("Deutsch"));
    EXPECT_EQ(box->itemText(8), QStringLiteral("Sport"));
  }
}

TEST_F(HauptfensterTest, MenueHatAlleEintraegeMitIhrenBeschriftungen) {
  // Per menu (by object name) its title and its entries (object name, caption) in order.
  struct Menue {
    const char* name;
    const char* titel;
    std::vector<std::pair<const char*, const char*>> eintraege;
  };
  const std::vector<Menue> erwartet = {
      {"MenueDatei",
       "&Datei",
       {{"Neu1", "&Neu..."},
        {"Oeffnen1", "Ö&ffnen..."},
        {"Speichern1", "&Speichern"},
        {"SpeichernUnter1", "Speichern &unter..."},
        {"DruckerEinrichten1", "Drucker &einrichten..."},
        {"Beenden1", "&Beenden"}}},
      {"MenueDateiDrucken",
       "D&rucken",
       {{"Zeugnis2", "Zeugnisse"}, {"Datenblatt2", "Datenblätter"}, {"Empfangsbekenntnis2", "Empfangsbekenntnisse"}}},
      {"MenueBearbeiten",
       "&Bearbeiten",
       {{"Rueckgaengig1", "&Rückgängig"},
        {"Ausschneiden1", "Schüler-Datensatz &Ausschneiden"},
        {"Kopieren1", "Schüler-Datensatz &Kopieren"},
        {"Einfuegen1", "Schüler-Datensatz &Einfügen"},
        {"NeueFaecherliste1", "Neue Fächerliste zuordnen und Bew. löschen"}}},
      {"MenuePruefen", "&Prüfen", {{"DatenfrsZeugnis1", "&Daten für`s Zeugnis"}}},
      {"MenueDrucken",
       "D&rucken",
       {{"Datenblatt1", "Schüler-&Datenblatt"},
        {"Namensliste1", "Klassen-&Namensliste"},
        {"Sammelformular1", "Sammelformular Klassen-Zeugnistexte"},
        {"KlassenZeugnistexte1", "Klassen-Zeugnistexte (Hinweise ...)"},
        {"AusgefuellteZeugnistexte1", "ausgefüllte Klassen-Zeugnistexte (Hinw. ...)"},
        {"Zensurenuebersicht1", "Klassen-&Zensurenübersicht"},
        {"Testblatt1", "&Testblatt"},
        {"Zeugnis1", "&Zeugnis"},
        {"Empfangsbekenntnis1", "&Empfangsbekenntnis"}}},
      {"MenueTools",
       "&Tools",
       {{"SortierenNamen1", "Sortieren nach Namen"},
        {"SortierenNummern1", "Sortieren nach Nummern"},
        {"PersonenImport1", "&Import der Personendaten"},
        {"BewertungsImport1", "Import von Bewertungen"},
        {"PersonenExport1", "&Export der Personendaten"},
        {"Druckerdaten1", "&Druckerdaten anzeigen"}}},
      {"MenueEinstellungen",
       "&Einstellungen",
       {{"Programmeinstellungen1", "&Programmeinstellungen"},
        {"Druckeinstellungen1", "&Druckeinstellungen"},
        {"FaecherlisteKlasse1", "Fächerliste der &Klasse"},
        {"FaecherlisteSchule1", "Fächerliste der &Schule"}}},
      {"MenueHilfe",
       "&Hilfe",
       {{"Kurzbeschreibung1", "Kurzbeschreibung"},
        {"Inhalt1", "&Inhalt"},
        {"ThemenHilfe1", "&Themenbezogene Hilfe..."},
        {"HilfeVerwenden1", "&Hilfe verwenden"},
        {"Info1", "I&nfo..."}}},
  };
  for (const Menue& m : erwartet) {
    QMenu* menue = fenster_->findChild<QMenu*>(QString::fromLatin1(m.name));
    ASSERT_NE(menue, nullptr) << m.name;
    EXPECT_EQ(menue->title(), U(m.titel)) << m.name;
    QStringList namen;
    for (QAction* a : menue->actions()) {
      if (!a->isSeparator() && !a->menu()) namen << a->objectName();
    }
    QStringList soll;
    for (const auto& [name, text] : m.eintraege) {
      soll << QString::fromLatin1(name);
      QAction* a = fenster_->Aktion(QString::fromLatin1(name));
      ASSERT_NE(a, nullptr) << name;
      EXPECT_EQ(a->text(), U(text)) << name;
    }
    // The menus may hold further entries of the program's own, after these in their order.
    QStringList gefunden;
    for (const QString& n : namen) {
      if (soll.contains(n)) gefunden << n;
    }
    EXPECT_EQ(gefunden, soll) << m.name;
  }
  QToolBar* leiste = fenster_->findChild<QToolBar*>(QStringLiteral("Werkzeugleiste"));
  ASSERT_NE(leiste, nullptr);
  QStringList tipps;
  for (QAction* a : leiste->actions()) {
    if (!a->toolTip().isEmpty() && !a->icon().isNull()) tipps << a->toolTip();
  }
  EXPECT_EQ(tipps, (QStringList{U("Neu"), U("Öffnen"), U("Speichern"), U("Druckereinstellungen"),
                                U("Ausschneiden des aktuellen Schülerdatensatzes"),
                                U("Kopieren des aktuellen Schülerdatensatzes"), U("Einfügen des Schülerdatensatzes"),
                                U("Zeugnis drucken"), U("Inhalt der Hilfe"), U("Info"), U("Beenden")}));
}

TEST_F(HauptfensterTest, NichtVerfuegbareEintraegeZeigenIhreMeldung) {
  for (const char* name :
       {"SortierenNamen1", "SortierenNummern1", "PersonenExport1", "Rueckgaengig1", "Empfangsbekenntnis1"}) {
    meldungen_.protokoll.clear();
    QAction* a = fenster_->Aktion(QString::fromLatin1(name));
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
    ASSERT_EQ(meldungen_.protokoll.size(), 1u) << name;
    EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Schlicht);
    EXPECT_EQ(meldungen_.protokoll[0].text, T("Die gewünschte Funktion ist in dieser Version noch nicht verfügbar!"));
  }
}

TEST_F(HauptfensterTest, EingabeWirdBeimSchuelerwechselGespeichertUndAngezeigt) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Personendaten);
  QLineEdit* name = Feld(QStringLiteral("Name"));
  ASSERT_NE(name, nullptr);
  Tippe(name, U("Müller"));
  fenster_->Liste().setCurrentRow(3);

  EXPECT_EQ(Zustand().Klasse->Schueler[0].Lies(TSchuelerDatensatz::Name), T("Müller"));
  EXPECT_EQ(fenster_->Liste().item(0)->text(), U("Müller, "));
  EXPECT_EQ(Zustand().AktuellerSchueler, 3);
  EXPECT_TRUE(Zustand().DatenGeaendert);
  QApplication::processEvents();
  EXPECT_TRUE(fenster_->Aenderungsanzeige().isVisible());
  EXPECT_EQ(name->text(), QStringLiteral("   - frei -"));
  EXPECT_FALSE(name->isModified());
}

TEST_F(HauptfensterTest, KlickAufDieGewaehlteZeileSpeichertUndZeigt) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Personendaten);
  QLineEdit* name = Feld(QStringLiteral("Name"));
  Tippe(name, QStringLiteral("Berg"));
  QListWidget& liste = fenster_->Liste();
  const QRect zeile = liste.visualItemRect(liste.item(0));
  QTest::mouseClick(liste.viewport(), Qt::LeftButton, Qt::NoModifier, zeile.center());
  EXPECT_EQ(Zustand().Klasse->Schueler[0].Lies(TSchuelerDatensatz::Name), "Berg");
  EXPECT_EQ(liste.item(0)->text(), QStringLiteral("Berg, "));
  EXPECT_FALSE(name->isModified()) << "the editor was filled again from the slot";
  // A click that changes the line stores once.
  Tippe(name, QStringLiteral("Hain"));
  QTest::mouseClick(liste.viewport(), Qt::LeftButton, Qt::NoModifier, liste.visualItemRect(liste.item(2)).center());
  EXPECT_EQ(Zustand().AktuellerSchueler, 2);
  EXPECT_EQ(Zustand().Klasse->Schueler[0].Lies(TSchuelerDatensatz::Name), "Hain");
}

TEST_F(HauptfensterTest, UngueltigeNummerMeldetEingabefehlerUndBehaeltDenZahlanfang) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Personendaten);
  QLineEdit* nummer = fenster_->Editor().NummerFeld();
  Tippe(nummer, QStringLiteral("12a"));
  meldungen_.protokoll.clear();
  fenster_->Liste().setCurrentRow(1);

  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].titel, "Eingabefehler");
  EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(meldungen_.protokoll[0].text, T("Als Schüler-Nummern dürfen nur\rganze Zahlen eingegeben werden!"));
  EXPECT_EQ(Zustand().Klasse->Schueler[0].Nummer(), 12);
  EXPECT_EQ(Zustand().AktuellerSchueler, 1);
  EXPECT_EQ(fenster_->Editor().currentIndex(), TEditorSeiten::Personendaten);
}

TEST_F(HauptfensterTest, UngueltigeNummerBeimReiterwechselMeldetNurEinmal) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Personendaten);
  Tippe(fenster_->Editor().NummerFeld(), QStringLiteral("12a"));
  meldungen_.protokoll.clear();
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Bewertungen);

  // One message; the focus goes back to "Nummer" on its tab without storing a second time.
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].titel, "Eingabefehler");
  EXPECT_EQ(fenster_->Editor().currentIndex(), TEditorSeiten::Personendaten);
  EXPECT_EQ(Zustand().Klasse->Schueler[0].Nummer(), 12);
  EXPECT_EQ(fenster_->Editor().NummerFeld()->text(), QStringLiteral("12"));
}

TEST_F(HauptfensterTest, DatumsfelderSpeichernZehnZeichenMitPunkten) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Personendaten);
  QLineEdit* geburt = Feld(QStringLiteral("Geburtsdatum"));
  ASSERT_NE(geburt, nullptr);
  EXPECT_EQ(geburt->displayText(), QStringLiteral("00.00.0000"));
  Tippe(geburt, QStringLiteral(" 3041999"));
  EXPECT_EQ(geburt->displayText(), QStringLiteral(" 3.04.1999"));
  fenster_->Steuerung().AktuelleDatenUebernehmen();
  EXPECT_EQ(Zustand().Klasse->Schueler[0].Lies(TSchuelerDatensatz::Geburtsdatum), " 3.04.1999");
}

TEST_F(HauptfensterTest, UnberuehrteFelderBleibenBeimSpeichernByteFuerByte) {
  // A class as the person import leaves it: dates without leading blanks, a grade without a
  // decimal place, a text with a lone CR. Offsets: Geburtsdatum 60, Hinweise 3002,
  // Durchschnittsnote 4622, Zeugnisdatum 4678 of the slot.
  Bytes bild = Zustand().Klasse->Bild();
  auto setze = [&](std::size_t offset, const std::string& text, bool block = false) {
    std::size_t o = offset;
    if (!block) bild[o++] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bild.begin() + static_cast<std::ptrdiff_t>(o));
  };
  setze(60, "1.1.2000");
  setze(4622, "2");
  setze(4678, "7.7.2026");
  setze(3002, "erste\rzweite", true);
  bild[layout::kKennung] = 0;  // no data password
  SchreibeDatei("KLASSE.VLM", bild);
  fenster_->Steuerung().Einstellungen().Satz().DatenVerschluesseln = 0;
  dialoge_.oeffnenAntworten.push_back("KLASSE.VLM");
  fenster_->Steuerung().Oeffnen();
  EXPECT_EQ(Feld(QStringLiteral("Geburtsdatum"))->displayText(), QStringLiteral("1 .1 .2000"));

  // Every tab shown, another student and back: each stores the editor.
  for (int seite = 0; seite < fenster_->Editor().count(); ++seite) fenster_->Editor().setCurrentIndex(seite);
  fenster_->Knopf(QStringLiteral("NaechsterSchueler"))->click();
  fenster_->Knopf(QStringLiteral("VorigerSchueler"))->click();
  EXPECT_FALSE(Zustand().DatenGeaendert);
  QTimer::singleShot(0, [this] { fenster_->Fortschritt().close(); });
  fenster_->Steuerung().Speichern();
  // The records and the check string's length byte; the bytes behind that length carry the
  // fixed key whenever a class is saved.
  Bytes gespeichert = LiesDatei("KLASSE.VLM");
  ASSERT_EQ(gespeichert.size(), bild.size());
  gespeichert.resize(199221);
  bild.resize(199221);
  EXPECT_TRUE(GleicheBytes(gespeichert, bild));
}

TEST_F(HauptfensterTest, ReiterwechselUndNavigation) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Zeugnisdaten);
  fenster_->Knopf(QStringLiteral("LetzterSchueler"))->click();
  EXPECT_EQ(Zustand().AktuellerSchueler, 34);
  EXPECT_EQ(fenster_->Liste().currentRow(), 34);
  fenster_->Knopf(QStringLiteral("NaechsterSchueler"))->click();
  EXPECT_EQ(Zustand().AktuellerSchueler, 34);
  fenster_->Knopf(QStringLiteral("VorigerSchueler"))->click();
  EXPECT_EQ(Zustand().AktuellerSchueler, 33);
  fenster_->Knopf(QStringLiteral("ErsterSchueler"))->click();
  EXPECT_EQ(Zustand().AktuellerSchueler, 0);
  fenster_->Knopf(QStringLiteral("VorigerSchueler"))->click();
  EXPECT_EQ(Zustand().AktuellerSchueler, 0);
  EXPECT_FALSE(Zustand().DatenGeaendert);
}

TEST_F(HauptfensterTest, RadiogruppeAnredeZaehltAlsAenderung) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Personendaten);
  for (QRadioButton* r : fenster_->Editor().findChildren<QRadioButton*>()) {
    if (r->text() == U("Frau")) r->click();
  }
  fenster_->Knopf(QStringLiteral("DatenUebernehmen"))->click();
  EXPECT_EQ(Zustand().Klasse->Schueler[0].Anrede(), 2);
  EXPECT_TRUE(Zustand().DatenGeaendert);
}

TEST_F(HauptfensterTest, ZeugnisknopfUndMenueVerweigernOhneZeugnistyp) {
  for (int weg = 0; weg < 3; ++weg) {
    meldungen_.protokoll.clear();
    if (weg == 0) fenster_->Knopf(QStringLiteral("Button4"))->click();
    if (weg == 1) fenster_->Aktion(QStringLiteral("Zeugnis1"))->trigger();
    if (weg == 2) fenster_->Aktion(QStringLiteral("SpeedButton11"))->trigger();
    ASSERT_EQ(meldungen_.protokoll.size(), 1u) << weg;
    EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(meldungen_.protokoll[0].text, T("Kein Zeugnisdruck möglich, da kein Zeugnistyp ausgewählt wurde!"));
  }
  EXPECT_FALSE(DateiExistiert("1BS_HJ.FST"));
}

TEST_F(HauptfensterTest, ZeugnisEintraegeMitIhrenHinweisenUndBestaetigungen) {
  struct Fall {
    const char* eintrag;
    const char* hinweis;
    const char* frage;  // nullptr: the entry asks nothing first
  };
  const Fall faelle[] = {
      {"Zeugnis1", "Drucken eines Zeugnisses", nullptr},
      {"KlassenZeugnistexte1", "Drucken der Zeugnistexte der Klasse", "Druck aller Zeugnistexte\r(Hinweise zum ...)"},
      {"Sammelformular1", "Drucken eines Formulares für die Erfassung von Zeugnistexten",
       "Druck eines Sammelformulars\rfür die Zeugnistexte"},
      {"AusgefuellteZeugnistexte1", "", "Druck der ausgefüllten Zeugnistexte\r(Hinweise zum ...)"},
  };
  for (const Fall& f : faelle) {
    QAction* a = fenster_->Aktion(QString::fromLatin1(f.eintrag));
    ASSERT_NE(a, nullptr) << f.eintrag;
    fenster_->Statusfeld(0).setText(U("vorher"));
    a->showStatusText(fenster_.get());  // as the menu does when the pointer is on the entry
    EXPECT_EQ(fenster_->Statusfeld(0).text(), U(f.hinweis)) << f.eintrag;
    if (!f.frage) continue;
    meldungen_.protokoll.clear();
    meldungen_.antworten = {Antwort::Abbrechen};
    a->trigger();
    ASSERT_EQ(meldungen_.protokoll.size(), 1u) << f.eintrag;
    EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Information) << f.eintrag;
    EXPECT_EQ(meldungen_.protokoll[0].knoepfe, Knoepfe::OkAbbrechen) << f.eintrag;
    EXPECT_EQ(meldungen_.protokoll[0].text, T(f.frage)) << f.eintrag;
  }
  EXPECT_FALSE(std::filesystem::exists("Ausdrucke")) << "a cancelled question prints nothing";
}

TEST_F(HauptfensterTest, DatenpruefungZeigtErstDenHinweis) {
  // The check window is modal; close it as soon as it shows.
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->windowTitle() == U("Datenprüfung für Zeugnis") && w->isVisible()) w->close();
    }
  });
  fenster_->Knopf(QStringLiteral("Button1"))->click();
  ASSERT_GE(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Schlicht);
  EXPECT_EQ(meldungen_.protokoll[0].text, T("Diese Funktion ist in der Testphase!"));
}

TEST_F(HauptfensterTest, EndeMitNeinBleibtOffen) {
  meldungen_.antworten = {Antwort::Nein};
  EXPECT_FALSE(Schliessen());
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].text, T("Wollen Sie das Programm jetzt wirklich beenden?"));
  EXPECT_FALSE(DateiExistiert("Sicherung.DAT"));
}

TEST_F(HauptfensterTest, EndeOhneAenderungFragtEinmalUndSichert) {
  meldungen_.antworten = {Antwort::Ja};
  EXPECT_TRUE(Schliessen());
  EXPECT_EQ(meldungen_.protokoll.size(), 1u);
  ASSERT_TRUE(DateiExistiert("Sicherung.DAT"));
  EXPECT_EQ(LiesDatei("Sicherung.DAT"), Zustand().Klasse->Bild());
}

TEST_F(HauptfensterTest, EndeMitAenderungUndAbgebrochenemSpeichernSichertTrotzdem) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Personendaten);
  Tippe(fenster_->Editor().NummerFeld(), QStringLiteral("7"));
  meldungen_.antworten = {Antwort::Ja, Antwort::Ja};
  EXPECT_TRUE(Schliessen());
  ASSERT_EQ(meldungen_.protokoll.size(), 2u);
  EXPECT_EQ(meldungen_.protokoll[1].art, MeldungsArt::Warnung);
  EXPECT_EQ(meldungen_.protokoll[1].text, T("Die Daten wurden geändert!\r\rSollen die Änderungen gespeichert werden?"));
  EXPECT_EQ(dialoge_.speichernAufrufe.size(), 1u);
  EXPECT_EQ(dialoge_.speichernAufrufe[0].filter, "Velmora (*.VLM)|*.VLM");
  ASSERT_TRUE(DateiExistiert("Sicherung.DAT"));
  EXPECT_EQ(TKlassenDatei::AusBild(LiesDatei("Sicherung.DAT")).Schueler[0].Nummer(), 7);
}

TEST_F(HauptfensterTest, LangerHinweisGehtInDasErsteStatusfeld) {
  QAction* a = fenster_->Aktion(QStringLiteral("PersonenImport1"));
  ASSERT_NE(a, nullptr);
  a->showStatusText(fenster_.get());
  EXPECT_EQ(fenster_->Statusfeld(0).text(), U("Import von Personendaten aus TXT-Datei"));
  // The tool-bar hints end in "|": a tooltip only, panel 1 is emptied.
  QAction* neu = fenster_->Aktion(QStringLiteral("SpeedButton1"));
  ASSERT_NE(neu, nullptr);
  neu->showStatusText(fenster_.get());
  EXPECT_EQ(fenster_->Statusfeld(0).text(), QString());
  EXPECT_EQ(neu->toolTip(), U("Neu"));
  // A button's long hint comes when the pointer enters it and goes when it leaves.
  QPushButton* knopf = fenster_->Knopf(QStringLiteral("Button4"));
  ASSERT_NE(knopf, nullptr);
  QEvent betreten(QEvent::Enter), verlassen(QEvent::Leave);
  QApplication::sendEvent(knopf, &betreten);
  EXPECT_EQ(fenster_->Statusfeld(0).text(), U("das Zeugnis des Schülers drucken"));
  QApplication::sendEvent(knopf, &verlassen);
  EXPECT_EQ(fenster_->Statusfeld(0).text(), QString());
}

TEST_F(HauptfensterTest, ZeugnisAufWeissesPapierUeberDasMenue) {
  QAction* a = fenster_->Aktion(QStringLiteral("ZeugnisWeiss1"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(), U("Zeugnis auf &weißes Papier..."));
  // In the print menu, right after "&Zeugnis" (its mnemonic is its own there: bedienung_test.cpp).
  QMenu* drucken = fenster_->findChild<QMenu*>(QStringLiteral("MenueDrucken"));
  ASSERT_NE(drucken, nullptr);
  const QList<QAction*> eintraege = drucken->actions();
  const auto stelle = eintraege.indexOf(a);
  ASSERT_GT(stelle, 0);
  EXPECT_EQ(eintraege[stelle - 1]->objectName(), QStringLiteral("Zeugnis1"));
  a->showStatusText(fenster_.get());
  EXPECT_EQ(fenster_->Statusfeld(0).text(), U("Drucken des vollständigen Zeugnisses auf weißes Papier"));

  // Refused like the report command: the empty slot has no report type.
  fenster_->Druckflaeche().NurPdf();
  a->trigger();
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(meldungen_.protokoll[0].text, T("Kein Zeugnisdruck möglich, da kein Zeugnistyp ausgewählt wurde!"));
  EXPECT_FALSE(std::filesystem::exists("Ausdrucke"));

  // A full half-year report: no question, one job of two pages, the tables beside it.
  meldungen_.protokoll.clear();
  Zustand().Aktuell() = VollstaendigerSchueler(1);
  a->trigger();
  ASSERT_EQ(meldungen_.protokoll.size(), 1u) << "only the closing notice";
  EXPECT_EQ(meldungen_.protokoll[0].knoepfe, Knoepfe::OkOrdnerOeffnen);
  std::vector<std::filesystem::path> pdfs;
  for (const auto& datei : std::filesystem::directory_iterator("Ausdrucke")) pdfs.push_back(datei.path());
  ASSERT_EQ(pdfs.size(), 1u);
  const Bytes inhalt = LiesDatei(pdfs[0]);
  const std::string pdf(inhalt.begin(), inhalt.end());
  int seiten = 0;
  for (std::size_t p = pdf.find("/Type /Page"); p != std::string::npos; p = pdf.find("/Type /Page", p + 1)) {
    seiten += pdf.compare(p, 12, "/Type /Pages") != 0;
  }
  EXPECT_EQ(seiten, 2);
  EXPECT_TRUE(DateiExistiert("WP_HJ.FST"));
  EXPECT_TRUE(DateiExistiert("WP_HJR.FST"));
  EXPECT_TRUE(fenster_->Statusfeld(0).text().startsWith(U("Ausdruck gespeichert: ")));
}

}  // namespace
}  // namespace velmora::test
