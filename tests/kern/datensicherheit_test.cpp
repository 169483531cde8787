// What must never be lost or bypassed: an enciphered class opened without its password,
// the configuration lock when its safety copy cannot be written, the end of the program
// without a backup, saves beside an unwritable directory and what a killed save leaves.
#include <gtest/gtest.h>

#include <filesystem>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "classdata/verschluesselung.h"
#include "common/datensatzbytes.h"
#include "common/steuerungstest.h"
#include "settings/programmeinstellungen.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;
using test::AlsBytes;
using test::LiesDatei;
using test::SchreibeDatei;

class Datensicherheit : public test::SteuerungsTest {
 protected:
  // A class with one named student, saved enciphered under "abcd" as KLASSE.VLM.
  void SpeichereVerschluesselt() {
    test::FakeAnsicht::Tippe(ansicht.editor.Name, "Kowalski");
    dialoge.speichernAntworten.push_back("KLASSE.VLM");
    passwoerter.festlegung.push_back({"abcd", "abcd"});
    ASSERT_TRUE(steuerung.SpeichernUnter());
    meldungen.protokoll.clear();
  }
  void Oeffne(const std::string& datei, std::optional<std::string> passwort) {
    dialoge.oeffnenAntworten.push_back(datei);
    passwoerter.abfrage.push_back(passwort);
    steuerung.Oeffnen();
  }
  std::string ErsterName() { return steuerung.Zustand().Klasse->Schueler[0].Lies(S::Name); }
};

TEST_F(Datensicherheit, OhnePasswortGeoeffneteKlasseBleibtBeimSpeichernVerschluesselt) {
  SpeichereVerschluesselt();
  const Bytes datei = LiesDatei("KLASSE.VLM");
  Oeffne("KLASSE.VLM", std::nullopt);  // "Abbrechen" at the prompt
  EXPECT_EQ(steuerung.Entschluesselungsstand(), Entschluesselung::NichtEntschluesselt);

  // Return answers the extra question with No: nothing is written.
  meldungen.protokoll.clear();
  EXPECT_TRUE(steuerung.Speichern());
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Warnung);
  EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::JaNeinVorgabeNein);
  EXPECT_NE(meldungen.protokoll[0].text.find(T("Die Datei KLASSE.VLM wird dabei überschrieben.")), std::string::npos);
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("KLASSE.VLM"), datei));

  EXPECT_NE(meldungen.protokoll[0].text.find(T("Änderungen an dieser Klasse gehen dabei verloren.")),
            std::string::npos);

  // Saved after Yes, the records and the check string are the file's own bytes, and no new
  // password is asked for: a name typed over the cipher bytes and a record changed in
  // another slot are dropped, and the class shown is the class written.
  const std::string gelesen = ErsterName();
  test::FakeAnsicht::Tippe(ansicht.editor.Name, "Nowak");
  steuerung.Zustand().Klasse->Schueler[5].Setze(S::Vornamen, "Eva");
  const int festlegungen = passwoerter.festlegungen;
  meldungen.antworten = {Antwort::Ja};
  EXPECT_TRUE(steuerung.Speichern());
  EXPECT_EQ(passwoerter.festlegungen, festlegungen);
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("KLASSE.VLM"), datei));
  EXPECT_EQ(ErsterName(), gelesen);
  EXPECT_EQ(ansicht.editor.Name.text, gelesen);

  // Save-as asks before its dialog (and names no file), then writes the same bytes.
  meldungen.protokoll.clear();
  meldungen.antworten = {Antwort::Ja};
  dialoge.speichernAntworten.push_back("KOPIE.VLM");
  EXPECT_TRUE(steuerung.SpeichernUnter());
  ASSERT_FALSE(meldungen.protokoll.empty());
  EXPECT_EQ(meldungen.protokoll[0].text.find(T("überschrieben")), std::string::npos);
  EXPECT_TRUE(test::GleicheBytes(LiesDatei("KOPIE.VLM"), datei));

  // The right password opens both files again.
  Oeffne("KOPIE.VLM", std::string("abcd"));
  EXPECT_EQ(steuerung.Entschluesselungsstand(), Entschluesselung::Lesbar);
  EXPECT_EQ(ErsterName(), "Kowalski");
}

