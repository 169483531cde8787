#include <gtest/gtest.h>

#include <string>

#include "basis/cp1252.h"

namespace velmora {
namespace {

// The characters of 0x80..0x9F are real 1252 characters, not C1 controls.
TEST(Cp1252, ObererBereichSindEchteZeichen) {
  struct Fall {
    unsigned char byte;
    const char* utf8;
  };
  const Fall faelle[] = {
      {0x80, "€"}, {0x84, "„"}, {0x85, "…"}, {0x93, "“"}, {0x94, "”"}, {0x96, "–"},
      {0x8A, "Š"}, {0x9F, "Ÿ"}, {0xE4, "ä"}, {0xDF, "ß"}, {0xD6, "Ö"}, {0xA0, "\u00A0"},
  };
  for (const auto& f : faelle) {
    std::string byte(1, static_cast<char>(f.byte));
    EXPECT_EQ(Cp1252NachUtf8(byte), f.utf8) << std::hex << int(f.byte);
    EXPECT_EQ(Utf8NachCp1252(f.utf8), byte) << std::hex << int(f.byte);
  }
  EXPECT_EQ(T("„Prüfung“ – 5 €…"),
            "\x84Pr\xFC"
            "fung\x93 \x96 5 \x80\x85");
}

TEST(Cp1252, AlleBytesUeberstehenDenHinUndRueckweg) {
  std::string alle;
  for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
  std::string utf8 = Cp1252NachUtf8(alle);
  EXPECT_GT(utf8.size(), alle.size());
  EXPECT_EQ(Utf8NachCp1252(utf8), alle);
}

TEST(Cp1252, FremdeZeichenUndKaputtesUtf8WerdenFragezeichen) {
  EXPECT_EQ(Utf8NachCp1252("Ω"), "?");
  EXPECT_EQ(Utf8NachCp1252("a中b"), "a?b");
  EXPECT_EQ(Utf8NachCp1252("x😀y"), "x?y");
  // Broken sequences: a lone continuation byte, bytes that never start UTF-8, a lead
  // byte followed by a plain character (which survives).
  EXPECT_EQ(Utf8NachCp1252("\x80"), "?");
  EXPECT_EQ(Utf8NachCp1252("a\xFF"
                           "b"),
            "a?b");
  EXPECT_EQ(Utf8NachCp1252("\xC3("), "?(");
  // A sequence cut off at the end leaves only question marks behind the intact text.
  std::string abgeschnitten = Utf8NachCp1252("ok\xE2\x82");
  ASSERT_GE(abgeschnitten.size(), 3u);
  EXPECT_EQ(abgeschnitten.substr(0, 2), "ok");
  EXPECT_EQ(abgeschnitten.find_first_not_of('?', 2), std::string::npos);
}

}  // namespace
}  // namespace velmora
