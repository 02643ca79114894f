// How a computer seat chooses its move: no memory, no randomness, no look-ahead. It never
// keeps back a card it may play.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "game.h"

namespace vorpo {

namespace {

// The colours in the order the exchange sort of their counts leaves them, fewest first. This
// exchange pattern fixes the order of colours with equal counts; keep it exactly.
constexpr std::array<int, 4> ExchangeSorted(std::array<int, 4> count) {
  std::array<int, 4> order = {0, 1, 2, 3};
  for (std::size_t p = 0; p < 4; ++p)
    for (std::size_t q = 0; q < 4; ++q)
      if (count[p] < count[q]) {
        std::swap(count[p], count[q]);
        std::swap(order[p], order[q]);
      }
  return order;
}

// The sort only compares counts, so the order it leaves depends on nothing but how each pair
// of counts compares: one of 3^6 patterns, each worked out once here.
constexpr int kPatterns = 729;

// 0 for less, 1 for equal, 2 for more, worked out without a branch.
constexpr int Compared(int a, int b) {
  return (a >= b) + (a > b);
}

constexpr int PatternOf(const std::array<int, 4>& c) {
  return 243 * Compared(c[0], c[1]) + 81 * Compared(c[0], c[2]) + 27 * Compared(c[0], c[3]) +
         9 * Compared(c[1], c[2]) + 3 * Compared(c[1], c[3]) + Compared(c[2], c[3]);
}

// Counts of 0..3 show every pattern that four counts can make.
constexpr std::array<std::array<std::uint8_t, 4>, kPatterns> SearchOrders() {
  std::array<std::array<std::uint8_t, 4>, kPatterns> orders{};
  for (int n = 0; n < 256; ++n) {
    const std::array<int, 4> count = {n & 3, (n >> 2) & 3, (n >> 4) & 3, (n >> 6) & 3};
    const std::array<int, 4> order = ExchangeSorted(count);
    auto& searched = orders[static_cast<std::size_t>(PatternOf(count))];
    for (std::size_t i = 0; i < 4; ++i) searched[i] = static_cast<std::uint8_t>(order[3 - i]);
  }
  return orders;
}

constexpr auto kSearchOrders = SearchOrders();

}  // namespace

std::array<int, 4> ColourSearchOrder(const HandList& hand) {
  const std::array<int, 4> count = {hand.GroupCount(0), hand.GroupCount(1), hand.GroupCount(2),
                                    hand.GroupCount(3)};
  const auto& order = kSearchOrders[static_cast<std::size_t>(PatternOf(count))];
  return {order[0], order[1], order[2], order[3]};
}

void Game::ComputerMove() {
  const int seat = state.CurSeat;
  HandList& hand = Hand(seat);
  // Only the human's hand is ever out of order (its drawn card kept last); a computer move
  // made for it puts it in order first.
  hand.Sort();

  if (state.PenaltyPending) {
    if (state.DefDraw && PlayFirstLegal()) return;
    DoPass();
    return;
  }

  // Two cards, the higher one black: out with it at once while the stock allows.
  if (hand.Count() == 2 && IsBlack(hand.At(1)) && StockAllows(hand.At(1))) {
    PlayCard(hand.At(1));
    return;
  }

  // Within a colour the highest card number is tried first, among the black cards the lowest
  // (Wilds before Wild Draw Fours). Nothing changes while the hand is searched, so what may be
  // played is worked out once and met with each group of the hand's cards.
  const CardSet playable = PlayableCards(state).Cards() & hand.Cards();
  for (int colour : ColourSearchOrder(hand)) {
    const CardSet candidates = playable & kCardsOfColour[static_cast<std::size_t>(colour)];
    if (!candidates.Empty()) {
      PlayCard(candidates.Highest());
      return;
    }
  }
  const CardSet black = playable & kCardsOfColour[kBlackGroup];
  if (!black.Empty()) {
    PlayCard(black.Lowest());
    return;
  }

  // Passing on an empty stock cannot go round for ever: with every card but the top one in the
  // hands, the number cards of the colour in force are held by somebody, and a number card
  // is legal with any hand size and any stock.
  if (state.StockCount == 0) {
    DoPass();
    return;
  }
  const Card drawn = DrawFromStock(static_cast<std::uint8_t>(seat), true);
  ++counters.draws;
  if (CanPlay(drawn)) {
    PlayCard(drawn);
    return;
  }
  if (state.NotYama && PlayFirstLegal()) return;
  DoPass();
}

bool Game::PlayFirstLegal() {
  const HandList& hand = Hand(state.CurSeat);
  const PlayableCards playable(state);
  // In a sorted hand the first card is the lowest; only the human's drawn card, kept last, is
  // out of that order.
  if (hand.IsSorted()) {
    const CardSet legal = playable.Cards() & hand.Cards();
    if (legal.Empty()) return false;
    PlayCard(legal.Lowest());
    return true;
  }
  for (Card card : hand) {
    if (playable.Contains(card)) {
      PlayCard(card);
      return true;
    }
  }
  return false;
}

int Game::ChooseColor() const {
  const HandList& hand = state.Hands[static_cast<std::size_t>(state.CurSeat)];
  const int first = hand.GroupCount(0) < hand.GroupCount(1) ? 1 : 0;
  const int second = hand.GroupCount(2) < hand.GroupCount(3) ? 3 : 2;
  return hand.GroupCount(first) < hand.GroupCount(second) ? second : first;
}

bool Game::HumanHasLegalCard() const {
  // Asked only on the human's turn, so the cards CurSeat may play are the human's.
  const PlayableCards playable(state);
  return !(playable.Cards() & state.Hands[0].Cards()).Empty();
}

}  // namespace vorpo
