#include "settings/einstellregeln.h"
#include "basis/fehlerbox.h"

#include "basis/cp1252.h"
#include "basis/eafehler.h"

namespace velmora {

namespace {
std::int16_t Flag(bool an) { return an ? 1 : 0; }
}  // namespace

EinstellformWerte Einstellregeln::Werte(const TProgrammEinstellungen& s) {
  EinstellformWerte w;
  w.DatenVerschluesseln = s.DatenVerschluesseln == 1;
  w.Reserve1 = s.Reserve1 == 1;
  w.Reserve2 = s.Reserve2 == 1;
  w.Reserve3 = s.Reserve3 == 1;
  w.Verlag = s.Verlag >= 0 && s.Verlag <= 4 ? s.Verlag : -1;
  w.MehrstufigerSchutz = s.MehrstufigerSchutz == 1;
  w.ImmerVerschluesseln = s.ImmerVerschluesseln == 1;
  w.SicherheitsReserve = s.SicherheitsReserve == 1;
  return w;
}

EinstellformWerte Einstellregeln::BeimZeigen() {
  EinstellungenLadenMitMeldung(e_, m_);
  const auto& s = e_.Satz();
  offenSchutz_ = s.MehrstufigerSchutz;
  offenImmer_ = s.ImmerVerschluesseln;
  offenReserve_ = s.SicherheitsReserve;
  return Werte(s);
}

EinstellformWerte Einstellregeln::StandardHerstellen() {
  e_.Satz().StandardHerstellen();
  return Werte(e_.Satz());
}

void Einstellregeln::PasswortAendern() {
  d_.ZeigePasswortDlg();
  if (!e_.ZugangFrei()) {
    m_.Fehler(T("Sie sind nicht berechtigt den\rsicherheitsrelevanten Teil\rder Konfiguration zu betreten!"));
    return;
  }
  if (d_.ZeigePwAendern()) {
    e_.Satz().MehrstufigerSchutz = 1;
    offenSchutz_ = 1;
  }
}

bool Einstellregeln::Uebernehmen(const EinstellformWerte& w) {
  auto& s = e_.Satz();
  s.MehrstufigerSchutz = Flag(w.MehrstufigerSchutz);
  s.ImmerVerschluesseln = Flag(w.ImmerVerschluesseln);
  s.SicherheitsReserve = Flag(w.SicherheitsReserve);
  const bool sicherheitGeaendert = s.MehrstufigerSchutz != offenSchutz_ || s.ImmerVerschluesseln != offenImmer_ ||
                                   s.SicherheitsReserve != offenReserve_;
  if (offenSchutz_ == 1 && sicherheitGeaendert) {
    d_.ZeigePasswortDlg();
    if (!e_.ZugangFrei()) {
      s.MehrstufigerSchutz = offenSchutz_;
      s.ImmerVerschluesseln = offenImmer_;
      s.SicherheitsReserve = offenReserve_;
      m_.Fehler(
          T("Sie sind nicht berechtigt im sicher-\rheitsrelevanten Teil der Konfiguration\r"
            "Änderungen vorzunehmen!"));
    }
  } else if (offenSchutz_ != 1 && s.MehrstufigerSchutz == 1) {
    d_.ZeigePwAendern();
  }
  s.DatenVerschluesseln = Flag(w.DatenVerschluesseln);
  s.Reserve1 = Flag(w.Reserve1);
  s.Reserve2 = Flag(w.Reserve2);
  s.Reserve3 = Flag(w.Reserve3);
  if (w.Verlag >= 0) s.Verlag = static_cast<std::int16_t>(w.Verlag);  // no item selected: kept
  return MitFehlerbox(m_, [&] { e_.Speichern(); });
}

}  // namespace velmora