TEST_F(Datensicherheit, AbbruchBeiLeererKennungIstKeinVerschluesselterStand) {
  steuerung.Einstellungen().Satz().DatenVerschluesseln = 0;
  dialoge.speichernAntworten.push_back("KLAR.VLM");
  ASSERT_TRUE(steuerung.SpeichernUnter());
  ASSERT_EQ(LiesDatei("KLAR.VLM")[test::layout::kKennung], 0);
  steuerung.Einstellungen().Satz().DatenVerschluesseln = 1;
  Oeffne("KLAR.VLM", std::nullopt);
  EXPECT_EQ(steuerung.Entschluesselungsstand(), Entschluesselung::Lesbar);
}

TEST_F(Datensicherheit, FalschesPasswortFragtVorDemDialogOhneDateiZuNennen) {
  SpeichereVerschluesselt();
  Oeffne("KLASSE.VLM", std::string("wxyz"));
  meldungen.protokoll.clear();
  dialoge.speichernAntworten.push_back("ANDERS.VLM");
  EXPECT_TRUE(steuerung.SpeichernUnter());  // the default answer No
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::JaNeinVorgabeNein);
  EXPECT_EQ(meldungen.protokoll[0].text.find(T("überschrieben")), std::string::npos);
  EXPECT_TRUE(dialoge.speichernAufrufe.size() == 1u) << "only the first save asked for a name";
  EXPECT_FALSE(fs::exists("ANDERS.VLM"));
}

// A class that was not rightly deciphered holds garbage in memory: the backup at the end
// keeps the file's bytes instead (the right password opens them), and after each warning
// about a wrong password the teacher may try again on the bytes as read.
TEST_F(Datensicherheit, FalschesPasswortVerdirbtDieSicherungNichtUndDarfWiederholtWerden) {
  SpeichereVerschluesselt();
  const Bytes datei = LiesDatei("KLASSE.VLM");
  const std::string warnung = T("Das eingegebene Passwort ist FALSCH!");
  struct Fall {
    const char* name;
    std::vector<std::optional<std::string>> eingaben;  // nullopt: "Abbrechen"
    std::vector<Antwort> nochmal;                      // the answers to "Passwort erneut eingeben?"
    Entschluesselung stand;
  };
  const Fall faelle[] = {
      {"wrong, no second try", {"wxyz"}, {Antwort::Nein}, Entschluesselung::FalschesPasswort},
      {"prompt cancelled", {std::nullopt}, {}, Entschluesselung::NichtEntschluesselt},
      {"wrong twice, then right", {"wxyz", "abc", "abcd"}, {Antwort::Ja, Antwort::Ja}, Entschluesselung::Lesbar},
      {"wrong, then cancelled", {"abcde", std::nullopt}, {Antwort::Ja}, Entschluesselung::NichtEntschluesselt},
      {"wrong, wrong, given up", {"abce", "abcd "}, {Antwort::Ja, Antwort::Nein}, Entschluesselung::FalschesPasswort},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    meldungen.protokoll.clear();
    meldungen.antworten.clear();
    for (Antwort a : f.nochmal) meldungen.antworten.insert(meldungen.antworten.end(), {Antwort::Ok, a});
    const int abfragenVorher = passwoerter.abfragen;
    dialoge.oeffnenAntworten.push_back("KLASSE.VLM");
    passwoerter.abfrage.assign(f.eingaben.begin(), f.eingaben.end());
    steuerung.Oeffnen();

    EXPECT_EQ(passwoerter.abfragen - abfragenVorher, static_cast<int>(f.eingaben.size()));
    EXPECT_EQ(steuerung.Entschluesselungsstand(), f.stand);
    EXPECT_EQ(ErsterName() == "Kowalski", f.stand == Entschluesselung::Lesbar);
    // Each warning, with its text and button, is followed by the question.
    ASSERT_EQ(meldungen.protokoll.size(), 2 * f.nochmal.size());
    for (std::size_t i = 0; i < f.nochmal.size(); ++i) {
      EXPECT_EQ(meldungen.protokoll[2 * i].art, MeldungsArt::Fehler);
      EXPECT_EQ(meldungen.protokoll[2 * i].knoepfe, Knoepfe::Ok);
      EXPECT_EQ(meldungen.protokoll[2 * i].text.rfind(warnung, 0), 0u);
      EXPECT_EQ(meldungen.protokoll[2 * i + 1].art, MeldungsArt::Bestaetigung);
      EXPECT_EQ(meldungen.protokoll[2 * i + 1].knoepfe, Knoepfe::JaNein);
      EXPECT_EQ(meldungen.protokoll[2 * i + 1].text, "Passwort erneut eingeben?");
    }

    // Something typed over the garbage, not saved; the program ends.
    test::FakeAnsicht::Tippe(ansicht.editor.Name, "Tippfehler");
    meldungen.antworten = {Antwort::Ja, Antwort::Nein};  // end: yes; save the changes: no
    ASSERT_TRUE(steuerung.Beenden());
    const Bytes sicherung = LiesDatei("Sicherung.DAT");
    if (f.stand == Entschluesselung::Lesbar) {
      EXPECT_EQ(TKlassenDatei::AusBild(sicherung).Schueler[0].Lies(S::Name), "Tippfehler") << "plain, as always";
    } else {
      EXPECT_TRUE(test::GleicheBytes(sicherung, datei));
    }
  }
  // The backup of a wrongly opened class opens with the right password.
  fs::copy_file("Sicherung.DAT", "AUS_SICHERUNG.VLM");
  meldungen.antworten.clear();
  Oeffne("AUS_SICHERUNG.VLM", std::string("abcd"));
  EXPECT_EQ(steuerung.Entschluesselungsstand(), Entschluesselung::Lesbar);
  EXPECT_EQ(ErsterName(), "Kowalski");
}

