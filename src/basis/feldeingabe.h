#pragma once
// What an edit takes of the text the user types or pastes into it, when its text goes into
// a field of fixed width in code page 1252: nothing the field cannot store, and no more than
// fits. The window layer's guard (basis/fenster/eingabewaechter) asks these rules.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The width of an edit for a 32-bit whole number: "-2147483648".
inline constexpr int kGanzzahlBreite = 11;

struct Feldeingabe {
  std::u32string angenommen;          // what goes into the field
  std::optional<char32_t> abgelehnt;  // a character code page 1252 cannot hold: nothing is taken
  bool gekuerzt = false;              // the input was cut to the room left
};

// The input checked for a field with `platz` bytes left (its width less the text that
// stays). A character code page 1252 cannot hold refuses the whole input, so that nothing
// reaches the field changed. Line breaks, TAB and other control characters are no part of a
// one-line field: a TAB becomes a blank, the others are dropped. In a multi-line field a line
// break (CR LF, CR, LF or a Unicode line or paragraph separator) stays and counts two bytes,
// as CR LF in the record.
Feldeingabe PruefeFeldeingabe(std::u32string_view eingabe, std::size_t platz, bool mehrzeilig);

// The bytes a text takes in the field: one per character, a line break two in a multi-line
// field.
std::size_t Feldbytes(std::u32string_view text, bool mehrzeilig);

// "Der Text wurde auf 25 Zeichen gekürzt." (code page 1252)
std::string GekuerztText(std::size_t breite);
// "Das Feld fasst höchstens 25 Zeichen." (code page 1252), when a key finds the field full.
std::string FeldVollText(std::size_t breite);

}  // namespace velmora
