#pragma once
// A printer surface that draws nothing and records every call, each with the state that
// was current at the call: font, alignment, character spacing and page.
#include <cstdint>
#include <string>
#include <vector>

#include "print/druckflaeche.h"

namespace velmora::test {

class AufzeichnendeFlaeche : public DruckFlaeche {
 public:
  enum class Art {
    BeginneDokument,
    BeendeDokument,
    NeueSeite,
    Textausrichtung,
    Zeichenabstand,
    Schriftart,
    Text,
    BewegeZu,
    LinieZu,
    Rechteck,
    Bild
  };

  struct Schrift {
    std::uint16_t stil = 0;
    int hoehe = 0;  // 0 and an empty name: no font set in this job yet
    std::string name;
    bool operator==(const Schrift&) const = default;
  };

  struct Aufruf {
    Art art = Art::Text;
    int x = 0, y = 0;    // position; for Zeichenabstand the spacing in x
    int x2 = 0, y2 = 0;  // Rechteck's and BildAus's second corner
    std::string text;    // TextAus's text, the document title, BildAus's file
    // State at the call (after it, for the calls that set state).
    Schrift schrift;
    Textausrichtung ausrichtung = Textausrichtung::LinksBasislinie;
    int zeichenabstand = 0;
    int seite = 0;  // 1 for the first page of a job, 0 outside a job
    bool imDokument = false;
    Blattformat blatt = Blattformat::A4Hoch;  // BeginneDokument's sheet
    std::string sitzung;                      // the session open at the call, empty outside one
  };

  void BeginneSitzung(const std::string& name) override;
  Sitzungsende BeendeSitzung() override;
  void OeffneOrdnerDerLetztenDatei() override { ++ordnerGeoeffnet; }
  bool BeginneDokument(const std::string& titel, Blattformat blatt = Blattformat::A4Hoch) override;
  bool BeendeDokument() override;
  void NeueSeite() override;
  void SetzeTextausrichtung(Textausrichtung ausrichtung) override;
  void SetzeZeichenabstand(int extra) override;
  void SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) override;
  void TextAus(int x, int y, const std::string& text) override;
  void BewegeZu(int x, int y) override;
  void LinieZu(int x, int y) override;
  void Rechteck(int x1, int y1, int x2, int y2) override;
  void BildAus(int x1, int y1, int x2, int y2, const std::string& datei) override;
  DruckerFaehigkeiten Faehigkeiten() override { return faehigkeiten; }
  std::string Druckername() override { return druckername; }
  std::vector<std::string> Schriftenliste() override { return schriftenliste; }

  // Only the calls of one kind, in order.
  std::vector<Aufruf> Nur(Art art) const;
  std::vector<Aufruf> Texte() const { return Nur(Art::Text); }
  // Calls other than BeginneDokument made while no job was open (a fault of the printout).
  int AusserhalbDokument() const;

  std::vector<Aufruf> aufrufe;
  // The names of the sessions begun, in order, and how many are open now.
  std::vector<std::string> sitzungen;
  int offeneSitzungen = 0;
  // The current state, as the next call will see it.
  Schrift schrift;
  Textausrichtung ausrichtung = Textausrichtung::LinksBasislinie;
  int zeichenabstand = 0;
  int seite = 0;
  bool imDokument = false;

  // Scripted answers.
  bool dokumentAblehnen = false;    // BeginneDokument returns false
  bool abschlussScheitert = false;  // BeendeDokument returns false
  Sitzungsende sitzungsende;        // what the end of the outermost session answers
  int ordnerGeoeffnet = 0;          // calls of OeffneOrdnerDerLetztenDatei
  DruckerFaehigkeiten faehigkeiten;
  std::string druckername = "Testdrucker";
  std::vector<std::string> schriftenliste;

 private:
  static Aufruf Neu(Art art);
  void Notiere(Aufruf a);
};

}  // namespace velmora::test
