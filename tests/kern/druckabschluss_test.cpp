// The closing notice of a print: the command's text, the file with its folder button where
// the session went into one, and nothing after a file that could not be written.
#include "print/druckabschluss.h"

#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/fakes.h"

namespace velmora {
namespace {

TEST(Druckabschluss, TextDateiUndOrdnerknopfNurNachVollstaendigerSitzung) {
  const std::string datei = "/home/lehrer/Velmora/Ausdrucke/Testblatt-20260107-120000.pdf";
  const std::string dateiZeilen = T("Der Ausdruck wurde gespeichert in der Datei\r") + datei;
  struct Fall {
    const char* name;
    Sitzungsende ende;
    std::string text;
    Antwort antwort;
    std::vector<std::pair<Knoepfe, std::string>> boxen;
    int ordner;
  };
  const Fall faelle[] = {
      {"paper, no text", {true, ""}, "", Antwort::Ok, {}, 0},
      {"paper, the class count",
       {true, ""},
       "Es wurden 2 Zeugnisse gedruckt.",
       Antwort::Ok,
       {{Knoepfe::Ok, "Es wurden 2 Zeugnisse gedruckt."}},
       0},
      {"file, OK", {true, datei}, "", Antwort::Ok, {{Knoepfe::OkOrdnerOeffnen, dateiZeilen}}, 0},
      {"file not written", {false, ""}, "Es wurden 2 Zeugnisse gedruckt.", Antwort::Ok, {}, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    test::FakeMeldungen m;
    m.antworten = {f.antwort};
    test::AufzeichnendeFlaeche flaeche;
    MeldeDruckabschluss(m, flaeche, f.ende, f.text);
    std::vector<std::pair<Knoepfe, std::string>> boxen;
    for (const auto& e : m.protokoll) {
      EXPECT_EQ(e.art, MeldungsArt::Information);
      boxen.emplace_back(e.knoepfe, e.text);
    }
    EXPECT_EQ(boxen, f.boxen);
    EXPECT_EQ(flaeche.ordnerGeoeffnet, f.ordner);
  }
}

}  // namespace
}  // namespace velmora
