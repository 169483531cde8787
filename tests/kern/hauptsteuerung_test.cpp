// The main window's decisions, driven through the fake window, message boxes and dialogs.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/hauptsteuerung.h"
#include "basis/cp1252.h"
#include "common/datensatzbytes.h"
#include "common/steuerungstest.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;
namespace layout = test::layout;
using test::AlsBytes;
using test::FakeAnsicht;
using test::LiesDatei;
using test::SchreibeDatei;

class Haupt : public test::SteuerungsTest {
 protected:
  KlassenZustand& Z() { return steuerung.Zustand(); }
  S& Platz(int i) { return Z().Klasse->Schueler[static_cast<std::size_t>(i)]; }
  std::string Name(int i) { return Platz(i).Lies(S::Name); }

  // Slot i gets the name "S<i>" and the number 100+i, straight in memory.
  void KlasseBenennen() {
    for (int i = 0; i < 35; ++i) {
      Platz(i).Setze(S::Name, "S" + std::to_string(i));
      Platz(i).SetzeNummer(100 + i);
    }
    steuerung.DatensatzAnzeigen(Z().AktuellerSchueler);
  }

  // The user types a name and stores it with a tab change.
  void AendereUndUebernimm(const std::string& name) {
    FakeAnsicht::Tippe(ansicht.editor.Name, name);
    steuerung.TabWechsel();
  }

  void ErwarteMeldung(std::size_t i, MeldungsArt art, Knoepfe knoepfe, const char* utf8) {
    ASSERT_LT(i, meldungen.protokoll.size());
    EXPECT_EQ(meldungen.protokoll[i].art, art);
    EXPECT_EQ(meldungen.protokoll[i].knoepfe, knoepfe);
    EXPECT_EQ(meldungen.protokoll[i].text, T(utf8));
  }
};

TEST_F(Haupt, StartZeigtPlatzNullEinerKlasseAusLeerKfv) {
  EXPECT_EQ(startMeldungen, 0u);
  EXPECT_TRUE(fs::exists("SFAECHER.SFL"));
  EXPECT_EQ(fs::file_size("LEER.KFV"), 2826u);
  EXPECT_EQ(steuerung.Programmverzeichnis(), NameAus(fs::current_path()));
  ASSERT_EQ(ansicht.liste.size(), 35u);
  for (const auto& zeile : ansicht.liste) EXPECT_EQ(zeile, "   - frei -");
  EXPECT_EQ(ansicht.auswahl, 0);
  EXPECT_EQ(ansicht.editor.Nummer.text, "1");
  EXPECT_EQ(ansicht.editor.Fach[17], "   - - -");
  // The two report-text boxes start empty; the record keeps its texts.
  EXPECT_EQ(ansicht.editor.Hinweise.text, "");
  EXPECT_EQ(ansicht.editor.Bemerkungen.text, "");
  EXPECT_EQ(Platz(0).Lies(S::Hinweise), "   - - -");
  EXPECT_EQ(Z().Dateiname, "VORLAGE.VLM");
  EXPECT_FALSE(Z().DatenGeaendert || ansicht.aenderungAnzeige);
  EXPECT_EQ(ansicht.panelDatei, "aktuelle Datei");
  EXPECT_EQ(ansicht.panelKurzname, "");
  EXPECT_EQ(ansicht.schulFaecher.size(), 9u);
  // The clipboard was made before any template was read: its subject rows are empty.
  EXPECT_TRUE(Z().Zwischenablage.IstFrei());
  EXPECT_EQ(Z().Zwischenablage.LiesFach(0, TFachZeile::Fach), "");
}

TEST_F(Haupt, ListenklickSpeichertDenVorigenPlatz) {
  FakeAnsicht::Tippe(ansicht.editor.Name, "Meier");
  FakeAnsicht::Tippe(ansicht.editor.Vornamen, "Anna");
  steuerung.ListeKlick(5);
  EXPECT_EQ(Name(0), "Meier");
  EXPECT_EQ(ansicht.liste[0], "Meier, Anna");
  EXPECT_EQ(ansicht.auswahl, 5);
  EXPECT_EQ(Z().AktuellerSchueler, 5);
  EXPECT_EQ(Z().VorigerSchueler, 5);
  EXPECT_EQ(ansicht.editor.Nummer.text, "6");
  EXPECT_TRUE(Z().DatenGeaendert && ansicht.aenderungAnzeige);
}

