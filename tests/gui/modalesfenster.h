#pragma once
// Window tests that open a modal window: the test's steps run inside it, while the window's
// own event loop runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <type_traits>

namespace velmora::test {

// Whether the steps wait until the modal window is the active window. Keys, shortcuts and the
// keyboard focus go to the active window only; offscreen, the main window's own activation
// may arrive late and take it back once.
enum class Aktiv { egal, abwarten };

namespace modal_detail {

inline void MachAktiv(QWidget* w) {
  EXPECT_TRUE(QTest::qWaitFor(
      [w] {
        if (QApplication::activeWindow() != w) w->activateWindow();
        return QApplication::activeWindow() == w;
      },
      5000));
  QTest::qWait(20);
  if (QApplication::activeWindow() != w) {
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
  }
}

// Looks every 10 ms for a shown modal window of type W; runs `tun` once with the first one.
template <class W>
QPointer<QTimer> Warte(std::function<void(W*)> tun, Aktiv aktiv) {
  auto* uhr = new QTimer;
  uhr->setInterval(10);
  QObject::connect(uhr, &QTimer::timeout, [uhr, tun, aktiv] {
    auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
    if (!w || !w->isVisible()) return;
    uhr->stop();
    uhr->deleteLater();
    if (aktiv == Aktiv::abwarten) MachAktiv(w);
    tun(w);
  });
  uhr->start();
  return uhr;
}

}  // namespace modal_detail

// Runs `tun` with the modal window of type W as soon as it is open and shown. The caller
// then opens that window; `tun` must close it.
template <class W>
void BeiModalemFenster(std::function<void(W*)> tun, Aktiv aktiv = Aktiv::egal) {
  modal_detail::Warte<W>(std::move(tun), aktiv);
}

// Runs `befehl`, which must open a modal window of type W, runs `pruefe` with that window
// and closes it (reject) if `pruefe` left it open. Fails when no such window came up.
template <class W = QWidget>
void ModalesFensterPruefen(const std::function<void()>& befehl, std::type_identity_t<std::function<void(W*)>> pruefe) {
  bool gesehen = false;
  QPointer<QTimer> uhr = modal_detail::Warte<W>(
      [&gesehen, pruefe](W* w) {
        gesehen = true;
        pruefe(w);
        auto* dialog = qobject_cast<QDialog*>(w);
        if (dialog && dialog->isVisible()) dialog->reject();
      },
      Aktiv::egal);
  befehl();
  // A window that never came must not leave the timer waiting for a later test's window.
  if (uhr) {
    uhr->stop();
    uhr->deleteLater();
  }
  EXPECT_TRUE(gesehen) << "no modal window came up";
}

}  // namespace velmora::test
