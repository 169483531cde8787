// Encipherment of class files: the transform, the check string and the password steps
// of opening, a new class and saving.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "classdata/verschluesselung.h"
#include "common/datensatzbytes.h"
#include "common/steuerungstest.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
namespace layout = test::layout;
using S = TSchuelerDatensatz;

const std::string kSchluessel = "w#5ke8r)ta2q!h7";

Bytes Muster() {
  Bytes b(layout::kKlasse);
  for (std::size_t i = 0; i < layout::kKlasse; ++i) b[i] = static_cast<std::uint8_t>((i * 31 + 7) & 0xFF);
  return b;
}

TEST(Verschluesseln, OhnePasswortOderAusgeschaltetIstEsEineKopie) {
  Bytes quelle = Muster(), ziel;
  Verschluesseln(quelle, ziel, true, "");
  EXPECT_TRUE(test::GleicheBytes(ziel, quelle));
  Verschluesseln(quelle, ziel, false, "geheim");
  EXPECT_TRUE(test::GleicheBytes(ziel, quelle));
}

TEST(Verschluesseln, EinZeichenUndSchluesselAbSeinemSiebtenZeichen) {
  Bytes quelle = Muster(), ziel;
  Verschluesseln(quelle, ziel, true, "A");
  ASSERT_EQ(ziel.size(), layout::kKlasse);
  for (std::size_t p : {std::size_t{0}, std::size_t{1}, std::size_t{8}, std::size_t{9}, std::size_t{15}, layout::kSatz,
                        layout::kAlleSaetze - 1}) {
    // The key runs 7, 8, ..., 15, 1, 2, ... (1-based), so byte p meets key index (6 + p) mod 15.
    std::uint8_t k = static_cast<std::uint8_t>(kSchluessel[(6 + p) % 15]);
    EXPECT_EQ(ziel[p], static_cast<std::uint8_t>('A' ^ quelle[p] ^ k)) << "byte " << p;
  }
  for (std::size_t p = layout::kAlleSaetze; p < layout::kKlasse; ++p) {
    EXPECT_EQ(ziel[p], quelle[p]) << "trailer byte " << p;
  }
}

TEST(Verschluesseln, ZweimalAngewandtGibtDasBildZurueck) {
  Bytes quelle = Muster(), einmal, zweimal;
  // A password whose length shares no factor with 15 exercises both cycles.
  Verschluesseln(quelle, einmal, true, "Pa\x9Fw\xE4");
  EXPECT_NE(einmal, quelle);
  Verschluesseln(einmal, zweimal, true, "Pa\x9Fw\xE4");
  EXPECT_TRUE(test::GleicheBytes(zweimal, quelle));
}

TEST(Verschluesseln, JedeByteposition_JedePasswortlaenge) {
  const Bytes quelle = Muster();
  const std::string lang = "Ab\x80~z9 q\xFF.;Kx#7";
  for (std::size_t lc = 1; lc <= 15; ++lc) {
    const std::string c = lang.substr(0, lc);
    Bytes ziel;
    Verschluesseln(quelle, ziel, true, c);
    std::size_t falsch = 0;
    for (std::size_t p = 0; p < layout::kAlleSaetze; ++p) {
      auto erwartet = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c[p % lc]) ^ quelle[p] ^
                                                static_cast<std::uint8_t>(kSchluessel[(6 + p) % 15]));
      falsch += ziel[p] != erwartet;
    }
    EXPECT_EQ(falsch, 0u) << "password length " << lc;
  }
}

// The password steps through the main-window logic, with scripted password windows.
class Passwort : public test::SteuerungsTest {
 protected:
  void SetUp() override {
    SteuerungsTest::SetUp();
    ASSERT_TRUE(steuerung.Einstellungen().Satz().Verschluesseln());
    test::FakeAnsicht::Tippe(ansicht.editor.Name, "Kowalski");  // stored by the next save
  }

  // Saves the class under a new name with a newly defined password.
  void SpeichereUnter(const std::string& datei, const std::string& passwort) {
    dialoge.speichernAntworten.push_back(datei);
    passwoerter.festlegung.push_back({passwort, passwort});
    ASSERT_TRUE(steuerung.SpeichernUnter());
  }

  void Oeffne(const std::string& datei, std::optional<std::string> passwort) {
    dialoge.oeffnenAntworten.push_back(datei);
    passwoerter.abfrage.push_back(passwort);
    steuerung.Oeffnen();
  }