TEST_F(Haupt, UnberuehrterEditorSetztKeineAenderungNurDieAnredeSchon) {
  const S vorher = Platz(3);
  steuerung.ListeKlick(3);
  steuerung.ListeKlick(0);
  steuerung.ListeKlick(3);
  steuerung.AktuelleDatenUebernehmen();
  EXPECT_FALSE(Z().DatenGeaendert);
  EXPECT_TRUE(Platz(3) == vorher);
  ansicht.editor.Anrede = 1;
  steuerung.TabWechsel();
  EXPECT_TRUE(Z().DatenGeaendert && ansicht.aenderungAnzeige);
  EXPECT_EQ(Platz(3).Anrede(), 1);
}

TEST_F(Haupt, BuchstabenInDerNummer) {
  FakeAnsicht::Tippe(ansicht.editor.Nummer, "12a");
  steuerung.ListeKlick(1);
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  ErwarteMeldung(0, MeldungsArt::Fehler, Knoepfe::Ok,
                 "Als Schüler-Nummern dürfen nur\rganze Zahlen eingegeben werden!");
  EXPECT_EQ(meldungen.protokoll[0].titel, "Eingabefehler");
  EXPECT_EQ(ansicht.fokusAufNummer, 1);
  EXPECT_EQ(Platz(0).Nummer(), 12);
  EXPECT_EQ(Z().AktuellerSchueler, 1);  // the selection change still happens
}

TEST_F(Haupt, NavigationBleibtAnDenEnden) {
  const int gefuellt = ansicht.listeGefuellt;
  FakeAnsicht::Tippe(ansicht.editor.Name, "Erster");
  steuerung.ZumVorigen();
  EXPECT_EQ(Z().AktuellerSchueler, 0);
  EXPECT_EQ(Name(0), "Erster");
  steuerung.ZumNaechsten();
  EXPECT_EQ(ansicht.auswahl, 1);
  steuerung.ZumLetzten();
  FakeAnsicht::Tippe(ansicht.editor.Name, "Letzter");
  steuerung.ZumNaechsten();
  EXPECT_EQ(ansicht.auswahl, 34);
  EXPECT_EQ(Name(34), "Letzter");
  EXPECT_EQ(ansicht.editor.Nummer.text, "35");
  steuerung.ZumErsten();
  EXPECT_EQ(ansicht.auswahl, 0);
  EXPECT_EQ(ansicht.listeGefuellt, gefuellt);  // navigation selects, it does not refill
}

TEST_F(Haupt, AusschneidenUndEinfuegen) {
  KlasseBenennen();
  steuerung.ListeKlick(2);
  FakeAnsicht::Tippe(ansicht.editor.Name, "nur getippt");  // not stored: dropped by the cut
  steuerung.Ausschneiden();
  EXPECT_EQ(Z().Zwischenablage.Lies(S::Name), "S2");
  EXPECT_EQ(Z().Zwischenablage.Nummer(), 102);
  for (int i = 2; i < 34; ++i) EXPECT_EQ(Name(i), "S" + std::to_string(i + 1));
  EXPECT_EQ(Platz(33).Nummer(), 134);
  EXPECT_TRUE(Platz(34).IstFrei());
  EXPECT_EQ(Platz(34).LiesFach(0, TFachZeile::Fach), "   - - -");
  EXPECT_EQ(ansicht.liste[2], "S3, ");
  EXPECT_EQ(ansicht.editor.Name.text, "S3");

  steuerung.ZumErsten();
  steuerung.Einfuegen();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  ErwarteMeldung(0, MeldungsArt::Bestaetigung, Knoepfe::JaNein,
                 "Das \"Einfügen\" ist mit dem \"Löschen\" des letzten Schülerdatensatz verbunden!!!\r\r"
                 "Soll der Datensatz jetzt eingefügt werden?");
  EXPECT_EQ(Name(0), "S2");
  EXPECT_EQ(Platz(0).Nummer(), 102);
  EXPECT_EQ(Name(1), "S0");
  EXPECT_EQ(Name(3), "S3");
  EXPECT_EQ(Name(34), "S34");  // the blank slot at the end was lost
  EXPECT_FALSE(Z().DatenGeaendert);
}

