#pragma once
// The student record, one subject row and the class image: fixed byte layouts that are
// also the file format. The records keep their bytes; the accessors read and write each
// field at its offset.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "basis/dateien.h"

namespace velmora {

struct StringFeld {
  std::size_t offset;
  std::size_t max;  // at most this many characters, max+1 bytes
};

struct TextFeld {
  std::size_t offset;
  std::size_t groesse;
};

// Placeholder texts of the class data.
inline constexpr std::string_view kFreiName = "   - frei -";
inline constexpr std::string_view kLeereZeile = "   - - -";
inline constexpr std::string_view kLeereBewertung = "-";

// One subject row, 157 bytes.
class TFachZeile {
 public:
  static constexpr std::size_t Groesse = 157;
  static constexpr StringFeld Fach{0, 50};
  static constexpr StringFeld FachZusatz{51, 100};
  static constexpr StringFeld Bewertung{152, 1};
  static constexpr StringFeld Zusatz{154, 2};

  std::string Lies(StringFeld f) const;
  void Setze(StringFeld f, std::string_view text);

  std::array<std::uint8_t, Groesse> bytes{};
  bool operator==(const TFachZeile&) const = default;
};

// One student slot, 5692 bytes.
class TSchuelerDatensatz {
 public:
  static constexpr std::size_t Groesse = 5692;
  static constexpr std::size_t FachzeilenAnzahl = 18;
  static constexpr std::size_t FaecherOffset = 176;

  static constexpr StringFeld Name{8, 25};
  static constexpr StringFeld Vornamen{34, 25};
  static constexpr StringFeld Geburtsdatum{60, 10};
  static constexpr StringFeld Geburtsort{71, 40};
  static constexpr StringFeld Wohnort{112, 60};
  static constexpr TextFeld Hinweise{3002, 1000};
  static constexpr StringFeld VersaeumteStunden{4002, 4};
  static constexpr StringFeld Entschuldigt{4007, 4};
  static constexpr TextFeld Bemerkungen{4012, 400};
  static constexpr StringFeld Fachrichtung{4414, 60};
  static constexpr StringFeld Schwerpunkt{4475, 60};
  static constexpr StringFeld Berufsbezeichnung{4536, 60};
  static constexpr StringFeld Einschulungsdatum{4600, 10};
  static constexpr StringFeld Ausschulungsdatum{4611, 10};
  static constexpr StringFeld Durchschnittsnote{4622, 3};
  static constexpr StringFeld Klasse{4626, 15};
  static constexpr StringFeld SchuljahrVon{4642, 4};
  static constexpr StringFeld SchuljahrBis{4647, 4};
  static constexpr StringFeld Zeugnisort{4652, 25};
  static constexpr StringFeld Zeugnisdatum{4678, 10};
  static constexpr TextFeld InterneBemerkungen{4690, 1000};

  std::int32_t Nummer() const;
  void SetzeNummer(std::int32_t wert);
  std::int16_t Status() const;
  void SetzeStatus(std::int16_t wert);
  std::int16_t Anrede() const;
  void SetzeAnrede(std::int16_t wert);
  std::int16_t Schulart() const;
  void SetzeSchulart(std::int16_t wert);
  std::int16_t Zeugnisart() const;
  void SetzeZeugnisart(std::int16_t wert);

  std::string Lies(StringFeld f) const;
  void Setze(StringFeld f, std::string_view text);
  std::string Lies(TextFeld f) const;
  void Setze(TextFeld f, std::string_view text);

  // Subject rows by index 0..17.
  TFachZeile FachZeile(std::size_t zeile) const;
  void SetzeFachZeile(std::size_t zeile, const TFachZeile& inhalt);
  std::string LiesFach(std::size_t zeile, StringFeld f) const;
  void SetzeFach(std::size_t zeile, StringFeld f, std::string_view text);

  // A free slot is one whose Name is exactly "   - frei -".
  bool IstFrei() const { return Lies(Name) == kFreiName; }

  std::array<std::uint8_t, Groesse> bytes{};
  bool operator==(const TSchuelerDatensatz&) const = default;

 private:
  std::span<std::uint8_t> Zeilenbytes(std::size_t zeile);
};

// The class image: 35 slots and the 16-byte password check string.
struct TKlassenDatei {
  static constexpr std::size_t Schuelerzahl = 35;
  static constexpr std::size_t Groesse = Schuelerzahl * TSchuelerDatensatz::Groesse + 16;
  static constexpr std::size_t KennungOffset = Schuelerzahl * TSchuelerDatensatz::Groesse;

  std::array<TSchuelerDatensatz, Schuelerzahl> Schueler{};
  // Length byte and 15 characters, kept exactly as read or built.
  std::array<std::uint8_t, 16> PasswortKennung{};

  Bytes Bild() const;                               // the 199236 bytes
  static TKlassenDatei AusBild(const Bytes& bild);  // bild holds at least 199236 bytes
  bool operator==(const TKlassenDatei&) const = default;
};

}  // namespace velmora
