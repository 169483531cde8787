#pragma once
// The working folder in the user's documents, taken with the program option "--dokumente"
// (the Windows Start menu entry starts Velmora so): the folder "Velmora" there is created
// when missing, receives the help file on the first start and becomes the current
// directory. Without the option the program works in the directory it was started in.
#include <filesystem>
#include <vector>

namespace velmora {

inline constexpr const char* kDokumenteOption = "--dokumente";

// The working folder for the documents folder `dokumente`: its subfolder "Velmora".
std::filesystem::path ArbeitsordnerIn(const std::filesystem::path& dokumente);

// Creates `ordner` with its parents when missing, copies the help file from the first of
// `hilfequellen` that exists into it unless it holds one already (the teacher's copy stays),
// and makes it the current directory. False, with the current directory unchanged, when the
// folder cannot be created or entered; a help file that cannot be copied is no failure.
bool RichteArbeitsordnerEin(const std::filesystem::path& ordner,
                            const std::vector<std::filesystem::path>& hilfequellen);

}  // namespace velmora
