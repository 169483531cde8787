#pragma once
// The class print on plain paper: every ticked student's complete report card (as
// "Zeugnis auf weißes Papier" prints it for one student), all in one job, without page
// prompts, since there are no forms to insert.
#include "reports/klassenzeugnisse.h"

namespace velmora {

class Weisspapier : public ZeugnisPapier {
 public:
  // The refusals of the single report command, the same as on the forms.
  ZeugnisEntscheidung Entscheide(const TSchuelerDatensatz& satz, const DruckKontext& kontext) const override;
  // Reads (or creates) the plain-paper tables of every report type among `schueler` first.
  std::unique_ptr<KlassenDruckauftrag> Vorbereiten(const DruckKontext& kontext, Meldungen& meldungen,
                                                   TZeilenpuffer& puffer,
                                                   const std::vector<std::size_t>& schueler) const override;
};

}  // namespace velmora
