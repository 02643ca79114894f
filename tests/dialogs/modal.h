// Answers a modal dialog from inside its own event loop, the way a player would.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace vorpo::testing {

// Runs act on the next modal dialog of type Dialog once it shows.
template <typename Dialog>
void WhenModal(std::function<void(Dialog*)> act) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(dialog);
  });
  timer->start();
}

}  // namespace vorpo::testing