  std::string ErsterName() { return steuerung.Zustand().Klasse->Schueler[0].Lies(S::Name); }

  bool WarnungFalschesPasswort() {
    for (const auto& m : meldungen.protokoll) {
      if (m.text.rfind(T("Das eingegebene Passwort ist FALSCH!"), 0) == 0) return true;
    }
    return false;
  }
};

TEST_F(Passwort, GespeicherteDateiTraegtKennungUndVerschluesselteSaetze) {
  SpeichereUnter("KLASSE.VLM", "abcd");
  Bytes datei = test::LiesDatei("KLASSE.VLM");
  ASSERT_EQ(datei.size(), layout::kKlasse);
  // Check string: length 4, "abcd" XOR K, then the rest of K.
  EXPECT_EQ(datei[layout::kKennung], 4);
  for (std::size_t j = 0; j < 15; ++j) {
    std::uint8_t erwartet =
        j < 4 ? static_cast<std::uint8_t>("abcd"[j] ^ kSchluessel[j]) : static_cast<std::uint8_t>(kSchluessel[j]);
    EXPECT_EQ(datei[layout::kKennung + 1 + j], erwartet) << j;
  }
  // The class bytes are enciphered with C = P XOR K: deciphering them gives the class.
  std::string c;
  for (std::size_t j = 0; j < 4; ++j) c += static_cast<char>("abcd"[j] ^ kSchluessel[j]);
  Bytes klar;
  Verschluesseln(datei, klar, true, c);
  EXPECT_EQ(TKlassenDatei::AusBild(klar).Schueler[0].Lies(S::Name), "Kowalski");
  // The backup at the end is always plain.
  meldungen.antworten = {Antwort::Ja};
  ASSERT_TRUE(steuerung.Beenden());
  EXPECT_EQ(TKlassenDatei::AusBild(test::LiesDatei("Sicherung.DAT")).Schueler[0].Lies(S::Name), "Kowalski");
}

TEST_F(Passwort, RichtigesPasswortEntschluesseltOhneWarnung) {
  SpeichereUnter("KLASSE.VLM", "abcd");
  test::FakeAnsicht::Tippe(ansicht.editor.Name, "anders");
  steuerung.AktuelleDatenUebernehmen();
  Oeffne("KLASSE.VLM", "abcd");
  EXPECT_FALSE(WarnungFalschesPasswort());
  EXPECT_EQ(ErsterName(), "Kowalski");
  EXPECT_FALSE(steuerung.FalschEntschluesselt());
  // The .BAK copy keeps the enciphered bytes of the file.
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("KLASSE.BAK"), test::LiesDatei("KLASSE.VLM")));
}

TEST_F(Passwort, FalschesPasswortWarntUndEntschluesseltTrotzdem) {
  SpeichereUnter("KLASSE.VLM", "abcd");
  for (const char* falsch : {"abce", "abcde", "abc"}) {
    meldungen.protokoll.clear();
    Oeffne("KLASSE.VLM", std::string(falsch));
    EXPECT_TRUE(WarnungFalschesPasswort()) << falsch;
    EXPECT_TRUE(steuerung.FalschEntschluesselt()) << falsch;
    EXPECT_NE(ErsterName(), "Kowalski") << falsch;
  }
  // "Abbrechen" loads the file as it is: enciphered, without a warning.
  meldungen.protokoll.clear();
  Oeffne("KLASSE.VLM", std::nullopt);
  EXPECT_FALSE(WarnungFalschesPasswort());
  EXPECT_TRUE(test::GleicheBytes(steuerung.Zustand().Klasse->Bild(), test::LiesDatei("KLASSE.VLM")));
}

