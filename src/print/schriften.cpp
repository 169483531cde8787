#include "print/schriften.h"

#include <cmath>
#include <limits>

namespace velmora {

namespace {
constexpr const char* kCourier = "Courier New";
constexpr const char* kTimes = "Times New Roman";
constexpr const char* kArial = "Arial";
}  // namespace

TSchriftDefinition SchriftDefinition(std::uint16_t n) {
  auto stil = [&](int erste) { return static_cast<std::uint16_t>(n - erste); };
  if (n >= 1 && n <= 8) return {stil(1), 40, kCourier};
  if (n == 9 || n == 10) return {stil(9), 70, kCourier};
  if (n >= 11 && n <= 18) return {stil(11), 40, kTimes};
  if (n == 19 || n == 20) return {stil(19), 70, kTimes};
  if (n >= 21 && n <= 28) return {stil(21), 40, kArial};
  if (n == 29 || n == 30) return {stil(29), 30, kArial};
  if (n >= 31 && n <= 38) return {stil(31), 30, kCourier};
  if (n == 39 || n == 40) return {stil(39), 55, kCourier};
  return {0, 45, kArial};
}

std::string StilWort(std::uint16_t stil) {
  static const char* const kWoerter[8] = {"normal",
                                          "fett",
                                          "kursiv",
                                          "fett+kursiv",
                                          "unterstrichen",
                                          "unterstrichen+fett",
                                          "unterstrichen+kursiv",
                                          "unterstrichen+fett+kursiv"};
  return kWoerter[stil & 7];
}

void SetzeSchrift(DruckFlaeche& flaeche, const TFormatEintrag& eintrag) {
  const TSchriftDefinition s = SchriftDefinition(eintrag.Schrift);
  flaeche.SetzeSchriftart(s.Stil, s.Hoehe, s.Name);
}

int RundeZurGeraden(double wert) {
  if (std::isnan(wert)) return 0;
  constexpr double kMin = std::numeric_limits<int>::min();
  constexpr double kMax = std::numeric_limits<int>::max();
  if (wert <= kMin) return std::numeric_limits<int>::min();
  if (wert >= kMax) return std::numeric_limits<int>::max();
  const double unten = std::floor(wert);
  const double rest = wert - unten;
  double ergebnis = unten;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(unten, 2.0) != 0.0)) ergebnis = unten + 1.0;
  return static_cast<int>(ergebnis);
}

int ZehntelMillimeter(int pixel, int dpi) {
  if (dpi <= 0) return 0;
  return RundeZurGeraden(static_cast<double>(pixel) * 254.0 / static_cast<double>(dpi));
}

}  // namespace velmora
