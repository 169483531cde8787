#include "settings/programmeinstellungen.h"

#include <algorithm>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "basis/felder.h"
#include "classdata/verschluesselung.h"

namespace velmora {

namespace {

constexpr std::size_t kPasswortOffset = 14;

std::string Entwuerfle(const Bytes& bild) {
  std::size_t laenge = std::min<std::size_t>(bild[kPasswortOffset], kPasswortMax);
  std::string passwort(laenge, '\0');
  for (std::size_t i = 0; i < laenge; ++i) {
    passwort[i] = static_cast<char>(bild[kPasswortOffset + 1 + i] ^ static_cast<std::uint8_t>(FesterSchluessel[i]));
  }
  return passwort;
}

}  // namespace

void TProgrammEinstellungen::StandardHerstellen() {
  DatenVerschluesseln = 1;
  Reserve1 = Reserve2 = Reserve3 = 0;
  Verlag = 1;
}

Bytes TProgrammEinstellungen::Bild() const {
  Bytes b(Groesse, 0);
  feld::SchreibeInt16(b, 0, MehrstufigerSchutz);
  feld::SchreibeInt16(b, 2, ImmerVerschluesseln);
  feld::SchreibeInt16(b, 4, SicherheitsReserve);
  feld::SchreibeInt16(b, 6, DatenVerschluesseln);
  feld::SchreibeInt16(b, 8, Reserve1);
  feld::SchreibeInt16(b, 10, Reserve2);
  feld::SchreibeInt16(b, 12, Reserve3);
  std::size_t laenge = std::min(KonfigPasswort.size(), kPasswortMax);
  b[kPasswortOffset] = static_cast<std::uint8_t>(laenge);
  std::fill_n(b.begin() + kPasswortOffset + 1, kPasswortMax, ' ');
  for (std::size_t i = 0; i < laenge; ++i) {
    b[kPasswortOffset + 1 + i] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(KonfigPasswort[i]) ^
                                                           static_cast<std::uint8_t>(FesterSchluessel[i]));
  }
  feld::SchreibeInt16(b, 30, Verlag);
  return b;
}

TProgrammEinstellungen TProgrammEinstellungen::AusBild(const Bytes& b) {
  TProgrammEinstellungen s;
  s.MehrstufigerSchutz = feld::LiesInt16(b, 0);
  s.ImmerVerschluesseln = feld::LiesInt16(b, 2);
  s.SicherheitsReserve = feld::LiesInt16(b, 4);
  s.DatenVerschluesseln = feld::LiesInt16(b, 6);
  s.Reserve1 = feld::LiesInt16(b, 8);
  s.Reserve2 = feld::LiesInt16(b, 10);
  s.Reserve3 = feld::LiesInt16(b, 12);
  s.KonfigPasswort = Entwuerfle(b);
  s.Verlag = feld::LiesInt16(b, 30);
  return s;
}

void ProgrammEinstellungen::Laden() {
  satz_.StandardHerstellen();
  auto ausSicherung = [this] {
    TProgrammEinstellungen kopie =
        TProgrammEinstellungen::AusBild(LiesDatensatz(kEinstellSicherung, TProgrammEinstellungen::Groesse));
    satz_.KonfigPasswort = kopie.KonfigPasswort;
    satz_.MehrstufigerSchutz = kopie.MehrstufigerSchutz;
    satz_.ImmerVerschluesseln = kopie.ImmerVerschluesseln;
    satz_.SicherheitsReserve = kopie.SicherheitsReserve;
  };
  if (DateiExistiert(kEinstellDatei) || std::filesystem::is_directory(Pfad(kEinstellDatei))) {
    Bytes bild;
    try {
      bild = LiesDatensatz(kEinstellDatei, TProgrammEinstellungen::Groesse);
    } catch (const EAFehler&) {
      // The safety copy is now the only copy of the password: keep it and take from it.
      if (DateiExistiert(kEinstellSicherung)) {
        try {
          ausSicherung();
        } catch (const EAFehler&) {
        }
      }
      throw;
    }
    // The record counts whatever happens to its safety copy: a copy that cannot be written
    // must not lose the password or the protection.
    satz_ = TProgrammEinstellungen::AusBild(bild);
    try {
      SchreibeDatensatz(kEinstellSicherung, bild);
    } catch (const EAFehler& f) {
      throw SicherungskopieFehler(f.Nummer());
    }
  } else if (DateiExistiert(kEinstellSicherung)) {
    ausSicherung();
  } else {
    satz_.KonfigPasswort.clear();
    satz_.MehrstufigerSchutz = satz_.ImmerVerschluesseln = satz_.SicherheitsReserve = 0;
  }
}

void ProgrammEinstellungen::Speichern() const {
  SchreibeDatensatz(kEinstellDatei, satz_.Bild(), Schreibart::Ueberschreiben);
}

bool ProgrammEinstellungen::PasswortDlgOk(const std::string& eingabe) {
  if (eingabe == satz_.KonfigPasswort) {
    eingegeben_ = eingabe;
    return true;
  }
  eingegeben_.clear();
  return false;
}

bool ProgrammEinstellungen::PwAendernOk(const std::string& erste, const std::string& zweite, Meldungen& m) {
  if (erste == zweite && erste.size() >= 4) {
    satz_.KonfigPasswort = erste.substr(0, kPasswortMax);
    return true;
  }
  m.Fehler(
      T("Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!\r"
        "Das Konfigurationspasswort wurde NICHT geändert!"));
  return false;
}

void EinstellungenLadenMitMeldung(ProgrammEinstellungen& e, Meldungen& m) {
  try {
    e.Laden();
  } catch (const SicherungskopieFehler& f) {
    m.Fehler(T("Die Sicherungskopie VLMEINST.BAK der Programmeinstellungen konnte nicht geschrieben werden:\r") +
             EAFehlerText(f.Nummer()));
  } catch (const EAFehler& f) {
    m.Fehler(EAFehlerText(f.Nummer()));
  }
}

std::string VerlagName(std::int16_t verlag) {
  static const char* const kNamen[kVerlagAnzahl] = {
      "kein Verlag", "bsn Fachverl. (Spremberg)", "Fachverl. f. Schulen / Kohlhammer (Schwerin)",
      "Flöttman (Leipzig; Paschwitz/Eilenburg)", "Bild. u. Verw. in MV (Neubrandenburg)"};
  return T(kNamen[verlag >= 1 && verlag < kVerlagAnzahl ? verlag : 0]);
}

bool KonfigZugangPruefen(ProgrammEinstellungen& e, KonfigPasswortDialoge& d, Meldungen& m) {
  if (!e.ZugangFrei()) d.ZeigePasswortDlg();
  if (!e.ZugangFrei()) {
    m.Fehler(T("Sie sind nicht berechtigt im\rKonfigurationsbereich zu arbeiten!"));
    return false;
  }
  return true;
}

}  // namespace velmora
