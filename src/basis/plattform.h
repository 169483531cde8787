#pragma once
// The few file operations that differ between Windows and the other systems.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace velmora::plattform {

// Pushes the written data of an open file to the disk. Returns false on failure.
bool AufPlatteSichern(std::FILE* datei);

// Cuts an open file to `groesse` bytes. Returns false (errno set) on failure.
bool KuerzeDatei(std::FILE* datei, std::uintmax_t groesse);

// Replaces `ziel` by `quelle` in one step and pushes the change of the directory to the
// disk where the system allows it; returns false (errno set) on failure.
bool ErsetzeDatei(const std::filesystem::path& quelle, const std::filesystem::path& ziel);

// Opens a file with a C mode string, also for non-ASCII names.
std::FILE* Oeffne(const std::filesystem::path& pfad, const char* modus);

// Appends `daten` to the end of the existing file `pfad` with one write of the system, which
// puts it at the file's end at that moment, also when another program appends to the same
// file (on a network share too), and pushes it to the disk. Returns false (errno set) when
// the file is missing or not all of `daten` was written.
bool HaengeAn(const std::filesystem::path& pfad, std::string_view daten);

}  // namespace velmora::plattform
