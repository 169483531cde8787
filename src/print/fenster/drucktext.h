#pragma once
// How the printer surface sets its fonts and places its texts, for every paint device: the
// printer, a PDF file, a preview, and the page view of the form alignment. What is seen on
// the screen is placed by the same rules as what is printed.
#include <QFont>
#include <QRectF>
#include <QString>
#include <cstdint>

#include "print/druckflaeche.h"

class QPaintDevice;
class QPainter;

namespace velmora {

// The font of style `stil` (bold 1, italic 2, underline 4) and face `name` whose character
// cell (ascent + descent) is `hoehe` tenths of a millimetre, on `geraet` at `pixelProEinheit`
// device pixels per tenth of a millimetre.
QFont DruckSchrift(std::uint16_t stil, int hoehe, const QString& name, QPaintDevice* geraet, double pixelProEinheit);

// Draws `text` in `schrift` with its reference point at `punkt` (device pixels) as the
// surface places it: left or centred on the point, on the baseline or with the bottom of the
// character cell on it, `extra` device pixels after every character. With no painter it only
// measures. Returns the box the text takes (its advance width by the cell height).
QRectF DruckText(QPainter* maler, const QFont& schrift, QPaintDevice* geraet, QPointF punkt, const QString& text,
                 Textausrichtung ausrichtung, double extra);

}  // namespace velmora
