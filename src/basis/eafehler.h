#pragma once
// The one error type of every failed file operation. It carries the error number of the
// program's input/output convention and is shown to the user in the "Fehler" box.
#include <stdexcept>
#include <string>

namespace velmora {

namespace ea {
inline constexpr int DateiNichtGefunden = 2;
inline constexpr int UngueltigerDateiname = 3;
inline constexpr int ZuVieleDateien = 4;
inline constexpr int ZugriffVerweigert = 5;
inline constexpr int HinterDateiende = 100;
inline constexpr int ZuWenigSpeicher = 101;
inline constexpr int UngueltigeZahl = 106;
}  // namespace ea

class EAFehler : public std::runtime_error {
 public:
  explicit EAFehler(int nummer);
  int Nummer() const { return nummer_; }

 private:
  int nummer_;
};

// The German message for an error number (code page 1252).
std::string EAFehlerText(int nummer);

// Maps a C library errno value onto the program's numbers.
int EAFehlerAusErrno(int errnoWert);

// Throws EAFehler for the current errno.
[[noreturn]] void WirfEAFehlerAusErrno();

}  // namespace velmora
