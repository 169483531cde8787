#include "basis/plattform.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace velmora::plattform {

#ifdef _WIN32

bool AufPlatteSichern(std::FILE* datei) { return _commit(_fileno(datei)) == 0; }

bool ErsetzeDatei(const std::filesystem::path& quelle, const std::filesystem::path& ziel) {
  if (MoveFileExW(quelle.c_str(), ziel.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return false;
}

std::FILE* Oeffne(const std::filesystem::path& pfad, const char* modus) {
  std::wstring m(modus, modus + std::char_traits<char>::length(modus));
  return _wfopen(pfad.c_str(), m.c_str());
}

#else

bool AufPlatteSichern(std::FILE* datei) { return fsync(fileno(datei)) == 0; }

bool ErsetzeDatei(const std::filesystem::path& quelle, const std::filesystem::path& ziel) {
  return std::rename(quelle.c_str(), ziel.c_str()) == 0;
}

std::FILE* Oeffne(const std::filesystem::path& pfad, const char* modus) {
  return std::fopen(pfad.c_str(), modus);
}

#endif

}  // namespace velmora::plattform
