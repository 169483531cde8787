#include "gui/pdfseitenbild.h"

#include <QFile>
#include <QString>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace velmora::test {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* kOhneAusgabe = " > NUL 2>&1";
#else
constexpr const char* kOhneAusgabe = " > /dev/null 2>&1";
#endif

bool PdfSeitenbildMoeglich() { return std::system((std::string("pdftoppm -v") + kOhneAusgabe).c_str()) == 0; }

QImage PdfSeitenbild(const fs::path& pdf, int seite, int dpi) {
  // As pdflesen does for pdftotext: a copy under a plain name in the current directory, so
  // that the command holds no path in a system's own form, and the output is waited for,
  // since under Wine the Linux program runs beside the Windows one.
  const fs::path kopie = "velmora-seitenbild.pdf", png = "velmora-seitenbild.png";
  fs::copy_file(pdf, kopie, fs::copy_options::overwrite_existing);
  fs::remove(png);
  const std::string s = std::to_string(seite);
  const std::string befehl = "pdftoppm -png -singlefile -r " + std::to_string(dpi) + " -f " + s + " -l " + s + " " +
                             kopie.string() + " velmora-seitenbild" + kOhneAusgabe;
  QImage bild;
  if (std::system(befehl.c_str()) == 0) {
    for (int versuch = 0; versuch < 300 && bild.isNull(); ++versuch) {
      if (fs::exists(png)) bild.load(QString::fromStdString(png.string()));
      if (bild.isNull()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
  fs::remove(png);
  fs::remove(kopie);
  return bild;
}

}  // namespace velmora::test
