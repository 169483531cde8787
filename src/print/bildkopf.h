#pragma once
// The pixel size of a PNG or JPEG image, read from the file's own structure, and whether the
// printer surface can draw it. The layout needs the size before anything is drawn (the
// school's logo keeps its aspect ratio and makes room beside it), and an image that cannot be
// drawn is left out with one warning before the print instead of failing on the paper: so
// the whole file is walked through (every PNG chunk with its checksum, every JPEG segment up
// to the end marker), not only its header.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace velmora {

enum class Bildformat { Png, Jpeg };

struct BildKopf {
  Bildformat format = Bildformat::Png;
  int breite = 0;  // pixels
  int hoehe = 0;
  bool operator==(const BildKopf&) const = default;
};

// No side of an image may be longer (a logo needs far less; the surface keeps a decoded
// image in memory).
inline constexpr int kBildHoechstens = 6000;

struct BildPruefung {
  std::optional<BildKopf> kopf;  // the image can be drawn
  std::string fehler;            // otherwise why not, German (code page 1252): "es ist kein ..."
};

// Checks the bytes of an image file.
BildPruefung PruefeBild(std::span<const std::uint8_t> inhalt);

}  // namespace velmora
