#include "basis/plattform.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace velmora::plattform {

#ifdef _WIN32

bool AufPlatteSichern(std::FILE* datei) { return _commit(_fileno(datei)) == 0; }

bool KuerzeDatei(std::FILE* datei, std::uintmax_t groesse) {
  // The program's files are a few hundred kilobytes; _chsize takes a long.
  return _chsize(_fileno(datei), static_cast<long>(groesse)) == 0;
}

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

bool KuerzeDatei(std::FILE* datei, std::uintmax_t groesse) {
  return ftruncate(fileno(datei), static_cast<off_t>(groesse)) == 0;
}

bool ErsetzeDatei(const std::filesystem::path& quelle, const std::filesystem::path& ziel) {
  if (std::rename(quelle.c_str(), ziel.c_str()) != 0) return false;
  // The new directory entry reaches the disk only with the directory itself. Some file
  // systems cannot flush a directory; the replace has happened all the same.
  const std::filesystem::path verzeichnis = ziel.has_parent_path() ? ziel.parent_path() : ".";
  const int fd = ::open(verzeichnis.c_str(), O_RDONLY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  return true;
}

std::FILE* Oeffne(const std::filesystem::path& pfad, const char* modus) {
  return std::fopen(pfad.c_str(), modus);
}

#endif

}  // namespace velmora::plattform
