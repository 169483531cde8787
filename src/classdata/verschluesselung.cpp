#include "classdata/verschluesselung.h"

#include <algorithm>

#include "basis/cp1252.h"

namespace velmora {

void Verschluesseln(const Bytes& quelle, Bytes& ziel, bool an, const std::string& c) {
  ziel.resize(TKlassenDatei::Groesse);
  std::copy_n(quelle.begin(), TKlassenDatei::Groesse, ziel.begin());
  if (!an || c.empty()) return;
  const std::size_t lc = c.size();
  const std::size_t lk = FesterSchluessel.size();
  std::size_t i = 0;  // position in C, from 0
  std::size_t k = 6;  // position in K: its seventh character
  for (std::size_t p = 0; p < TKlassenDatei::KennungOffset; ++p) {
    ziel[p] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c[i]) ^ quelle[p] ^
                                        static_cast<std::uint8_t>(FesterSchluessel[k]));
    if (++i == lc) i = 0;
    if (++k == lk) k = 0;
  }
}

std::size_t KennungsLaenge(const TKlassenDatei& klasse) {
  return std::min<std::size_t>(klasse.PasswortKennung[0], kPasswortMax);
}

void Datenschutz::AbfrageOk(const std::string& eingabe) { p_ = eingabe.substr(0, kPasswortMax); }

void Datenschutz::AbfrageAbgebrochen() { p_.clear(); }

bool Datenschutz::FestlegungOk(const std::string& erste, const std::string& zweite, Meldungen& m) {
  if (erste == zweite && erste.size() >= 4) {
    p_ = erste.substr(0, kPasswortMax);
    return true;
  }
  m.Fehler(T("Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!"));
  return false;
}

bool Datenschutz::NachDemOeffnen(const Bytes& bild, TKlassenDatei& klasse, bool verschluesseln,
                                 DatenPasswortDialoge& dialoge, Meldungen& m) {
  if (!verschluesseln || !dialoge.ZeigePasswortAbfrage()) {
    klasse = TKlassenDatei::AusBild(bild);
    return false;
  }
  const std::uint8_t* kennung = bild.data() + TKlassenDatei::KennungOffset;
  const std::size_t l = std::min<std::size_t>(kennung[0], kPasswortMax);
  c_ = p_;
  for (std::size_t j = 0; j < std::min(l, p_.size()); ++j) {
    c_[j] = static_cast<char>(static_cast<std::uint8_t>(p_[j]) ^ static_cast<std::uint8_t>(FesterSchluessel[j]));
  }
  // Right exactly when the lengths agree and the first L characters match.
  bool falsch = kennung[0] != c_.size();
  for (std::size_t j = 0; j < l && !falsch; ++j) {
    falsch = j >= c_.size() || kennung[1 + j] != static_cast<std::uint8_t>(c_[j]);
  }
  if (falsch) {
    m.Fehler(T("Das eingegebene Passwort ist FALSCH!\r\rDie Daten können nicht richtig entschlüsselt werden!\r"
               "Speichern Sie falsch entschlüsselte Daten NIEMALS ab!\rEs besteht die Gefahr eines "
               "vollständigen Datenverlustes!"));
  }
  Bytes klar;
  Verschluesseln(bild, klar, verschluesseln, c_);
  klasse = TKlassenDatei::AusBild(klar);
  return falsch;
}

void Datenschutz::FuerNeueKlasse(TKlassenDatei& klasse, bool verschluesseln) const {
  if (!verschluesseln) {
    klasse.PasswortKennung[0] = 0;
    return;
  }
  // The check string keeps its length; its first characters become P XOR K.
  for (std::size_t j = 0; j < p_.size() && j < kPasswortMax; ++j) {
    klasse.PasswortKennung[1 + j] =
        static_cast<std::uint8_t>(static_cast<std::uint8_t>(p_[j]) ^ static_cast<std::uint8_t>(FesterSchluessel[j]));
  }
}

Bytes Datenschutz::ZumSpeichern(TKlassenDatei& klasse, bool verschluesseln, bool festlegen,
                                DatenPasswortDialoge& dialoge) {
  if (verschluesseln && festlegen) {
    while (!dialoge.ZeigePasswortFestlegung()) {
    }
  }
  // C = P XOR K; the check string is K with C over its start.
  c_.assign(p_.size(), '\0');
  for (std::size_t j = 0; j < p_.size(); ++j) {
    c_[j] = static_cast<char>(static_cast<std::uint8_t>(p_[j]) ^ static_cast<std::uint8_t>(FesterSchluessel[j]));
  }
  for (std::size_t j = 1; j < 16; ++j) klasse.PasswortKennung[j] = static_cast<std::uint8_t>(FesterSchluessel[j - 1]);
  klasse.PasswortKennung[0] = static_cast<std::uint8_t>(c_.size());
  for (std::size_t j = 0; j < c_.size(); ++j) klasse.PasswortKennung[1 + j] = static_cast<std::uint8_t>(c_[j]);
  Bytes bild;
  Verschluesseln(klasse.Bild(), bild, verschluesseln, c_);
  return bild;
}

}  // namespace velmora
