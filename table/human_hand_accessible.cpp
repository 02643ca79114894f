#include "human_hand_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <vector>

#include "card_names.h"
#include "table_geometry.h"

namespace vorpo {

namespace {

const QString kHumanHandName = QStringLiteral("HumanHand");

// The window in which a hand lies, as the hand's source; none once the window is being taken
// down, when its game is gone and its hand has no cards to tell of.
const HumanHandSource* SourceOf(const QWidget& hand) {
  return dynamic_cast<const HumanHandSource*>(hand.window());
}

class HumanHandAccessible : public QAccessibleWidget {
 public:
  explicit HumanHandAccessible(QWidget* hand) : QAccessibleWidget(hand, QAccessible::List) {}
  ~HumanHandAccessible() override {
    for (QAccessible::Id id : cards_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override {
    const HumanHandSource* source = SourceOf(*widget());
    return source != nullptr ? source->HumanHand().Count() : 0;
  }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // What the card items read of the hand, at positions below childCount().
  QString CardText(int position) const {
    return CardName(SourceOf(*widget())->HumanHand().At(position));
  }
  // The part of the card that a press on the hand plays, on the screen.
  QRect CardRect(int position) const;
  int MarkedPosition() const {
    const HumanHandSource* source = SourceOf(*widget());
    return source != nullptr ? source->MarkedPosition() : -1;
  }
  bool HasKeyboard() const { return widget()->hasFocus(); }
  bool IsShown() const { return widget()->isVisible(); }

 private:
  // One item per position, made when first asked for and kept for the hand's life; an item
  // beyond the cards now held reports itself invalid.
  mutable std::vector<QAccessible::Id> cards_;
};

class HandCardAccessible : public QAccessibleInterface {
 public:
  HandCardAccessible(HumanHandAccessible* hand, int position) : hand_(hand), position_(position) {}

  const HumanHandAccessible* Hand() const { return hand_; }
  int Position() const { return position_; }

  bool isValid() const override { return hand_->isValid() && position_ < hand_->childCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return hand_->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return hand_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? hand_->CardText(position_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return isValid() ? hand_->CardRect(position_) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.invisible = !hand_->IsShown();
    state.selected = hand_->MarkedPosition() == position_;
    state.focused = state.selected && hand_->HasKeyboard();
    return state;
  }

 private:
  HumanHandAccessible* hand_;
  int position_;
};

QAccessibleInterface* HumanHandAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  const auto at = static_cast<std::size_t>(index);
  while (cards_.size() <= at) {
    auto* card = new HandCardAccessible(const_cast<HumanHandAccessible*>(this),
                                        static_cast<int>(cards_.size()));
    cards_.push_back(QAccessible::registerAccessibleInterface(card));
  }
  return QAccessible::accessibleInterface(cards_[at]);
}

int HumanHandAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* card = dynamic_cast<const HandCardAccessible*>(child);
  if (card == nullptr || card->Hand() != this || !card->isValid()) return -1;
  return card->Position();
}

QAccessibleInterface* HumanHandAccessible::childAt(int x, int y) const {
  const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
  if (!widget()->rect().contains(at) || childCount() == 0) return nullptr;
  return child(HandPositionAtX(at.x(), childCount()));
}

QAccessibleInterface* HumanHandAccessible::focusChild() const {
  const int marked = MarkedPosition();
  if (marked >= 0 && HasKeyboard()) return child(marked);
  return QAccessibleWidget::focusChild();
}

QRect HumanHandAccessible::CardRect(int position) const {
  const int n = childCount();
  const bool whole = n <= kCardsSideBySide || position == n - 1;
  const QPoint topLeft = widget()->mapToGlobal(QPoint(CardLeft(position, n), 0));
  return QRect(topLeft, QSize(whole ? kCardWidth : OverlapStep(n), kCardHeight));
}

QAccessibleInterface* HumanHandFactory(const QString&, QObject* object) {
  if (!object->isWidgetType() || object->objectName() != kHumanHandName) return nullptr;
  auto* hand = static_cast<QWidget*>(object);
  return SourceOf(*hand) != nullptr ? new HumanHandAccessible(hand) : nullptr;
}

}  // namespace

void MakeHandReadable(QWidget& humanHand) {
  [[maybe_unused]] static const bool installed = [] {
    QAccessible::installFactory(&HumanHandFactory);
    return true;
  }();
  humanHand.setObjectName(kHumanHandName);
  humanHand.setAccessibleName(QStringLiteral("手札"));
  // Qt keeps the first interface it made for a widget, and one made before the hand had its
  // name would not list the cards.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&humanHand);
  if (made != nullptr && dynamic_cast<HumanHandAccessible*>(made) == nullptr)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace vorpo
