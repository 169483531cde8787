#pragma once
// Hints of menu entries and controls: "kurz|lang". The short part is the tooltip, the
// long part goes to the first panel of the status bar.
#include <string>

namespace velmora {

inline std::string KurzerHinweis(const std::string& hinweis) {
  auto strich = hinweis.find('|');
  return strich == std::string::npos ? hinweis : hinweis.substr(0, strich);
}

inline std::string LangerHinweis(const std::string& hinweis) {
  auto strich = hinweis.find('|');
  return strich == std::string::npos ? hinweis : hinweis.substr(strich + 1);
}

}  // namespace velmora
