#pragma once
// Program settings "VLMEINST.DAT" with the safety copy "VLMEINST.BAK", and the
// configuration password that guards the subject lists and the security options.
#include <cstdint>
#include <string>

#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "basis/meldungen.h"

namespace velmora {

inline constexpr const char* kEinstellDatei = "VLMEINST.DAT";
inline constexpr const char* kEinstellSicherung = "VLMEINST.BAK";

struct TProgrammEinstellungen {
  static constexpr std::size_t Groesse = 32;
  std::int16_t MehrstufigerSchutz = 0;
  std::int16_t ImmerVerschluesseln = 0;
  std::int16_t SicherheitsReserve = 0;
  std::int16_t DatenVerschluesseln = 1;
  std::int16_t Reserve1 = 0;
  std::int16_t Reserve2 = 0;
  std::int16_t Reserve3 = 0;
  std::string KonfigPasswort;  // plain, at most 15 characters
  std::int16_t Verlag = 1;

  // "Standard herstellen": leaves the password and the three security options alone.
  void StandardHerstellen();
  bool Verschluesseln() const { return DatenVerschluesseln == 1; }

  // The file record: the password scrambled with the fixed key, blanks behind it.
  Bytes Bild() const;
  // A stored length above 15 is read as 15, so the reader stays inside the field.
  static TProgrammEinstellungen AusBild(const Bytes& bild);
};

// "VLMEINST.DAT" was read and taken, but its safety copy "VLMEINST.BAK" could not be written.
class SicherungskopieFehler : public EAFehler {
 public:
  using EAFehler::EAFehler;
};

// The record for the whole run and the configuration password entered in it.
class ProgrammEinstellungen {
 public:
  TProgrammEinstellungen& Satz() { return satz_; }
  const TProgrammEinstellungen& Satz() const { return satz_; }

  // Load: defaults, then "VLMEINST.DAT" (refreshing the safety copy from it) or only the
  // password and security options from "VLMEINST.BAK". A main file that cannot be read
  // leaves the safety copy untouched; the password then comes from the copy and the
  // error is thrown afterwards. A safety copy that cannot be written throws
  // SicherungskopieFehler after the main file's record has been taken.
  void Laden();
  // Save: "VLMEINST.DAT" opened for update or created; the safety copy is not touched.
  void Speichern() const;

  const std::string& EingegebenesPasswort() const { return eingegeben_; }
  bool ZugangFrei() const { return eingegeben_ == satz_.KonfigPasswort; }

  // Handlers of the password prompt TPasswordDlg: true when it closes with OK.
  bool PasswortDlgOk(const std::string& eingabe);
  void PasswortDlgAbbrechen() { eingegeben_.clear(); }
  // OK of Tpwaendern: true when the new password was taken.
  bool PwAendernOk(const std::string& erste, const std::string& zweite, Meldungen& m);

 private:
  TProgrammEinstellungen satz_;
  std::string eingegeben_;
};

// The prompt window as the access checks need it.
class KonfigPasswortDialoge {
 public:
  virtual ~KonfigPasswortDialoge() = default;
  virtual bool ZeigePasswortDlg() = 0;  // TPasswordDlg
  virtual bool ZeigePwAendern() = 0;    // Tpwaendern
};

// Load with its errors shown in the "Fehler" box (a failed safety copy named as such).
void EinstellungenLadenMitMeldung(ProgrammEinstellungen& e, Meldungen& m);

// The form publishers as the radio group "Verlag" names them: 0 "kein Verlag" to 4; every
// value outside 1..4 prints the forms without a publisher's digit and is "kein Verlag".
inline constexpr int kVerlagAnzahl = 5;
std::string VerlagName(std::int16_t verlag);

// The configuration access check of the subject-list commands.
bool KonfigZugangPruefen(ProgrammEinstellungen& e, KonfigPasswortDialoge& d, Meldungen& m);

}  // namespace velmora
