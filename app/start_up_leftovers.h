// What start-up leaves behind goes back to the system once the welcome dialog has painted
// itself, the moment the program first waits for the player, who may leave it waiting there a
// long time: the heap that reading the fonts and making the pictures freed, and the pages of
// the font files that the two windows' texts were read from.
#pragma once

#include <QObject>

class QWidget;

namespace vorpo {

class StartUpLeftovers : public QObject {
 public:
  // Watches for the first window other than table to paint itself: the table is painted by then.
  explicit StartUpLeftovers(const QWidget& table);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QWidget& table_;
};

}  // namespace vorpo