TEST_F(Haupt, EinfuegenVorJedemKopierenUndAufDemLetztenPlatz) {
  KlasseBenennen();
  const TKlassenDatei vorher = *Z().Klasse;
  meldungen.antworten = {Antwort::Nein};
  steuerung.Einfuegen();
  EXPECT_TRUE(*Z().Klasse == vorher);
  steuerung.Einfuegen();  // Ja: the clipboard still holds the blank record of the start
  EXPECT_TRUE(Platz(0).IstFrei());
  EXPECT_EQ(Platz(0).Nummer(), 1);
  EXPECT_EQ(Name(1), "S0");
  EXPECT_EQ(Name(34), "S33");
  EXPECT_EQ(ansicht.liste[0], "   - frei -");

  steuerung.ZumLetzten();
  steuerung.Ausschneiden();
  EXPECT_EQ(Z().Zwischenablage.Lies(S::Name), "S33");
  EXPECT_TRUE(Platz(34).IstFrei());
  EXPECT_EQ(Name(33), "S32");
  steuerung.ListeKlick(10);
  steuerung.Kopieren();
  steuerung.ZumLetzten();
  steuerung.Einfuegen();  // on the last slot only that slot is replaced
  EXPECT_EQ(Name(34), "S9");
  EXPECT_EQ(Platz(34).Nummer(), 109);
  EXPECT_EQ(Name(33), "S32");
  EXPECT_FALSE(Z().DatenGeaendert);
}

TEST_F(Haupt, OeffnenLiestDieKlasseUndSchreibtDieBak) {
  AendereUndUebernimm("vorher");
  const TKlassenDatei vorher = *Z().Klasse;
  steuerung.Oeffnen();  // cancelled
  ASSERT_EQ(dialoge.oeffnenAufrufe.size(), 1u);
  EXPECT_EQ(dialoge.oeffnenAufrufe[0].filter, "Velmora (*.VLM)|*.VLM");
  EXPECT_EQ(dialoge.oeffnenAufrufe[0].standardendung, "VLM");
  EXPECT_EQ(dialoge.oeffnenAufrufe[0].startverzeichnis, steuerung.Programmverzeichnis());
  EXPECT_TRUE(*Z().Klasse == vorher);
  EXPECT_TRUE(Z().DatenGeaendert);

  TKlassenDatei k;
  for (std::size_t i = 0; i < 35; ++i) {
    k.Schueler[i].Setze(S::Name, "Name" + std::to_string(i));
    k.Schueler[i].Setze(S::Vornamen, "V");
  }
  k.PasswortKennung = {4, 'a', 'b', 'c', 'd'};
  fs::create_directory("klassen");
  SchreibeDatei("klassen/BFS1.VLM", k.Bild());
  SchreibeDatei("klassen/BFS1.BAK", Bytes(300000, 'x'));  // a stale copy is replaced
  steuerung.ListeKlick(4);
  dialoge.oeffnenAntworten = {"klassen/BFS1.VLM"};
  steuerung.Oeffnen();
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_TRUE(*Z().Klasse == k);
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("klassen/BFS1.BAK"), k.Bild()));
  EXPECT_EQ(Z().Dateiname, "klassen/BFS1.VLM");
  EXPECT_EQ(ansicht.panelDatei, "BFS1.VLM");
  EXPECT_FALSE(Z().DatenGeaendert || ansicht.aenderungAnzeige);
  EXPECT_EQ(ansicht.editor.Name.text, "Name4");  // the slot index stays
  EXPECT_EQ(ansicht.liste[0], "Name0, V");
}

