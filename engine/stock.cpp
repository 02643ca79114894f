// The card side of the game: the stock, the hands and the discard pile.
#include "game.h"

namespace vorpo {

Game::Game(TableView& view, Random& random) : view_(view), random_(random) {}

Card Game::DrawFromStock(std::uint8_t recipient, bool sortHand) {
  std::uint32_t r = random_.Below(state.StockCount) + 1;
  Card drawn = 0;
  for (int n = 0; n < kDeckSize; ++n) {
    if (state.Owner[n] == kOwnerStock && --r == 0) {
      drawn = static_cast<Card>(n);
      break;
    }
  }
  state.Owner[drawn] = recipient;
  if (recipient < kSeats) {
    Hand(recipient).Append(drawn);
    if (sortHand) Hand(recipient).Sort();
  }
  if (--state.StockCount == 0) Show(Control::Image2, false);
  return drawn;
}

void Game::MoveToDiscard(int seat, Card card) {
  HandList& hand = Hand(seat);
  hand.Sort();
  hand.Delete(hand.Find(card));
  state.Owner[state.TopCard] = kOwnerStock;
  ++state.StockCount;
  state.Owner[card] = kOwnerDiscard;
  state.TopCard = card;
}

void Game::DealCards() {
  random_.ReseedForDeal();
  for (auto& hand : state.Hands) hand.Clear();
  for (int n = 0; n < kDeckSize; ++n) state.Owner[n] = IsColoured(n) ? kOwnerStock : kOwnerDiscard;
  // The first top card is never black: the black cards join the stock only after it is turned.
  state.StockCount = kColouredCards;
  state.TopCard = DrawFromStock(kOwnerDiscard, true);
  state.SymbolInForce = static_cast<std::int8_t>(KindOf(state.TopCard));
  for (int n = kColouredCards; n < kDeckSize; ++n) state.Owner[n] = kOwnerStock;
  state.StockCount = kDeckSize - 1;
  for (int seat = 0; seat < state.Players; ++seat)
    for (int i = 0; i < state.StartingCards; ++i)
      DrawFromStock(static_cast<std::uint8_t>(seat), true);
  state.CurSeat = static_cast<std::int8_t>(random_.Below(state.Players));
  state.PrevSeat = state.CurSeat;
}

int Game::WrapSeat(int value) const {
  if (value < 0) return value + state.Players;
  if (value >= state.Players) return value - state.Players;
  return value;
}

}  // namespace vorpo
