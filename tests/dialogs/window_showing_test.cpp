// A window shown before its controls: the window is shown first, and at once every control is
// shown and in its place, with no event processed in between.
#include "window_showing.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

#include <vector>

namespace vorpo {
namespace {

class ShowOrder : public QObject {
 public:
  std::vector<QObject*> shown;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) shown.push_back(watched);
    return false;
  }
};

TEST(WindowShowing, TheWindowShowsFirstAndEveryControlAtOnceInItsPlace) {
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("ゲーム(&G)"));
  auto* table = new QWidget(&window);
  window.setCentralWidget(table);
  auto* hand = new QWidget(table);
  auto* chooser = new QWidget(table);
  chooser->hide();
  auto* kept = new QWidget(&window);
  kept->hide();
  ShowOrder order;
  for (QObject* watched : std::vector<QObject*>{&window, window.menuBar(), table, hand})
    watched->installEventFilter(&order);

  ShowWindowBeforeControls(window);

  ASSERT_FALSE(order.shown.empty());
  EXPECT_EQ(order.shown.front(), &window);
  EXPECT_EQ(order.shown.size(), 4u);
  EXPECT_TRUE(window.menuBar()->isVisible());
  EXPECT_TRUE(table->isVisible());
  EXPECT_TRUE(hand->isVisible());
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_FALSE(kept->isVisible());
  EXPECT_EQ(table->y(), window.menuBar()->height());
  EXPECT_GT(window.menuBar()->height(), 0);
}

}  // namespace
}  // namespace vorpo
