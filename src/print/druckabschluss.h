#pragma once
// The closing notice of a print command.
#include <string>

#include "basis/meldungen.h"
#include "print/druckflaeche.h"

namespace velmora {

// Shows the command's closing `text` (may be empty) in an "Information" box. Where the
// session went into a file, the box names it with its full path and offers "&Ordner öffnen",
// which opens its folder through the surface. Nothing is shown after a session whose file
// could not be written (the surface has said why), nor when there is neither text nor file.
void MeldeDruckabschluss(Meldungen& meldungen, DruckFlaeche& flaeche, const Sitzungsende& ende,
                         const std::string& text = {});

// The box's line naming the file.
std::string GespeichertInText(const std::string& datei);

}  // namespace velmora
