#pragma once
// File access of the program: fixed-size records and line-oriented text files, opened
// by name relative to the working directory. Every failure throws EAFehler.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

using Bytes = std::vector<std::uint8_t>;

// A code-page-1252 file name as a path of the operating system.
std::filesystem::path Pfad(const std::string& name);
// A path as a code-page-1252 file name.
std::string NameAus(const std::filesystem::path& pfad);

// True for an existing entry that is not a directory.
bool DateiExistiert(const std::string& name);

// Reads the first `groesse` bytes of a file; a shorter file is error 100.
// With `schreibbar` the file is opened for reading and writing, so that a
// write-protected file fails with error 5.
Bytes LiesDatensatz(const std::string& name, std::size_t groesse, bool schreibbar = false);

// Reads a whole file; an error (also a directory of that name) throws EAFehler.
Bytes LiesGanzeDatei(const std::filesystem::path& pfad);

enum class Schreibart {
  Ersetzen,       // the file holds exactly the new bytes afterwards
  Ueberschreiben  // the new bytes replace the file's start; a longer file keeps its tail
};

// The temporary file a save writes beside its target before it replaces it.
inline constexpr const char* kNeuEndung = ".velmora-neu";

// Writes a whole record safely: the complete new content goes to a temporary file in
// the same directory ("<name>.velmora-neu"), is flushed and then replaces the old file,
// and the directory is flushed too. A failure leaves the old file as it was. Where the
// directory takes no new file but the existing file is writable, the file is written in
// place instead.
void SchreibeDatensatz(const std::string& name, const Bytes& inhalt, Schreibart art = Schreibart::Ersetzen);

// Removes "<name>.velmora-neu" left behind by a save that was killed, when the file
// itself exists (otherwise the temporary file may be the only copy and stays).
void EntferneVerwaisteNeuDatei(const std::string& name);
// The same for every "*.velmora-neu" of the working directory.
void RaeumeVerwaisteNeuDateienAuf();

// Reads a text file line by line. A line ends at LF, a CR right before the LF belongs to
// the line end; a lone CR stays in the line. A Ctrl-Z ends the file.
std::vector<std::string> LiesTextZeilen(const std::string& name);

// Writes each line followed by CR LF, replacing the file safely.
void SchreibeTextZeilen(const std::string& name, const std::vector<std::string>& zeilen);

// Splits text as LiesTextZeilen does (used for files already read).
std::vector<std::string> TeileTextZeilen(const Bytes& inhalt);

}  // namespace velmora
