#pragma once
// A page of a PDF file as pixels, rendered by poppler's pdftoppm: what the words of
// pdftotext (gui/pdflesen.h) do not show, an image on the page, is checked on it.
#include <QImage>
#include <filesystem>

namespace velmora::test {

// True when pdftoppm is there.
bool PdfSeitenbildMoeglich();
// Page `seite` (from 1) at `dpi` dots per inch; a null image when it could not be rendered.
QImage PdfSeitenbild(const std::filesystem::path& pdf, int seite, int dpi);

}  // namespace velmora::test
