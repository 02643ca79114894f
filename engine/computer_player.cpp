// How a computer seat chooses its move: no memory, no randomness, no look-ahead. It never
// keeps back a card it may play.
#include <utility>

#include "game.h"

namespace vorpo {

std::array<int, 4> ColourSearchOrder(const HandList& hand) {
  int count[4] = {0, 0, 0, 0};
  int order[4] = {0, 1, 2, 3};
  for (Card card : hand) {
    if (IsBlack(card)) break;
    ++count[ColourOf(card)];
  }
  // This exchange pattern fixes the order of colours with equal counts; keep it exactly.
  for (int p = 0; p < 4; ++p)
    for (int q = 0; q < 4; ++q) {
      const bool exchange = count[p] < count[q];
      const int countP = count[p], orderP = order[p];
      count[p] = exchange ? count[q] : countP;
      count[q] = exchange ? countP : count[q];
      order[p] = exchange ? order[q] : orderP;
      order[q] = exchange ? orderP : order[q];
    }
  return {order[3], order[2], order[1], order[0]};
}

void Game::ComputerMove() {
  const int seat = state.CurSeat;
  HandList& hand = Hand(seat);

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

  // A computer's hand is always sorted, so walking it backwards within a colour tries that
  // colour's cards from the highest card number down, and walking it forwards tries the black
  // cards from Wilds to Wild Draw Fours.
  for (int colour : ColourSearchOrder(hand)) {
    for (int i = hand.Count() - 1; i >= 0; --i) {
      const Card card = hand.At(i);
      if (ColourOf(card) == colour && CanPlay(card)) {
        PlayCard(card);
        return;
      }
    }
  }
  for (const Card card : hand) {
    if (IsBlack(card) && CanPlay(card)) {
      PlayCard(card);
      return;
    }
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
  for (Card card : hand) {
    if (CanPlay(card)) {
      PlayCard(card);
      return true;
    }
  }
  return false;
}

int Game::ChooseColor() const {
  int count[4] = {0, 0, 0, 0};
  for (Card card : state.Hands[static_cast<std::size_t>(state.CurSeat)]) {
    if (IsBlack(card)) break;
    ++count[ColourOf(card)];
  }
  const int first = count[0] < count[1] ? 1 : 0;
  const int second = count[2] < count[3] ? 3 : 2;
  return count[first] < count[second] ? second : first;
}

bool Game::HumanHasLegalCard() const {
  for (Card card : state.Hands[0])
    if (CanPlay(card)) return true;
  return false;
}

}  // namespace vorpo
