// A computer seat's move: the game works out what the seat may play, its strategy chooses, and
// the turn engine's operations carry the choice out.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "game.h"
#include "strong_player.h"

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
  const std::array<int, 4> count = hand.ColourCounts();
  const auto& order = kSearchOrders[static_cast<std::size_t>(PatternOf(count))];
  return {order[0], order[1], order[2], order[3]};
}

namespace {

// The standard player: no memory, no randomness, no look-ahead. It never keeps back a card it
// may play, which the game's move already sees to, and lays its most plentiful colour first.
class StandardPlayer final : public ComputerStrategy {
 public:
  Card ChooseCard(const Game& game, const CardSet& legal, Card drawn) const override {
    const GameState& state = game.State();
    // A penalty is answered, and a turn after drawing finished, with the lowest card that
    // may be played, unless the drawn card itself may be.
    if (state.PenaltyPending) return legal.Lowest();
    if (drawn != kNoCard) return legal.Contains(drawn) ? drawn : legal.Lowest();

    const HandList& hand = state.Hands[static_cast<std::size_t>(state.CurSeat)];
    // Two cards, the higher one black: out with it at once. A black card is never the last
    // card here, so the rules allow it whenever the stock does.
    if (hand.Count() == 2 && IsBlack(hand.At(1)) && legal.Contains(hand.At(1))) return hand.At(1);

    // Within a colour the highest card number is tried first, among the black cards the
    // lowest (Wilds before Wild Draw Fours).
    for (int colour : ColourSearchOrder(hand)) {
      const CardSet candidates = legal & kCardsOfColour[static_cast<std::size_t>(colour)];
      if (!candidates.Empty()) return candidates.Highest();
    }
    return (legal & kCardsOfColour[kBlackGroup]).Lowest();
  }

  // The colour with the most cards; among equal counts the lowest colour index.
  int ChooseColour(const Game& game) const override {
    const GameState& state = game.State();
    const HandList& hand = state.Hands[static_cast<std::size_t>(state.CurSeat)];
    const int first = hand.GroupCount(0) < hand.GroupCount(1) ? 1 : 0;
    const int second = hand.GroupCount(2) < hand.GroupCount(3) ? 3 : 2;
    return hand.GroupCount(first) < hand.GroupCount(second) ? second : first;
  }
};

const StandardPlayer kStandardPlayer;
const StrongPlayer kStrongPlayer;

}  // namespace

const ComputerStrategy& StrategyOf(Strength strength) {
  if (strength == Strength::Strong) return kStrongPlayer;
  return kStandardPlayer;
}

void Game::SetSeatStrength(int seat, Strength strength) {
  strengths_[static_cast<std::size_t>(seat)] = strength;
}

void Game::ComputerMove() {
  const int seat = state.CurSeat;
  HandList& hand = Hand(seat);
  // Only the human's hand is ever out of order (its drawn card kept last); a computer move
  // made for it puts it in order first.
  hand.Sort();
  const ComputerStrategy& strategy = StrategyOf(SeatStrength(seat));

  // A penalty is answered with a Draw card where the rules allow one, or else paid.
  if (state.PenaltyPending) {
    const CardSet answers = state.DefDraw ? PlayableCards(state).Cards() & hand.Cards() : CardSet{};
    if (answers.Empty())
      DoPass();
    else
      PlayCard(strategy.ChooseCard(*this, answers, kNoCard));
    return;
  }

  const CardSet legal = PlayableCards(state).Cards() & hand.Cards();
  if (!legal.Empty()) {
    PlayCard(strategy.ChooseCard(*this, legal, kNoCard));
    return;
  }

  // Passing on an empty stock cannot go round for ever: with every card but the top one in the
  // hands, the number cards of the colour in force are held by somebody, and a number card
  // is legal with any hand size and any stock.
  if (state.StockCount == 0) {
    DoPass();
    return;
  }
  const Card drawn = DrawAsSeatFoundNothing(seat, true);
  ++counters.draws;
  // After the draw the hand holds one card more, so a card that the last-card condition
  // blocked before may now be legal too, where the rules let the seat offer it.
  CardSet afterDraw = PlayableCards(state).Cards() & hand.Cards();
  if (!state.NotYama) afterDraw = afterDraw & CardSet::Of(drawn);
  if (afterDraw.Empty())
    DoPass();
  else
    PlayCard(strategy.ChooseCard(*this, afterDraw, drawn));
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
  return StrategyOf(SeatStrength(state.CurSeat)).ChooseColour(*this);
}

bool Game::HumanHasLegalCard() const {
  // Asked only on the human's turn, so the cards CurSeat may play are the human's.
  const PlayableCards playable(state);
  return !(playable.Cards() & state.Hands[0].Cards()).Empty();
}

}  // namespace vorpo
