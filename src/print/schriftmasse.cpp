#include "print/schriftmasse.h"

#include "print/dateiname.h"
#include "print/zeilenpuffer.h"

namespace velmora {
namespace {

bool Leer(char z) { return z == ' ' || z == '\r' || z == '\n'; }

// The text up to its NUL, with control characters other than CR and LF as blanks (the
// wrap would end at them).
std::string Bereinigt(std::string_view text) {
  std::string t;
  for (char z : text) {
    if (z == '\0') break;
    t.push_back(static_cast<unsigned char>(z) < 32 && z != '\r' && z != '\n' ? ' ' : z);
  }
  return t;
}

// The characters a reader sees, in order: everything but blanks and line ends.
std::string Sichtbar(std::string_view text) {
  std::string s;
  for (char z : text) {
    if (!Leer(z)) s.push_back(z);
  }
  return s;
}

void OhneLeereEndzeilen(std::vector<std::string>& zeilen) {
  while (!zeilen.empty() && zeilen.back().empty()) zeilen.pop_back();
}

// Word by word by measured width; a word wider than the line is cut where it no longer
// fits (at least one character per line).
std::vector<std::string> UmbrecheWortweise(const std::string& text, const TSchriftDefinition& schrift, double breite) {
  std::vector<std::string> zeilen;
  std::string absatz;
  const auto passt = [&](const std::string& s) { return TextBreite(schrift, s) <= breite; };
  const auto absatzEnde = [&] {
    std::string zeile;
    std::size_t i = 0;
    while (i < absatz.size()) {
      while (i < absatz.size() && absatz[i] == ' ') ++i;
      std::size_t ende = absatz.find(' ', i);
      if (ende == std::string::npos) ende = absatz.size();
      std::string wort = absatz.substr(i, ende - i);
      i = ende;
      if (wort.empty()) continue;
      if (!zeile.empty() && passt(zeile + " " + wort)) {
        zeile += " " + wort;
        continue;
      }
      if (!zeile.empty()) zeilen.push_back(zeile);
      zeile.clear();
      for (char z : wort) {
        if (!zeile.empty() && !passt(zeile + z)) {
          zeilen.push_back(zeile);
          zeile.clear();
        }
        zeile.push_back(z);
      }
    }
    zeilen.push_back(zeile);
    absatz.clear();
  };
  for (char z : text) {
    if (z == '\r') {
      absatzEnde();
    } else if (z != '\n') {
      absatz.push_back(z);
    }
  }
  absatzEnde();
  return zeilen;
}

}  // namespace

const TSchriftMasse& SchriftMasseVon(const TSchriftDefinition& schrift) {
  const std::size_t gesicht = schrift.Name == "Courier New" ? 0 : schrift.Name == "Times New Roman" ? 1 : 2;
  const std::size_t stil = schrift.Stil & (kStilFett | kStilKursiv);
  return kSchriftMasse[gesicht][stil];
}

double TextBreite(const TSchriftDefinition& schrift, std::string_view text, int zeichenabstand) {
  const TSchriftMasse& m = SchriftMasseVon(schrift);
  double einheiten = 0;
  for (char z : text) {
    const auto b = static_cast<unsigned char>(z);
    if (b >= 32) einheiten += m.Vorschub[b - 32u];
  }
  const double zelle = m.Oberlaenge + m.Unterlaenge;
  return einheiten * schrift.Hoehe / zelle + static_cast<double>(zeichenabstand) * static_cast<double>(text.size());
}

double UnterlaengeHoehe(const TSchriftDefinition& schrift) {
  const TSchriftMasse& m = SchriftMasseVon(schrift);
  return static_cast<double>(schrift.Hoehe) * m.Unterlaenge / (m.Oberlaenge + m.Unterlaenge);
}

std::vector<std::string> UmbrecheNachBreite(std::string_view text, const TSchriftDefinition& schrift, double breite) {
  const std::string t = Bereinigt(text);
  const std::string soll = Sichtbar(t);
  if (soll.empty()) return {};
  std::vector<std::string> zeilen;
  if (t.size() < 2) {
    zeilen.push_back(t);  // the wrap prints nothing of a single character
  } else {
    // Every line holds at least one character, so the text cannot need more lines than it
    // has characters.
    TZeilenpuffer puffer(t.size() + 1);
    for (std::size_t w = TZeilenpuffer::ZeilenLaenge; w >= 1 && zeilen.empty(); --w) {
      UmbrecheText(t, puffer.Anzahl(), w, puffer);
      std::vector<std::string> versuch;
      std::string gelesen;
      bool passt = true;
      for (std::size_t i = 0; i < puffer.Anzahl(); ++i) {
        versuch.push_back(OhneRandblanks(puffer.Zeile(i)));
        gelesen += Sichtbar(versuch.back());
        passt = passt && TextBreite(schrift, versuch.back()) <= breite;
      }
      if (passt && gelesen == soll) zeilen = std::move(versuch);
    }
    if (zeilen.empty()) zeilen = UmbrecheWortweise(t, schrift, breite);
  }
  for (std::string& z : zeilen) z = OhneRandblanks(z);
  OhneLeereEndzeilen(zeilen);
  return zeilen;
}

}  // namespace velmora
