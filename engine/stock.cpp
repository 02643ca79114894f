// The card side of the game: the stock, the hands and the discard pile.
#include <cassert>

#include "game.h"
#include "stock_set.h"

namespace vorpo {

Game::Game(TableView& view, Random& random)
    : view_(view), table_(view.ShowsTable() ? &view : nullptr), random_(random) {}

void Game::ApplySettings(const GameSettings& settings, SettingsFrom from) {
  static_cast<GameSettings&>(state) = Settled(settings, from);
  // Ranked matches are always played against the standard player, even when a settings file
  // asks for both, so that ranked results stay comparable.
  const Strength strength =
      state.Ranking ? Strength::Standard : static_cast<Strength>(state.Strength);
  for (int seat = 1; seat < kSeats; ++seat) SetSeatStrength(seat, strength);
}

int Game::ColourInForce() const {
  return IsBlack(state.TopCard) ? state.NamedColour : ColourOf(state.TopCard);
}

Card Game::DrawAsSeatFoundNothing(int seat, bool sortHand) {
  // The card drawn is kept only when it cannot follow either, so the seat still lacks the
  // colour in force afterwards, whatever else the card may be.
  record_.TookUnseen(seat, 1);
  record_.FoundNothingOn(seat, ColourInForce());
  return DrawFromStock(static_cast<std::uint8_t>(seat), sortHand);
}

Card Game::DrawFromStock(std::uint8_t recipient, bool sortHand) {
  StockSet stock(state.Owner);
  return DrawFrom(stock, recipient, sortHand);
}

Card Game::DrawFrom(StockSet& stock, std::uint8_t recipient, bool sortHand) {
  // The stock count would wrap to 255 and the set hold no card to take.
  assert(state.StockCount > 0 && "no draw from an empty stock");
  const Card drawn = stock.Take(static_cast<int>(random_.Below(state.StockCount)));
  state.Owner[drawn] = recipient;
  if (recipient < kSeats) {
    if (sortHand)
      Hand(recipient).Insert(drawn);
    else
      Hand(recipient).Append(drawn);
  }
  if (--state.StockCount == 0) Show(Indicator::Stock, false);
  return drawn;
}

void Game::PayPenalty(int seat) {
  // Nothing but these draws changes the stock while the penalty is paid.
  StockSet stock(state.Owner);
  for (int i = 0; i < state.PenaltyCount; ++i)
    DrawFrom(stock, static_cast<std::uint8_t>(seat), true);
  record_.TookUnseen(seat, state.PenaltyCount);
}

void Game::MoveToDiscard(int seat, Card card) {
  HandList& hand = Hand(seat);
  assert(hand.Contains(card) && "a card is discarded only from its holder's hand");
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
  for (Card n = 0; n < kDeckSize; ++n) state.Owner[n] = IsColoured(n) ? kOwnerStock : kOwnerDiscard;
  // The first top card is never black: the black cards join the stock only after it is turned.
  state.StockCount = kColouredCards;
  state.TopCard = DrawFromStock(kOwnerDiscard, true);
  state.SymbolInForce = static_cast<std::int8_t>(KindOf(state.TopCard));
  record_.Clear(state.TopCard);
  for (Card n = kColouredCards; n < kDeckSize; ++n) state.Owner[n] = kOwnerStock;
  state.StockCount = kDeckSize - 1;
  // Nothing but the dealing changes the stock until the hands are dealt, so one set serves
  // every card.
  StockSet stock(state.Owner);
  for (int seat = 0; seat < state.Players; ++seat)
    for (int i = 0; i < state.StartingCards; ++i)
      DrawFrom(stock, static_cast<std::uint8_t>(seat), true);
  state.CurSeat = static_cast<std::int8_t>(random_.Below(state.Players));
  state.PrevSeat = state.CurSeat;
}

int Game::WrapSeat(int value) const {
  if (value < 0) return value + state.Players;
  if (value >= state.Players) return value - state.Players;
  return value;
}

}  // namespace vorpo
