#pragma once
// Shared pieces of the fuzz targets: reading structured values off the fuzzer's bytes,
// aborting on a broken invariant (libFuzzer then keeps the input as a crash file), and the
// realistic records that inputs are laid over.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "basis/meldungen.h"
#include "classdata/schuelerdatensatz.h"
#include "print/druckflaeche.h"

namespace velmora::fuzz {

// Stops the run with `was` when `ok` is false.
void Pruefe(bool ok, const char* was);

// The fuzzer's bytes, taken off the front piece by piece; past the end every value is 0
// and every text empty.
class Eingabe {
 public:
  Eingabe(const std::uint8_t* daten, std::size_t groesse) : daten_(daten), rest_(groesse) {}
  std::uint8_t Byte();
  std::string Text(std::size_t laenge);  // up to `laenge` bytes
  std::string Rest();                    // everything that is left
  std::size_t Uebrig() const { return rest_; }

 private:
  const std::uint8_t* daten_;
  std::size_t rest_;
};

// A class as the program builds it: 35 free slots numbered 1..35 from a template with
// six named subject rows and twelve empty ones. Built once.
const TKlassenDatei& NeueKlasse();

// Answers every box with its first button and counts them.
class StilleMeldungen : public Meldungen {
 public:
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel) override;
  int anzahl = 0;
};

// A printer surface that counts what is drawn and checks the surface's contract: a style
// 0..7, a positive height and a face name for every font; with `nurAufDerSeite` also
// every text on the page (y <= 0), as the built-in layouts with the default margins place it.
class ZaehlendeFlaeche : public DruckFlaeche {
 public:
  bool BeginneDokument(const std::string&, Blattformat) override { return true; }
  bool BeendeDokument() override { return true; }
  void NeueSeite() override { ++seiten; }
  void SetzeTextausrichtung(Textausrichtung) override {}
  void SetzeZeichenabstand(int) override {}
  void SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) override;
  void TextAus(int x, int y, const std::string& text) override;
  void BewegeZu(int, int) override {}
  void LinieZu(int, int) override {}
  void Rechteck(int, int, int, int) override {}
  DruckerFaehigkeiten Faehigkeiten() override { return {}; }
  std::string Druckername() override { return "Fuzz"; }
  std::vector<std::string> Schriftenliste() override { return {"Arial", "Courier New", "Times New Roman"}; }

  bool nurAufDerSeite = true;
  int texte = 0, seiten = 0;
};

}  // namespace velmora::fuzz
