#pragma once
// The main window in a fresh working directory, printing into PDF files (no printer dialog),
// with message boxes and file dialogs answered by fakes: the ground of the tests that print
// through the real menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <functional>
#include <memory>

#include "app/fenster/MAIN.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"

namespace velmora::test {

class PdfHauptfensterTest : public ArbeitsverzeichnisTest {
 protected:
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }
  // Creates the window printing into PDF files, runs `vorher` (settings of the surface that
  // must stand before the window shows), shows it and waits until it is on the screen.
  void ZeigeHauptfenster(const std::function<void()>& vorher = {}) {
    fenster_ = std::make_unique<TMainForm>(meldungen_, dialoge_);
    fenster_->Druckflaeche().NurPdf();
    if (vorher) vorher();
    fenster_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster_.get()));
  }
  // Triggers the menu command of that object name.
  void Ausloesen(const char* aktion) {
    QAction* a = fenster_->Aktion(QString::fromLatin1(aktion));
    ASSERT_NE(a, nullptr) << aktion;
    a->trigger();
  }

  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TMainForm> fenster_;
};

}  // namespace velmora::test
