#include "settings/schulidentregeln.h"

#include "basis/fehlerbox.h"

namespace velmora {

SchulIdentWerte SchulIdentRegeln::BeimZeigen() {
  MitFehlerbox(m_, [&] { s_.Laden(); });
  const auto& s = s_.Satz();
  return {s.Zeugnisname, s.SchulnameReserve, s.Kurzname};
}

bool SchulIdentRegeln::Uebernehmen(const SchulIdentWerte& w) {
  s_.Satz().Setze(w.Zeugnisname, w.SchulnameReserve, w.Kurzname);
  return MitFehlerbox(m_, [&] { s_.Speichern(); });
}

}  // namespace velmora
