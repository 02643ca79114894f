// The deck of 112 cards and what a card number says about a card.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vorpo {

using Card = std::uint8_t;

inline constexpr int kDeckSize = 112;
inline constexpr int kColouredCards = 104;  // 0..103; 104..107 Wild, 108..111 Wild Draw Four
inline constexpr int kSeats = 10;

// Owner codes besides the seats 0..9.
inline constexpr std::uint8_t kOwnerDiscard = 10;
inline constexpr std::uint8_t kOwnerStock = 11;

// Kinds of a coloured card.
inline constexpr int kKindSkip = 10;
inline constexpr int kKindReverse = 11;
inline constexpr int kKindDrawTwo = 12;

// Picture cells beyond the 54 card faces.
inline constexpr int kCellBack = 54;
inline constexpr int kCellSecondPile = 55;

inline constexpr char kSymbolChars[] = "0123456789SRD";

constexpr bool IsColoured(int card) {
  return card < kColouredCards;
}
constexpr bool IsWild(int card) {
  return card >= 104 && card <= 107;
}
constexpr bool IsWildDrawFour(int card) {
  return card >= 108 && card <= 111;
}
constexpr bool IsBlack(int card) {
  return card >= kColouredCards;
}
constexpr bool IsDrawTwo(int card) {
  return IsColoured(card) && card % 26 >= 24;
}
constexpr bool IsNumberCard(int card) {
  return IsColoured(card) && card % 26 < 20;
}
constexpr bool IsSkip(int card) {
  return IsColoured(card) && (card % 26 == 20 || card % 26 == 21);
}
constexpr bool IsReverse(int card) {
  return IsColoured(card) && (card % 26 == 22 || card % 26 == 23);
}

// A black card's n div 26 is 4, which matches no colour index.
constexpr int ColourOf(int card) {
  return card / 26;
}
constexpr int KindOf(int card) {
  return (card % 26) / 2;
}

constexpr int ImageCell(int card) {
  if (IsWildDrawFour(card)) return 53;
  if (IsWild(card)) return 52;
  return KindOf(card) + 13 * ColourOf(card);
}

// The three-digit text under which a hand list and the files know a card ("007", "104").
std::string CardText(int card);

}  // namespace vorpo
