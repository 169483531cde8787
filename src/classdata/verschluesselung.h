#pragma once
// Encipherment of class files under a data password: the XOR transform, the check
// string in the file's trailer and the password steps of opening, a new class and saving.
#include <string>

#include "basis/meldungen.h"
#include "classdata/schuelerdatensatz.h"

namespace velmora {

// The fixed key that scrambles the data password and the configuration password.
inline constexpr std::string_view FesterSchluessel = "w#5ke8r)ta2q!h7";
inline constexpr std::size_t kPasswortMax = 15;

// The transform: a copy of `quelle`; with `an` set and a non-empty `c`, each of the
// 199220 record bytes is XORed with the cycling password C (from its first character)
// and the cycling fixed key (from its seventh character). The check string stays.
// The same call enciphers and deciphers.
void Verschluesseln(const Bytes& quelle, Bytes& ziel, bool an, const std::string& c);

// The two password windows as the logic needs them.
class DatenPasswortDialoge {
 public:
  virtual ~DatenPasswortDialoge() = default;
  // TDatPasswDlg: true when closed with OK. Its handlers set the data password.
  virtual bool ZeigePasswortAbfrage() = 0;
  // TDatPwdAendDlg: true when closed with OK.
  virtual bool ZeigePasswortFestlegung() = 0;
};

// How a class came into memory when it was opened.
enum class Entschluesselung {
  Lesbar,              // plain, or deciphered with the right password
  FalschesPasswort,    // deciphered with a password whose check string does not match
  NichtEntschluesselt  // enciphered file, prompt cancelled: the records are the file's bytes
};

// The data password P and the transform's password C, shared by every class of a run.
class Datenschutz {
 public:
  const std::string& DatenPasswort() const { return p_; }
  const std::string& SchluesselPasswort() const { return c_; }

  // Handlers of the password windows.
  void AbfrageOk(const std::string& eingabe);  // P := first 15 characters
  void AbfrageAbgebrochen();                   // P := empty
  // OK of the definition window: equal entries of at least 4 characters.
  bool FestlegungOk(const std::string& erste, const std::string& zweite, Meldungen& m);

  // Opening: the image read from the file into the class in memory. A cancelled prompt on
  // a file whose check string is not empty leaves the records enciphered. After the warning
  // about a wrong password the question "Passwort erneut eingeben?" brings the prompt back
  // (Ja), as often as the teacher likes; No deciphers with the wrong password.
  Entschluesselung NachDemOeffnen(const Bytes& bild, TKlassenDatei& klasse, bool verschluesseln,
                                  DatenPasswortDialoge& dialoge, Meldungen& m);
  // "Neu": the check string of the new class.
  void FuerNeueKlasse(TKlassenDatei& klasse, bool verschluesseln) const;
  // Saving: asks for a new password when `festlegen` is due, sets C and the check
  // string, and returns the image to write.
  Bytes ZumSpeichern(TKlassenDatei& klasse, bool verschluesseln, bool festlegen, DatenPasswortDialoge& dialoge);

 private:
  std::string p_;
  std::string c_;
};

// Length of a stored check string, at most 15.
std::size_t KennungsLaenge(const TKlassenDatei& klasse);

}  // namespace velmora
