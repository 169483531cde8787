#pragma once
// Small example records used by several tests and benchmarks.
#include <memory>
#include <string>

#include "basis/cp1252.h"
#include "classdata/schuelerdatensatz.h"

namespace velmora::test {

// A record with these names and report type; everything else as a zeroed record.
inline TSchuelerDatensatz SchuelerMit(const std::string& name, const std::string& vornamen, std::int16_t zeugnisart) {
  TSchuelerDatensatz s;
  s.Setze(TSchuelerDatensatz::Name, name);
  s.Setze(TSchuelerDatensatz::Vornamen, vornamen);
  s.SetzeZeugnisart(zeugnisart);
  return s;
}

// A class whose slot 0 holds Jan Kowalski with a half-year report, a short Hinweise text and
// eight subjects graded alternately "0" and "2"; the other slots are zeroed records.
inline std::unique_ptr<TKlassenDatei> KlasseMitJan() {
  auto klasse = std::make_unique<TKlassenDatei>();
  TSchuelerDatensatz& s = klasse->Schueler[0];
  s = SchuelerMit("Kowalski", "Jan", 1);
  s.Setze(TSchuelerDatensatz::Hinweise, "Jan arbeitet im Unterricht stets aufmerksam mit und ist hilfsbereit.");
  for (std::size_t r = 0; r < TSchuelerDatensatz::FachzeilenAnzahl; ++r) {
    s.SetzeFach(r, TFachZeile::Fach, r < 8 ? "Deutsch" : "   - - -");
    s.SetzeFach(r, TFachZeile::Bewertung, r % 2 ? "2" : "0");
  }
  return klasse;
}

// A school's report name of the full 50 characters.
inline const std::string kLangerSchulname = "Staatliche Berufsschule II Musterstadt-Oberfranken";

// A record that fills every field a report prints, most of them to their full length, with
// the given report type at a vocational school: 18 subject rows (subjects with and without
// learning fields, "##" rows with a learning field and one without, "Philosophie", every
// kind of assessment code), long notes with a paragraph break, long remarks.
inline TSchuelerDatensatz VollstaendigerSchueler(std::int16_t zeugnisart) {
  using S = TSchuelerDatensatz;
  TSchuelerDatensatz s;
  s.SetzeSchulart(0);
  s.SetzeZeugnisart(zeugnisart);
  s.SetzeAnrede(2);
  s.Setze(S::Name, T("Müller-Lüdenscheidt"));
  s.Setze(S::Vornamen, "Anna-Katharina Josefine");
  s.Setze(S::Geburtsdatum, "29.02.2008");
  s.Setze(S::Geburtsort, T("Bad Münstereifel-Schönau an der Brend"));
  s.Setze(S::Wohnort, T("Villingen-Schwenningen"));
  s.Setze(S::Klasse, "BS 11 Elektro a");
  s.Setze(S::Fachrichtung, T("Elektrotechnik / Energie- und Gebäudetechnik, Teilzeitform"));
  s.Setze(S::Schwerpunkt, T("Automatisierungstechnik in der Gebäudesystemintegration"));
  s.Setze(S::Berufsbezeichnung, T("Elektronikerin für Energie- und Gebäudetechnik (IHK/HWK)"));
  s.Setze(S::Einschulungsdatum, "01.09.2023");
  s.Setze(S::Ausschulungsdatum, "15.07.2026");
  s.Setze(S::Durchschnittsnote, "2,3");
  s.Setze(S::SchuljahrVon, "2026");
  s.Setze(S::SchuljahrBis, "2027");
  s.Setze(S::Zeugnisort, "Villingen-Schwenningen");
  s.Setze(S::Zeugnisdatum, "31.01.2027");
  s.Setze(S::VersaeumteStunden, "124");
  s.Setze(S::Entschuldigt, "118");
  s.Setze(S::Hinweise,
          T("Anna-Katharina arbeitet im Unterricht stets aufmerksam, zuverlässig und mit großem Interesse mit. "
            "Sie bringt eigene Ideen ein, fragt bei Unklarheiten gezielt nach und übernimmt in Gruppenarbeiten "
            "gerne die Leitung, ohne andere zu übergehen. Ihre Arbeitsergebnisse sind sorgfältig dokumentiert und "
            "termingerecht.\r\nGegenüber Mitschülerinnen, Mitschülern und Lehrkräften verhält sie sich freundlich, "
            "hilfsbereit und respektvoll. Konflikte spricht sie sachlich an und trägt so zu einem guten Klassenklima "
            "bei. In der Lernfeldarbeit zeigt sie ein hohes Maß an Selbstständigkeit und Ausdauer, auch bei "
            "umfangreichen Projektaufgaben zur Gebäudeautomation. Im Betrieb wird sie nach Auskunft des "
            "Ausbildungsbetriebes als verlässliche und engagierte Auszubildende geschätzt. Als Klassensprecherin "
            "vertritt sie die Anliegen der Klasse umsichtig und mit Geschick gegenüber der Schulleitung. Wir "
            "wünschen ihr für den weiteren Ausbildungsweg viel Erfolg und alles Gute."));
  s.Setze(S::Bemerkungen,
          T("Die Schülerin hat am Wettbewerb \"Jugend forscht\" teilgenommen und mit ihrem Projekt zur "
            "energieeffizienten Lichtsteuerung einen zweiten Platz im Landesentscheid erreicht. Sie hat erfolgreich "
            "an der Zusatzqualifikation \"Fachenglisch für Elektroberufe\" (KMK-Fremdsprachenzertifikat, Niveau B2) "
            "teilgenommen. Die Fehlzeiten beruhen überwiegend auf einer ärztlich bescheinigten Erkrankung."));
  struct Fach {
    const char* fach;
    const char* lernfeld;
    const char* bewertung;
    const char* zusatz;
  };
  const Fach faecher[S::FachzeilenAnzahl] = {
      {"Deutsch", "", "2", ""},
      {"Englisch", "", "1", ""},
      {"Philosophie", "", "3", ""},
      {"Wirtschafts- und Sozialkunde mit Politik und Recht", "", "0", ""},
      {"Sport", "", "b", "*"},
      {"Religion", "", "t", ""},
      {"Fachkunde Energie- und Gebäudetechnik",
       "Lernfeld 5: Elektroenergieversorgung und Sicherheit von Betriebsmitteln gewährleisten", "2", ""},
      {"##Lernfeld",
       "Lernfeld 6: Anlagen und Geräte analysieren und prüfen, Fehler systematisch eingrenzen und beheben", "3", ""},
      {"##Lernfeld", "Lernfeld 7: Steuerungen für Anlagen programmieren und realisieren", "1", ""},
      {"## wird nicht gedruckt", "", "4", ""},
      {"Mathematik", "", "4", ""},
      {"Technisches Zeichnen und Schaltungsdokumentation", "", "5", ""},
      {"Informationstechnik", "Lernfeld 8: Antriebssysteme auswählen und integrieren", "6", ""},
      {"Projektarbeit Gebäudesystemintegration", "", "n", ""},
      {"Förderunterricht Deutsch", "", "e", ""},
      {"Wahlpflichtfach Fachenglisch", "", "2", "**"},
      {"Betriebswirtschaftslehre", "", "-", ""},
      {"Physik", "", "x", ""},
  };
  for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) {
    s.SetzeFach(r, TFachZeile::Fach, T(faecher[r].fach));
    s.SetzeFach(r, TFachZeile::FachZusatz, T(faecher[r].lernfeld));
    s.SetzeFach(r, TFachZeile::Bewertung, faecher[r].bewertung);
    s.SetzeFach(r, TFachZeile::Zusatz, faecher[r].zusatz);
  }
  return s;
}

}  // namespace velmora::test
