#pragma once
// A fresh temporary working directory for every test and benchmark, and the file helpers
// that work in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "basis/dateien.h"
#include "basis/eafehler.h"

namespace velmora::test {

// Creates a new empty directory under the system's temporary directory, makes it the
// current directory, and on destruction goes back and removes it with all it holds.
class TempArbeitsverzeichnis {
 public:
  explicit TempArbeitsverzeichnis(const std::string& praefix = "velmora-test-");
  ~TempArbeitsverzeichnis();
  TempArbeitsverzeichnis(const TempArbeitsverzeichnis&) = delete;
  TempArbeitsverzeichnis& operator=(const TempArbeitsverzeichnis&) = delete;

  const std::filesystem::path& Pfad() const { return pfad_; }

 private:
  std::filesystem::path pfad_, vorher_;
};

// Each test runs in a new empty temporary directory, removed afterwards.
class ArbeitsverzeichnisTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::unique_ptr<TempArbeitsverzeichnis> arbeit_;
  std::filesystem::path verzeichnis_;
};

// True when this process can still write the file (or create a file in the directory),
// for instance because it runs with administrator rights despite the write protection.
bool DarfSchreiben(const std::filesystem::path& pfad);

// Runs `f` and returns the number of the EAFehler it throws, or -1 without one.
template <class F>
int FehlerNummer(F&& f) {
  try {
    f();
  } catch (const EAFehler& e) {
    return e.Nummer();
  }
  return -1;
}

Bytes LiesDatei(const std::filesystem::path& pfad);
void SchreibeDatei(const std::filesystem::path& pfad, const Bytes& inhalt);
inline Bytes AlsBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }
// Compares byte blocks and reports only the sizes and the first differing offset, so a
// failing 199236-byte comparison stays readable.
::testing::AssertionResult GleicheBytes(const Bytes& ist, const Bytes& soll);

}  // namespace velmora::test
