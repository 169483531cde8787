// The version resource and the icon of velmora.exe, compiled into this test program from the
// same .rc file and read back through the Windows API.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

std::vector<std::uint8_t> EigeneVersionsdaten() {
  wchar_t pfad[MAX_PATH];
  const DWORD laenge = GetModuleFileNameW(nullptr, pfad, MAX_PATH);
  EXPECT_GT(laenge, 0u);
  DWORD egal = 0;
  const DWORD groesse = GetFileVersionInfoSizeW(pfad, &egal);
  std::vector<std::uint8_t> daten(groesse);
  if (groesse == 0 || !GetFileVersionInfoW(pfad, 0, groesse, daten.data())) daten.clear();
  return daten;
}

std::wstring Text(std::vector<std::uint8_t>& daten, const wchar_t* name) {
  void* wert = nullptr;
  UINT laenge = 0;
  const std::wstring schluessel = std::wstring(L"\\StringFileInfo\\040704b0\\") + name;
  if (!VerQueryValueW(daten.data(), schluessel.c_str(), &wert, &laenge) || laenge == 0) return L"(fehlt)";
  return std::wstring(static_cast<const wchar_t*>(wert));
}

TEST(Versionsressource, VersionUndNamenDesProgramms) {
  auto daten = EigeneVersionsdaten();
  ASSERT_FALSE(daten.empty()) << "no version resource";
  VS_FIXEDFILEINFO* fest = nullptr;
  UINT laenge = 0;
  ASSERT_TRUE(VerQueryValueW(daten.data(), L"\\", reinterpret_cast<void**>(&fest), &laenge));
  EXPECT_EQ(fest->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fest->dwFileVersionMS, (VELMORA_VERSION_MAJOR << 16u) | VELMORA_VERSION_MINOR);
  EXPECT_EQ(fest->dwFileVersionLS, 0u);
  EXPECT_EQ(fest->dwFileType, static_cast<DWORD>(VFT_APP));

  const std::wstring version = std::to_wstring(VELMORA_VERSION_MAJOR) + L"." + std::to_wstring(VELMORA_VERSION_MINOR);
  EXPECT_EQ(Text(daten, L"ProductName"), L"Velmora");
  EXPECT_EQ(Text(daten, L"FileVersion"), version);
  EXPECT_EQ(Text(daten, L"ProductVersion"), version);
  EXPECT_EQ(Text(daten, L"OriginalFilename"), L"velmora.exe");
  EXPECT_NE(Text(daten, L"FileDescription").find(L"Zeugnisse"), std::wstring::npos);
}

TEST(Versionsressource, SymbolInAllenGroessen) {
  // The icon group: a header of three 16-bit words, then one 14-byte entry per image whose
  // first byte is the width (0 for 256).
  HRSRC gruppe = FindResourceW(nullptr, L"IDI_ICON1", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(gruppe, nullptr) << "no icon group IDI_ICON1";
  const auto* kopf = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, gruppe)));
  ASSERT_NE(kopf, nullptr);
  const unsigned anzahl = kopf[4] | (kopf[5] << 8);
  ASSERT_EQ(SizeofResource(nullptr, gruppe), 6u + 14u * anzahl);
  std::set<unsigned> breiten;
  for (unsigned i = 0; i < anzahl; ++i) {
    const unsigned b = kopf[6 + 14 * i];
    breiten.insert(b == 0 ? 256 : b);
  }
  EXPECT_EQ(breiten, (std::set<unsigned>{16, 24, 32, 48, 64, 128, 256}));
}

}  // namespace
}  // namespace velmora
