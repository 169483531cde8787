#include "printerinfo/druckerinfozeilen.h"

#include "basis/cp1252.h"
#include "print/schriften.h"

namespace velmora {

std::string TechnologieWort(int technologie) {
  switch (technologie) {
    case 0:
      return "Plotter";
    case 1:
      return "Raster-Bildschirm";
    case 2:
      return "Raster-Drucker";
    case 3:
      return "Scanner (Raster-Kamera)";
    case 4:
      return "Zeichenfolge (z.B.: Typenrad-Drucker";
    case 5:
      return "Meta-Datei";
    case 6:
      return "Bildschirm-Datei (BMP";
    default:
      return "unbekannt (" + std::to_string(technologie) + ")";
  }
}

namespace {

std::string Gerundet(double wert) { return std::to_string(RundeZurGeraden(wert)); }

std::string MmAusPixel(int pixel, int dpi) { return dpi == 0 ? std::string("-") : Gerundet(pixel * 25.4 / dpi); }

}  // namespace

std::vector<InfoZeile> DruckerInfoZeilen(const std::string& name, const DruckerFaehigkeiten& f,
                                         const std::vector<std::string>& schriften) {
  auto zahl = [](int w) { return std::to_string(w); };
  std::string ausrichtung = f.BreiteMm < f.HoeheMm   ? "Hochformat"
                            : f.HoeheMm < f.BreiteMm ? "Querformat"
                                                     : "quadratisches Format";
  std::vector<InfoZeile> z = {
      {"Druckername: ", name},
      {"Treiberversion: ", zahl(f.Treiberversion)},
      {"Drucktechnologie: ", TechnologieWort(f.Technologie)},
      {"Druckbreite [mm]: ", zahl(f.BreiteMm)},
      {T("Druckhöhe [mm]: "), zahl(f.HoeheMm)},
      {"  ==>  Papierausrichtung: ", ausrichtung},
      {"Druckbreite [Pixel]: ", zahl(f.BreitePixel)},
      {T("Druckhöhe [Pixel]: "), zahl(f.HoehePixel)},
      {"DPI [Pixel/Zoll] horizontal: ", zahl(f.PixelProZollX)},
      {"DPI [Pixel/Zoll] vertikal: ", zahl(f.PixelProZollY)},
      {T("  ==>  Auflösung [Pixel/mm] horizontal: "), Gerundet(f.PixelProZollX / 25.4)},
      {T("  ==>  Auflösung [Pixel/mm] vertikal: "), Gerundet(f.PixelProZollY / 25.4)},
      {"Linker SeitenOffset [Pixel]: ", zahl(f.SeitenOffsetX)},
      {"Oberer SeitenOffset [Pixel]: ", zahl(f.SeitenOffsetY)},
      {"  ==>  Linker SeitenOffset [mm]: ", MmAusPixel(f.SeitenOffsetX, f.PixelProZollX)},
      {"  ==>  Oberer SeitenOffset [mm]: ", MmAusPixel(f.SeitenOffsetY, f.PixelProZollY)},
      {"Pinsel: ", zahl(f.Pinsel)},
      {"Stifte: ", zahl(f.Stifte)},
      {"Markierer: ", zahl(f.Markierer)},
      {"Farben: ", zahl(f.Farben)},
      {"interne Schriften: ", zahl(static_cast<int>(schriften.size()))},
  };
  for (const auto& s : schriften) z.push_back({"      " + s, s});
  return z;
}

}  // namespace velmora
