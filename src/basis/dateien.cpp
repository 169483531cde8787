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
  temp += ".velmora-neu";
  std::filesystem::remove(temp, ec);
  {
    DateiZeiger f = OeffneOderWirf(temp, "wb");
    auto schreibe = [&](const Bytes& b) {
      if (!b.empty() && std::fwrite(b.data(), 1, b.size(), f.get()) != b.size()) return false;
      return true;
    };
    errno = 0;
    bool gut = schreibe(inhalt) && schreibe(rest) && std::fflush(f.get()) == 0 &&
               plattform::AufPlatteSichern(f.get());
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
    throw EAFehler(EAFehlerAusErrno(fehler));
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

std::vector<std::string> LiesTextZeilen(const std::string& name) {
  DateiZeiger f = OeffneOderWirf(Pfad(name), "rb");
  Bytes alles = LiesRest(f.get());
  return TeileTextZeilen(alles);
}

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
