// The window tests' program: one QApplication for all tests, offscreen unless the caller
// chose a platform, and a watchdog that closes a modal window left open by a test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "app/fenster/sprache.h"

namespace {

// A modal window that stays up this long is taken as stuck: the test fails, the window is
// closed and the run goes on instead of hanging until ctest's time limit.
constexpr int kHaengtNachSekunden = 20;

void StarteWaechter(QApplication& app) {
  struct Stand {
    QPointer<QWidget> fenster;
    int sekunden = 0;
  };
  auto* waechter = new QTimer(&app);
  auto stand = std::make_shared<Stand>();
  QObject::connect(waechter, &QTimer::timeout, &app, [stand] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != stand->fenster.data()) {
      stand->fenster = modal;
      stand->sekunden = 0;
      return;
    }
    if (!modal || ++stand->sekunden < kHaengtNachSekunden) return;
    ADD_FAILURE() << "the modal window \"" << modal->windowTitle().toStdString() << "\" was left open; closed";
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    stand->sekunden = 0;
  });
  waechter->start(1000);
}

}  // namespace

int main(int argc, char** argv) {
  // The windows run offscreen, also when the test list is read at build time.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velmora::SprecheDeutsch(app);  // as the program: Qt's own dialogs in German
  ::testing::InitGoogleTest(&argc, argv);
  StarteWaechter(app);
  return RUN_ALL_TESTS();
}
