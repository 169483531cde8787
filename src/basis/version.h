#pragma once
// The program's name and version, as the window captions and the printouts spell them.
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kProgrammName = "Velmora";
inline constexpr std::string_view kVersion = "V.1.1.";
// The data sheet's footer still names the version the sheet came with: the school's
// filed sheets are compared by it, so it stays as it is printed.
inline constexpr std::string_view kDatenblattVersion = "V.1.0.";

// "Velmora V.1.1.": the about box, the test sheet and the report-text lists.
inline std::string ProgrammMitVersion() { return std::string(kProgrammName) + " " + std::string(kVersion); }
// "Velmora V.1.0.": the data sheet's footer.
inline std::string DatenblattMitVersion() { return std::string(kProgrammName) + " " + std::string(kDatenblattVersion); }
// "Velmora", ten blanks, "V.1.1. ": the main window's caption.
inline std::string Hauptfensterkopf() {
  return std::string(kProgrammName) + std::string(10, ' ') + std::string(kVersion) + " ";
}
// "Velmora  V.1.1.": the application's title (task bar, plain message boxes).
inline std::string AnwendungsTitelText() { return std::string(kProgrammName) + "  " + std::string(kVersion); }

}  // namespace velmora
