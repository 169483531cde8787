#pragma once
// The few file operations that differ between Windows and the other systems.
#include <cstdio>
#include <filesystem>

namespace velmora::plattform {

// Pushes the written data of an open file to the disk. Returns false on failure.
bool AufPlatteSichern(std::FILE* datei);

// Replaces `ziel` by `quelle` in one step; returns false (errno set) on failure.
bool ErsetzeDatei(const std::filesystem::path& quelle, const std::filesystem::path& ziel);

// Opens a file with a C mode string, also for non-ASCII names.
std::FILE* Oeffne(const std::filesystem::path& pfad, const char* modus);

}  // namespace velmora::plattform
