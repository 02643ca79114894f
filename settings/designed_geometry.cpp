#include "designed_geometry.h"

#include <QLabel>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace vorpo {

namespace {

class CompactTabStyle : public QProxyStyle {
  Q_OBJECT
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    // Room left and right of a tab's caption, together.
    constexpr int kTabSpace = 8;
    return metric == PM_TabBarTabHSpace ? kTabSpace
                                        : QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

void PlaceLabel(QLabel* label, const QRect& designed) {
  const QSize hint = label->sizeHint();
  label->setGeometry(designed.left(), designed.top(), std::max(designed.width(), hint.width()),
                     std::max(designed.height(), hint.height()));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FitTabsInOneRow(QTabWidget* tabs) {
  auto* style = new CompactTabStyle;
  style->setParent(tabs);
  tabs->tabBar()->setStyle(style);
}

}  // namespace vorpo

#include "designed_geometry.moc"
