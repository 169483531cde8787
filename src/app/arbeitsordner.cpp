#include "app/arbeitsordner.h"

#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

namespace {
constexpr const char* kHilfedatei = "KURZBEDIENUNGSANLEITUNG.HLP";
}

fs::path ArbeitsordnerIn(const fs::path& dokumente) { return dokumente / "Velmora"; }

bool RichteArbeitsordnerEin(const fs::path& ordner, const std::vector<fs::path>& hilfequellen) {
  std::error_code ec;
  fs::create_directories(ordner, ec);
  if (ec || !fs::is_directory(ordner, ec)) return false;
  const fs::path hilfe = ordner / kHilfedatei;
  if (!fs::exists(hilfe, ec)) {
    for (const fs::path& quelle : hilfequellen) {
      if (!fs::is_regular_file(quelle, ec)) continue;
      // A copy cut off half-way would be taken for the help file on the next start.
      if (!fs::copy_file(quelle, hilfe, ec)) fs::remove(hilfe, ec);
      break;
    }
  }
  fs::current_path(ordner, ec);
  return !ec;
}

}  // namespace velmora
