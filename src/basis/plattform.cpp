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

namespace {
// The errno value for a Windows error, so that a failed replace reports the same I/O error
// number as a failed open of the same file.
int ErrnoAusWindowsFehler(DWORD fehler) {
  switch (fehler) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_INVALID_NAME:
      return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    default:
      return EIO;
  }
}
}  // namespace

bool AufPlatteSichern(std::FILE* datei) { return _commit(_fileno(datei)) == 0; }

bool KuerzeDatei(std::FILE* datei, std::uintmax_t groesse) {
  // The program's files are a few hundred kilobytes; _chsize takes a long.
  return _chsize(_fileno(datei), static_cast<long>(groesse)) == 0;
}

bool ErsetzeDatei(const std::filesystem::path& quelle, const std::filesystem::path& ziel) {
  // A read-only file is write-protected and is never replaced. NTFS refuses it in
  // MoveFileExW anyway; other file systems behind the API (Wine's) would replace it.
  const DWORD attribute = GetFileAttributesW(ziel.c_str());
  if (attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_READONLY)) {
    errno = EACCES;
    return false;
  }
  if (MoveFileExW(quelle.c_str(), ziel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  errno = ErrnoAusWindowsFehler(GetLastError());
  return false;
}

std::FILE* Oeffne(const std::filesystem::path& pfad, const char* modus) {
  std::wstring m(modus, modus + std::char_traits<char>::length(modus));
  return _wfopen(pfad.c_str(), m.c_str());
}

bool HaengeAn(const std::filesystem::path& pfad, std::string_view daten) {
  // Append access without write access: Windows (and a server of a share) writes every
  // WriteFile at the file's end as one piece.
  HANDLE h =
      CreateFileW(pfad.c_str(), FILE_APPEND_DATA | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    errno = ErrnoAusWindowsFehler(GetLastError());
    return false;
  }
  DWORD geschrieben = 0;
  bool gut = true;
  if (!WriteFile(h, daten.data(), static_cast<DWORD>(daten.size()), &geschrieben, nullptr)) {
    gut = false;
    errno = ErrnoAusWindowsFehler(GetLastError());
  } else if (geschrieben != daten.size()) {
    gut = false;
    errno = ENOSPC;  // a short write: the disk is full
  } else if (!FlushFileBuffers(h)) {
    gut = false;
    errno = ErrnoAusWindowsFehler(GetLastError());
  }
  CloseHandle(h);
  return gut;
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

std::FILE* Oeffne(const std::filesystem::path& pfad, const char* modus) { return std::fopen(pfad.c_str(), modus); }

bool HaengeAn(const std::filesystem::path& pfad, std::string_view daten) {
  const int fd = ::open(pfad.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  // O_APPEND: the system puts the whole write at the end as it is at that moment.
  errno = 0;
  const ssize_t n = ::write(fd, daten.data(), daten.size());
  bool gut = n == static_cast<ssize_t>(daten.size());
  if (!gut && errno == 0) errno = ENOSPC;  // a short write: the disk is full
  gut = gut && ::fsync(fd) == 0;
  const int fehler = errno;
  ::close(fd);
  errno = fehler;
  return gut;
}

#endif

}  // namespace velmora::plattform
