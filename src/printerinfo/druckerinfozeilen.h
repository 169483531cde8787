#pragma once
// The rows of the printer information window: label and value per row.
#include <string>
#include <utility>
#include <vector>

#include "print/druckflaeche.h"

namespace velmora {

using InfoZeile = std::pair<std::string, std::string>;

std::string TechnologieWort(int technologie);
std::vector<InfoZeile> DruckerInfoZeilen(const std::string& name, const DruckerFaehigkeiten& f,
                                         const std::vector<std::string>& schriften);

}  // namespace velmora
