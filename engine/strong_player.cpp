#include "strong_player.h"

#include <array>

#include "game.h"

namespace vorpo {

namespace {

// How much stopping a seat is worth by the cards in its hand: a seat with one card goes out at
// its next card.
constexpr std::array<int, 8> kDangerByCards = {0, 100, 40, 20, 12, 8, 6, 5};
// The chance that a seat which showed it lacked a colour still lacks it after one more card
// taken unseen.
constexpr double kStillLacking = 0.78;

// What a card's order in the standard player's search is worth against the rest.
constexpr double kColourCount = 100;
constexpr double kBlackCard = -1000;
// The chance of the next player following, times its danger, costs this much.
constexpr double kFollowed = 30;
constexpr double kDrawFourAttack = 10;
// With NotFig off: a black card can never be the last card, and a hand without a number card
// can never be finished.
constexpr double kBlackBeforeLast = 2000;
constexpr double kNoFinisher = 1000;
// Under the Japanese rule, per point of a card, when a seat has one card left.
constexpr double kPointsAtRisk = 0.2;
// Naming a colour: per card of it held, and per chance of the next seat following it times
// its danger.
constexpr double kNamedHeld = 100;
constexpr double kNamedFollowed = 3;

const HandList& HandOf(const GameState& s, int seat) {
  return s.Hands[static_cast<std::size_t>(seat)];
}

int Danger(const GameState& s, int seat) {
  const int cards = HandOf(s, seat).Count();
  return kDangerByCards[static_cast<std::size_t>(cards < 8 ? cards : 7)];
}

// What one decision weighs every card against: the seats around the one to move, counted in
// the direction of play, the cards that may be in the other hands, and how close the closest
// other seat is to going out.
struct Table {
  int next, afterNext, previous;
  CardSet unseen;
  int closestDanger;
};

// The cards that may be in the other hands: none of the seat's own, none laid this deal.
CardSet Unseen(const Game& game) {
  const GameState& s = game.State();
  return kDeck & ~(HandOf(s, s.CurSeat).Cards() | game.Record().Played());
}

Table AroundCurSeat(const Game& game) {
  const GameState& s = game.State();
  int closest = 0;
  for (int seat = 0; seat < s.Players; ++seat)
    if (seat != s.CurSeat && Danger(s, seat) > closest) closest = Danger(s, seat);
  return {game.WrapSeat(s.CurSeat + s.Direction), game.WrapSeat(s.CurSeat + 2 * s.Direction),
          game.WrapSeat(s.CurSeat - s.Direction), Unseen(game), closest};
}

// The seat that plays on the card next: a Skip passes over the next seat, a Draw card that may
// not be answered makes it pay and lose its turn, a Reverse turns play back.
int SeatFacing(const GameState& s, const Table& n, Card card) {
  if (IsSkip(card)) return n.afterNext;
  if (IsReverse(card)) return s.Players == 2 ? s.CurSeat : n.previous;
  if ((IsDrawTwo(card) || IsWildDrawFour(card)) && !s.DefDraw) return n.afterNext;
  return n.next;
}

// The chance that seat holds no card of group (a colour, or the black cards), from when it last
// showed it lacked one: each card taken since may have brought one.
double LackingChance(const DealRecord& record, int seat, int group) {
  const int taken = record.TakenSinceLacking(seat, group);
  if (taken == DealRecord::kNotSeen) return 0.0;
  double chance = 1.0;
  for (int i = 0; i < taken && chance > 0.01; ++i) chance *= kStillLacking;
  return chance;
}

// The chance that seat can lay a card on a top card of colour and kind (kind -1 for a black
// card, which only its named colour follows), from the unseen cards and what the seat showed.
double FollowChance(const Game& game, const CardSet& unseen, int seat, int colour, int kind) {
  const int total = unseen.Count();
  if (total == 0) return 1.0;
  double following = 0;
  for (int group = 0; group < kColourGroups; ++group) {
    CardSet cards = unseen & kCardsOfColour[static_cast<std::size_t>(group)];
    if (group != colour && group != kBlackGroup)
      cards = kind >= 0 ? cards & kCardsOfKind[static_cast<std::size_t>(kind)] : CardSet{};
    following += cards.Count() * (1.0 - LackingChance(game.Record(), seat, group));
  }
  const double missesOne = 1.0 - following / total;
  double missesAll = 1.0;
  for (int i = HandOf(game.State(), seat).Count(); i > 0; --i) missesAll *= missesOne;
  return 1.0 - missesAll;
}

using ColourCounts = std::array<int, 4>;

// The colour to name, holding counts, for the seat that will play on it; the lowest colour
// among equals.
int BestColour(const Game& game, const CardSet& unseen, const ColourCounts& counts, int facing) {
  const GameState& s = game.State();
  const int danger = facing == s.CurSeat ? 0 : Danger(s, facing);
  int best = 0;
  double bestScore = 0;
  for (int colour = 0; colour < 4; ++colour) {
    const double score = kNamedHeld * counts[static_cast<std::size_t>(colour)] -
                         kNamedFollowed * danger * FollowChance(game, unseen, facing, colour, -1);
    if (colour == 0 || score > bestScore) {
      bestScore = score;
      best = colour;
    }
  }
  return best;
}

double Score(const Game& game, const Table& n, Card card) {
  const GameState& s = game.State();
  const HandList& hand = HandOf(s, s.CurSeat);
  ColourCounts counts = hand.ColourCounts();
  const int left = hand.Count() - 1;

  double score = IsColoured(card)
                     ? kColourCount * counts[static_cast<std::size_t>(ColourOf(card))] + card % 26
                     : kBlackCard - card;
  if (IsColoured(card)) --counts[static_cast<std::size_t>(ColourOf(card))];
  if (IsWildDrawFour(card)) score += kDrawFourAttack * Danger(s, n.next);

  const int facing = SeatFacing(s, n, card);
  if (facing != s.CurSeat) {
    const bool coloured = IsColoured(card);
    const int colour = coloured ? ColourOf(card) : BestColour(game, n.unseen, counts, facing);
    score -= kFollowed * Danger(s, facing) *
             FollowChance(game, n.unseen, facing, colour, coloured ? KindOf(card) : -1);
  }

  if (!s.NotFig && left > 0) {
    if (left == 1 && IsBlack(card)) score += kBlackBeforeLast;
    const bool finisher = !(hand.Cards() & kNumberCards & ~CardSet::Of(card)).Empty();
    if (!finisher) score -= kNoFinisher;
  }

  if (s.CalcProc == 1) score += kPointsAtRisk * game.points[card] * n.closestDanger;
  return score;
}

}  // namespace

Card StrongPlayer::ChooseCard(const Game& game, const CardSet& legal, Card) const {
  const Table n = AroundCurSeat(game);
  Card best = legal.Highest();
  double bestScore = Score(game, n, best);
  CardSet rest = legal;
  rest.Remove(best);
  while (!rest.Empty()) {
    const Card card = rest.Highest();
    rest.Remove(card);
    const double score = Score(game, n, card);
    if (score > bestScore) {
      bestScore = score;
      best = card;
    }
  }
  return best;
}

int StrongPlayer::ChooseColour(const Game& game) const {
  const GameState& s = game.State();
  const Table n = AroundCurSeat(game);
  // The black card just laid is the top card; a Wild Draw Four that may not be answered makes
  // the next seat pay, and the seat after it plays on the colour.
  const int facing = IsWildDrawFour(s.TopCard) && !s.DefDraw ? n.afterNext : n.next;
  return BestColour(game, n.unseen, HandOf(s, s.CurSeat).ColourCounts(), facing);
}

}  // namespace vorpo
