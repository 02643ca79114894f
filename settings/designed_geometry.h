// The dialogs keep their designed positions and sizes. Every control that takes the mouse stands
// exactly where it was designed, so that none covers a neighbour; the dialogs' face is chosen so
// that every caption fits there. Labels size themselves to their captions, as the designs' labels
// do, and take no mouse input, so a caption that runs on never keeps a click from a control.
#pragma once

#include <QRect>

class QLabel;
class QProxyStyle;
class QTabWidget;
class QWidget;

namespace vorpo {

// Puts label at designed, widened and heightened to its caption where that is larger.
void PlaceLabel(QLabel* label, const QRect& designed);

// Narrows the tabs' side padding so that all of a tab widget's pages fit in one row of tabs:
// Qt has no rows of tabs, only scroll buttons that would hide pages.
void FitTabsInOneRow(QTabWidget* tabs);

}  // namespace vorpo
