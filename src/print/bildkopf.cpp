#include "print/bildkopf.h"

#include <algorithm>
#include <array>

#include "basis/cp1252.h"

namespace velmora {
namespace {

using Daten = std::span<const std::uint8_t>;

std::string KeinBild() { return T("es ist kein PNG- oder JPEG-Bild"); }
std::string Beschaedigt() { return T("die Datei ist unvollständig oder beschädigt"); }
std::string ZuGross() {
  return T("das Bild ist größer als ") + std::to_string(kBildHoechstens) + T(" × ") + std::to_string(kBildHoechstens) +
         " Bildpunkte";
}

std::uint32_t Gross32(Daten d, std::size_t i) {
  return (std::uint32_t{d[i]} << 24) | (std::uint32_t{d[i + 1]} << 16) | (std::uint32_t{d[i + 2]} << 8) | d[i + 3];
}
std::uint32_t Gross16(Daten d, std::size_t i) { return (std::uint32_t{d[i]} << 8) | d[i + 1]; }

BildPruefung Ergebnis(Bildformat format, std::uint32_t breite, std::uint32_t hoehe) {
  if (breite == 0 || hoehe == 0) return {std::nullopt, Beschaedigt()};
  if (breite > kBildHoechstens || hoehe > kBildHoechstens) return {std::nullopt, ZuGross()};
  return {BildKopf{format, static_cast<int>(breite), static_cast<int>(hoehe)}, {}};
}

// --- PNG: signature, IHDR first, every chunk's CRC, a palette before the data where the
// colour type needs one, at least one IDAT, and IEND at the end.

std::uint32_t Crc32(Daten d) {
  static const std::array<std::uint32_t, 256> tabelle = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::uint8_t b : d) c = tabelle[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

bool GueltigeTiefe(std::uint8_t farbtyp, std::uint8_t tiefe) {
  switch (farbtyp) {
    case 0:
      return tiefe == 1 || tiefe == 2 || tiefe == 4 || tiefe == 8 || tiefe == 16;
    case 3:
      return tiefe == 1 || tiefe == 2 || tiefe == 4 || tiefe == 8;
    case 2:
    case 4:
    case 6:
      return tiefe == 8 || tiefe == 16;
    default:
      return false;
  }
}

BildPruefung PruefePng(Daten d) {
  std::size_t i = 8;
  std::uint32_t breite = 0, hoehe = 0;
  std::uint8_t farbtyp = 0;
  bool kopf = false, palette = false, daten = false;
  while (true) {
    if (d.size() - i < 12) return {std::nullopt, Beschaedigt()};
    const std::uint32_t laenge = Gross32(d, i);
    if (laenge > d.size() - i - 12) return {std::nullopt, Beschaedigt()};
    const Daten typUndInhalt = d.subspan(i + 4, 4 + laenge);
    if (Crc32(typUndInhalt) != Gross32(d, i + 8 + laenge)) return {std::nullopt, Beschaedigt()};
    const std::string typ(typUndInhalt.begin(), typUndInhalt.begin() + 4);
    const Daten inhalt = typUndInhalt.subspan(4);
    if (!kopf) {
      if (typ != "IHDR" || laenge != 13) return {std::nullopt, Beschaedigt()};
      breite = Gross32(inhalt, 0);
      hoehe = Gross32(inhalt, 4);
      farbtyp = inhalt[9];
      if (!GueltigeTiefe(farbtyp, inhalt[8]) || inhalt[10] != 0 || inhalt[11] != 0 || inhalt[12] > 1) {
        return {std::nullopt, Beschaedigt()};
      }
      kopf = true;
    } else if (typ == "PLTE") {
      palette = true;
    } else if (typ == "IDAT") {
      if (farbtyp == 3 && !palette) return {std::nullopt, Beschaedigt()};
      daten = true;
    } else if (typ == "IEND") {
      if (!daten) return {std::nullopt, Beschaedigt()};
      return Ergebnis(Bildformat::Png, breite, hoehe);
    }
    i += 12 + laenge;
  }
}

// --- JPEG: the segments from the start marker to the end marker, the entropy-coded data
// after each scan skipped; one frame of a kind the surface decodes (baseline, extended or
// progressive, 8 bits, grey, colour or CMYK) before the first scan.

bool IstRahmen(std::uint8_t marke) {
  return marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 && marke != 0xCC;
}

BildPruefung PruefeJpeg(Daten d) {
  std::size_t i = 2;
  std::uint32_t breite = 0, hoehe = 0;
  bool rahmen = false, scan = false;
  while (true) {
    if (i >= d.size() || d[i] != 0xFF) return {std::nullopt, Beschaedigt()};
    while (i < d.size() && d[i] == 0xFF) ++i;  // fill bytes before the marker
    if (i >= d.size()) return {std::nullopt, Beschaedigt()};
    const std::uint8_t marke = d[i++];
    if (marke == 0xD9) {
      if (!rahmen || !scan) return {std::nullopt, Beschaedigt()};
      return Ergebnis(Bildformat::Jpeg, breite, hoehe);
    }
    if ((marke >= 0xD0 && marke <= 0xD7) || marke == 0x01) continue;  // no segment
    if (marke == 0xD8 || marke == 0x00) return {std::nullopt, Beschaedigt()};
    if (d.size() - i < 2) return {std::nullopt, Beschaedigt()};
    const std::uint32_t laenge = Gross16(d, i);
    if (laenge < 2 || laenge > d.size() - i) return {std::nullopt, Beschaedigt()};
    const Daten inhalt = d.subspan(i + 2, laenge - 2);
    i += laenge;
    if (IstRahmen(marke)) {
      if (rahmen || inhalt.size() < 6) return {std::nullopt, Beschaedigt()};
      if (marke > 0xC2 || inhalt[0] != 8 || (inhalt[5] != 1 && inhalt[5] != 3 && inhalt[5] != 4)) {
        return {std::nullopt, T("diese Art von JPEG-Bild kann Velmora nicht drucken")};
      }
      hoehe = Gross16(inhalt, 1);
      breite = Gross16(inhalt, 3);
      if (inhalt.size() < 6 + 3 * std::size_t{inhalt[5]}) return {std::nullopt, Beschaedigt()};
      rahmen = true;
    } else if (marke == 0xDA) {
      if (!rahmen) return {std::nullopt, Beschaedigt()};
      scan = true;
      // The coded data: a 0xFF in it is followed by 0x00 or a restart marker; anything
      // else begins the next marker.
      while (i + 1 < d.size() && !(d[i] == 0xFF && d[i + 1] != 0x00 && (d[i + 1] < 0xD0 || d[i + 1] > 0xD7))) ++i;
      if (i + 1 >= d.size()) return {std::nullopt, Beschaedigt()};
    }
  }
}

}  // namespace

BildPruefung PruefeBild(std::span<const std::uint8_t> inhalt) {
  static constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (inhalt.size() >= 8 && std::equal(std::begin(kPng), std::end(kPng), inhalt.begin())) return PruefePng(inhalt);
  if (inhalt.size() >= 3 && inhalt[0] == 0xFF && inhalt[1] == 0xD8 && inhalt[2] == 0xFF) return PruefeJpeg(inhalt);
  return {std::nullopt, KeinBild()};
}

}  // namespace velmora
