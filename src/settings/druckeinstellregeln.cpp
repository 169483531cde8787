#include "settings/druckeinstellregeln.h"

#include <cstdint>
#include <limits>

#include "basis/cp1252.h"
#include "basis/fehlerbox.h"

namespace velmora {

namespace {

std::int16_t Flag(bool an) { return an ? 1 : 0; }
bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

}  // namespace

RandZahl LiesRandZahl(std::string_view text) {
  if (text.empty()) return {};
  const RandZahl abgelehnt{0, true};
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negativ = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';

  // The mantissa as its significant digits and the count of digits after the point.
  std::string ziffern;
  std::int64_t nachkomma = 0;
  bool punkt = false, zifferGesehen = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (IstZiffer(c)) {
      zifferGesehen = true;
      if (punkt) ++nachkomma;
      if (!ziffern.empty() || c != '0') ziffern.push_back(c);  // leading zeros carry no value
    } else if (c == '.' && !punkt) {
      punkt = true;
    } else {
      break;
    }
  }
  if (!zifferGesehen) return abgelehnt;

  // Exponent, saturated far beyond any value that matters.
  constexpr std::int64_t kGrenze = 1'000'000'000;
  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool expNegativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegativ = text[i++] == '-';
    if (i >= text.size() || !IstZiffer(text[i])) return abgelehnt;
    for (; i < text.size() && IstZiffer(text[i]); ++i) {
      if (exponent < kGrenze) exponent = exponent * 10 + (text[i] - '0');
    }
    if (expNegativ) exponent = -exponent;
  }
  if (i != text.size()) return abgelehnt;
  if (ziffern.empty()) return {};  // zero, whatever its exponent

  // Digits before the point of the value: the significant digits moved by the exponent
  // less the digits that stood after the point (trailing zeros of those count too).
  std::int64_t ganzstellen = static_cast<std::int64_t>(ziffern.size()) + exponent - nachkomma;
  if (ganzstellen <= 0) return {};  // |value| < 1 truncates to 0
  if (ganzstellen > 10) return abgelehnt;
  std::int64_t betrag = 0;
  for (std::int64_t k = 0; k < ganzstellen; ++k) {
    betrag = betrag * 10 + (k < static_cast<std::int64_t>(ziffern.size()) ? ziffern[k] - '0' : 0);
  }
  std::int64_t wert = negativ ? -betrag : betrag;
  if (wert < std::numeric_limits<std::int32_t>::min() || wert > std::numeric_limits<std::int32_t>::max()) {
    return abgelehnt;
  }
  return {static_cast<std::int32_t>(wert), false};
}

std::string RandEingabefehlerText() { return T("Für die  Ränder sind nur ganze Zahlen\r zugelassen!"); }

DrkFormWerte DruckEinstellRegeln::Werte(const TDruckEinstellungen& s) {
  DrkFormWerte w;
  for (std::size_t i = 0; i < kRandAnzahl; ++i) w.Raender[i] = std::to_string(s.Raender[i]);
  w.Zeilenhoehe = std::to_string(s.Zeilenhoehe);
  w.AlleInWorten = s.AlleInWorten == 1;
  w.MitRahmen = s.MitRahmen == 1;
  w.NurInnen = s.NurInnen == 1;
  w.DruckReserve1 = s.DruckReserve1 == 1;
  w.MitEinstellecke = s.MitEinstellecke == 1;
  w.Druckart = s.Druckart >= 0 && s.Druckart <= 4 ? s.Druckart : -1;
  return w;
}

DrkFormWerte DruckEinstellRegeln::BeimZeigen() {
  MitFehlerbox(m_, [&] { e_.Laden(); });
  return Werte(e_.Satz());
}

DrkFormWerte DruckEinstellRegeln::StandardHerstellen() {
  e_.Satz().StandardHerstellen();
  return Werte(e_.Satz());
}

std::int32_t DruckEinstellRegeln::Zahl(const std::string& text) {
  RandZahl z = LiesRandZahl(text);
  if (z.Abgelehnt) m_.Zeige(MeldungsArt::Fehler, RandEingabefehlerText(), Knoepfe::Ok, "Eingabefehler");
  return z.Wert;
}

bool DruckEinstellRegeln::Uebernehmen(const DrkFormWerte& w) {
  auto& s = e_.Satz();
  for (std::size_t i = 0; i < kRandAnzahl; ++i) s.Raender[i] = Zahl(w.Raender[i]);
  s.Zeilenhoehe = Zahl(w.Zeilenhoehe);
  s.AlleInWorten = Flag(w.AlleInWorten);
  s.MitRahmen = Flag(w.MitRahmen);
  s.NurInnen = Flag(w.NurInnen);
  s.DruckReserve1 = Flag(w.DruckReserve1);
  s.MitEinstellecke = Flag(w.MitEinstellecke);
  if (w.Druckart >= 0) s.Druckart = static_cast<std::int16_t>(w.Druckart);  // no item selected: kept
  return MitFehlerbox(m_, [&] { e_.Speichern(); });
}

}  // namespace velmora
