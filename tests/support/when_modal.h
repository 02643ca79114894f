// Answers the program's modal windows the way a user would: each wait watches for the next
// modal window of one kind and acts on it once it shows, from inside that window's own loop.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace vorpo::testing {

// Returns a flag that turns true once act has run.
template <typename Window>
std::shared_ptr<bool> WhenModal(std::function<void(Window*)> act) {
  auto acted = std::make_shared<bool>(false);
  auto* timer = new QTimer(qApp);
  timer->setObjectName(QStringLiteral("modal wait"));
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act, acted] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (window == nullptr || !window->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    *acted = true;
    act(window);
  });
  timer->start();
  return acted;
}

// Drops the waits that found nothing to answer.
inline void StopWaiting() {
  for (QTimer* timer : qApp->findChildren<QTimer*>(QStringLiteral("modal wait"))) delete timer;
}

}  // namespace vorpo::testing
