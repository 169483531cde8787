// The lines of a form's background file: what each line gives and which lines are not read;
// the lines written for the pages read back as them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "reports/formularhintergrund.h"

namespace velmora {
namespace {

TEST(Formularhintergrund, ZeilenGebenDieSeiten) {
  struct Fall {
    const char* was;
    std::vector<std::string> zeilen;
    std::map<int, Hintergrund> seiten;
  };
  const std::vector<Fall> faelle = {
      {"page 1 without a prefix",
       {"Bild=scan.png", "Links=-15", "Oben=20.5", "Massstab=1.02"},
       {{1, {"scan.png", -15, 20.5, 1.02}}}},
      {"a page of its own after its prefix, defaults for what is missing",
       {"Seite2.Bild=zwei.png", "Seite2.Oben=7", "Bild=eins.png"},
       {{1, {"eins.png", 0, 0, 1}}, {2, {"zwei.png", 0, 7, 1}}}},
      {"a page without an image is left out", {"Links=3", "Seite3.Bild=", "Seite3.Links=1"}, {}},
      {"unreadable page numbers and lines without '='",
       {"Seite0.Bild=a.png", "Seitex.Bild=b.png", "Seite4Bild=c.png", "Bild c.png"},
       {}},
      {"unreadable numbers keep the default",
       {"Bild=a.png", "Links=1,5", "Oben=+2", "Massstab=0", "Seite2.Bild=b.png", "Seite2.Massstab=-1"},
       {{1, {"a.png", 0, 0, 1}}, {2, {"b.png", 0, 0, 1}}}},
      {"inf and nan are no place on the paper",
       {"Bild=a.png", "Links=inf", "Oben=nan", "Massstab=infinity", "Seite2.Bild=b.png", "Seite2.Oben=1e400"},
       {{1, {"a.png", 0, 0, 1}}, {2, {"b.png", 0, 0, 1}}}},
  };
  for (const Fall& f : faelle) {
    const std::map<int, Hintergrund> seiten = LiesHintergruende(f.zeilen);
    EXPECT_EQ(seiten, f.seiten) << f.was;
    EXPECT_EQ(LiesHintergruende(HintergrundZeilen(seiten)), seiten) << f.was << ": the lines written read back";
  }
}

}  // namespace
}  // namespace velmora
