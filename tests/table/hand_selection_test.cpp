// The keyboard's card follows the human's hand through plays, draws and deals.
#include "hand_selection.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace vorpo::testing {
namespace {

HandList Hand(std::initializer_list<Card> cards) {
  HandList hand;
  for (Card card : cards) hand.Append(card);
  return hand;
}

TEST(HandSelection, StartsOnTheFirstCardAndStopsAtTheEnds) {
  HandSelection selection;
  EXPECT_EQ(selection.Position(), -1);
  selection.MoveRight();
  selection.MoveToLast();
  EXPECT_EQ(selection.Position(), -1);  // nothing to choose from yet

  selection.Follow(Hand({1, 5, 9}));
  EXPECT_EQ(selection.Position(), 0);
  selection.MoveLeft();
  EXPECT_EQ(selection.Position(), 0);
  for (int i = 0; i < 3; ++i) selection.MoveRight();
  EXPECT_EQ(selection.Position(), 2);
  selection.MoveToFirst();
  EXPECT_EQ(selection.Position(), 0);
  selection.MoveToLast();
  EXPECT_EQ(selection.Position(), 2);
}

TEST(HandSelection, StaysOnItsCardAsCardsComeAndGoAroundIt) {
  HandSelection selection;
  selection.Follow(Hand({10, 30, 50}));
  selection.MoveRight();                    // on 30
  selection.Follow(Hand({2, 10, 30, 50}));  // a card drawn and sorted in before it
  EXPECT_EQ(selection.Position(), 2);
  selection.Follow(Hand({2, 30, 50}));  // one before it played
  EXPECT_EQ(selection.Position(), 1);
  selection.Follow(Hand({2, 30, 50, 7}));  // a drawn card left at the end, unsorted
  EXPECT_EQ(selection.Position(), 1);
  selection.Follow(Hand({2, 12, 14, 16, 18, 30, 50, 7}));  // a penalty of four
  EXPECT_EQ(selection.Position(), 5);
  EXPECT_EQ(selection.Hand().At(selection.Position()), 30);
}

TEST(HandSelection, APlayedCardLeavesTheSelectionOnItsTwinOrInItsPlace) {
  HandSelection selection;
  // The second red 5 went: the first one, which looks the same, is chosen rather than the
  // card that moved into the place.
  selection.Follow(Hand({10, 11, 40}));
  selection.MoveRight();
  selection.Follow(Hand({10, 40}));
  EXPECT_EQ(selection.Position(), 0);

  // Of several twins, the nearest: a Wild between two others went.
  selection.Follow(Hand({104, 105, 106, 107}));
  selection.MoveToFirst();
  selection.MoveRight();
  selection.MoveRight();  // on 106
  selection.Follow(Hand({104, 105, 107}));
  EXPECT_EQ(selection.Position(), 2);

  // No twin: the card that took its place, or the last card when the last one went.
  selection.Follow(Hand({10, 20, 40}));
  selection.MoveToFirst();
  selection.MoveRight();  // on 20
  selection.Follow(Hand({10, 40}));
  EXPECT_EQ(selection.Position(), 1);
  selection.Follow(Hand({10}));
  EXPECT_EQ(selection.Position(), 0);
}

TEST(HandSelection, ANewDealKeepsThePlaceAndAnEmptyHandStartsAfreshAtTheFirstCard) {
  HandSelection selection;
  selection.Follow(Hand({1, 3, 5, 7, 9, 11, 13}));
  selection.MoveToLast();
  selection.Follow(Hand({20, 22, 24, 26, 28, 30, 32, 34}));
  EXPECT_EQ(selection.Position(), 6);
  selection.Follow(Hand({}));
  EXPECT_EQ(selection.Position(), -1);
  selection.MoveLeft();
  EXPECT_EQ(selection.Position(), -1);
  selection.Follow(Hand({40, 42, 44}));
  EXPECT_EQ(selection.Position(), 0);
}

}  // namespace
}  // namespace vorpo::testing
