#include "start_up_leftovers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <malloc.h>

#include "font_file_pages.h"

namespace vorpo {

StartUpLeftovers::StartUpLeftovers(const QWidget& table) : table_(table) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool StartUpLeftovers::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
  const auto* widget = static_cast<const QWidget*>(watched);
  if (!widget->isWindow() || widget == &table_) return false;
  QCoreApplication::instance()->removeEventFilter(this);
  // After the paint under way, whose glyphs are read from the font files too.
  QTimer::singleShot(0, [] {
    malloc_trim(0);
    ReleaseFontFilePages();
  });
  return false;
}

}  // namespace vorpo
