#include "print/druckabschluss.h"

#include "basis/cp1252.h"

namespace velmora {

std::string GespeichertInText(const std::string& datei) {
  return T("Der Ausdruck wurde gespeichert in der Datei\r") + datei;
}

void MeldeDruckabschluss(Meldungen& meldungen, DruckFlaeche& flaeche, const Sitzungsende& ende,
                         const std::string& text) {
  if (!ende.vollstaendig) return;
  if (ende.datei.empty()) {
    if (!text.empty()) meldungen.Information(text);
    return;
  }
  const std::string gesamt = (text.empty() ? std::string() : text + "\r\r") + GespeichertInText(ende.datei);
  if (meldungen.Zeige(MeldungsArt::Information, gesamt, Knoepfe::OkOrdnerOeffnen) == Antwort::OrdnerOeffnen) {
    flaeche.OeffneOrdnerDerLetztenDatei();
  }
}

}  // namespace velmora
