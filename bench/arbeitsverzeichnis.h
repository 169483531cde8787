#pragma once
// Helpers of the benchmarks: a fresh temporary working directory and silent message boxes.
#include <filesystem>
#include <random>
#include <string>

#include "basis/meldungen.h"

struct BenchVerzeichnis {
  BenchVerzeichnis() : vorher(std::filesystem::current_path()) {
    pfad = std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(pfad);
    std::filesystem::current_path(pfad);
  }
  ~BenchVerzeichnis() {
    std::filesystem::current_path(vorher);
    std::error_code ec;
    std::filesystem::remove_all(pfad, ec);
  }
  std::filesystem::path vorher, pfad;
};

// Message boxes that answer at once: Yes to questions, OK to everything else.
class StilleMeldungen : public velmora::Meldungen {
 public:
  velmora::Antwort Zeige(velmora::MeldungsArt, const std::string&, velmora::Knoepfe k, const std::string&) override {
    return k == velmora::Knoepfe::JaNein ? velmora::Antwort::Ja : velmora::Antwort::Ok;
  }
};