TEST_F(Datensicherheit, UnschreibbareSicherungDerEinstellungenLaesstDasPasswortStehen) {
  ProgrammEinstellungen e;
  e.Satz().KonfigPasswort = "geheim";
  e.Satz().MehrstufigerSchutz = 1;
  e.Speichern();
  fs::create_directory("VLMEINST.BAK");  // the safety copy cannot be written

  ProgrammEinstellungen geladen;
  EXPECT_THROW(geladen.Laden(), SicherungskopieFehler);
  EXPECT_EQ(geladen.Satz().KonfigPasswort, "geheim");
  EXPECT_EQ(geladen.Satz().MehrstufigerSchutz, 1);

  // At start the failure is named, and the subject lists stay locked.
  test::FakeMeldungen m;
  ProgrammEinstellungen beimStart;
  EinstellungenLadenMitMeldung(beimStart, m);
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(m.protokoll[0].text.rfind(T("Die Sicherungskopie VLMEINST.BAK"), 0), 0u);
  EXPECT_FALSE(beimStart.ZugangFrei());
  steuerung.Einstellungen() = beimStart;
  passwoerter.konfigPasswort.push_back(std::nullopt);
  EXPECT_FALSE(steuerung.FaecherlisteDerSchule());
  EXPECT_EQ(passwoerter.konfigAbfragen, 1);
}

TEST_F(Datensicherheit, OhneSicherungDatEndetDasProgrammNurNachRueckfrage) {
  fs::create_directory("Sicherung.DAT");
  meldungen.antworten = {Antwort::Ja};  // "wirklich beenden?"; then the default No
  EXPECT_FALSE(steuerung.Beenden());
  ASSERT_EQ(meldungen.protokoll.size(), 3u);
  EXPECT_EQ(meldungen.protokoll[1].art, MeldungsArt::Fehler);
  EXPECT_EQ(meldungen.protokoll[2].art, MeldungsArt::Warnung);
  EXPECT_EQ(meldungen.protokoll[2].knoepfe, Knoepfe::JaNeinVorgabeNein);
  EXPECT_EQ(meldungen.protokoll[2].text,
            T("Die Sicherungskopie konnte nicht geschrieben werden.\r\rTrotzdem beenden?"));

  meldungen.antworten = {Antwort::Ja, Antwort::Ok, Antwort::Ja};
  EXPECT_TRUE(steuerung.Beenden());
}

