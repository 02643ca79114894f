// Plays whole matches among computer seats only: the human seat 0 is played by the same logic
// as the others. One random generator serves the whole run, so a seed replays every deal.
#pragma once

#include <cstdint>

#include "game.h"
#include "random.h"
#include "sheet_view.h"

namespace vorpo::sim {

// One move of CurSeat as a timer tick makes it, seat 0 included; when seat 0 has played a black
// card, the colour a computer seat would name completes it.
void PlayOneTurn(Game& game);

class Simulator {
 public:
  // A game with these settings, settled as the settings file's are, and no match running.
  Simulator(const GameSettings& settings, std::uint64_t seed,
            const PointTable& points = DefaultPointTable());
  // Gives seat the computer player of strength, for every match to come.
  void SetSeatStrength(int seat, Strength strength) { game_.SetSeatStrength(seat, strength); }
  Strength SeatStrength(int seat) const { return game_.SeatStrength(seat); }
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // Plays one match from its start to the sheet that ends it. Throws std::runtime_error when a
  // deal goes on far beyond what any deal can take, instead of running for ever.
  const MatchSheet& PlayMatch();

  const PlayCounters& Counters() const { return game_.counters; }
  // Tells observer of every match the engine ends.
  void ObserveMatches(MatchObserver* observer) { game_.SetMatchObserver(observer); }
  const GameState& State() const { return game_.State(); }

 private:
  Random random_;
  SheetView view_;
  Game game_;
};

}  // namespace vorpo::sim
