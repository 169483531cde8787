// Word wrap of the long texts into the line buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basis/cp1252.h"
#include "print/zeilenpuffer.h"

namespace velmora {
namespace {

using Zeilen = std::vector<std::string>;

// Wraps a UTF-8 text (converted to code page 1252) and returns the first n lines.
Zeilen Umbruch(const std::string& utf8, std::size_t n, std::size_t w) {
  TZeilenpuffer puffer;
  UmbrecheText(T(utf8), n, w, puffer);
  Zeilen ergebnis;
  for (std::size_t i = 0; i < n; ++i) ergebnis.push_back(puffer.Zeile(i));
  return ergebnis;
}

Zeilen Erwartet(std::initializer_list<const char*> utf8) {
  Zeilen z;
  for (const char* s : utf8) z.push_back(T(s));
  return z;
}

TEST(Umbruch, WortDasNichtPasstRutschtGanzInDieNaechsteZeile) {
  // The blank before the moved word stays at the end of the line before; a line full up to
  // and including a blank gives that blank back and the word before it as well.
  EXPECT_EQ(Umbruch("Der Schüler arbeitet sehr gut mit.", 4, 12),
            Erwartet({"Der ", "Schüler ", "arbeitet ", "sehr gut "}));
  // A minus sign is a break like a blank and stays at the line's end.
  EXPECT_EQ(Umbruch("Sozial-verhalten gut", 3, 11), Erwartet({"Sozial-", "verhalten ", "gut"}));
}

TEST(Umbruch, LeerzeichenDasNichtMehrPasstEntfaellt) {
  EXPECT_EQ(Umbruch("Der Schüler arbeitet", 3, 11), Erwartet({"Der Schüler", "arbeitet", ""}));
  EXPECT_EQ(Umbruch("abcd-efgh", 2, 4), Erwartet({"abcd", "efgh"}));
}

TEST(Umbruch, ZuLangesWortLeertSeineZeileUndBeendetDenUmbruch) {
  EXPECT_EQ(Umbruch("Arbeits- und Sozialverhalten", 4, 10), Erwartet({"Arbeits- ", "und ", "", ""}));
  // The full line "abc " loses its blank and then its word while looking for a break.
  EXPECT_EQ(Umbruch("abc defg", 3, 4), Erwartet({"", "", ""}));
  // A word longer than the line on the first line: nothing at all is printed.
  EXPECT_EQ(Umbruch("Unterrichtsstunden fehlen", 3, 10), Erwartet({"", "", ""}));
}

TEST(Umbruch, ZeilenumbruecheUndSteuerzeichen) {
  // CR breaks the line, the LF after it goes nowhere.
  EXPECT_EQ(Umbruch("ab\r\ncd\r\nef", 3, 10), Erwartet({"ab", "cd", "ef"}));
  // Two CRs leave an empty line; an LF alone does not break.
  EXPECT_EQ(Umbruch("ab\r\rcd\nef", 3, 10), Erwartet({"ab", "", "cdef"}));
  // A CR on the last line ends the wrap.
  EXPECT_EQ(Umbruch("ab\rcd\ref", 2, 10), Erwartet({"ab", "cd"}));
  // A tab, or any other control character, ends the text there.
  EXPECT_EQ(Umbruch("ab\tcd", 2, 10), Erwartet({"ab", ""}));
  EXPECT_EQ(Umbruch("ab\x01"
                    "cd",
                    2, 10),
            Erwartet({"ab", ""}));
  // Characters of code 128 and above are ordinary characters.
  EXPECT_EQ(Umbruch("€ „Äß“ …", 1, 20), Erwartet({"€ „Äß“ …"}));
}

TEST(Umbruch, KurzeTexteUndAbschneiden) {
  EXPECT_EQ(Umbruch("a", 2, 10), Erwartet({"", ""}));
  EXPECT_EQ(Umbruch("", 2, 10), Erwartet({"", ""}));
  EXPECT_EQ(Umbruch("ab", 2, 10), Erwartet({"ab", ""}));
  // The text stops at its NUL even when the array goes on.
  EXPECT_EQ(Umbruch(std::string("ab\0cd", 5), 2, 10), Erwartet({"ab", ""}));
  // Text beyond n lines is cut off without a mark.
  EXPECT_EQ(Umbruch("eins zwei drei vier", 2, 6), Erwartet({"eins ", "zwei "}));
}

TEST(Umbruch, HoechstensNMalWZeichenDesTextesWerdenBetrachtet) {
  // Ignored LFs still count: with n = 1 and w = 3 only the characters 0..3 are looked at.
  EXPECT_EQ(Umbruch("\n\n\nab", 1, 3), Erwartet({"a"}));
  EXPECT_EQ(Umbruch("\n\n\n\nab", 1, 3), Erwartet({""}));
}

TEST(Umbruch, UebrigePufferzeilenBleibenUnberuehrt) {
  TZeilenpuffer puffer(4);
  for (std::size_t i = 0; i < 4; ++i) puffer.SetzeZeile(i, "alt");
  UmbrecheText("neu", 2, 10, puffer);
  EXPECT_EQ(puffer.Zeile(0), "neu");
  EXPECT_EQ(puffer.Zeile(1), "");
  EXPECT_EQ(puffer.Zeile(2), "alt");
  EXPECT_EQ(puffer.Zeile(3), "alt");
}

TEST(Umbruch, UnsinnigeArgumenteBleibenImPuffer) {
  const std::string lang(5000, 'x');
  TZeilenpuffer puffer(3);
  // More lines than the buffer holds, a width above 80: held to 3 lines of 80.
  UmbrecheText(std::string(300, 'y') + " " + lang, 50, 500, puffer);
  EXPECT_EQ(puffer.Anzahl(), 3u);
  EXPECT_EQ(puffer.Zeile(0), "");  // 300 characters without a break do not fit 80
  puffer.SetzeZeile(0, "alt");
  UmbrecheText("ab cd", 0, 10, puffer);  // no line at all
  EXPECT_EQ(puffer.Zeile(0), "alt");
  UmbrecheText("a b", 2, 0, puffer);  // width held to 1
  EXPECT_EQ(puffer.Zeile(0), "a");
  EXPECT_EQ(puffer.Zeile(1), "b");
  EXPECT_EQ(puffer.Zeile(99), "");
  puffer.SetzeZeile(1, lang);
  EXPECT_EQ(puffer.Zeile(1).size(), 80u);
}

}  // namespace
}  // namespace velmora
