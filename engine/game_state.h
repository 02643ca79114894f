// The one record of the game: where every card is, whose turn it is, the pending penalty, the
// named colour, the local rules and the other settings held in memory, and which of the
// table's indicators are showing (their visibility decides what the human may do).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cards.h"
#include "game_settings.h"
#include "hand_list.h"

namespace vorpo {

// What the table shows of the game, and so what the human may do: draw while the stock is
// shown, pass while a pass is offered, name a colour while the colour chooser is open. The
// table window maps each to its controls.
enum class Indicator : std::uint8_t {
  PileFrame,      // the frame around the piles
  ArrowUp,        // the direction arrow for direction -1
  ArrowDown,      // the direction arrow for direction +1
  TopCard,        // the top card of the discard pile
  Stock,          // the stock; hidden while it is empty
  EmptyStock,     // the picture under the stock, seen while it is empty
  ColourSwatch,   // the named colour
  Penalty,        // the pending penalty's count
  SwatchCaption,  // the caption beside the swatch
  Symbol,         // the symbol in force
  Pass,           // the pass offered to the human
  ColourChooser,  // the four colours to name and their prompt
  Count
};

inline constexpr std::size_t kIndicatorCount = static_cast<std::size_t>(Indicator::Count);

inline constexpr std::uint8_t kNoMatch = 255;

// The settings the game holds are part of its state: the rules read them by their own names.
struct GameState : GameSettings {
  std::array<std::uint8_t, kDeckSize> Owner{};
  std::uint8_t StockCount = 0;
  Card TopCard = 0;
  std::array<HandList, kSeats> Hands{};
  Card HeldCard = 0;
  std::uint8_t PenaltyCount = 0;
  bool PenaltyPending = false;
  std::uint8_t NamedColour = 0;
  std::int8_t PrevSeat = 0;
  std::int8_t CurSeat = 0;
  std::int8_t Step = 0;
  std::int8_t SymbolInForce = 0;
  bool SymbolShown = false;
  bool HasDrawn = false;
  bool AwaitingColour = false;
  std::int8_t Direction = 0;
  std::uint8_t MatchState = kNoMatch;

  // The seat names of the running match, taken from ConfiguredNames when it starts.
  std::array<std::string, kSeats> SeatNames{};

  // One decimal text per deal of the running match, per seat.
  std::array<std::vector<std::string>, kSeats> ScoreLists{};
  // The deals each seat has won in the running match: a deal score alone does not tell, since
  // the winner of a deal against hands worth nothing scores 0 like the others.
  std::array<std::uint8_t, kSeats> DealsWon{};

  // Which indicators the table shows, and whether the turn timer runs.
  std::array<bool, kIndicatorCount> Visible{};
  bool TimerEnabled = false;

  bool IsVisible(Indicator c) const { return Visible[static_cast<std::size_t>(c)]; }
  bool DealRunning() const { return Direction != 0; }
  // A hand in play lies face down unless it is the human's or open mode shows every hand.
  bool HandFaceDown(int seat) const { return seat != 0 && OpenMode == 0; }
  bool MatchRunning() const { return MatchState == 0; }
};

}  // namespace vorpo
