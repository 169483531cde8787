#include "classdata/schuelerdatensatz.h"

#include <algorithm>
#include <cassert>

#include "basis/felder.h"

namespace velmora {

std::string TFachZeile::Lies(StringFeld f) const { return feld::LiesString(bytes, f.offset, f.max); }
void TFachZeile::Setze(StringFeld f, std::string_view text) { feld::SchreibeString(bytes, f.offset, f.max, text); }

std::int32_t TSchuelerDatensatz::Nummer() const { return feld::LiesInt32(bytes, 0); }
void TSchuelerDatensatz::SetzeNummer(std::int32_t w) { feld::SchreibeInt32(bytes, 0, w); }
std::int16_t TSchuelerDatensatz::Status() const { return feld::LiesInt16(bytes, 4); }
void TSchuelerDatensatz::SetzeStatus(std::int16_t w) { feld::SchreibeInt16(bytes, 4, w); }
std::int16_t TSchuelerDatensatz::Anrede() const { return feld::LiesInt16(bytes, 6); }
void TSchuelerDatensatz::SetzeAnrede(std::int16_t w) { feld::SchreibeInt16(bytes, 6, w); }
std::int16_t TSchuelerDatensatz::Schulart() const { return feld::LiesInt16(bytes, 4412); }
void TSchuelerDatensatz::SetzeSchulart(std::int16_t w) { feld::SchreibeInt16(bytes, 4412, w); }
std::int16_t TSchuelerDatensatz::Zeugnisart() const { return feld::LiesInt16(bytes, 4598); }
void TSchuelerDatensatz::SetzeZeugnisart(std::int16_t w) { feld::SchreibeInt16(bytes, 4598, w); }

std::string TSchuelerDatensatz::Lies(StringFeld f) const { return feld::LiesString(bytes, f.offset, f.max); }
void TSchuelerDatensatz::Setze(StringFeld f, std::string_view text) {
  feld::SchreibeString(bytes, f.offset, f.max, text);
}
std::string TSchuelerDatensatz::Lies(TextFeld f) const { return feld::LiesTextblock(bytes, f.offset, f.groesse); }
void TSchuelerDatensatz::Setze(TextFeld f, std::string_view text) {
  feld::SchreibeTextblock(bytes, f.offset, f.groesse, text);
}

std::span<std::uint8_t> TSchuelerDatensatz::Zeilenbytes(std::size_t zeile) {
  assert(zeile < FachzeilenAnzahl);
  return std::span<std::uint8_t>(bytes).subspan(FaecherOffset + zeile * TFachZeile::Groesse, TFachZeile::Groesse);
}

TFachZeile TSchuelerDatensatz::FachZeile(std::size_t zeile) const {
  assert(zeile < FachzeilenAnzahl);
  TFachZeile z;
  std::copy_n(bytes.begin() + FaecherOffset + zeile * TFachZeile::Groesse, TFachZeile::Groesse, z.bytes.begin());
  return z;
}

void TSchuelerDatensatz::SetzeFachZeile(std::size_t zeile, const TFachZeile& inhalt) {
  std::ranges::copy(inhalt.bytes, Zeilenbytes(zeile).begin());
}

std::string TSchuelerDatensatz::LiesFach(std::size_t zeile, StringFeld f) const {
  return feld::LiesString(bytes, FaecherOffset + zeile * TFachZeile::Groesse + f.offset, f.max);
}

void TSchuelerDatensatz::SetzeFach(std::size_t zeile, StringFeld f, std::string_view text) {
  feld::SchreibeString(Zeilenbytes(zeile), f.offset, f.max, text);
}

Bytes TKlassenDatei::Bild() const {
  Bytes bild;
  bild.reserve(Groesse);
  for (const auto& s : Schueler) bild.insert(bild.end(), s.bytes.begin(), s.bytes.end());
  bild.insert(bild.end(), PasswortKennung.begin(), PasswortKennung.end());
  return bild;
}

TKlassenDatei TKlassenDatei::AusBild(const Bytes& bild) {
  assert(bild.size() >= Groesse);
  TKlassenDatei k;
  auto it = bild.begin();
  for (auto& s : k.Schueler) {
    std::copy_n(it, TSchuelerDatensatz::Groesse, s.bytes.begin());
    it += TSchuelerDatensatz::Groesse;
  }
  std::copy_n(it, 16, k.PasswortKennung.begin());
  return k;
}

}  // namespace velmora
