#include "print/pdfdatei.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

#include "basis/cp1252.h"
#include "basis/plattform.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

struct DateiSchliesser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using DateiZeiger = std::unique_ptr<std::FILE, DateiSchliesser>;

int NummerAus(const std::error_code& ec) { return EAFehlerAusErrno(ec.default_error_condition().value()); }

bool VerzeichnisVerweigert(int fehler) { return fehler == EACCES || fehler == EPERM || fehler == EROFS; }

fs::path OrdnerVon(const fs::path& datei) { return datei.has_parent_path() ? datei.parent_path() : fs::path("."); }

// "x.pdf.velmora-neu" in any case of ".pdf": what a print left behind. Temporary files of
// other saves (a class file's, say) are none of the printer's business.
bool IstPdfTeildatei(const fs::path& name) {
  if (name.extension() != kNeuEndung) return false;
  std::string stamm = NameAus(name.stem());
  if (stamm.size() < 4) return false;
  stamm = stamm.substr(stamm.size() - 4);
  for (char& c : stamm) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return stamm == ".pdf";
}

void RaeumeTeildateienAuf(const fs::path& ordner) {
  std::error_code ec;
  std::vector<fs::path> gefunden;
  for (auto it = fs::directory_iterator(ordner, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file(ec) && IstPdfTeildatei(it->path().filename())) gefunden.push_back(it->path());
  }
  for (const fs::path& p : gefunden) fs::remove(p, ec);
}

// Why the writer could not finish the file: its writes fail silently, so a few more bytes
// are written to the doomed temporary file to hear what the system says now. A write that
// goes through tells nothing; a full disk is then the likely cause.
int UrsacheDerLuecke(std::FILE* f) {
  static const std::vector<char> probe(64 * 1024, '\0');
  errno = 0;
  const bool gut = std::fseek(f, 0, SEEK_END) == 0 && std::fwrite(probe.data(), 1, probe.size(), f) == probe.size() &&
                   std::fflush(f) == 0 && plattform::AufPlatteSichern(f);
  if (gut || errno == 0) return ea::ZuWenigSpeicher;
  return EAFehlerAusErrno(errno);
}

Bytes LiesAlles(std::FILE* f) {
  Bytes inhalt;
  std::uint8_t puffer[65536];
  std::rewind(f);
  std::size_t n;
  while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0) inhalt.insert(inhalt.end(), puffer, puffer + n);
  return inhalt;
}

bool IstZiffer(std::uint8_t c) { return c >= '0' && c <= '9'; }
bool IstLeer(std::uint8_t c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\f' || c == '\0'; }

}  // namespace

std::string AnzeigePfad(const fs::path& pfad) {
  std::error_code ec;
  const fs::path absolut = fs::absolute(pfad, ec);
  return NameAus((ec ? pfad : absolut).lexically_normal().make_preferred());
}

PdfFehler::PdfFehler(int nummer, std::string meldung) : EAFehler(nummer), meldung_(std::move(meldung)) {}

std::string PdfDateiFehlerText(int nummer, const fs::path& datei) {
  return T("Der Ausdruck konnte nicht gespeichert werden:\r") + EAFehlerText(nummer) + T("\r\rDatei: ") +
         AnzeigePfad(datei);
}

std::string AusgabeordnerFehlerText(int nummer, const fs::path& ordner, bool dateiImWeg) {
  std::string text = T("Der Ordner für die Ausdrucke kann nicht angelegt werden:\r") + EAFehlerText(nummer);
  if (dateiImWeg) text += T("\rAn seiner Stelle steht eine Datei mit demselben Namen.");
  return text + T("\r\rOrdner: ") + AnzeigePfad(ordner);
}

std::string AusgabeordnerSchreibFehlerText(int nummer, const fs::path& ordner) {
  return T("In den Ordner für die Ausdrucke kann nicht geschrieben werden:\r") + EAFehlerText(nummer) +
         T("\r\rOrdner: ") + AnzeigePfad(ordner);
}

fs::path PdfTeildatei(const fs::path& datei) {
  fs::path teil = datei;
  teil += kNeuEndung;
  return teil;
}

