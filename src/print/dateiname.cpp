#include "print/dateiname.h"

#include <string_view>

namespace velmora {

std::string OhneRandblanks(const std::string& text) {
  const auto anfang = text.find_first_not_of(' ');
  if (anfang == std::string::npos) return {};
  return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

std::string ErlaubterDateiname(std::string name) {
  static constexpr std::string_view kVerboten = "<>:\"/\\|?*";
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 32 || kVerboten.find(c) != std::string_view::npos) c = '_';
  }
  return name;
}

}  // namespace velmora
