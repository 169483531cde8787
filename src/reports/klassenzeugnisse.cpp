#include "reports/klassenzeugnisse.h"

#include <algorithm>
#include <array>

#include "basis/cp1252.h"
#include "basis/fehlerbox.h"
#include "print/druckabschluss.h"
#include "printcommands/sitzungsname.h"
#include "reports/formularplatz.h"

namespace velmora {
namespace {

// The layouts in the order the class print takes them.
constexpr std::array<Zeugnistyp, 4> kLayoutfolge = {Zeugnistyp::Halbjahr, Zeugnistyp::Jahr, Zeugnistyp::Abgang,
                                                    Zeugnistyp::Abschluss};

// The students of one layout with its form.
struct FormularGruppe {
  ZeugnisFormular formular;
  std::vector<std::size_t> schueler;
};

class FormularDruck : public KlassenDruckauftrag {
 public:
  FormularDruck(const DruckKontext& kontext, Meldungen& meldungen, TZeilenpuffer& puffer,
                std::vector<FormularGruppe> gruppen)
      : kontext_(kontext), meldungen_(meldungen), puffer_(puffer), gruppen_(std::move(gruppen)) {}

  Blattformat GroesstesBlatt() const override {
    for (const FormularGruppe& g : gruppen_) {
      if (velmora::GroesstesBlatt(Folge(g)) == Blattformat::A3Quer) return Blattformat::A3Quer;
    }
    return Blattformat::A4Hoch;
  }

  KlassenDruckErgebnis Drucke(DruckFlaeche& flaeche, FormularSeitenAbfrage& abfrage) const override {
    KlassenDruckErgebnis ergebnis;
    for (const FormularGruppe& g : gruppen_) {
      const ZeugnisUmgebung u{flaeche,           meldungen_,           abfrage, kontext_.druck,
                              kontext_.Verlag(), kontext_.zeugnisname, puffer_};
      const int anzahl = static_cast<int>(g.schueler.size());
      const ZeugnisDruckStand stand =
          DruckeZeugnisFormular(g.formular, u, kontext_.Klasse(), g.schueler, std::to_string(anzahl) + T(" Schüler"));
      if (stand.auftraege > 0 && stand.gedruckt == stand.auftraege) {
        ergebnis.vollstaendig += anzahl;
      } else if (stand.gedruckt > 0) {
        ergebnis.teilweise += anzahl;
      }
      if (stand.gedruckt > 0) ergebnis.gedruckt.insert(ergebnis.gedruckt.end(), g.schueler.begin(), g.schueler.end());
      // The printer refused a job: the other layouts are not printed either.
      if (stand.abgebrochen) break;
    }
    return ergebnis;
  }

 private:
  std::vector<ZeugnisAuftrag> Folge(const FormularGruppe& g) const {
    return ZeugnisSeitenfolge(g.formular.typ, kontext_.druck.Druckart, kontext_.druck.NurInnen == 1);
  }

