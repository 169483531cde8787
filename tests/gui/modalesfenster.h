#pragma once
// Window tests that open a modal window: the test's steps run inside it.
#include <QApplication>
#include <QTimer>
#include <functional>

namespace velmora::test {

// Runs `tun` with the modal window of type W as soon as it is open and shown. The caller
// then opens that window; `tun` must close it.
template <class W>
void BeiModalemFenster(std::function<void(W*)> tun) {
  auto* uhr = new QTimer;
  uhr->setInterval(10);
  QObject::connect(uhr, &QTimer::timeout, [uhr, tun] {
    auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
    if (!w || !w->isVisible()) return;
    uhr->stop();
    uhr->deleteLater();
    tun(w);
  });
  uhr->start();
}

}  // namespace velmora::test