void AusgabeordnerAnlegen(const fs::path& ordner) {
  std::error_code ec;
  const fs::file_status status = fs::status(ordner, ec);
  if (fs::is_directory(status)) return;
  if (fs::exists(status)) {
    throw PdfFehler(ea::ZugriffVerweigert, AusgabeordnerFehlerText(ea::ZugriffVerweigert, ordner, true));
  }
  fs::create_directories(ordner, ec);
  if (ec && !fs::is_directory(ordner)) {
    // A file among the parents is in the way as well.
    const bool dateiImWeg = ec == std::errc::not_a_directory || ec == std::errc::file_exists;
    const int nummer = dateiImWeg ? ea::ZugriffVerweigert : NummerAus(ec);
    throw PdfFehler(nummer, AusgabeordnerFehlerText(nummer, ordner, dateiImWeg));
  }
}

void PdfDateiBeginnen(const fs::path& datei) {
  const fs::path ordner = OrdnerVon(datei);
  AusgabeordnerAnlegen(ordner);
  RaeumeTeildateienAuf(ordner);
  errno = 0;
  DateiZeiger f(plattform::Oeffne(PdfTeildatei(datei), "wb"));
  if (!f) {
    const int fehler = errno;
    const int nummer = EAFehlerAusErrno(fehler);
    if (VerzeichnisVerweigert(fehler)) throw PdfFehler(nummer, AusgabeordnerSchreibFehlerText(nummer, ordner));
    throw PdfFehler(nummer, PdfDateiFehlerText(nummer, datei));
  }
}

void PdfDateiVerwerfen(const fs::path& datei) {
  std::error_code ec;
  fs::remove(PdfTeildatei(datei), ec);
}

void PdfDateiAbschliessen(const fs::path& datei) {
  const fs::path teil = PdfTeildatei(datei);
  int fehler = 0;
  {
    errno = 0;
    DateiZeiger f(plattform::Oeffne(teil, "r+b"));
    if (!f) {
      fehler = EAFehlerAusErrno(errno);
    } else if (!plattform::AufPlatteSichern(f.get())) {  // on the disk first: what is checked stays
      fehler = EAFehlerAusErrno(errno);
    } else if (!PdfVollstaendig(LiesAlles(f.get()))) {
      fehler = UrsacheDerLuecke(f.get());
    }
    errno = 0;
    if (f && std::fclose(f.release()) != 0 && fehler == 0) fehler = EAFehlerAusErrno(errno);
  }
  if (fehler == 0 && !plattform::ErsetzeDatei(teil, datei)) fehler = EAFehlerAusErrno(errno);
  if (fehler != 0) {
    // Closed before it goes: Windows removes no open file.
    PdfDateiVerwerfen(datei);
    throw PdfFehler(fehler, PdfDateiFehlerText(fehler, datei));
  }
}

bool PdfVollstaendig(const Bytes& inhalt) {
  std::size_t ende = inhalt.size();
  while (ende > 0 && IstLeer(inhalt[ende - 1])) --ende;
  const std::string_view text(reinterpret_cast<const char*>(inhalt.data()), ende);
  constexpr std::string_view kEof = "%%EOF";
  constexpr std::string_view kStartxref = "startxref";
  if (text.size() < kEof.size() || text.substr(text.size() - kEof.size()) != kEof) return false;
  // The trailer is short; "startxref" stands in the last kilobyte.
  const std::size_t suche = text.size() > 1024 ? text.size() - 1024 : 0;
  const std::size_t marke = text.rfind(kStartxref);
  if (marke == std::string_view::npos || marke < suche) return false;
  std::size_t p = marke + kStartxref.size();
  while (p < text.size() && IstLeer(static_cast<std::uint8_t>(text[p]))) ++p;
  std::size_t offset = 0;
  const std::size_t ziffernAnfang = p;
  for (; p < text.size() && IstZiffer(static_cast<std::uint8_t>(text[p])) && p - ziffernAnfang < 12; ++p) {
    offset = offset * 10 + static_cast<std::size_t>(text[p] - '0');
  }
  if (p == ziffernAnfang || offset >= marke) return false;
  // A cross-reference table, or a cross-reference stream object "<n> <g> obj".
  const std::string_view dort = text.substr(offset, marke - offset);
  if (dort.substr(0, 4) == "xref") return true;
  std::size_t q = 0;
  for (int zahl = 0; zahl < 2; ++zahl) {
    const std::size_t anfang = q;
    while (q < dort.size() && IstZiffer(static_cast<std::uint8_t>(dort[q]))) ++q;
    if (q == anfang || q >= dort.size() || dort[q] != ' ') return false;
    ++q;
  }
  return dort.substr(q, 3) == "obj";
}

}  // namespace velmora