TEST_F(Haupt, ZuKurzeOderFehlendeDateiMeldetFehlerUndLaesstDenSpeicher) {
  AendereUndUebernimm("Meier");
  const TKlassenDatei vorher = *Z().Klasse;
  SchreibeDatei("kurz.VLM", Bytes(199235, 0));
  dialoge.oeffnenAntworten = {"kurz.VLM", "fehlt.VLM"};
  steuerung.Oeffnen();
  steuerung.Oeffnen();
  ASSERT_EQ(meldungen.protokoll.size(), 2u);
  ErwarteMeldung(0, MeldungsArt::Fehler, Knoepfe::Ok, "Versuch hinter dem Dateiende zu lesen");
  ErwarteMeldung(1, MeldungsArt::Fehler, Knoepfe::Ok, "Datei nicht gefunden");
  EXPECT_TRUE(*Z().Klasse == vorher);
  EXPECT_FALSE(fs::exists("kurz.BAK"));
  EXPECT_EQ(Z().Dateiname, "VORLAGE.VLM");
  EXPECT_TRUE(Z().DatenGeaendert);
}

TEST_F(Haupt, SpeichernEinerNieGespeichertenKlasseFragtNachDemNamen) {
  AendereUndUebernimm("Meier");
  dialoge.speichernAntworten = {"neu.VLM"};
  EXPECT_TRUE(steuerung.Speichern());
  EXPECT_EQ(dialoge.speichernAufrufe.size(), 1u);
  Bytes datei = LiesDatei("neu.VLM");
  ASSERT_TRUE(test::GleicheBytes(datei, Z().Klasse->Bild()));
  EXPECT_EQ(std::string(datei.begin() + 8, datei.begin() + 14), "\x05Meier");
  EXPECT_EQ(ansicht.fortschrittFenster, 1);
  EXPECT_EQ(Z().Dateiname, "neu.VLM");
  EXPECT_EQ(ansicht.panelDatei, "neu.VLM");
  EXPECT_FALSE(Z().DatenGeaendert || ansicht.aenderungAnzeige);

  // From now on "Speichern" writes to that file without a dialog.
  steuerung.ListeKlick(1);
  AendereUndUebernimm("Zweiter");
  EXPECT_TRUE(steuerung.Speichern());
  EXPECT_EQ(dialoge.speichernAufrufe.size(), 1u);
  datei = LiesDatei("neu.VLM");
  ASSERT_EQ(datei.size(), layout::kKlasse);
  // Slot 2: the name field at 8.
  EXPECT_EQ(std::string(datei.begin() + layout::kSatz + 8, datei.begin() + layout::kSatz + 16), "\x07Zweiter");
  EXPECT_EQ(ansicht.fortschrittFenster, 2);
  EXPECT_TRUE(meldungen.protokoll.empty());
}

TEST_F(Haupt, SpeichernUnterUeberEineVorhandeneDatei) {
  AendereUndUebernimm("Meier");
  Bytes alt(200000);
  for (std::size_t i = 0; i < alt.size(); ++i) alt[i] = static_cast<std::uint8_t>(i * 7);
  SchreibeDatei("lang.VLM", alt);
  dialoge.speichernAntworten = {"lang.VLM", "lang.VLM"};
  meldungen.antworten = {Antwort::Nein};
  EXPECT_TRUE(steuerung.SpeichernUnter());
  ErwarteMeldung(0, MeldungsArt::Bestaetigung, Knoepfe::JaNein, "Soll die vorhandene Datei überschrieben werden?");
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("lang.VLM"), alt));
  EXPECT_EQ(Z().Dateiname, "VORLAGE.VLM");
  EXPECT_EQ(ansicht.fortschrittFenster, 0);
  EXPECT_TRUE(Z().DatenGeaendert);

  // Yes: the old file is overwritten from its start and keeps its bytes beyond the class.
  EXPECT_TRUE(steuerung.SpeichernUnter());
  Bytes neu = LiesDatei("lang.VLM");
  ASSERT_EQ(neu.size(), 200000u);
  const auto klasse = static_cast<std::ptrdiff_t>(layout::kKlasse);
  EXPECT_TRUE(test::GleicheBytes(Bytes(neu.begin(), neu.begin() + klasse), Z().Klasse->Bild()));
  EXPECT_TRUE(test::GleicheBytes(Bytes(neu.begin() + klasse, neu.end()), Bytes(alt.begin() + klasse, alt.end())));
  EXPECT_EQ(Z().Dateiname, "lang.VLM");
}

