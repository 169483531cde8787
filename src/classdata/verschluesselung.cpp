#include "classdata/verschluesselung.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "basis/cp1252.h"

namespace velmora {

void Verschluesseln(const Bytes& quelle, Bytes& ziel, bool an, const std::string& c) {
  ziel.resize(TKlassenDatei::Groesse);
  if (!an || c.empty()) {
    std::copy_n(quelle.begin(), TKlassenDatei::Groesse, ziel.begin());
    return;
  }
  // Byte p meets C[p mod |C|] and K[(6 + p) mod 15]: the combined key repeats every
  // lcm(|C|, 15) bytes. One block of whole periods is laid out once, so the pass over
  // the records is a plain XOR of two arrays that the compiler vectorises.
  const std::size_t lc = std::min(c.size(), kPasswortMax);
  const std::size_t lk = FesterSchluessel.size();
  const std::size_t periode = std::lcm(lc, lk);
  constexpr std::size_t kBlockPerioden = 64;
  std::array<std::uint8_t, 15 * 14 * kBlockPerioden> schluessel;  // lcm(|C|, 15) <= 210
  const std::size_t block = periode * kBlockPerioden;
  for (std::size_t j = 0, i = 0, k = 6; j < periode; ++j) {
    schluessel[j] =
        static_cast<std::uint8_t>(static_cast<std::uint8_t>(c[i]) ^ static_cast<std::uint8_t>(FesterSchluessel[k]));
    if (++i == lc) i = 0;
    if (++k == lk) k = 0;
  }
  for (std::size_t fertig = periode; fertig < block; fertig *= 2) {
    std::copy_n(schluessel.begin(), std::min(fertig, block - fertig), schluessel.begin() + fertig);
  }
  const std::uint8_t* s = quelle.data();
  std::uint8_t* d = ziel.data();
  const std::size_t n = TKlassenDatei::KennungOffset;
  std::size_t p = 0;
  for (; p + block <= n; p += block) {
    for (std::size_t j = 0; j < block; ++j) d[p + j] = s[p + j] ^ schluessel[j];
  }
  for (std::size_t j = 0; p + j < n; ++j) d[p + j] = s[p + j] ^ schluessel[j];
  // The check string stays as it is.
  std::copy_n(quelle.begin() + n, TKlassenDatei::Groesse - n, ziel.begin() + n);
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

Entschluesselung Datenschutz::NachDemOeffnen(const Bytes& bild, TKlassenDatei& klasse, bool verschluesseln,
                                             DatenPasswortDialoge& dialoge, Meldungen& m) {
  const std::uint8_t* kennung = bild.data() + TKlassenDatei::KennungOffset;
  if (!verschluesseln) {
    klasse = TKlassenDatei::AusBild(bild);
    return Entschluesselung::Lesbar;
  }
  const std::size_t l = std::min<std::size_t>(kennung[0], kPasswortMax);
  bool falsch = true;
  // A wrong password may be tried again as often as the teacher likes, each time on the
  // image as it was read.
  while (falsch) {
    if (!dialoge.ZeigePasswortAbfrage()) {
      klasse = TKlassenDatei::AusBild(bild);
      return kennung[0] == 0 ? Entschluesselung::Lesbar : Entschluesselung::NichtEntschluesselt;
    }
    c_ = p_;
    for (std::size_t j = 0; j < std::min(l, p_.size()); ++j) {
      c_[j] = static_cast<char>(static_cast<std::uint8_t>(p_[j]) ^ static_cast<std::uint8_t>(FesterSchluessel[j]));
    }
    // Right exactly when the lengths agree and the first L characters match.
    falsch = kennung[0] != c_.size();
    for (std::size_t j = 0; j < l && !falsch; ++j) {
      falsch = j >= c_.size() || kennung[1 + j] != static_cast<std::uint8_t>(c_[j]);
    }
    if (!falsch) break;
    m.Fehler(
        T("Das eingegebene Passwort ist FALSCH!\r\rDie Daten können nicht richtig entschlüsselt werden!\r"
          "Speichern Sie falsch entschlüsselte Daten NIEMALS ab!\rEs besteht die Gefahr eines "
          "vollständigen Datenverlustes!"));
    if (!m.Frage(T("Passwort erneut eingeben?"))) break;
  }
  Bytes klar;
  Verschluesseln(bild, klar, verschluesseln, c_);
  klasse = TKlassenDatei::AusBild(klar);
  return falsch ? Entschluesselung::FalschesPasswort : Entschluesselung::Lesbar;
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
