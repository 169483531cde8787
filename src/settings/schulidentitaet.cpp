#include "settings/schulidentitaet.h"

#include <array>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "basis/felder.h"

namespace velmora {

namespace {
constexpr std::size_t kZeugnisnameOffset = 0;
constexpr std::size_t kReserveOffset = TSchulIdentitaet::ZeugnisnameMax + 1;
constexpr std::size_t kKurznameOffset = kReserveOffset + TSchulIdentitaet::ReserveMax + 1;

std::string Gekuerzt(const std::string& text, std::size_t max) { return text.substr(0, max); }
}  // namespace

void TSchulIdentitaet::Setze(const std::string& zeugnisname, const std::string& reserve, const std::string& kurzname) {
  Zeugnisname = Gekuerzt(zeugnisname, ZeugnisnameMax);
  SchulnameReserve = Gekuerzt(reserve, ReserveMax);
  Kurzname = Gekuerzt(kurzname, KurznameMax);
}

Bytes TSchulIdentitaet::Bild() const {
  Bytes b(Groesse, 0);
  feld::SchreibeString(b, kZeugnisnameOffset, ZeugnisnameMax, Zeugnisname);
  feld::SchreibeString(b, kReserveOffset, ReserveMax, SchulnameReserve);
  feld::SchreibeString(b, kKurznameOffset, KurznameMax, Kurzname);
  return b;
}

TSchulIdentitaet TSchulIdentitaet::AusBild(const Bytes& b) {
  TSchulIdentitaet s;
  s.Zeugnisname = feld::LiesString(b, kZeugnisnameOffset, ZeugnisnameMax);
  s.SchulnameReserve = feld::LiesString(b, kReserveOffset, ReserveMax);
  s.Kurzname = feld::LiesString(b, kKurznameOffset, KurznameMax);
  return s;
}

void SchulIdentitaet::Laden() {
  satz_ = {};
  if (!DateiExistiert(kSchulIdentDatei) && !std::filesystem::is_directory(Pfad(kSchulIdentDatei))) return;
  const Bytes bild = LiesDatensatz(kSchulIdentDatei, TSchulIdentitaet::Groesse);
  satz_ = TSchulIdentitaet::AusBild(bild);
}

void SchulIdentitaet::Speichern() const {
  SchreibeDatensatz(kSchulIdentDatei, satz_.Bild(), Schreibart::Ueberschreiben);
}

std::string MonatsName(int monat) {
  static const std::array<const char*, 12> kNamen = {"Januar",    "Februar", "März",     "April",
                                                     "Mai",       "Juni",    "Juli",     "August",
                                                     "September", "Oktober", "November", "Dezember"};
  if (monat < 1 || monat > 12) return {};
  return T(kNamen[monat - 1]);
}

std::string Datumszeile(const std::string& kurzname, int jahr, int monat, int tag) {
  auto mitNullen = [](int zahl, std::size_t stellen) {
    std::string t = std::to_string(zahl);
    return t.size() < stellen ? std::string(stellen - t.size(), '0') + t : t;
  };
  return kurzname + " (" + mitNullen(tag, 2) + "." + MonatsName(monat) + " " + mitNullen(jahr, 4) + ")";
}

}  // namespace velmora
