#include "common/testbilder.h"

#include <algorithm>

namespace velmora::test {
namespace {

void Gross32(Bytes& b, std::uint32_t w) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(w >> s));
}

std::uint32_t Crc(const Bytes& b, std::size_t von) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = von; i < b.size(); ++i) {
    c ^= b[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return ~c;
}

void Block(Bytes& png, const std::string& typ, const Bytes& inhalt) {
  Gross32(png, static_cast<std::uint32_t>(inhalt.size()));
  const std::size_t anfang = png.size();
  png.insert(png.end(), typ.begin(), typ.end());
  png.insert(png.end(), inhalt.begin(), inhalt.end());
  Gross32(png, Crc(png, anfang));
}

void Segment(Bytes& jpeg, std::uint8_t marke, const Bytes& inhalt) {
  jpeg.insert(jpeg.end(), {0xFF, marke, static_cast<std::uint8_t>((inhalt.size() + 2) >> 8),
                           static_cast<std::uint8_t>(inhalt.size() + 2)});
  jpeg.insert(jpeg.end(), inhalt.begin(), inhalt.end());
}

}  // namespace

Bytes PngBild(std::uint32_t breite, std::uint32_t hoehe, std::array<std::uint8_t, 3> farbe) {
  Bytes roh;  // each row: filter 0, then the pixels
  for (std::uint32_t y = 0; y < hoehe; ++y) {
    roh.push_back(0);
    for (std::uint32_t x = 0; x < breite; ++x) roh.insert(roh.end(), farbe.begin(), farbe.end());
  }
  Bytes z = {0x78, 0x01};  // zlib, deflate; the data in stored blocks of at most 65535 bytes
  for (std::size_t von = 0; von < roh.size() || von == 0; von += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, roh.size() - von);
    const bool letzter = von + n >= roh.size();
    z.insert(z.end(),
             {static_cast<std::uint8_t>(letzter), static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
              static_cast<std::uint8_t>(~n), static_cast<std::uint8_t>(~n >> 8)});
    z.insert(z.end(), roh.begin() + static_cast<long>(von), roh.begin() + static_cast<long>(von + n));
    if (letzter) break;
  }
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t c : roh) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Gross32(z, (b << 16) | a);

  Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Bytes kopf;
  Gross32(kopf, breite);
  Gross32(kopf, hoehe);
  kopf.insert(kopf.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter variants, not interlaced
  Block(png, "IHDR", kopf);
  Block(png, "IDAT", z);
  Block(png, "IEND", {});
  return png;
}

Bytes JpegGeruest(std::uint16_t breite, std::uint16_t hoehe, std::uint8_t rahmen, std::uint8_t praezision) {
  Bytes j = {0xFF, 0xD8};
  Segment(j, 0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
  Segment(j, rahmen,
          {praezision, static_cast<std::uint8_t>(hoehe >> 8), static_cast<std::uint8_t>(hoehe),
           static_cast<std::uint8_t>(breite >> 8), static_cast<std::uint8_t>(breite), 3, 1, 0x22, 0, 2, 0x11, 1, 3,
           0x11, 1});
  Segment(j, 0xDA, {3, 1, 0, 2, 0x11, 3, 0x11, 0, 63, 0});
  j.insert(j.end(), {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56, 0x78});
  j.insert(j.end(), {0xFF, 0xD9});
  return j;
}

}  // namespace velmora::test
