// A PDF file is whole under its name or not there: the completeness check, the renaming of
// the temporary file, and the folder that cannot be written. (Through Qt's writer, a disk
// that runs full, a killed print and a file in place of the folder: tests/gui/ausdrucke_test.cpp.)
#include "print/pdfdatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AlsBytes;
using test::LiesDatei;
using test::SchreibeDatei;

// A small PDF as a writer lays it out: header, one object, the cross-reference table at
// the offset the trailer names, "%%EOF".
std::string KleinesPdf(const std::string& zeilenende = "\n") {
  std::string pdf = "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\n";
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \ntrailer\n<< /Size 2 /Root 1 0 R >>\n";
  pdf += "startxref\n" + std::to_string(xref) + "\n%%EOF" + zeilenende;
  return pdf;
}

std::string Meldung(const PdfFehler& f) { return f.Meldung(); }

class PdfDatei : public test::ArbeitsverzeichnisTest {
 protected:
  // The message of the PdfFehler `f` throws, empty without one.
  template <class F>
  std::string MeldungVon(F&& f, int* nummer = nullptr) {
    try {
      f();
    } catch (const PdfFehler& e) {
      if (nummer) *nummer = e.Nummer();
      return Meldung(e);
    }
    return {};
  }
  static std::string Absolut(const fs::path& p) { return NameAus(fs::absolute(p).lexically_normal().make_preferred()); }
};

TEST(PdfVollstaendig, NurDieGanzeDateiMitStimmigemTrailer) {
  const std::string pdf = KleinesPdf();
  EXPECT_TRUE(PdfVollstaendig(AlsBytes(pdf)));
  EXPECT_TRUE(PdfVollstaendig(AlsBytes(KleinesPdf("\r\n"))));
  EXPECT_TRUE(PdfVollstaendig(AlsBytes(KleinesPdf(""))));
  // Cut off anywhere before "%%EOF" is whole: not complete.
  for (std::size_t laenge = 0; laenge + 1 < pdf.size(); ++laenge) {
    EXPECT_FALSE(PdfVollstaendig(AlsBytes(pdf.substr(0, laenge)))) << "cut at " << laenge;
  }
  struct Fall {
    const char* name;
    std::string inhalt;
    bool vollstaendig;
  };
  std::string ohneBlock = pdf;
  ohneBlock.erase(20, 8);  // a write in the middle that was lost: the offset misses "xref"
  std::string strom = pdf;
  const std::size_t xref = strom.find("xref\n");
  strom.replace(xref, 4, "7 0 obj");  // at the same offset
  const Fall faelle[] = {
      {"block lost in the middle", ohneBlock, false},
      {"cross-reference stream", strom, true},
      {"offset beyond the file", "%PDF-1.4\nstartxref\n999999\n%%EOF\n", false},
      {"no startxref", "%PDF-1.4\nxref\n%%EOF\n", false},
      {"startxref without a number", "%PDF-1.4\nxref\nstartxref\n%%EOF\n", false},
      {"garbage after %%EOF", pdf + "x", false},
  };
  for (const Fall& f : faelle) EXPECT_EQ(PdfVollstaendig(AlsBytes(f.inhalt)), f.vollstaendig) << f.name;
}

TEST_F(PdfDatei, UnvollstaendigeDateiVerschwindetUndLaesstDieAlteStehen) {
  const fs::path datei = "Ausdrucke/Zeugnis-Kowalski-Jan-20260107-120000.pdf";
  const fs::path teil = PdfTeildatei(datei);
  fs::create_directory("Ausdrucke");
  SchreibeDatei(datei, AlsBytes(KleinesPdf()));  // a file of that name (chosen in the print dialog)

  // A file the writer could not finish: removed, and the message names the final file,
  // which stays as it was.
  PdfDateiBeginnen(datei);
  EXPECT_EQ(LiesDatei(teil), Bytes{});
  SchreibeDatei(teil, AlsBytes(KleinesPdf().substr(0, 60)));
  int nummer = 0;
  const std::string meldung = MeldungVon([&] { PdfDateiAbschliessen(datei); }, &nummer);
  EXPECT_EQ(nummer, 101);
  EXPECT_EQ(meldung,
            T("Der Ausdruck konnte nicht gespeichert werden:\rZu wenig Speicherplatz\r\rDatei: ") + Absolut(datei));
  EXPECT_FALSE(fs::exists(teil));
  EXPECT_EQ(LiesDatei(datei), AlsBytes(KleinesPdf()));

  // Without a temporary file (a writer that never opened it) there is nothing to rename.
  EXPECT_FALSE(MeldungVon([&] { PdfDateiAbschliessen("Ausdrucke/nie.pdf"); }, &nummer).empty());
  EXPECT_EQ(nummer, 2);
  EXPECT_FALSE(fs::exists("Ausdrucke/nie.pdf"));
}

// Root ignores the protection; test.sh runs this test again as an unprivileged user.
TEST_F(PdfDatei, SchreibgeschuetzterOrdnerWirdGenannt) {
  fs::create_directory("Ausdrucke");
  fs::permissions("Ausdrucke", fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
  if (test::DarfSchreiben("Ausdrucke")) {
    fs::permissions("Ausdrucke", fs::perms::owner_all, fs::perm_options::replace);
    GTEST_SKIP() << "write protection does not hold for this user (nor on Windows, where a folder's read-only "
                    "attribute does not stop creating files)";
  }
  int nummer = 0;
  const std::string meldung = MeldungVon([] { PdfDateiBeginnen("Ausdrucke/Testblatt.pdf"); }, &nummer);
  fs::permissions("Ausdrucke", fs::perms::owner_all, fs::perm_options::replace);
  EXPECT_EQ(nummer, 5);
  EXPECT_EQ(meldung, T("In den Ordner für die Ausdrucke kann nicht geschrieben werden:\rDateizugriff verweigert\r\r"
                       "Ordner: ") +
                         Absolut("Ausdrucke"));
}

}  // namespace
}  // namespace velmora
