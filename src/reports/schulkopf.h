#pragma once
// The school's head on the reports on plain paper: the lines of "SCHULKOPF.TXT" in the working
// directory (the official name of any length, the address, the school number) and the logo
// "SCHULLOGO.PNG" (or ".JPG", ".JPEG"). The file is written empty where it is missing; while
// it holds no text the report name of the school data is the head, as before. SCHULE.DAT and
// its report name of at most 50 characters stay as they are.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

inline constexpr const char* kSchulkopfDatei = "SCHULKOPF.TXT";
inline constexpr std::size_t kSchulkopfZeilen = 3;

struct TSchullogo {
  std::string Datei;  // the name found in the working directory (code page 1252)
  int Breite = 0;     // pixels
  int Hoehe = 0;
  bool operator==(const TSchullogo&) const = default;
};

struct TSchulkopf {
  std::vector<std::string> Zeilen;  // up to three; none: the report name is the head
  std::optional<TSchullogo> Logo;
  bool operator==(const TSchulkopf&) const = default;
};

// The head lines of the file's lines (code page 1252): each without the blanks around it, tabs
// and other control characters as blanks; empty lines and remarks (";" first) do not count; of more than three lines
// the first three, with a warning added to `warnungen`.
std::vector<std::string> LiesSchulkopfZeilen(const std::vector<std::string>& zeilen,
                                             std::vector<std::string>& warnungen);

// The logo's file in the working directory: "SCHULLOGO.PNG", else "SCHULLOGO.JPG", else
// "SCHULLOGO.JPEG", the letters in any case; none when there is none.
std::optional<std::string> SchullogoDatei();

// The head of the working directory. A missing SCHULKOPF.TXT is written empty; a file that
// cannot be read, and a logo that cannot be printed, give a warning naming the file, and the
// head is printed without them.
TSchulkopf LadeSchulkopf(std::vector<std::string>& warnungen);

}  // namespace velmora
