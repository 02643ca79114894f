// The dialogs keep their designed positions and sizes. Captions of labels and check boxes were
// sized for the fonts the layout was drawn with; where the fonts here need a few pixels more,
// the control grows to its caption instead of cutting it off, as a label that sizes itself to
// its text does.
#pragma once

#include <QRect>

class QProxyStyle;
class QTabWidget;
class QWidget;

namespace vorpo {

// Puts control at designed, widened and heightened to its size hint where that is larger.
void PlaceGrown(QWidget* control, const QRect& designed);

// Narrows the tabs' side padding so that all of a tab widget's pages fit in one row of tabs:
// Qt has no rows of tabs, only scroll buttons that would hide pages.
void FitTabsInOneRow(QTabWidget* tabs);

}  // namespace vorpo
