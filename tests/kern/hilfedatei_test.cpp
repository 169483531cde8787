#include "app/hilfedatei.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"

namespace velmora {
namespace {

// A small help file in code page 1252 ("\xDC" Ü, "\xFC" ü, "\xF6" ö, "\xD6" Ö).
const std::vector<std::string> kDatei = {"Vorspann ohne Seite",
                                         "@seite inhalt Inhalt der Hilfe",
                                         "@stichworte \xDC"
                                         "bersicht, Inhalt",
                                         "",
                                         "Alle Seiten:  ",
                                         "- [[daten]]",
                                         "- [[oeffnen|Dateien laden]]",
                                         "  und sichern",
                                         "; eine Anmerkung",
                                         "",
                                         "",
                                         "@seite",
                                         "verwaister Text",
                                         "@seite daten Daten speichern",
                                         "@stichworte Speichern ;; Sicherung.DAT",
                                         "@stichworte  Datei",
                                         "@unbekannt x",
                                         "Erst <sichern> & dann [[fehlt]] lesen",
                                         "zweite Zeile",
                                         "",
                                         "Zur\xFC"
                                         "ck: [[INHALT]]",
                                         "@seite oeffnen",
                                         "@stichworte \xD6"
                                         "ffnen, BAK, OEFFNEN"};

TEST(HilfeDatei, LiestSeitenStichworteUndText) {
  const auto seiten = LeseHilfeDatei(kDatei);
  ASSERT_EQ(seiten.size(), 3u);  // the page without an id is dropped with its text
  EXPECT_EQ(seiten[0].id, "inhalt");
  EXPECT_EQ(seiten[0].titel, "Inhalt der Hilfe");
  EXPECT_EQ(seiten[0].stichworte, (std::vector<std::string>{"\xDC"
                                                            "bersicht",
                                                            "Inhalt"}));
  EXPECT_EQ(seiten[0].text, "Alle Seiten:\n- [[daten]]\n- [[oeffnen|Dateien laden]]\n  und sichern");
  EXPECT_EQ(seiten[1].stichworte, (std::vector<std::string>{"Speichern", "Sicherung.DAT", "Datei"}));
  EXPECT_EQ(seiten[1].text,
            "Erst <sichern> & dann [[fehlt]] lesen\nzweite Zeile\n\nZur\xFC"
            "ck: [[INHALT]]");
  EXPECT_EQ(seiten[2].titel, "oeffnen");  // without a title the id stands in
  EXPECT_EQ(seiten[2].text, "");
  EXPECT_EQ(FindeHilfeSeite(seiten, "Daten"), 1u);
  EXPECT_EQ(FindeHilfeSeite(seiten, "fehlt"), 3u);
}

// A lone CR (a line end of another system inside a line) separates like a blank: the page
// stays reachable under the id a link names.
TEST(HilfeDatei, EinzelnesCrTrenntBefehlIdUndTitel) {
  const auto seiten = LeseHilfeDatei({"@seite ziel\rZiel der Verweise", "Text", "@seite\rstart", "[[ziel]]"});
  ASSERT_EQ(seiten.size(), 2u);
  EXPECT_EQ(seiten[0].id, "ziel");
  EXPECT_EQ(seiten[0].titel, "Ziel der Verweise");
  EXPECT_EQ(seiten[1].id, "start");
  EXPECT_EQ(FindeHilfeSeite(seiten, "ziel"), 0u);
  EXPECT_EQ(HilfeSeiteAlsHtml(seiten, 1), "<h2>start</h2>\n<p><a href=\"seite:0\">Ziel der Verweise</a></p>\n");
}

TEST(HilfeDatei, StichwortsucheNachWortanfaengenOhneGrossKlein) {
  const auto seiten = LeseHilfeDatei(kDatei);
  auto woerter = [&](const std::string& wort) {
    std::vector<std::string> ergebnis;
    for (const auto& t : SucheStichworte(seiten, wort)) ergebnis.push_back(t.wort);
    return ergebnis;
  };
  // Umlauts fold too; a word inside a title or keyword counts, the middle of a word does not.
  EXPECT_EQ(woerter("\xFC"
                    "BER"),
            (std::vector<std::string>{"\xDC"
                                      "bersicht"}));
  EXPECT_EQ(woerter("  speich "), (std::vector<std::string>{"Daten speichern", "Speichern"}));
  EXPECT_EQ(woerter("dat"), (std::vector<std::string>{"Datei", "Daten speichern", "Sicherung.DAT"}));
  EXPECT_TRUE(woerter("peich").empty());
  EXPECT_EQ(SucheStichwort(seiten, "speich"), (std::vector<std::size_t>{1}));
  // The whole index: the title "oeffnen" repeats the keyword "OEFFNEN" and stands once;
  // Ö and Ü sort as O and U.
  EXPECT_EQ(woerter(""),
            (std::vector<std::string>{"BAK", "Datei", "Daten speichern", "Inhalt", "Inhalt der Hilfe", "OEFFNEN",
                                      "\xD6"
                                      "ffnen",
                                      "Sicherung.DAT", "Speichern",
                                      "\xDC"
                                      "bersicht"}));
  EXPECT_EQ(SucheStichwort(seiten, ""), (std::vector<std::size_t>{2, 1, 0}));
}

TEST(HilfeDatei, SeiteAlsHtmlMitVerweisenListenUndMaskierung) {
  const auto seiten = LeseHilfeDatei(kDatei);
  EXPECT_EQ(HilfeSeiteAlsHtml(seiten, 0),
            "<h2>Inhalt der Hilfe</h2>\n<p>Alle Seiten:</p>\n<ul>\n"
            "<li><a href=\"seite:1\">Daten speichern</a></li>\n"
            "<li><a href=\"seite:2\">Dateien laden</a> und sichern</li></ul>\n");
  EXPECT_EQ(HilfeSeiteAlsHtml(seiten, 1),
            "<h2>Daten speichern</h2>\n<p>Erst &lt;sichern&gt; &amp; dann fehlt lesen zweite Zeile</p>\n"
            "<p>Zur\xFC"
            "ck: <a href=\"seite:0\">Inhalt der Hilfe</a></p>\n");
  EXPECT_EQ(HilfeSeiteAlsHtml(seiten, 3), "");
  EXPECT_EQ(SeiteAusVerweis(seiten, "seite:2"), 2u);
  for (const char* falsch : {"seite:", "seite:3", "seite:1x", "seite:-1", "http://x/1"}) {
    EXPECT_EQ(SeiteAusVerweis(seiten, falsch), seiten.size()) << falsch;
  }
}

class HilfeDateiLaden : public test::ArbeitsverzeichnisTest {};

TEST_F(HilfeDateiLaden, FehlendeDateiIstFehler2) {
  try {
    LadeHilfeDatei("KURZBEDIENUNGSANLEITUNG.HLP");
    FAIL() << "no error";
  } catch (const EAFehler& e) {
    EXPECT_EQ(e.Nummer(), 2);
  }
}

TEST(HilfeDatei, MitgelieferteAnleitung) {
  const std::string name = std::string(VELMORA_QUELLEN) + "/hilfe/KURZBEDIENUNGSANLEITUNG.HLP";
  const Bytes roh = test::LiesDatei(name);
  ASSERT_FALSE(roh.empty());
  for (std::size_t i = 0; i < roh.size(); ++i) {
    if (roh[i] == '\n') {
      ASSERT_TRUE(i > 0 && roh[i - 1] == '\r') << "LF without CR at " << i;
    }
    ASSERT_NE(roh[i], 0xC3) << "UTF-8 instead of code page 1252 at " << i;
  }
  const auto seiten = LadeHilfeDatei(name);
  const std::size_t inhalt = FindeHilfeSeite(seiten, "inhalt");
  ASSERT_LT(inhalt, seiten.size());
  ASSERT_LT(FindeHilfeSeite(seiten, "hilfe-verwenden"), seiten.size());
  const std::string inhaltHtml = HilfeSeiteAlsHtml(seiten, inhalt);
  for (std::size_t i = 0; i < seiten.size(); ++i) {
    EXPECT_EQ(FindeHilfeSeite(seiten, seiten[i].id), i) << "id twice: " << seiten[i].id;
    EXPECT_FALSE(seiten[i].stichworte.empty()) << seiten[i].id;
    // Every link points to a page, and the contents page reaches every other page.
    EXPECT_EQ(HilfeSeiteAlsHtml(seiten, i).find("[["), std::string::npos) << seiten[i].id;
    const std::string verweis = "href=\"seite:" + std::to_string(i) + "\"";
    if (i != inhalt) {
      EXPECT_NE(inhaltHtml.find(verweis), std::string::npos) << seiten[i].id;
    }
    std::string text = seiten[i].text;
    for (std::size_t p = text.find("[["); p != std::string::npos; p = text.find("[[", p + 2)) {
      std::string ziel = text.substr(p + 2, text.find_first_of("|]", p) - p - 2);
      EXPECT_LT(FindeHilfeSeite(seiten, ziel), seiten.size()) << seiten[i].id << ": " << ziel;
    }
  }
  EXPECT_FALSE(SucheStichwort(seiten, "Sicherung").empty());
}

}  // namespace
}  // namespace velmora
