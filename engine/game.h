// The game operations: plain procedures on the one GameState, named as the table window's
// events and the turn engine name them. Every move of every seat goes through them; the
// computer player and the human's input only decide which one to call.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "computer_strategy.h"
#include "deal_record.h"
#include "game_state.h"
#include "legality.h"
#include "match_result.h"
#include "point_table.h"
#include "random.h"
#include "table_view.h"

namespace vorpo {

class StockSet;

// What happened in play, for the simulator's summary. Counting costs nothing per move.
struct PlayCounters {
  std::uint64_t deals = 0;
  std::uint64_t moves = 0;  // plays and passes
  std::uint64_t plays = 0;
  std::uint64_t passes = 0;            // passes with no penalty pending
  std::uint64_t draws = 0;             // draws from the stock by choice (not penalty cards)
  std::uint64_t penaltiesStacked = 0;  // a Draw card laid on a pending penalty
  std::uint64_t penaltiesPaid = 0;
  // Per seat: the deals it went out in, and the sum of its deal scores.
  std::array<std::uint64_t, kSeats> dealsWon{};
  std::array<std::int64_t, kSeats> dealPoints{};
};

// No colour label: a play that is not completing the human's black card.
inline constexpr int kNoColourSource = -1;

// The colours in the order a computer seat searches them for a card to play: most cards first;
// equal counts fall in the order that the exchange sort of the counts leaves them. Every
// coloured card of the hand counts, which in a sorted hand are those before the black cards.
std::array<int, 4> ColourSearchOrder(const HandList& hand);

class Game {
 public:
  Game(TableView& view, Random& random);

  // The game as it stands. Only the game's own operations change it.
  const GameState& State() const { return state; }
  // Tests lay out deals by hand through this; nothing else writes the state.
  GameState& TestingState() { return state; }

  // Takes the settings in as one value, settled for where they come from. A running deal goes
  // on with the new values, and the computer seats with the strength they name (the standard
  // player in ranking mode); seat 0, the human's, keeps the standard player for its automatic
  // moves.
  void ApplySettings(const GameSettings& settings, SettingsFrom from);
  // Gives one seat the computer player of a strength, until the settings are applied again.
  void SetSeatStrength(int seat, Strength strength);
  Strength SeatStrength(int seat) const { return strengths_[static_cast<std::size_t>(seat)]; }
  // What everybody at the table has seen of the running deal.
  const DealRecord& Record() const { return record_; }
  DealRecord& TestingRecord() { return record_; }

  PointTable points = DefaultPointTable();
  PlayCounters counters;

  // Cards, stock and hands.
  Card DrawFromStock(std::uint8_t recipient, bool sortHand);
  void MoveToDiscard(int seat, Card card);
  void DealCards();
  int WrapSeat(int value) const;

  bool CanPlay(Card card) const { return vorpo::CanPlay(state, card); }
  bool StockAllows(Card card) const { return vorpo::StockAllows(state, card); }

  // The turn engine.
  void mnuStartClick();
  void StartMatch();
  void AbortMatch();
  void RestoreStartCommand();
  void StartDeal();
  // colourSource is the tag (colour index) of the colour label clicked; it is read only while
  // a colour is awaited.
  void PlayCard(Card card, int colourSource = kNoColourSource);
  void DoPass();
  void Image2Click();
  void Label4Click(int tag);
  void TimerTimer();
  void AdvanceTurn();
  void HighlightTurn();
  void ShowSymbolInForce();
  void ShowColourChooser(bool visible);
  void PlayTurnSound(const char* name);

  // End of a deal and scoring; CurSeat is the seat that went out.
  void EndDeal();
  // The standings after a deal: decides whether the match is over, shows the sheet and, once
  // it is closed, tells the match observer and ends a match that is over. True when it was.
  bool ShowScoreSheet();
  // Whoever keeps a record of finished matches; none when null.
  void SetMatchObserver(MatchObserver* observer) { matchObserver_ = observer; }

  // The computer player.
  void ComputerMove();
  bool PlayFirstLegal();
  int ChooseColor() const;
  bool HumanHasLegalCard() const;

  // The human's input: play the card at a position of seat 0's hand (a press on the hand),
  // and the default move of the space bar (name a colour, play the drawn card or give up,
  // play the first legal card, pass when offered, otherwise draw).
  void PlayHandPosition(int position);
  void DefaultMove();

  // The score table: reports an unopenable file through the view and keeps the defaults.
  void LoadScoreTable(const std::string& scoreTableFile, const std::string& programDir);

  // Shows or hides an indicator and remembers it in the state.
  void Show(Indicator indicator, bool visible);
  void SetTimer(bool enabled);

 private:
  GameState state;

  HandList& Hand(int seat) { return state.Hands[static_cast<std::size_t>(seat)]; }
  // The colour a card laid now must follow: the top card's, or the one named for a black card.
  int ColourInForce() const;
  // A draw by choice, made because the seat found nothing to lay on the colour in force.
  Card DrawAsSeatFoundNothing(int seat, bool sortHand);
  // Draws the card that DrawFromStock would from a set that holds the stock's cards.
  Card DrawFrom(StockSet& stock, std::uint8_t recipient, bool sortHand);
  // The pending penalty's cards, drawn into the seat's hand.
  void PayPenalty(int seat);
  void CompletePlay(Card card);
  // The seat caption: the name, " (", the card count and ")".
  void CaptionSeat(int seat, int cardCount);
  // Draws every hand face up; only asked of a view that shows the table.
  void OpenAllHands();
  void RecordScores(const std::array<int, kSeats>& scores);

  // The score sheet and error messages go to view_ always; every other request goes to
  // table_, which is null when the view shows nothing of the table.
  TableView& view_;
  TableView* table_;
  Random& random_;
  MatchObserver* matchObserver_ = nullptr;
  std::string caption_;
  std::array<Strength, kSeats> strengths_{};
  DealRecord record_;
};

}  // namespace vorpo
