#include "basis/eafehler.h"

#include <cerrno>

#include "basis/cp1252.h"

namespace velmora {

EAFehler::EAFehler(int nummer) : std::runtime_error("E/A-Fehler " + std::to_string(nummer)), nummer_(nummer) {}

std::string EAFehlerText(int nummer) {
  switch (nummer) {
    case ea::DateiNichtGefunden:
      return T("Datei nicht gefunden");
    case ea::UngueltigerDateiname:
      return T("Ungültiger Dateiname");
    case ea::ZuVieleDateien:
      return T("Zu viele geöffnete Dateien");
    case ea::ZugriffVerweigert:
      return T("Dateizugriff verweigert");
    case ea::HinterDateiende:
      return T("Versuch hinter dem Dateiende zu lesen");
    case ea::ZuWenigSpeicher:
      return T("Zu wenig Speicherplatz");
    case ea::UngueltigeZahl:
      return T("Ungültige numerische Eingabe");
    default:
      return "E/A-Fehler " + std::to_string(nummer);
  }
}

int EAFehlerAusErrno(int e) {
  switch (e) {
    case ENOENT:
    case ENOTDIR:
      return ea::DateiNichtGefunden;
    case EINVAL:
    case ENAMETOOLONG:
    case EILSEQ:
      return ea::UngueltigerDateiname;
    case EMFILE:
    case ENFILE:
      return ea::ZuVieleDateien;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case EBUSY:
      return ea::ZugriffVerweigert;
    case ENOSPC:
    case ENOMEM:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return ea::ZuWenigSpeicher;
    default:
      return e == 0 ? ea::ZugriffVerweigert : e;
  }
}

void WirfEAFehlerAusErrno() { throw EAFehler(EAFehlerAusErrno(errno)); }

}  // namespace velmora
