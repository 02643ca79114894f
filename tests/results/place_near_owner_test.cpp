#include "place_near_owner.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorpo {
namespace {

// Where a dialog of size dialogSize lands for an owner window at ownerCorner.
QPoint Placed(QPoint ownerCorner, QSize dialogSize) {
  QWidget owner;
  owner.setGeometry(QRect(ownerCorner, QSize(640, 480)));
  QWidget dialog;
  dialog.resize(dialogSize);
  PlaceNearOwner(&owner, &dialog);
  return dialog.pos();
}

TEST(PlaceNearOwner, OpensBelowAndRightOfTheOwnerAndStaysOnTheScreen) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  const QSize dialog(300, 200);
  EXPECT_EQ(Placed({0, 0}, dialog), QPoint(80, 40));
  EXPECT_EQ(Placed({100, 50}, dialog), QPoint(180, 90));
  // Near the right edge and near the bottom the dialog is pulled back onto the screen.
  EXPECT_EQ(Placed({screen.width() - 100, 50}, dialog), QPoint(screen.width() - 300, 90));
  EXPECT_EQ(Placed({100, screen.height() - 100}, dialog), QPoint(180, screen.height() - 200));
  // An owner partly above or left of the screen puts the dialog at that edge.
  EXPECT_EQ(Placed({100, -30}, dialog), QPoint(180, 0));
  EXPECT_EQ(Placed({-500, 50}, dialog), QPoint(0, 90));
  // A dialog wider than the screen is pulled left past the screen's edge.
  EXPECT_EQ(Placed({0, 0}, QSize(screen.width() + 200, 200)), QPoint(-200, 40));
}

TEST(PlaceNearOwner, WithoutAnOwnerTheDialogGoesToTheFixedCorner) {
  QWidget dialog;
  dialog.resize(300, 200);
  PlaceNearOwner(nullptr, &dialog);
  EXPECT_EQ(dialog.pos(), QPoint(80, 40));
}

}  // namespace
}  // namespace vorpo
