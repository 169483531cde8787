#include "print/fenster/drucktext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace velmora {

QFont DruckSchrift(std::uint16_t stil, int hoehe, const QString& name, QPaintDevice* geraet, double pixelProEinheit) {
  QFont f(name);
  f.setBold((stil & kStilFett) != 0);
  f.setItalic((stil & kStilKursiv) != 0);
  f.setUnderline((stil & kStilUnterstrichen) != 0);
  f.setKerning(false);
#ifdef Q_OS_WIN
  // Windows' GDI rounds every character's advance to whole device pixels, which adds up to
  // tenths of a millimetre along a line; unhinted, Qt measures and places the characters
  // with DirectWrite at their exact design widths, as on the other systems.
  f.setHintingPreference(QFont::PreferNoHinting);
#endif
  // The height is the character cell (ascent + descent), not the em size: measure once
  // and scale the pixel size so that the cell has the height asked for.
  const double zelle = std::max(1.0, hoehe * pixelProEinheit);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(zelle))));
  const double gemessen = QFontMetricsF(f, geraet).height();
  if (gemessen > 0) f.setPixelSize(std::max(1, static_cast<int>(std::lround(zelle * zelle / gemessen))));
  return f;
}

QRectF DruckText(QPainter* maler, const QFont& schrift, QPaintDevice* geraet, QPointF punkt, const QString& text,
                 Textausrichtung ausrichtung, double extra) {
  const QFontMetricsF masse(schrift, geraet);
  // Extra spacing is added after every character, as the layouts expect it; the characters
  // are then placed one by one (the font's own letter spacing is scaled differently on
  // every paint device).
  const double breite = masse.horizontalAdvance(text) + (extra == 0 ? 0.0 : extra * text.size());
  QPointF p = punkt;
  if (ausrichtung == Textausrichtung::MitteBasislinie || ausrichtung == Textausrichtung::MitteUnten) {
    p.rx() -= breite / 2.0;
  }
  if (ausrichtung == Textausrichtung::LinksUnten || ausrichtung == Textausrichtung::MitteUnten) {
    p.ry() -= masse.descent();
  }
  const QRectF kasten(p.x(), p.y() - masse.ascent(), breite, masse.height());
  if (!maler) return kasten;
  if (extra == 0) {
    maler->drawText(p, text);
    return kasten;
  }
  for (QChar zeichen : text) {
    maler->drawText(p, QString(zeichen));
    p.rx() += masse.horizontalAdvance(zeichen) + extra;
  }
  return kasten;
}

}  // namespace velmora
