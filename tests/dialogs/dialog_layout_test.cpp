// Every caption of every dialog fits its control, and no control that takes the mouse covers a
// neighbour, in the faces that stand in for the dialogs' own on Linux.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <utility>
#include <vector>

#include "AboutBox.h"
#include "VConfig.h"
#include "VorpoIntro.h"
#include "fake_host.h"

namespace vorpo {
namespace {

using testing::FakeHost;

// A caption as shown: without its mnemonic marks and rich-text tags.
QString Caption(const QString& text) {
  QString shown = text;
  shown.remove(QRegularExpression(QStringLiteral("<[^>]*>|&(?!&)")));
  return shown;
}

// Two controls whose designed rectangles overlap; the later one lies on top.
using DesignedOverlap = std::pair<const QWidget*, const QWidget*>;

// The room a control gives its caption, and the caption's own width.
struct CaptionFit {
  int needed = 0;
  int room = 0;
};

CaptionFit FitOf(QWidget* control) {
  const QFontMetrics metrics(control->font());
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    return {box->sizeHint().width(), box->width()};
  }
  if (auto* radio = qobject_cast<QRadioButton*>(control)) {
    return {radio->sizeHint().width(), radio->width()};
  }
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    return {metrics.horizontalAdvance(Caption(button->text())) + margin, button->width()};
  }
  if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
    return {metrics.horizontalAdvance(Caption(label->text())), label->contentsRect().width()};
  }
  return {};
}

// Where a designed overlap puts upper over lower, nothing of lower is drawn under upper.
void ExpectUncovered(const QWidget* lower, const QWidget* upper) {
  const int shownRight = lower->x() + lower->sizeHint().width();
  EXPECT_LE(shownRight, upper->x()) << Caption(lower->property("text").toString()).toStdString();
}

// Walks the visible controls under parent: each caption fits, and among siblings no two
// rectangles that take the mouse meet unless designed so, nor does a caption run into another
// control.
void ExpectEveryCaptionFits(QWidget* parent, const QString& where,
                            const std::vector<DesignedOverlap>& designed = {}) {
  const auto controls = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const auto shown = [](const QWidget* w) { return !w->isHidden() && !w->isWindow(); };
  for (qsizetype i = 0; i < controls.size(); ++i) {
    QWidget* control = controls[i];
    if (!shown(control)) continue;
    const CaptionFit fit = FitOf(control);
    EXPECT_LE(fit.needed, fit.room)
        << where.toStdString() << ": " << control->metaObject()->className() << " \""
        << Caption(control->property("text").toString()).toStdString() << "\"";
    for (qsizetype j = i + 1; j < controls.size(); ++j) {
      QWidget* other = controls[j];
      if (!shown(other) || !control->geometry().intersects(other->geometry())) continue;
      const bool aLabel = qobject_cast<QLabel*>(control) || qobject_cast<QLabel*>(other);
      const bool asDesigned = std::find(designed.begin(), designed.end(),
                                        DesignedOverlap{control, other}) != designed.end();
      if (asDesigned && !aLabel) {
        ExpectUncovered(control, other);
        continue;
      }
      ADD_FAILURE() << where.toStdString() << ": \""
                    << Caption(control->property("text").toString()).toStdString() << "\" meets \""
                    << Caption(other->property("text").toString()).toStdString() << "\"";
    }
    if (!qobject_cast<QAbstractButton*>(control)) ExpectEveryCaptionFits(control, where, designed);
  }
}

TEST(DialogLayout, EveryOptionsPageFitsItsCaptionsAndTheTabsFitOneRow) {
  FakeHost host;
  TfrmConfig dialog(host, nullptr);
  dialog.Fill();
  dialog.show();
  QTabWidget* pages = dialog.PageControl1;
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    ExpectEveryCaptionFits(pages->widget(page), pages->tabText(page),
                           {{dialog.chbCanDefDraw, dialog.chbCanUseNotYama}});
  }
  ExpectEveryCaptionFits(&dialog, QStringLiteral("オプション"));
  // The computer's strength stands in the game page's free room below the scoring rule.
  const QRect strength = dialog.cmbStrength->geometry().united(dialog.Label11->geometry());
  EXPECT_GT(strength.top(), dialog.rgScore->geometry().bottom());
  EXPECT_TRUE(dialog.TabSheet1->rect().contains(strength));
  const QTabBar* tabs = pages->tabBar();
  EXPECT_LE(tabs->tabRect(pages->count() - 1).right(), pages->width());
  EXPECT_EQ(tabs->tabRect(0).top(), tabs->tabRect(pages->count() - 1).top());
}

TEST(DialogLayout, WelcomeDialogAndAboutBoxFitTheirCaptions) {
  FakeHost host;
  TfrmIntro welcome(host, nullptr);
  welcome.Fill();
  welcome.show();
  ExpectEveryCaptionFits(&welcome, QStringLiteral("welcome"));

  TfrmAbout about(nullptr, HelpPageAddress());
  about.show();
  ExpectEveryCaptionFits(&about, QStringLiteral("About"));
}

TEST(DialogLayout, ALongHelpPathIsElidedInTheMiddleAndStaysWholeInTheToolTip) {
  const QString folder = QStringLiteral("/home/player/") + QString(300, QLatin1Char('d'));
  const QUrl address = QUrl::fromLocalFile(folder + QStringLiteral("/vorpo.html"));
  TfrmAbout box(nullptr, address);
  box.show();
  const QString shown = box.Label2->text();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("URL: file:///home/")));
  EXPECT_TRUE(shown.endsWith(QStringLiteral("/vorpo.html")));
  EXPECT_TRUE(shown.contains(QChar(0x2026)));
  EXPECT_LE(box.Label2->sizeHint().width(), box.Label2->width());
  EXPECT_LE(box.Label2->geometry().right(), box.width());
  EXPECT_EQ(box.Label2->toolTip(), address.toString());
  EXPECT_FALSE(box.Label2->testAttribute(Qt::WA_TransparentForMouseEvents));
}

}  // namespace
}  // namespace vorpo
