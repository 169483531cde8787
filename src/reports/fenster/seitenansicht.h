#pragma once
// TSeitenAnsicht: the page of the form alignment on the screen. It draws the paper, the scan
// of the form under it, the rest of the page in grey and the entries of the chosen table as
// the printer surface places them; a click selects an entry (Ctrl+click adds or removes
// one), a drag moves the selection, the arrow keys move it by 0.1 mm (with Shift by 1 mm).
#include <QDateTime>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "reports/formularausrichtung.h"

namespace velmora {

class TSeitenAnsicht : public QWidget {
  Q_OBJECT
 public:
  TSeitenAnsicht(Formularausrichtung& ausrichtung, QWidget* eltern = nullptr);

  // Screen pixels per 1/10 mm of paper.
  void SetzeMassstab(double pixelProZehntel);
  double Massstab() const { return massstab_; }
  void SetzeHintergrundBild(const QImage& bild);
  const QImage& HintergrundBild() const { return bild_; }
  // After the page or the table changed.
  void Aktualisiere();

  // Where a point of the paper (1/10 mm, y downwards) is in the widget.
  QPointF AufDemSchirm(double x, double y) const;
  // The box the marks of an entry take in the widget; nothing when it shows none.
  std::optional<QRectF> Feld(std::size_t eintrag) const;
  // The entry whose marks are under a point of the widget, the smallest where several are.
  std::optional<std::size_t> EintragBei(QPointF punkt) const;

  QSize sizeHint() const override;

 signals:
  // The selection changed by a click.
  void AuswahlGeaendert();
  // The table changed by a drag or a key.
  void Verschoben();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;

 private:
  struct Marke {
    std::size_t eintrag;
    std::vector<QRectF> kaesten;  // widget coordinates, without a drag's offset
  };
  void BerechneKaesten();
  bool Ausgewaehlt(std::size_t eintrag) const;
  // The image of a file the page shows (the school's logo), read again when the file changed;
  // null when unreadable.
  const QImage& BildAus(const std::string& datei);

  Formularausrichtung& ausrichtung_;
  double massstab_ = 0.3;
  QImage bild_;
  std::map<std::string, std::pair<QDateTime, QImage>> seitenbilder_;
  std::vector<Marke> marken_;
  // A drag: where it began, and how far the selection is moved so far (1/10 mm).
  std::optional<QPointF> ziehAnfang_;
  int ziehX_ = 0, ziehY_ = 0;
  // A plain click on one of several selected entries: it alone stays selected unless the
  // press becomes a drag of them all.
  std::optional<std::size_t> alleinWaehlen_;
};

}  // namespace velmora
