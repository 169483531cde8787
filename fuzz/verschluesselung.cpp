// Enciphered class files. The transform: applied twice it is the identity, it keeps the 16
// trailer bytes, and it gives the bytes of the plain byte-by-byte definition (the
// implementation works on precomputed key blocks). Opening: a class saved by the program
// under a password P, with the input's bytes laid over the file (its check string renewed
// from P afterwards, or left as the bytes made it), opened with P or another password.
// The right password opens the class without a word, and saving it again writes the file as
// it was; a wrong one brings the warning and the question, after which either the class is
// deciphered with what was typed (No) or the cancelled prompt leaves the file's bytes (Yes).
//
// The input: option bits, the transform's and saving password P, a password typed instead
// of P, a place in the image, and the bytes laid over the image from there.
#include <algorithm>
#include <cstdint>
#include <string>

#include "classdata/verschluesselung.h"
#include "fuzzhilfen.h"

using namespace velmora;

namespace {

// The password prompt answered with `passwort`; asked again after a wrong password, it is
// cancelled (the teacher gives up).
class Passwortabfrage : public DatenPasswortDialoge {
 public:
  Passwortabfrage(Datenschutz& schutz, std::string passwort) : schutz_(schutz), passwort_(std::move(passwort)) {}
  bool ZeigePasswortAbfrage() override {
    if (gefragt_) {
      schutz_.AbfrageAbgebrochen();
      return false;
    }
    gefragt_ = true;
    schutz_.AbfrageOk(passwort_);
    return true;
  }
  bool ZeigePasswortFestlegung() override { return true; }

 private:
  Datenschutz& schutz_;
  std::string passwort_;
  bool gefragt_ = false;
};

// Counts the boxes; "Passwort erneut eingeben?" is answered with `nochmal`.
class Antworten : public Meldungen {
 public:
  explicit Antworten(bool nochmal) : nochmal_(nochmal) {}
  Antwort Zeige(MeldungsArt, const std::string&, Knoepfe knoepfe, const std::string&) override {
    ++anzahl;
    if (knoepfe == Knoepfe::Ok) return Antwort::Ok;
    return nochmal_ ? Antwort::Ja : Antwort::Nein;
  }
  int anzahl = 0;

 private:
  bool nochmal_;
};

void PruefeTransform(const Bytes& bild, bool an, const std::string& c) {
  Bytes einmal, zweimal;
  Verschluesseln(bild, einmal, an, c);
  fuzz::Pruefe(einmal.size() == TKlassenDatei::Groesse, "the transform gives a whole image");
  fuzz::Pruefe(std::equal(bild.begin() + TKlassenDatei::KennungOffset, bild.end(),
                          einmal.begin() + TKlassenDatei::KennungOffset),
               "the 16 trailer bytes stay");
  Verschluesseln(einmal, zweimal, an, c);
  fuzz::Pruefe(zweimal == bild, "the transform applied twice is the identity");

  if (!an || c.empty()) {
    fuzz::Pruefe(einmal == bild, "without a password the image stays");
    return;
  }
  // Byte p meets C[p mod |C|] and K[(6 + p) mod 15]; both indices counted along.
  static Bytes erwartet(TKlassenDatei::Groesse);
  std::copy(bild.begin(), bild.end(), erwartet.begin());
  for (std::size_t p = 0, i = 0, k = 6; p < TKlassenDatei::KennungOffset; ++p) {
    erwartet[p] ^= static_cast<std::uint8_t>(c[i]) ^ static_cast<std::uint8_t>(FesterSchluessel[k]);
    if (++i == c.size()) i = 0;
    if (++k == FesterSchluessel.size()) k = 0;
  }
  fuzz::Pruefe(einmal == erwartet, "byte p is XORed with C[p mod |C|] and K[(6 + p) mod 15]");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe e(daten, groesse);
  // Bit 0 the transform on; bit 1 the check string renewed from P after the bytes are laid
  // over the file; bit 2 P typed at the prompt, else the typed password; bit 3 Yes to the
  // question after a wrong password.
  const std::uint8_t optionen = e.Byte();
  const std::string p = e.Text(e.Byte() % (kPasswortMax + 1));
  const std::string getippt = (optionen & 4) ? p : e.Text(e.Byte() % 20);  // also longer than a password may be
  const std::size_t stelle =
      (std::size_t{e.Byte()} << 16 | std::size_t{e.Byte()} << 8 | e.Byte()) % TKlassenDatei::Groesse;
  const std::string rest = e.Rest();
  const std::size_t ueber = std::min(rest.size(), TKlassenDatei::Groesse - stelle);

  static const Bytes kVorlage = fuzz::NeueKlasse().Bild();
  static Bytes bild;
  bild = kVorlage;  // keeps its buffer from input to input
  std::copy_n(rest.begin(), ueber, bild.begin() + stelle);
  PruefeTransform(bild, optionen & 1, p);

  // The file: the new class saved under P, the input's bytes laid over it.
  Datenschutz speichern;
  speichern.AbfrageOk(p);
  Passwortabfrage keine(speichern, p);
  static TKlassenDatei klasse;
  klasse = fuzz::NeueKlasse();
  static Bytes datei;
  datei = speichern.ZumSpeichern(klasse, true, false, keine);
  std::copy_n(rest.begin(), ueber, datei.begin() + stelle);
  const bool kennungHeil = (optionen & 2) || stelle + ueber <= TKlassenDatei::KennungOffset;
  if (optionen & 2)
    std::copy(klasse.PasswortKennung.begin(), klasse.PasswortKennung.end(),
              datei.begin() + TKlassenDatei::KennungOffset);

  Datenschutz schutz;
  Passwortabfrage abfrage(schutz, getippt);
  Antworten antworten(optionen & 8);
  static TKlassenDatei geoeffnet;
  const Entschluesselung stand = schutz.NachDemOeffnen(datei, geoeffnet, true, abfrage, antworten);
  const bool angenommen = antworten.anzahl == 0;
  if (kennungHeil) {
    fuzz::Pruefe(angenommen == (getippt.substr(0, kPasswortMax) == p),
                 "the check string the file was saved with takes its password and no other");
  }
  if (angenommen) {
    fuzz::Pruefe(stand == Entschluesselung::Lesbar, "the right password opens the class");
    Bytes zurueck;
    Verschluesseln(geoeffnet.Bild(), zurueck, true, schutz.SchluesselPasswort());
    fuzz::Pruefe(zurueck == datei, "the class is the file deciphered");
    if (kennungHeil) {
      fuzz::Pruefe(schutz.ZumSpeichern(geoeffnet, true, false, abfrage) == datei,
                   "a class opened with its password is saved again as the file it was");
    }
    return 0;
  }
  fuzz::Pruefe(antworten.anzahl == 2, "a wrong password brings the warning and the question");
  if (optionen & 8) {
    const bool ohneKennung = datei[TKlassenDatei::KennungOffset] == 0;
    fuzz::Pruefe(stand == (ohneKennung ? Entschluesselung::Lesbar : Entschluesselung::NichtEntschluesselt),
                 "the cancelled prompt leaves the file enciphered unless it has no check string");
    fuzz::Pruefe(geoeffnet.Bild() == datei, "the cancelled prompt leaves the file's bytes");
  } else {
    fuzz::Pruefe(stand == Entschluesselung::FalschesPasswort, "No deciphers with the wrong password");
    Bytes zurueck;
    Verschluesseln(geoeffnet.Bild(), zurueck, true, schutz.SchluesselPasswort());
    fuzz::Pruefe(zurueck == datei, "the class is the file deciphered with what was typed");
  }
  return 0;
}
