#include "common/kaesten.h"

#include <algorithm>
#include <sstream>

#include "print/schriften.h"
#include "print/schriftmasse.h"

namespace velmora::test {
namespace {

constexpr double kA4Breite = 2100, kA4Hoehe = 2970;

std::vector<std::string> Woerter(const std::string& text) {
  std::vector<std::string> w;
  std::istringstream s(text);
  for (std::string wort; s >> wort;) w.push_back(wort);
  return w;
}

std::string Beschreibung(const Kasten& k) {
  std::ostringstream s;
  s << "page " << k.seite << " [" << k.links << ", " << k.oben << " .. " << k.rechts << ", " << k.unten << "] "
    << (k.strich          ? "stroke"
        : !k.bild.empty() ? "image " + k.bild
                          : "'" + k.text + "'");
  return s.str();
}

Kasten Strich(int seite, double x1, double y1, double x2, double y2) {
  return {seite, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), {}, true};
}

}  // namespace

std::vector<Kasten> KaestenAus(const AufzeichnendeFlaeche& flaeche) {
  using Art = AufzeichnendeFlaeche::Art;
  std::vector<Kasten> kaesten;
  double stiftX = 0, stiftY = 0;
  for (const auto& a : flaeche.aufrufe) {
    if (a.art == Art::Text && !a.text.empty()) {
      const TSchriftDefinition s{a.schrift.stil, a.schrift.hoehe, a.schrift.name};
      const double breite = TextBreite(s, a.text, a.zeichenabstand);
      const bool mitte =
          a.ausrichtung == Textausrichtung::MitteUnten || a.ausrichtung == Textausrichtung::MitteBasislinie;
      const bool basis =
          a.ausrichtung == Textausrichtung::LinksBasislinie || a.ausrichtung == Textausrichtung::MitteBasislinie;
      const double links = mitte ? a.x - breite / 2 : a.x;
      const double unten = -a.y + (basis ? UnterlaengeHoehe(s) : 0.0);
      kaesten.push_back({a.seite, links, unten - a.schrift.hoehe, links + breite, unten, a.text, false});
    } else if (a.art == Art::BewegeZu) {
      stiftX = a.x;
      stiftY = -a.y;
    } else if (a.art == Art::LinieZu) {
      kaesten.push_back(Strich(a.seite, stiftX, stiftY, a.x, -a.y));
      stiftX = a.x;
      stiftY = -a.y;
    } else if (a.art == Art::Bild) {
      kaesten.push_back({a.seite,
                         std::min<double>(a.x, a.x2),
                         std::min<double>(-a.y, -a.y2),
                         std::max<double>(a.x, a.x2),
                         std::max<double>(-a.y, -a.y2),
                         {},
                         false,
                         a.text});
    } else if (a.art == Art::Rechteck) {
      const double x1 = a.x, y1 = -a.y, x2 = a.x2, y2 = -a.y2;
      for (const Kasten& k : {Strich(a.seite, x1, y1, x2, y1), Strich(a.seite, x1, y2, x2, y2),
                              Strich(a.seite, x1, y1, x1, y2), Strich(a.seite, x2, y1, x2, y2)}) {
        kaesten.push_back(k);
      }
    }
  }
  return kaesten;
}

::testing::AssertionResult AlleImRand(const std::vector<Kasten>& kaesten, double rand, double toleranz) {
  for (const Kasten& k : kaesten) {
    if (k.links < rand - toleranz || k.oben < rand - toleranz || k.rechts > kA4Breite - rand + toleranz ||
        k.unten > kA4Hoehe - rand + toleranz) {
      return ::testing::AssertionFailure() << Beschreibung(k) << " is not inside the margin of " << rand;
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult KeineUeberlappung(const std::vector<Kasten>& kaesten, double toleranz) {
  for (std::size_t i = 0; i < kaesten.size(); ++i) {
    for (std::size_t j = i + 1; j < kaesten.size(); ++j) {
      const Kasten& a = kaesten[i];
      const Kasten& b = kaesten[j];
      if (a.seite != b.seite || (a.strich && b.strich)) continue;
      // A stroke has no thickness; it must not enter the inside of a text box.
      const double t = toleranz;
      const bool ueber = a.links + t < b.rechts - t && b.links + t < a.rechts - t && a.oben + t < b.unten - t &&
                         b.oben + t < a.unten - t;
      const bool strichDurch = (a.strich || b.strich) && a.links < b.rechts - t && b.links < a.rechts - t &&
                               a.oben < b.unten - t && b.oben < a.unten - t;
      if ((!a.strich && !b.strich && ueber) || strichDurch) {
        return ::testing::AssertionFailure() << Beschreibung(a) << " overlaps " << Beschreibung(b);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Gedruckt(const std::vector<Kasten>& kaesten, const std::string& text) {
  const std::vector<std::string> soll = Woerter(text);
  std::size_t weitest = 0;
  // From every text that begins the words, whole texts in drawing order must take up the rest.
  for (std::size_t anfang = 0; anfang < kaesten.size(); ++anfang) {
    std::size_t i = 0;
    for (std::size_t k = anfang; k < kaesten.size() && i < soll.size(); ++k) {
      const std::vector<std::string> w = Woerter(kaesten[k].text);
      const bool passt = !w.empty() && i + w.size() <= soll.size() &&
                         std::equal(w.begin(), w.end(), soll.begin() + static_cast<long>(i));
      if (passt) i += w.size();
      if (k == anfang && !passt) break;
    }
    if (i == soll.size() && !soll.empty()) return ::testing::AssertionSuccess();
    weitest = std::max(weitest, i);
  }
  return ::testing::AssertionFailure() << "'" << text << "' printed only up to word " << weitest << " of "
                                       << soll.size();
}

std::vector<std::string> TexteDerSeite(const std::vector<Kasten>& kaesten, int seite) {
  std::vector<std::string> t;
  for (const Kasten& k : kaesten) {
    if (k.seite == seite && !k.strich && k.bild.empty()) t.push_back(k.text);
  }
  return t;
}

}  // namespace velmora::test
