#pragma once
// What poppler's pdfinfo and pdffonts say about a PDF file: the document information, the XMP
// metadata and the fonts with whether each is embedded. Beside pdflesen.h, which reads the
// words; like it, the tools read a copy under a plain name in the current directory.
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {

// The output of `pdfinfo -isodates` ("Title:  ...", one line each) and of `pdfinfo -meta`
// (the XMP packet).
std::string PdfInfo(const std::filesystem::path& pdf);
std::string PdfXmp(const std::filesystem::path& pdf);
// The value of a line "<feld>: <value>" of PdfInfo, without the blanks before it.
std::string PdfInfoFeld(const std::string& info, const std::string& feld);
// The value of an XMP property written as an element (<pdfaid:part>1</pdfaid:part>) or as an
// attribute (pdfaid:part="1"); for dc:title and dc:creator the text of their rdf:li.
std::string XmpWert(const std::string& xmp, const std::string& eigenschaft);

struct PdfSchrift {
  std::string name;
  bool eingebettet = false;
};
// The fonts pdffonts lists.
std::vector<PdfSchrift> PdfSchriften(const std::filesystem::path& pdf);

}  // namespace velmora::test
