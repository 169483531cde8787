#pragma once
// The main-window logic started in a fresh working directory with every port faked.
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"

namespace velmora::test {

// The boxes shown by the start are counted and then cleared.
class SteuerungsTest : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    passwoerter.Verbinde(steuerung.Schutz(), steuerung.Einstellungen(), meldungen);
    steuerung.Start();
    startMeldungen = meldungen.protokoll.size();
    meldungen.protokoll.clear();
  }

  FakeAnsicht ansicht;
  FakeMeldungen meldungen;
  FakeDateiDialoge dialoge;
  FakePasswortDialoge passwoerter;
  Hauptsteuerung steuerung{ansicht, meldungen, dialoge, passwoerter, passwoerter};
  std::size_t startMeldungen = 0;
};

}  // namespace velmora::test