  DruckKontext kontext_;
  Meldungen& meldungen_;
  TZeilenpuffer& puffer_;
  std::vector<FormularGruppe> gruppen_;
};

}  // namespace

std::string ZeugnisartName(std::int16_t zeugnisart) {
  switch (zeugnisart) {
    case 1:
      return "Halbjahreszeugnis";
    case 2:
      return "Jahreszeugnis";
    case 3:
      return T("Übergangszeugnis");
    case 4:
      return "Abgangszeugnis";
    case 5:
      return "Abschlusszeugnis";
    default:
      return "kein Zeugnistyp";
  }
}

std::string VerweigerungInWorten(const ZeugnisEntscheidung& e, std::int16_t schulart) {
  if (e.fehler) return *e.fehler;
  if (e.nichtVerfuegbar) return NichtVerfuegbarText();
  if (e.typ) return {};
  // The school types the single command ends on without a word.
  if (schulart == 1) return T("Kein Zeugnisdruck für die Berufsfachschule");
  if (schulart == 2) return T("Kein Zeugnisdruck für die Fachoberschule");
  return {};
}

std::string KlassenDruckMeldung(const KlassenDruckErgebnis& ergebnis) {
  std::string text;
  if (ergebnis.vollstaendig == 0) {
    text = "Es wurde kein Zeugnis gedruckt.";
  } else if (ergebnis.vollstaendig == 1) {
    text = "Es wurde 1 Zeugnis gedruckt.";
  } else {
    text = "Es wurden " + std::to_string(ergebnis.vollstaendig) + " Zeugnisse gedruckt.";
  }
  const std::string seiten = ergebnis.aufFormularen ? "Formularseiten" : "Seiten";
  if (ergebnis.teilweise == 1) {
    text += "\rBei 1 Zeugnis wurden nicht alle " + seiten + " gedruckt.";
  } else if (ergebnis.teilweise > 1) {
    text += "\rBei " + std::to_string(ergebnis.teilweise) + " Zeugnissen wurden nicht alle " + seiten + " gedruckt.";
  }
  return text;
}

ZeugnisEntscheidung Formularpapier::Entscheide(const TSchuelerDatensatz& satz, const DruckKontext& kontext) const {
  return EntscheideZeugnis(satz.Schulart(), satz.Zeugnisart(), kontext.druck.Druckart);
}

std::unique_ptr<KlassenDruckauftrag> Formularpapier::Vorbereiten(const DruckKontext& kontext, Meldungen& meldungen,
                                                                 TZeilenpuffer& puffer,
                                                                 const std::vector<std::size_t>& schueler) const {
  std::vector<FormularGruppe> gruppen;
  for (Zeugnistyp typ : kLayoutfolge) {
    FormularGruppe g;
    for (std::size_t i : schueler) {
      if (Entscheide(kontext.Klasse().Schueler[i], kontext).typ == typ) g.schueler.push_back(i);
    }
    if (g.schueler.empty()) continue;
    g.formular = LadeZeugnisFormular(typ, kontext.Verlag(), kontext.druck, meldungen);
    gruppen.push_back(std::move(g));
  }
  return std::make_unique<FormularDruck>(kontext, meldungen, puffer, std::move(gruppen));
}

std::vector<KlassenZeugnisZeile> Klassenzeugnisbefehl::Zeilen() const {
  std::vector<KlassenZeugnisZeile> zeilen;
  const TKlassenDatei& klasse = kontext_.Klasse();
  // One check for the class: each form is read once.
  FormularplatzPruefer platz(kontext_);
  for (std::size_t i = 0; i < klasse.Schueler.size(); ++i) {
    const TSchuelerDatensatz& satz = klasse.Schueler[i];
    if (satz.IstFrei()) continue;
    const ZeugnisEntscheidung e = papier_->Entscheide(satz, kontext_);
    zeilen.push_back(
        {i, ZeugnisName(satz), ZeugnisartName(satz.Zeugnisart()), e.typ, VerweigerungInWorten(e, satz.Schulart()), {}});
    if (e.typ && papier_->AufFormularen()) {
      const std::optional<Formularplatz> p = platz.Pruefe(satz);
      if (p) zeilen.back().formularplatz = FormularplatzHinweis(*p);
    }
  }
  return zeilen;
}

std::string Klassenzeugnisbefehl::LeereKlasseText() { return T("In der Klasse ist noch kein Schüler eingetragen."); }

std::vector<KlassenZeugnisZeile> Klassenzeugnisbefehl::Oeffnen() {
  std::vector<KlassenZeugnisZeile> zeilen = Zeilen();
  if (zeilen.empty()) meldungen_.Information(LeereKlasseText());
  return zeilen;
}

std::vector<std::size_t> Klassenzeugnisbefehl::Druckbare(const std::vector<std::size_t>& auswahl) const {
  std::vector<std::size_t> schueler;
  const TKlassenDatei& klasse = kontext_.Klasse();
  for (std::size_t i : auswahl) {
    if (i >= klasse.Schueler.size() || klasse.Schueler[i].IstFrei()) continue;
    if (papier_->Entscheide(klasse.Schueler[i], kontext_).typ) schueler.push_back(i);
  }
  std::sort(schueler.begin(), schueler.end());
  schueler.erase(std::unique(schueler.begin(), schueler.end()), schueler.end());
  return schueler;
}

// Named after the class of the first student printed.
std::string Klassenzeugnisbefehl::Sitzung(const std::vector<std::size_t>& schueler) const {
  return SitzungFuerKlasse("Zeugnisse", kontext_.klasse,
                           schueler.empty() ? kontext_.AktuellerSchueler() : schueler.front());
}

void Klassenzeugnisbefehl::Drucken(const std::vector<std::size_t>& auswahl) {
  const std::vector<std::size_t> schueler = Druckbare(auswahl);
  KlassenDruckErgebnis ergebnis;
  DruckSitzung sitzung(flaeche_, Sitzung(schueler));
  MitFehlerbox(meldungen_, [&] {
    ergebnis = papier_->Vorbereiten(kontext_, meldungen_, puffer_, schueler)->Drucke(flaeche_, abfrage_);
  });
  const Sitzungsende ende = sitzung.Beende();
  std::sort(ergebnis.gedruckt.begin(), ergebnis.gedruckt.end());
  const ArchivErgebnis archiv = Archiviere(
      ende, ergebnis.gedruckt, papier_->AufFormularen() ? VerlagName(kontext_.Verlag()) : WeissesPapierText());
  // A file that could not be written holds no report: the count is not shown then.
  MeldeDruckabschluss(meldungen_, flaeche_, ende, KlassenDruckMeldung(ergebnis));
  MeldeArchiv(archiv);
}

void Klassenzeugnisbefehl::Vorschau(const std::vector<std::size_t>& auswahl) {
  const std::vector<std::size_t> schueler = Druckbare(auswahl);
  std::unique_ptr<KlassenDruckauftrag> auftrag;
  if (!MitFehlerbox(meldungen_, [&] { auftrag = papier_->Vorbereiten(kontext_, meldungen_, puffer_, schueler); })) {
    return;
  }
  std::vector<std::size_t> gedruckt;  // of the last drawing: the print from the preview
  const std::optional<Sitzungsende> ende =
      vorschau_.Zeige(Sitzung(schueler), auftrag->GroesstesBlatt(), [&](DruckFlaeche& f) {
        BestaetigteSeitenAbfrage alleSeiten;
        gedruckt = auftrag->Drucke(f, alleSeiten).gedruckt;
      });
  // Printed from the preview: a print like any other, so it is archived as well.
  if (ende) {
    std::sort(gedruckt.begin(), gedruckt.end());
    MeldeArchiv(
        Archiviere(*ende, gedruckt, papier_->AufFormularen() ? VerlagName(kontext_.Verlag()) : WeissesPapierText()));
  }
}

}  // namespace velmora
