// The names of print sessions, which name the PDF files of the print commands.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "printcommands/sitzungsname.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

TEST(Sitzungsname, VerboteneZeichenWerdenUnterstriche) {
  EXPECT_EQ(ErlaubterDateiname("a<b>c:d\"e/f\\g|h?i*j"), "a_b_c_d_e_f_g_h_i_j");
  EXPECT_EQ(ErlaubterDateiname(std::string("Tab\tCR\rNUL") + '\0' + "x"), "Tab_CR_NUL_x");
  // Blanks, umlauts (code page 1252) and the other punctuation stay.
  EXPECT_EQ(ErlaubterDateiname(T("BS 11a, Müller-Lüdenscheidt (2.)")), T("BS 11a, Müller-Lüdenscheidt (2.)"));
}

TEST(Sitzungsname, SchuelerMitNameUndVornamenOhneRandblanks) {
  S s;
  s.Setze(S::Name, "  Muster ");
  s.Setze(S::Vornamen, "Erika Maria");
  EXPECT_EQ(SitzungFuerSchueler("Zeugnis", s), "Zeugnis-Muster-Erika Maria");
  s.Setze(S::Name, "O'Neil/Smith");
  s.Setze(S::Vornamen, "");
  EXPECT_EQ(SitzungFuerSchueler("Datenblatt", s), "Datenblatt-O'Neil_Smith");
}

TEST(Sitzungsname, KlasseAusDemSchuelerSonstAusDemDateinamen) {
  KlassenZustand z;
  z.Klasse->Schueler[2].Setze(S::Klasse, " FI/23a ");
  z.Dateiname = "C:\\Klassen\\Maler 2026.VLM";
  EXPECT_EQ(SitzungFuerKlasse("Zeugnisse", z, 2), "Zeugnisse-FI_23a");
  EXPECT_EQ(SitzungFuerKlasse("Zeugnisse", z, 1), "Zeugnisse-Maler 2026");
  z.Dateiname = "/home/lehrer/klassen/BS-12.b.VLM";
  EXPECT_EQ(SitzungFuerKlasse("Zeugnistexte", z, 0), "Zeugnistexte-BS-12.b");
  z.Dateiname = "VORLAGE.VLM";
  EXPECT_EQ(SitzungFuerKlasse("Zeugnistexte", z, 99), "Zeugnistexte-VORLAGE");
  z.Dateiname.clear();
  EXPECT_EQ(SitzungFuerKlasse("Zeugnisse", z, 0), "Zeugnisse");
}

}  // namespace
}  // namespace velmora
