#include "reports/weisspapier.h"

#include "reports/weisseszeugnis.h"

namespace velmora {
namespace {

class WeissDruck : public KlassenDruckauftrag {
 public:
  WeissDruck(const DruckKontext& kontext, Meldungen& meldungen, std::vector<std::size_t> schueler)
      : kontext_(kontext), tabellen_(meldungen), schueler_(std::move(schueler)) {}

  // Loads every table (and the head and statements) the students need, so that a file error
  // ends the command before anything is printed.
  void LadeTabellen() {
    for (std::size_t i : schueler_) {
      if (const auto typ = ZeugnistypVon(kontext_.Klasse().Schueler[i].Zeugnisart())) tabellen_.Fuer(*typ);
    }
    tabellen_.MeldeWarnungen();  // once for the whole class, before the print
  }

  Blattformat GroesstesBlatt() const override { return Blattformat::A4Hoch; }

  KlassenDruckErgebnis Drucke(DruckFlaeche& flaeche, FormularSeitenAbfrage&) const override {
    KlassenDruckErgebnis ergebnis;
    ergebnis.aufFormularen = false;
    if (schueler_.empty() || !flaeche.BeginneDokument("Zeugnisse", Blattformat::A4Hoch)) return ergebnis;
    const WeissKontext k{flaeche, kontext_.druck, kontext_.zeugnisname, tabellen_};
    bool erster = true;
    for (std::size_t i : schueler_) {
      if (!erster) flaeche.NeueSeite();
      erster = false;
      if (DruckeWeissesZeugnis(k, kontext_.Klasse(), i) > 0) {
        ++ergebnis.vollstaendig;
        ergebnis.gedruckt.push_back(i);
      }
    }
    // A job that could not be completed: every report of it only in part, on plain paper.
    if (!flaeche.BeendeDokument()) ergebnis = {0, ergebnis.vollstaendig, false, ergebnis.gedruckt};
    return ergebnis;
  }

 private:
  DruckKontext kontext_;
  mutable WeissTabellenVorrat tabellen_;  // filled before printing; read while drawing
  std::vector<std::size_t> schueler_;
};

}  // namespace

ZeugnisEntscheidung Weisspapier::Entscheide(const TSchuelerDatensatz& satz, const DruckKontext& kontext) const {
  return EntscheideZeugnis(satz.Schulart(), satz.Zeugnisart(), kontext.druck.Druckart);
}

std::unique_ptr<KlassenDruckauftrag> Weisspapier::Vorbereiten(const DruckKontext& kontext, Meldungen& meldungen,
                                                              TZeilenpuffer&,
                                                              const std::vector<std::size_t>& schueler) const {
  std::vector<std::size_t> druckbar;
  for (std::size_t i : schueler) {
    if (Entscheide(kontext.Klasse().Schueler[i], kontext).typ) druckbar.push_back(i);
  }
  auto auftrag = std::make_unique<WeissDruck>(kontext, meldungen, std::move(druckbar));
  auftrag->LadeTabellen();
  return auftrag;
}

}  // namespace velmora
