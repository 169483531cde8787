// Commands on the current slot and on the whole class.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/klassenoperationen.h"
#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/datensatzbytes.h"
#include "common/fakes.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;
using test::FakeMeldungen;

namespace layout = test::layout;

// A length-prefixed string of the record as the layout places it.
std::string StringBei(const S& s, std::size_t offset) { return layout::LiesString(s.bytes.data(), offset); }

class Klassenoperationen : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    NeueKlasse();
    z.AktuellerSchueler = 4;
    S& s = z.Aktuell();
    s.Setze(S::Name, "Meier");
    s.Setze(S::Vornamen, "Anna Lena");
    for (std::size_t r = 0; r < 18; ++r) {
      s.SetzeFach(r, TFachZeile::Bewertung, std::to_string(r % 6 + 1));
      s.SetzeFach(r, TFachZeile::Zusatz, "z");
    }
    s.Setze(S::Hinweise, std::string(999, 'h'));
    s.Setze(S::Bemerkungen, std::string(400, 'b'));
    s.Setze(S::VersaeumteStunden, "12");
    s.Setze(S::Entschuldigt, "10");
    s.Setze(S::InterneBemerkungen, "nur intern");
  }
  void NeueKlasse() {
    for (auto& zeile : v.Vorlage.Zeilen) zeile.Setze(TFachZeile::Fach, kLeereZeile);
    v.Vorlage.Zeilen[0].Setze(TFachZeile::Fach, "Deutsch");
    for (std::size_t i = 0; i < 35; ++i) {
      NeuerDatensatzAusVorlage(v, z.Klasse->Schueler[i]);
      z.Klasse->Schueler[i].SetzeNummer(static_cast<int>(i + 1));
    }
  }

  KlassenZustand z;
  VorlagenZustand v;
  FakeMeldungen m;
};

TEST_F(Klassenoperationen, BewertungenLoeschenFragtMitDemGespeichertenNamenUndSetztAlleNotenAufStrich) {
  const S vorher = z.Aktuell();
  EXPECT_TRUE(BewertungenLoeschen(z, m));
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Bestaetigung);
  EXPECT_EQ(m.protokoll[0].knoepfe, Knoepfe::JaNein);
  EXPECT_EQ(m.protokoll[0].text, T("Sollen die Bewertungen für: \r\rAnna Lena Meier\r\r wirklich GELÖSCHT werden?"));
  S soll = vorher;
  for (std::size_t r = 0; r < 18; ++r) {
    const std::size_t bewertung = layout::Zeile(r) + layout::kBewertung;
    EXPECT_EQ(StringBei(z.Aktuell(), bewertung), "-") << r;
    EXPECT_EQ(StringBei(z.Aktuell(), layout::Zeile(r) + layout::kZusatz), "z") << r;
    soll.bytes[bewertung] = 1;
    soll.bytes[bewertung + 1] = '-';
  }
  EXPECT_EQ(z.Aktuell(), soll);  // nothing else of the slot changed
  EXPECT_FALSE(z.DatenGeaendert);
}

TEST_F(Klassenoperationen, NeinLaesstDenPlatzWieErWar) {
  const TKlassenDatei vorher = *z.Klasse;
  m.antworten = {Antwort::Nein, Antwort::Nein};
  EXPECT_FALSE(BewertungenLoeschen(z, m));
  EXPECT_FALSE(ZeugnistexteLoeschen(z, m));
  EXPECT_EQ(*z.Klasse, vorher);
}

TEST_F(Klassenoperationen, ZeugnistexteLoeschenSetztPlatzhalterUndNulltDieBloecke) {
  z.DatenGeaendert = true;
  const S vorher = z.Aktuell();
  EXPECT_TRUE(ZeugnistexteLoeschen(z, m));
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].text,
            T("Sollen die Zeugnistexte und Fehlzeiten für: \r\rAnna Lena Meier\r\rwirklich GELÖSCHT werden?"));
  const S& s = z.Aktuell();
  auto block = [&](std::size_t offset, std::size_t groesse) {
    return std::string(s.bytes.begin() + static_cast<long>(offset),
                       s.bytes.begin() + static_cast<long>(offset + groesse));
  };
  std::string hinweise(1000, '\0'), bemerkungen(400, '\0');
  hinweise.replace(0, 8, "   - - -");
  bemerkungen.replace(0, 8, "   - - -");
  EXPECT_EQ(block(3002, 1000), hinweise);
  EXPECT_EQ(block(4012, 400), bemerkungen);
  EXPECT_EQ(StringBei(s, 4002), "-");
  EXPECT_EQ(StringBei(s, 4007), "-");
  EXPECT_TRUE(std::equal(s.bytes.begin() + 4690, s.bytes.begin() + 5690, vorher.bytes.begin() + 4690));
  EXPECT_EQ(s.Lies(S::InterneBemerkungen), "nur intern");
  EXPECT_EQ(s.FachZeile(3), vorher.FachZeile(3));
  EXPECT_TRUE(z.DatenGeaendert);  // left as it was
}

struct Gruppe {
  ZuweisGruppe gruppe;
  std::vector<StringFeld> felder;
  bool schulart = false, zeugnisart = false;
};

