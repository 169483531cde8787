#pragma once
// Reads a PDF file back with poppler's pdftotext -bbox: its pages with their paper size and
// the printed words with their boxes, in millimetres from the paper's top-left corner.
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {

struct PdfWort {
  std::string text;  // with pdftotext's HTML entities decoded
  double xMin, yMin, xMax, yMax;
  int seite = 1;  // the page it stands on, from 1
};

struct PdfSeite {
  double breite = 0, hoehe = 0;  // the paper, in millimetres
  std::vector<PdfWort> woerter;
  // The first word `text` followed by the word `danach` (empty: any), or nullptr.
  const PdfWort* Finde(const std::string& text, const std::string& danach = {}) const;
};

// True when pdftotext is there to read PDF files back.
bool PdfLesbar();
std::vector<PdfSeite> LiesPdf(const std::filesystem::path& pdf);
// The words of all pages in one list.
std::vector<PdfWort> WoerterAus(const std::filesystem::path& pdf);

// The PDF files of a folder, by name.
std::vector<std::filesystem::path> PdfDateien(const std::filesystem::path& ordner);

}  // namespace velmora::test
