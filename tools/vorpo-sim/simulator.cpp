#include "simulator.h"

#include <stdexcept>
#include <string>

namespace vorpo::sim {

namespace {
// A deal ends long before this: a seat that cannot play draws, so hands only fill up until
// someone can go out. Reaching it means the engine is stuck.
constexpr std::uint64_t kTurnsBeyondAnyDeal = 1'000'000;
}  // namespace

Simulator::Simulator(const GameSettings& settings, std::uint64_t seed, const PointTable& points)
    : random_(seed), game_(view_, random_) {
  game_.ApplySettings(settings, SettingsFrom::SettingsFile);
  game_.points = points;
}

// The human's colour chooser is answered with ChooseColor, which looks at the hand of CurSeat,
// still seat 0 while its colour is awaited.
void PlayOneTurn(Game& game) {
  if (game.State().AwaitingColour)
    game.Label4Click(game.ChooseColor());
  else
    game.TimerTimer();
}

const MatchSheet& Simulator::PlayMatch() {
  game_.StartMatch();
  std::uint64_t deal = game_.counters.deals;
  std::uint64_t turnsInDeal = 0;
  while (game_.State().MatchRunning()) {
    PlayOneTurn(game_);
    if (game_.counters.deals != deal) {
      deal = game_.counters.deals;
      turnsInDeal = 0;
    } else if (++turnsInDeal > kTurnsBeyondAnyDeal) {
      throw std::runtime_error("deal " + std::to_string(deal) + " of the run did not end after " +
                               std::to_string(kTurnsBeyondAnyDeal) + " turns");
    }
  }
  return view_.LastSheet();
}

}  // namespace vorpo::sim
