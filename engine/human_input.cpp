// What the human's clicks and keys mean for the game. The table window turns pixels into a
// hand position and forwards the rest here, so the window itself decides nothing.
#include "game.h"

namespace vorpo {

void Game::PlayHandPosition(int position) {
  if (state.CurSeat != 0 || state.Direction == 0 || state.AwaitingColour) return;
  const HandList& hand = Hand(0);
  const int n = hand.Count();
  if (n == 0) return;
  if (position < 0) position = 0;
  if (position > n - 1) position = n - 1;
  // After a draw only the drawn card, which stays last in the hand list, may be played.
  if (!state.NotYama && state.HasDrawn && position != n - 1) return;
  const Card card = hand.At(position);
  if (!CanPlay(card)) return;
  PlayCard(card);
  Show(Indicator::Pass, false);
}

void Game::DefaultMove() {
  if (state.Direction == 0 || state.CurSeat != 0) return;
  if (state.AwaitingColour) {
    Label4Click(ChooseColor());
    return;
  }
  const bool passOffered = state.IsVisible(Indicator::Pass);
  if (passOffered && !state.NotYama) {
    const HandList& hand = Hand(0);
    if (hand.Count() > 0 && CanPlay(hand.At(hand.Count() - 1))) {
      PlayCard(hand.At(hand.Count() - 1));
      Show(Indicator::Pass, false);
    } else {
      DoPass();
    }
    return;
  }
  if (PlayFirstLegal()) {
    if (state.IsVisible(Indicator::Pass)) Show(Indicator::Pass, false);
    return;
  }
  if (passOffered) {
    DoPass();
    return;
  }
  Image2Click();
}

}  // namespace vorpo
