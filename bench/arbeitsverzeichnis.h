#pragma once
// A fresh temporary working directory for one benchmark.
#include <filesystem>
#include <random>
#include <string>

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