TEST_F(Haupt, BeendenMitNeinLaeuftWeiterOhneAenderungFragtEsNurEinmal) {
  meldungen.antworten = {Antwort::Nein};
  EXPECT_FALSE(steuerung.Beenden());
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  ErwarteMeldung(0, MeldungsArt::Bestaetigung, Knoepfe::JaNein, "Wollen Sie das Programm jetzt wirklich beenden?");
  EXPECT_FALSE(fs::exists("Sicherung.DAT"));

  EXPECT_TRUE(steuerung.Beenden());
  EXPECT_EQ(meldungen.protokoll.size(), 2u);
  EXPECT_TRUE(dialoge.speichernAufrufe.empty());
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("Sicherung.DAT"), Z().Klasse->Bild()));
}

TEST_F(Haupt, BeendenEinerGeaendertenNieGespeichertenKlasse) {
  AendereUndUebernimm("Meier");
  // Yes, Yes, and the save dialog is cancelled: the program still ends with a backup.
  EXPECT_TRUE(steuerung.Beenden());
  ASSERT_EQ(meldungen.protokoll.size(), 2u);
  ErwarteMeldung(1, MeldungsArt::Warnung, Knoepfe::JaNein,
                 "Die Daten wurden geändert!\r\rSollen die Änderungen gespeichert werden?");
  EXPECT_EQ(dialoge.speichernAufrufe.size(), 1u);
  Bytes sicherung = LiesDatei("Sicherung.DAT");
  ASSERT_TRUE(test::GleicheBytes(sicherung, Z().Klasse->Bild()));
  EXPECT_EQ(std::string(sicherung.begin() + 8, sicherung.begin() + 14), "\x05Meier");
}

TEST_F(Haupt, FehlgeschlagenesSpeichernBeendetNicht) {
  AendereUndUebernimm("Meier");
  dialoge.speichernAntworten = {"fehlt/klasse.VLM"};
  EXPECT_FALSE(steuerung.Beenden());
  ASSERT_EQ(meldungen.protokoll.size(), 3u);
  EXPECT_EQ(meldungen.protokoll[2].art, MeldungsArt::Fehler);
  EXPECT_FALSE(fs::exists("Sicherung.DAT"));
  EXPECT_TRUE(Z().DatenGeaendert);
  EXPECT_EQ(Z().Dateiname, "VORLAGE.VLM");
}

TEST_F(Haupt, NeuMitZuKurzerVorlageEndetOhneDieKlasseUmzubenennen) {
  TKlassenDatei k;
  for (std::size_t i = 0; i < 35; ++i) k.Schueler[i].Setze(S::Name, "Name" + std::to_string(i));
  k.PasswortKennung = {3, 'x', 'y', 'z'};
  SchreibeDatei("A.VLM", k.Bild());
  dialoge.oeffnenAntworten = {"A.VLM"};
  steuerung.Oeffnen();
  SchreibeDatei("KURZ.KFV", Bytes(2825, 0));
  steuerung.Vorlagen().AktuelleVorlage = "KURZ.KFV";
  meldungen.protokoll.clear();

  steuerung.Neu();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  ErwarteMeldung(0, MeldungsArt::Fehler, Knoepfe::Ok, "Versuch hinter dem Dateiende zu lesen");
  EXPECT_TRUE(*Z().Klasse == k);
  EXPECT_EQ(Z().Dateiname, "A.VLM");
  EXPECT_EQ(ansicht.liste[0], "Name0, ");
}

TEST_F(Haupt, FaecherlisteDerKlasseOeffnetNachEinemLesefehlerNicht) {
  SchreibeDatei("KURZ.KFV", Bytes(100, 0));
  steuerung.Vorlagen().AktuelleVorlage = "KURZ.KFV";
  EXPECT_FALSE(steuerung.FaecherlisteDerKlasse());
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  ErwarteMeldung(0, MeldungsArt::Fehler, Knoepfe::Ok, "Versuch hinter dem Dateiende zu lesen");

  // A missing file only shows its message; the editor opens with the template in memory.
  meldungen.protokoll.clear();
  steuerung.Vorlagen().AktuelleVorlage = "FEHLT.KFV";
  EXPECT_TRUE(steuerung.FaecherlisteDerKlasse());
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  ErwarteMeldung(0, MeldungsArt::Fehler, Knoepfe::Ok, "Fehler!\r\rProblem beim Zugriff auf KFV-Datei aufgetreten!!!");
}

}  // namespace
}  // namespace velmora