TEST_F(Klassenoperationen, AllenZuweisenKopiertGenauDieFelderSeinerGruppeInAlle35Plaetze) {
  const std::vector<Gruppe> gruppen = {
      {ZuweisGruppe::Berufsschulart, {}, true, false},
      {ZuweisGruppe::Berufsbezeichnung, {S::Fachrichtung, S::Schwerpunkt, S::Berufsbezeichnung}},
      {ZuweisGruppe::Zeugnisart, {}, false, true},
      {ZuweisGruppe::Ausschulungsdatum, {S::Einschulungsdatum, S::Ausschulungsdatum, S::Durchschnittsnote}},
      {ZuweisGruppe::Zeugnisort, {S::Klasse, S::SchuljahrVon, S::SchuljahrBis, S::Zeugnisort, S::Zeugnisdatum}},
  };
  const std::vector<StringFeld> alle = {
      S::Fachrichtung,      S::Schwerpunkt, S::Berufsbezeichnung, S::Einschulungsdatum, S::Ausschulungsdatum,
      S::Durchschnittsnote, S::Klasse,      S::SchuljahrVon,      S::SchuljahrBis,      S::Zeugnisort,
      S::Zeugnisdatum};
  for (const Gruppe& g : gruppen) {
    NeueKlasse();
    z.Klasse->Schueler[0].Setze(S::Name, "Schulz");
    z.Klasse->Schueler[0].SetzeZeugnisart(2);
    S& quelle = z.Aktuell();
    quelle.Setze(S::Name, "Meier");
    quelle.SetzeSchulart(2);
    quelle.SetzeZeugnisart(0);  // no report type chosen: 0 is copied as well
    for (std::size_t f = 0; f < alle.size(); ++f) quelle.Setze(alle[f], "W" + std::to_string(f));
    const TKlassenDatei vorher = *z.Klasse;

    AllenZuweisen(z, g.gruppe);

    for (std::size_t i = 0; i < 35; ++i) {
      const S& s = z.Klasse->Schueler[i];
      const S& alt = vorher.Schueler[i];
      SCOPED_TRACE("group " + std::to_string(static_cast<int>(g.gruppe)) + ", slot " + std::to_string(i));
      EXPECT_EQ(s.Schulart(), g.schulart ? 2 : alt.Schulart());
      EXPECT_EQ(s.Zeugnisart(), g.zeugnisart ? 0 : alt.Zeugnisart());
      for (StringFeld f : alle) {
        const bool kopiert = std::find_if(g.felder.begin(), g.felder.end(),
                                          [&](StringFeld x) { return x.offset == f.offset; }) != g.felder.end();
        EXPECT_EQ(s.Lies(f), kopiert ? quelle.Lies(f) : alt.Lies(f)) << f.offset;
      }
      EXPECT_EQ(s.Lies(S::Name), alt.Lies(S::Name));
      EXPECT_EQ(s.Nummer(), static_cast<int>(i + 1));
    }
  }
  EXPECT_FALSE(z.DatenGeaendert);
}

TEST_F(Klassenoperationen, NeueFaecherlisteGiltNurFuerBenanntePlaetzeUndGehtZuPlatz0) {
  z.Klasse->Schueler[1].Setze(S::Name, "");
  z.Klasse->Schueler[1].SetzeFach(0, TFachZeile::Bewertung, "3");
  v.Vorlage.Zeilen[0].Setze(TFachZeile::Fach, "Mathematik");
  v.AktuelleVorlage = "NEU.KFV";
  SpeichereKlassenFachVorlage(v, "NEU.KFV");
  v.Vorlage.Zeilen[0].Setze(TFachZeile::Fach, "nur im Speicher");
  ASSERT_EQ(z.AktuellerSchueler, 4);

  NeueFaecherlisteZuordnen(z, v, m);

  EXPECT_EQ(z.AktuellerSchueler, 0);
  EXPECT_TRUE(m.protokoll.empty());
  EXPECT_EQ(z.Klasse->Schueler[4].LiesFach(0, TFachZeile::Fach), "Mathematik");
  EXPECT_EQ(z.Klasse->Schueler[4].LiesFach(0, TFachZeile::Bewertung), "-");
  EXPECT_EQ(z.Klasse->Schueler[4].LiesFach(0, TFachZeile::Zusatz), "");
  EXPECT_EQ(z.Klasse->Schueler[0].LiesFach(0, TFachZeile::Fach), "Deutsch");  // free slot
  EXPECT_EQ(z.Klasse->Schueler[1].LiesFach(0, TFachZeile::Bewertung), "3");   // no name
  EXPECT_FALSE(z.DatenGeaendert);
}

TEST_F(Klassenoperationen, EineZuKurzeVorlagenDateiAendertKeinenPlatz) {
  test::SchreibeDatei("KURZ.KFV", Bytes(100, 0));
  v.AktuelleVorlage = "KURZ.KFV";
  const TKlassenDatei vorher = *z.Klasse;
  try {
    NeueFaecherlisteZuordnen(z, v, m);
    ADD_FAILURE() << "no error";
  } catch (const EAFehler& f) {
    EXPECT_EQ(f.Nummer(), ea::HinterDateiende);
  }
  EXPECT_EQ(*z.Klasse, vorher);
}

}  // namespace
}  // namespace velmora