TEST_F(Datensicherheit, AbgebrochenesSpeichernHinterlaesstNichtsDasBleibt) {
  SchreibeDatei("VLMEINST.DAT", Bytes(32, 0));
  SchreibeDatei("VLMEINST.DAT.velmora-neu", AlsBytes("halb"));
  SchreibeDatei("NEU.VLM.velmora-neu", AlsBytes("einzige Kopie"));
  RaeumeVerwaisteNeuDateienAuf();
  EXPECT_FALSE(fs::exists("VLMEINST.DAT.velmora-neu"));
  EXPECT_TRUE(fs::exists("NEU.VLM.velmora-neu")) << "without its file it may be the only copy";

  SpeichereVerschluesselt();
  SchreibeDatei("KLASSE.VLM.velmora-neu", AlsBytes("halb"));
  Oeffne("KLASSE.VLM", std::string("abcd"));
  EXPECT_FALSE(fs::exists("KLASSE.VLM.velmora-neu"));
  EXPECT_EQ(ErsterName(), "Kowalski");
}

// A shared folder: the class file may be written, its directory takes no new file. Root
// ignores the protection; test.sh runs these tests again as an unprivileged user.
class SchreibgeschuetztesVerzeichnis : public Datensicherheit {
 protected:
  void SperreVerzeichnis() {
    fs::permissions(".", fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
  }
  void TearDown() override {
    fs::permissions(".", fs::perms::owner_all, fs::perm_options::replace);
    Datensicherheit::TearDown();
  }
};

TEST_F(SchreibgeschuetztesVerzeichnis, SchreibgeschuetztDateiWirdAnOrtUndStelleGeschrieben) {
  SchreibeDatei("lang.dat", AlsBytes("0123456789"));
  SchreibeDatei("rest.dat", AlsBytes("0123456789"));
  // A writable temporary file left over from a killed save in the shared folder.
  SchreibeDatei("alt.dat", AlsBytes("0123456789"));
  SchreibeDatei("alt.dat.velmora-neu", AlsBytes("halb"));
  fs::permissions("alt.dat.velmora-neu", fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all);
  SperreVerzeichnis();
  if (test::DarfSchreiben(".")) {
    GTEST_SKIP() << "write protection does not hold for this user (nor on Windows, where a folder's read-only "
                    "attribute does not stop creating files)";
  }
  SchreibeDatensatz("lang.dat", AlsBytes("abc"));
  EXPECT_EQ(LiesDatei("lang.dat"), AlsBytes("abc"));
  SchreibeDatensatz("rest.dat", AlsBytes("abc"), Schreibart::Ueberschreiben);
  EXPECT_EQ(LiesDatei("rest.dat"), AlsBytes("abc3456789"));
  EXPECT_FALSE(fs::exists("lang.dat.velmora-neu"));
  SchreibeDatensatz("alt.dat", AlsBytes("xyz"));
  EXPECT_EQ(LiesDatei("alt.dat"), AlsBytes("xyz"));
  // A new file cannot be created there; that stays an error.
  EXPECT_THROW(SchreibeDatensatz("neu.dat", AlsBytes("x")), EAFehler);
}

TEST_F(SchreibgeschuetztesVerzeichnis, SchreibgeschuetztKlasseLaesstSichOeffnenUndSpeichern) {
  steuerung.Einstellungen().Satz().DatenVerschluesseln = 0;
  test::FakeAnsicht::Tippe(ansicht.editor.Name, "Kowalski");
  dialoge.speichernAntworten.push_back("KLASSE.VLM");
  ASSERT_TRUE(steuerung.SpeichernUnter());
  SperreVerzeichnis();
  if (test::DarfSchreiben(".")) {
    GTEST_SKIP() << "write protection does not hold for this user (nor on Windows, where a folder's read-only "
                    "attribute does not stop creating files)";
  }

  meldungen.protokoll.clear();
  Oeffne("KLASSE.VLM", std::nullopt);
  EXPECT_EQ(ErsterName(), "Kowalski") << "the missing backup copy does not stop the open";
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Warnung);
  EXPECT_EQ(meldungen.protokoll[0].text.rfind(T("Die Sicherungskopie KLASSE.BAK konnte nicht geschrieben werden"), 0),
            0u);

  test::FakeAnsicht::Tippe(ansicht.editor.Name, "Nowak");
  meldungen.protokoll.clear();
  EXPECT_TRUE(steuerung.Speichern());
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_EQ(TKlassenDatei::AusBild(LiesDatei("KLASSE.VLM")).Schueler[0].Lies(S::Name), "Nowak");
}

}  // namespace
}  // namespace velmora
