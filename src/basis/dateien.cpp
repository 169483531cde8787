#include "basis/dateien.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "basis/plattform.h"

namespace velmora {
namespace {

struct DateiSchliesser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using DateiZeiger = std::unique_ptr<std::FILE, DateiSchliesser>;

// Opens a file; a directory is refused the way Windows refuses it.
DateiZeiger OeffneOderWirf(const std::filesystem::path& pfad, const char* modus) {
  std::error_code ec;
  if (std::filesystem::is_directory(pfad, ec)) throw EAFehler(ea::ZugriffVerweigert);
  errno = 0;
  DateiZeiger f(plattform::Oeffne(pfad, modus));
  if (!f) WirfEAFehlerAusErrno();
  return f;
}

Bytes LiesRest(std::FILE* f) {
  Bytes rest;
  std::uint8_t puffer[65536];
  std::size_t n;
  while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0) rest.insert(rest.end(), puffer, puffer + n);
  if (std::ferror(f)) WirfEAFehlerAusErrno();
  return rest;
}

}  // namespace

std::filesystem::path Pfad(const std::string& name) {
  std::string utf8 = Cp1252NachUtf8(name);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string NameAus(const std::filesystem::path& pfad) {
  std::u8string u = pfad.u8string();
  return Utf8NachCp1252(std::string(u.begin(), u.end()));
}

bool DateiExistiert(const std::string& name) {
  std::error_code ec;
  auto status = std::filesystem::status(Pfad(name), ec);
  return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

Bytes LiesDatensatz(const std::string& name, std::size_t groesse, bool schreibbar) {
  DateiZeiger f = OeffneOderWirf(Pfad(name), schreibbar ? "r+b" : "rb");
  Bytes daten(groesse);
  errno = 0;
  std::size_t gelesen = groesse == 0 ? 0 : std::fread(daten.data(), 1, groesse, f.get());
  if (gelesen != groesse) {
    if (std::ferror(f.get())) WirfEAFehlerAusErrno();
    throw EAFehler(ea::HinterDateiende);
  }
  if (std::fclose(f.release()) != 0) WirfEAFehlerAusErrno();
  return daten;
}

namespace {

// Writes the new content straight into the existing file, for a directory in which no
// temporary file can be created (a shared folder that only lets the file itself be
// written). A failure half-way can damage the old content, so this is the fallback only.
void SchreibeAnOrt(const std::filesystem::path& ziel, const Bytes& inhalt, Schreibart art) {
  DateiZeiger f = OeffneOderWirf(ziel, "r+b");
  errno = 0;
  bool gut = (inhalt.empty() || std::fwrite(inhalt.data(), 1, inhalt.size(), f.get()) == inhalt.size()) &&
             std::fflush(f.get()) == 0;
  if (gut && art == Schreibart::Ersetzen) gut = plattform::KuerzeDatei(f.get(), inhalt.size());
  gut = gut && plattform::AufPlatteSichern(f.get());
  int fehler = errno;
  if (std::fclose(f.release()) != 0 && gut) {
    gut = false;
    fehler = errno;
  }
  if (!gut) throw EAFehler(EAFehlerAusErrno(fehler == 0 ? ENOSPC : fehler));
}

bool VerzeichnisVerweigert(int fehler) { return fehler == EACCES || fehler == EPERM || fehler == EROFS; }

}  // namespace

void SchreibeDatensatz(const std::string& name, const Bytes& inhalt, Schreibart art) {
  const std::filesystem::path ziel = Pfad(name);
  Bytes rest;
  std::error_code ec;
  const bool vorhanden = std::filesystem::exists(ziel, ec);
  std::filesystem::perms rechte = std::filesystem::perms::unknown;
  if (vorhanden) {
    // Opening for update first keeps the old behaviour towards write-protected files
    // and gives the bytes that survive an overwrite.
    DateiZeiger alt = OeffneOderWirf(ziel, "r+b");
    if (art == Schreibart::Ueberschreiben) {
      if (std::fseek(alt.get(), static_cast<long>(inhalt.size()), SEEK_SET) == 0) rest = LiesRest(alt.get());
    }
    rechte = std::filesystem::status(ziel, ec).permissions();
  }

  std::filesystem::path temp = ziel;
  temp += kNeuEndung;
  std::filesystem::remove(temp, ec);
  {
    errno = 0;
    DateiZeiger f(plattform::Oeffne(temp, "wb"));
    if (!f) {
      const int fehler = errno;
      // The file itself can be written but its directory takes no new file.
      if (vorhanden && VerzeichnisVerweigert(fehler)) {
        SchreibeAnOrt(ziel, inhalt, art);
        return;
      }
      throw EAFehler(EAFehlerAusErrno(fehler));
    }
    auto schreibe = [&](const Bytes& b) {
      if (!b.empty() && std::fwrite(b.data(), 1, b.size(), f.get()) != b.size()) return false;
      return true;
    };
    errno = 0;
    bool gut = schreibe(inhalt) && schreibe(rest) && std::fflush(f.get()) == 0 && plattform::AufPlatteSichern(f.get());
    int fehler = errno;
    if (std::fclose(f.release()) != 0 && gut) {
      gut = false;
      fehler = errno;
    }
    if (!gut) {
      std::filesystem::remove(temp, ec);
      throw EAFehler(EAFehlerAusErrno(fehler == 0 ? ENOSPC : fehler));
    }
  }
  if (rechte != std::filesystem::perms::unknown) std::filesystem::permissions(temp, rechte, ec);
  if (!plattform::ErsetzeDatei(temp, ziel)) {
    int fehler = errno;
    std::filesystem::remove(temp, ec);
    // A writable temporary file left over in a directory that takes no change of names:
    // the file itself is written in place, as where no temporary file can be made.
    if (vorhanden && VerzeichnisVerweigert(fehler)) {
      SchreibeAnOrt(ziel, inhalt, art);
      return;
    }
    throw EAFehler(EAFehlerAusErrno(fehler));
  }
}

void EntferneVerwaisteNeuDatei(const std::string& name) {
  const std::filesystem::path ziel = Pfad(name);
  std::filesystem::path temp = ziel;
  temp += kNeuEndung;
  std::error_code ec;
  // Without the file itself the temporary file may hold the only copy of a first save
  // that was cut off; it is left for the user to look at.
  if (std::filesystem::is_regular_file(temp, ec) && std::filesystem::exists(ziel, ec)) {
    std::filesystem::remove(temp, ec);
  }
}

void RaeumeVerwaisteNeuDateienAuf() {
  std::error_code ec;
  std::vector<std::filesystem::path> gefunden;
  for (auto it = std::filesystem::directory_iterator(".", ec); !ec && it != std::filesystem::directory_iterator();
       it.increment(ec)) {
    const std::filesystem::path name = it->path().filename();
    if (name.extension() == kNeuEndung) gefunden.push_back(name);
  }
  for (const auto& name : gefunden) {
    std::filesystem::path ziel = name;
    ziel.replace_extension();
    EntferneVerwaisteNeuDatei(NameAus(ziel));
  }
}

std::vector<std::string> TeileTextZeilen(const Bytes& inhalt) {
  std::vector<std::string> zeilen;
  std::string zeile;
  bool offen = false;
  for (std::uint8_t b : inhalt) {
    if (b == 0x1A) break;
    if (b == '\n') {
      if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
      zeilen.push_back(std::move(zeile));
      zeile.clear();
      offen = false;
    } else {
      zeile.push_back(static_cast<char>(b));
      offen = true;
    }
  }
  if (offen) {
    if (zeile.back() == '\r') zeile.pop_back();
    zeilen.push_back(std::move(zeile));
  }
  return zeilen;
}

Bytes LiesGanzeDatei(const std::filesystem::path& pfad) {
  DateiZeiger f = OeffneOderWirf(pfad, "rb");
  return LiesRest(f.get());
}

std::vector<std::string> LiesTextZeilen(const std::string& name) { return TeileTextZeilen(LiesGanzeDatei(Pfad(name))); }

void SchreibeTextZeilen(const std::string& name, const std::vector<std::string>& zeilen) {
  Bytes inhalt;
  for (const auto& z : zeilen) {
    inhalt.insert(inhalt.end(), z.begin(), z.end());
    inhalt.push_back('\r');
    inhalt.push_back('\n');
  }
  SchreibeDatensatz(name, inhalt, Schreibart::Ersetzen);
}

}  // namespace velmora
