// Byte layouts of the class data. The expected bytes are put together here from the
// documented field offsets, so a wrong offset in the record code shows up.
#include <gtest/gtest.h>

#include "classdata/schuelerdatensatz.h"
#include "common/arbeitsverzeichnis.h"
#include "common/datensatzbytes.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

using test::layout::SchreibeString;
using test::layout::SchreibeZahl;
namespace layout = test::layout;

// Every string field with its documented offset and number of characters.
const struct {
  StringFeld feld;
  std::size_t offset, max;
} kStringFelder[] = {
    {S::Name, 8, 25},
    {S::Vornamen, 34, 25},
    {S::Geburtsdatum, 60, 10},
    {S::Geburtsort, 71, 40},
    {S::Wohnort, 112, 60},
    {S::VersaeumteStunden, 4002, 4},
    {S::Entschuldigt, 4007, 4},
    {S::Fachrichtung, 4414, 60},
    {S::Schwerpunkt, 4475, 60},
    {S::Berufsbezeichnung, 4536, 60},
    {S::Einschulungsdatum, 4600, 10},
    {S::Ausschulungsdatum, 4611, 10},
    {S::Durchschnittsnote, 4622, 3},
    {S::Klasse, 4626, 15},
    {S::SchuljahrVon, 4642, 4},
    {S::SchuljahrBis, 4647, 4},
    {S::Zeugnisort, 4652, 25},
    {S::Zeugnisdatum, 4678, 10},
};

// A text filling `max` characters, different for each field.
std::string Fuelltext(std::size_t max, char start) {
  std::string t;
  for (std::size_t i = 0; i < max; ++i) t.push_back(static_cast<char>(start + i % 20));
  return t;
}

TEST(Datensatz, JedesFeldAnSeinerDokumentiertenStelle) {
  S s;
  std::array<std::uint8_t, layout::kSatz> e{};
  s.SetzeNummer(0x12345678);
  SchreibeZahl(e.data(), 0, 0x12345678, 4);
  s.SetzeStatus(1);
  SchreibeZahl(e.data(), 4, 1, 2);
  s.SetzeAnrede(3);
  SchreibeZahl(e.data(), 6, 3, 2);
  s.SetzeSchulart(-2);
  SchreibeZahl(e.data(), 4412, -2, 2);
  s.SetzeZeugnisart(0x0105);
  SchreibeZahl(e.data(), 4598, 0x0105, 2);
  char start = 'A';
  for (const auto& f : kStringFelder) {
    std::string text = Fuelltext(f.max, start++);
    s.Setze(f.feld, text);
    SchreibeString(e.data(), f.offset, text);
  }
  const std::pair<TextFeld, std::size_t> bloecke[] = {
      {S::Hinweise, 3002}, {S::Bemerkungen, 4012}, {S::InterneBemerkungen, 4690}};
  for (const auto& [feld, offset] : bloecke) {
    std::string text = "Zeile 1\r\nBlock " + std::to_string(offset);
    s.Setze(feld, text);
    std::copy(text.begin(), text.end(), e.begin() + offset);
  }
  for (std::size_t r = 0; r < 18; ++r) {
    const std::string n = std::to_string(r + 1);
    s.SetzeFach(r, TFachZeile::Fach, "Fach " + n);
    s.SetzeFach(r, TFachZeile::FachZusatz, "LF" + n);
    s.SetzeFach(r, TFachZeile::Bewertung, std::to_string(r % 6 + 1));
    s.SetzeFach(r, TFachZeile::Zusatz, "x" + n.substr(0, 1));
    const std::size_t zeile = layout::Zeile(r);
    SchreibeString(e.data(), zeile + layout::kFach, "Fach " + n);
    SchreibeString(e.data(), zeile + layout::kFachZusatz, "LF" + n);
    SchreibeString(e.data(), zeile + layout::kBewertung, std::to_string(r % 6 + 1));
    SchreibeString(e.data(), zeile + layout::kZusatz, "x" + n.substr(0, 1));
  }
  EXPECT_TRUE(test::GleicheBytes(Bytes(s.bytes.begin(), s.bytes.end()), Bytes(e.begin(), e.end())));

  // And back: the accessors read what stands at those offsets.
  S gelesen;
  gelesen.bytes = e;
  EXPECT_EQ(gelesen.Nummer(), 0x12345678);
  EXPECT_EQ(gelesen.Schulart(), -2);
  EXPECT_EQ(gelesen.Zeugnisart(), 0x0105);
  start = 'A';
  for (const auto& f : kStringFelder) EXPECT_EQ(gelesen.Lies(f.feld), Fuelltext(f.max, start++)) << f.offset;
  EXPECT_EQ(gelesen.Lies(S::Bemerkungen), "Zeile 1\r\nBlock 4012");
  EXPECT_EQ(gelesen.FachZeile(17).Lies(TFachZeile::FachZusatz), "LF18");
  EXPECT_EQ(gelesen.FachZeile(17).bytes[0], 7);  // "Fach 18" at the row's own offset 0
}