TEST_F(Passwort, FalschEntschluesselteKlasseUeberschreibtDieDateiNurNachRueckfrage) {
  SpeichereUnter("KLASSE.VLM", "abcd");
  const Bytes vorher = test::LiesDatei("KLASSE.VLM");
  meldungen.antworten = {Antwort::Ok, Antwort::Nein};  // the warning; no second try
  Oeffne("KLASSE.VLM", std::string("wxyz"));
  ASSERT_EQ(steuerung.Entschluesselungsstand(), Entschluesselung::FalschesPasswort);

  meldungen.protokoll.clear();
  meldungen.antworten = {Antwort::Nein};
  EXPECT_TRUE(steuerung.Speichern());
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Warnung);
  EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::JaNeinVorgabeNein) << "Return must answer No";
  EXPECT_NE(meldungen.protokoll[0].text.find(T("Die Datei KLASSE.VLM wird dabei überschrieben.")), std::string::npos);
  dialoge.speichernAntworten.push_back("KLASSE.VLM");
  meldungen.antworten = {Antwort::Nein};
  EXPECT_TRUE(steuerung.SpeichernUnter());
  EXPECT_TRUE(dialoge.speichernAufrufe.size() == 1u) << "no save dialog after the refusal";
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("KLASSE.VLM"), vorher));

  // The next open still finds the intact file, and its .BAK copy stays intact too.
  Oeffne("KLASSE.VLM", std::string("abcd"));
  EXPECT_EQ(ErsterName(), "Kowalski");
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("KLASSE.BAK"), vorher));

  // Confirmed twice, the wrongly deciphered data are written as asked.
  meldungen.antworten = {Antwort::Ok, Antwort::Nein};
  Oeffne("KLASSE.VLM", std::string("wxyz"));
  meldungen.antworten = {Antwort::Ja};
  EXPECT_TRUE(steuerung.Speichern());
  EXPECT_NE(test::LiesDatei("KLASSE.VLM"), vorher);
  EXPECT_FALSE(steuerung.FalschEntschluesselt());
}

TEST_F(Passwort, NeueKlasseBehaeltDasPasswortOhneNeueFestlegung) {
  SpeichereUnter("KLASSE.VLM", "abcd");
  EXPECT_EQ(passwoerter.festlegungen, 1);
  steuerung.Neu();
  dialoge.speichernAntworten.push_back("NEU.VLM");
  ASSERT_TRUE(steuerung.Speichern());  // a class from a template: save-as steps
  EXPECT_EQ(passwoerter.festlegungen, 1) << "no definition window while a password is in use";
  Bytes datei = test::LiesDatei("NEU.VLM");
  EXPECT_EQ(datei[layout::kKennung], 4);
  EXPECT_EQ(datei[layout::kKennung + 1], static_cast<std::uint8_t>('a' ^ 'w'));
  Oeffne("NEU.VLM", std::string("abcd"));
  EXPECT_FALSE(WarnungFalschesPasswort());
  EXPECT_EQ(ErsterName(), "   - frei -");

  // Save-as always asks, and the new password replaces the old one.
  SpeichereUnter("NEU2.VLM", "neues");
  EXPECT_EQ(passwoerter.festlegungen, 2);
  EXPECT_EQ(test::LiesDatei("NEU2.VLM")[layout::kKennung], 5);
}

TEST_F(Passwort, FestlegungVerlangtZweiGleicheEingabenAbVierZeichen) {
  dialoge.speichernAntworten.push_back("KLASSE.VLM");
  passwoerter.festlegung = {{"abc", "abc"}, {"abcd", "abce"}, {std::string(20, 'x'), std::string(20, 'x')}};
  ASSERT_TRUE(steuerung.SpeichernUnter());
  EXPECT_EQ(passwoerter.festlegungen, 3) << "the window comes back until it closes with OK";
  ASSERT_EQ(meldungen.protokoll.size(), 2u);
  EXPECT_EQ(meldungen.protokoll[0].text,
            T("Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!"));
  EXPECT_EQ(steuerung.Schutz().DatenPasswort(), std::string(15, 'x'));
  EXPECT_EQ(test::LiesDatei("KLASSE.VLM")[layout::kKennung], 15);
}

TEST_F(Passwort, KlartextdateiMitLeererKennungUndPasswortGibtWarnung) {
  steuerung.Einstellungen().Satz().DatenVerschluesseln = 0;
  dialoge.speichernAntworten.push_back("KLAR.VLM");
  ASSERT_TRUE(steuerung.SpeichernUnter());
  EXPECT_EQ(passwoerter.festlegungen, 0);
  EXPECT_EQ(test::LiesDatei("KLAR.VLM")[layout::kKennung], 0);
  steuerung.Einstellungen().Satz().DatenVerschluesseln = 1;
  Oeffne("KLAR.VLM", std::string("abcd"));
  EXPECT_TRUE(WarnungFalschesPasswort());
}

}  // namespace
}  // namespace velmora
