#pragma once
// Image files built byte by byte for the tests, independent of the program's reader: a PNG
// of one colour (a real, decodable one, its data in stored deflate blocks) and the segment
// skeleton of a JPEG, each with the parts a test wants to spoil reachable.
#include <array>
#include <cstdint>
#include <string>

#include "basis/dateien.h"

namespace velmora::test {

// A PNG of `breite` x `hoehe` pixels in one RGB colour, with IHDR, IDAT and IEND.
Bytes PngBild(std::uint32_t breite, std::uint32_t hoehe, std::array<std::uint8_t, 3> farbe = {200, 30, 30});

// A JPEG's markers and segments: SOI, APP0, a frame header of `rahmen` (0xC0 baseline, 0xC2
// progressive, ...) with `praezision` bits and three components, a scan header, a few bytes
// of coded data (with a stuffed 0xFF 0x00 and a restart marker) and EOI. Not decodable
// pixels, but the structure every reader walks.
Bytes JpegGeruest(std::uint16_t breite, std::uint16_t hoehe, std::uint8_t rahmen = 0xC0, std::uint8_t praezision = 8);

}  // namespace velmora::test