TEST(Datensatz, ZuGrosseLaengenbytesUndTextbloeckeOhneNull) {
  S s;
  s.bytes.fill('x');
  s.bytes[8] = 200;   // Name, at most 25
  s.bytes[4002] = 9;  // VersaeumteStunden, at most 4
  EXPECT_EQ(s.Lies(S::Name), std::string(25, 'x'));
  EXPECT_EQ(s.Lies(S::VersaeumteStunden), "xxxx");
  // Blocks filled to the last byte end with the block, not in the next field.
  EXPECT_EQ(s.Lies(S::Hinweise).size(), 1000u);
  EXPECT_EQ(s.Lies(S::Bemerkungen).size(), 400u);
  EXPECT_EQ(s.Lies(S::InterneBemerkungen).size(), 1000u);
}

TEST(Datensatz, KurzeTexteHinterlassenNullenNachbarnBleiben) {
  S s;
  s.bytes.fill(0xEE);
  s.Setze(S::Name, "Kurz");
  EXPECT_EQ(s.bytes[8], 4);
  for (std::size_t i = 8 + 1 + 4; i < 8 + 26; ++i) EXPECT_EQ(s.bytes[i], 0) << i;
  EXPECT_EQ(s.bytes[7], 0xEE);
  EXPECT_EQ(s.bytes[34], 0xEE);
  s.Setze(S::Bemerkungen, "abc");
  for (std::size_t i = 4012 + 3; i < 4412; ++i) EXPECT_EQ(s.bytes[i], 0) << i;
  EXPECT_EQ(s.bytes[4412], 0xEE);

  s.Setze(S::Klasse, std::string(40, 'K'));
  EXPECT_EQ(s.bytes[4626], 15);
  EXPECT_EQ(s.bytes[4642], 0xEE);
  // Negative numbers in two's complement, lowest byte first.
  s.SetzeNummer(-2);
  EXPECT_EQ(Bytes(s.bytes.begin(), s.bytes.begin() + 4), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(Klassendatei, BildMitSchuelernUndPasswortKennung) {
  TKlassenDatei k;
  for (std::size_t i = 0; i < 35; ++i) {
    k.Schueler[i].SetzeNummer(static_cast<std::int32_t>(1000 + i));
    k.Schueler[i].Setze(S::Name, "S" + std::to_string(i));
  }
  for (std::size_t i = 0; i < 16; ++i) k.PasswortKennung[i] = static_cast<std::uint8_t>(0xA0 + i);

  Bytes bild = k.Bild();
  ASSERT_EQ(bild.size(), layout::kKlasse);
  for (std::size_t i = 0; i < 35; ++i) {
    const std::size_t slot = layout::kSatz * i;
    EXPECT_EQ(bild[slot] | (bild[slot + 1] << 8), static_cast<int>(1000 + i)) << i;
    const std::string name = "S" + std::to_string(i);
    EXPECT_EQ(std::string(bild.begin() + slot + 9, bild.begin() + slot + 9 + bild[slot + 8]), name);
  }
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(bild[layout::kKennung + i], 0xA0 + i);

  // Bytes beyond the image are ignored when reading it back.
  bild.resize(layout::kKlasse + 100, 0x55);
  EXPECT_TRUE(TKlassenDatei::AusBild(bild) == k);
}

}  // namespace
}  // namespace velmora
