#include "common/arbeitsverzeichnis.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace velmora::test {

TempArbeitsverzeichnis::TempArbeitsverzeichnis(const std::string& praefix) : vorher_(std::filesystem::current_path()) {
  std::random_device zufall;
  for (int versuch = 0;; ++versuch) {
    pfad_ = std::filesystem::temp_directory_path() / (praefix + std::to_string(zufall()));
    if (std::filesystem::create_directory(pfad_)) break;
    if (versuch >= 100) throw std::runtime_error("no fresh temporary directory");
  }
  std::filesystem::current_path(pfad_);
}

TempArbeitsverzeichnis::~TempArbeitsverzeichnis() {
  std::error_code ec;
  std::filesystem::current_path(vorher_, ec);
  // Windows deletes no read-only file: lift the write protection a test left behind.
  for (std::filesystem::recursive_directory_iterator it(pfad_, ec), ende; !ec && it != ende; it.increment(ec)) {
    std::error_code egal;
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                 egal);
  }
  std::filesystem::remove_all(pfad_, ec);
}

void ArbeitsverzeichnisTest::SetUp() {
  arbeit_ = std::make_unique<TempArbeitsverzeichnis>();
  verzeichnis_ = arbeit_->Pfad();
}

void ArbeitsverzeichnisTest::TearDown() { arbeit_.reset(); }

bool DarfSchreiben(const std::filesystem::path& pfad) {
  if (std::filesystem::is_directory(pfad)) {
    const auto probe = pfad / "velmora-probe";
    const bool geht = std::ofstream(probe).is_open();
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return geht;
  }
  return std::ofstream(pfad, std::ios::app).is_open();
}

Bytes LiesDatei(const std::filesystem::path& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  EXPECT_TRUE(f.good()) << "cannot read " << pfad;
  return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void SchreibeDatei(const std::filesystem::path& pfad, const Bytes& inhalt) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
  ASSERT_TRUE(f.good()) << "cannot write " << pfad;
}

::testing::AssertionResult GleicheBytes(const Bytes& ist, const Bytes& soll) {
  std::size_t i = 0;
  while (i < ist.size() && i < soll.size() && ist[i] == soll[i]) ++i;
  if (i == ist.size() && i == soll.size()) return ::testing::AssertionSuccess();
  auto r = ::testing::AssertionFailure() << "sizes " << ist.size() << " / " << soll.size()
                                         << ", first difference at offset " << i;
  if (i < ist.size() && i < soll.size()) r << ": " << int(ist[i]) << " instead of " << int(soll[i]);
  return r;
}

}  // namespace velmora::test
