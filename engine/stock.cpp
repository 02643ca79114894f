// The card side of the game: the stock, the hands and the discard pile.
#include <cassert>
#include <cstring>

#include "game.h"

namespace vorpo {

Game::Game(TableView& view, Random& random)
    : view_(view), table_(view.ShowsTable() ? &view : nullptr), random_(random) {}

void Game::ApplySettings(const GameSettings& settings, SettingsFrom from) {
  static_cast<GameSettings&>(state) = Settled(settings, from);
}

namespace {

// One bit (0x80) in each byte of word that equals code, and no other bit.
std::uint64_t BytesEqualTo(std::uint64_t word, std::uint8_t code) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t v = word ^ (0x0101010101010101ull * code);
  return ~(((v & kLow7) + kLow7) | v | kLow7);
}

// The card number of the r-th card (from 1) whose owner code is kOwnerStock, reading the
// owner codes eight at a time: this scan is the heart of every draw and of every deal.
Card NthStockCard(const std::array<std::uint8_t, kDeckSize>& owner, std::uint32_t r) {
  static_assert(kDeckSize % 8 == 0);
  for (int base = 0; base < kDeckSize; base += 8) {
    std::uint64_t word;
    std::memcpy(&word, owner.data() + base, 8);
    const std::uint64_t hits = BytesEqualTo(word, kOwnerStock);
    // Each hit is one 0x80 bit: gather them as 0/1 bytes and add the bytes up by multiplying.
    const auto count = static_cast<std::uint32_t>(((hits >> 7) * 0x0101010101010101ull) >> 56);
    if (r > count) {
      r -= count;
      continue;
    }
    for (int i = 0; i < 8; ++i)
      if (owner[static_cast<std::size_t>(base + i)] == kOwnerStock && --r == 0)
        return static_cast<Card>(base + i);
  }
  return 0;
}

}  // namespace

Card Game::DrawFromStock(std::uint8_t recipient, bool sortHand) {
  // The stock count would wrap to 255 and the scan find no card.
  assert(state.StockCount > 0 && "no draw from an empty stock");
  const Card drawn = NthStockCard(state.Owner, random_.Below(state.StockCount) + 1);
  state.Owner[drawn] = recipient;
  if (recipient < kSeats) {
    Hand(recipient).Append(drawn);
    if (sortHand) Hand(recipient).Sort();
  }
  if (--state.StockCount == 0) Show(Indicator::Stock, false);
  return drawn;
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
  for (Card n = kColouredCards; n < kDeckSize; ++n) state.Owner[n] = kOwnerStock;
  state.StockCount = kDeckSize - 1;
  // Which cards are drawn does not depend on the order of a hand, so sorting each hand once
  // after its last card leaves it exactly as sorting after every card would.
  for (int seat = 0; seat < state.Players; ++seat) {
    for (int i = 0; i < state.StartingCards; ++i)
      DrawFromStock(static_cast<std::uint8_t>(seat), false);
    Hand(seat).Sort();
  }
  state.CurSeat = static_cast<std::int8_t>(random_.Below(state.Players));
  state.PrevSeat = state.CurSeat;
}

int Game::WrapSeat(int value) const {
  if (value < 0) return value + state.Players;
  if (value >= state.Players) return value - state.Players;
  return value;
}

}  // namespace vorpo
