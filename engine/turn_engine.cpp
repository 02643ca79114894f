// Starting and aborting matches, dealing, playing, drawing, passing and handing the turn on.
#include <cassert>

#include "game.h"

namespace vorpo {

void Game::Show(Indicator indicator, bool visible) {
  state.Visible[static_cast<std::size_t>(indicator)] = visible;
  if (table_) table_->SetVisible(indicator, visible);
}

void Game::SetTimer(bool enabled) {
  state.TimerEnabled = enabled;
  if (table_) table_->SetTimerEnabled(enabled);
}

void Game::PlayTurnSound(const char* name) {
  if (table_) table_->PlayTurnSound(name);
}

namespace {
void AppendNumber(std::string& text, int number) {
  char digits[12];
  int length = 0;
  do {
    digits[length++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number > 0);
  while (length > 0) text += digits[--length];
}
}  // namespace

// The caption is built in a buffer that keeps its capacity, so a turn change never allocates.
void Game::CaptionSeat(int seat, int cardCount) {
  if (!table_) return;
  caption_.assign(state.SeatNames[static_cast<std::size_t>(seat)]);
  caption_ += " (";
  AppendNumber(caption_, cardCount);
  caption_ += ')';
  table_->SetSeatCaption(seat, caption_);
}

void Game::mnuStartClick() {
  if (state.MatchRunning())
    AbortMatch();
  else
    StartMatch();
}

void Game::StartMatch() {
  if (table_) {
    table_->LayoutSeats();
    table_->DrawPiles();
  }
  for (int seat = 0; seat < kSeats; ++seat) {
    state.ScoreLists[static_cast<std::size_t>(seat)].clear();
    state.DealsWon[static_cast<std::size_t>(seat)] = 0;
    state.SeatNames[static_cast<std::size_t>(seat)] =
        state.ConfiguredNames[static_cast<std::size_t>(seat)];
    if (table_) table_->SetSeatCaption(seat, state.SeatNames[static_cast<std::size_t>(seat)]);
  }
  if (table_) {
    table_->ApplyNameFont();
    table_->SetStartCommand(false);
  }
  Show(Indicator::TopCard, true);
  state.MatchState = 0;
  StartDeal();
}

void Game::AbortMatch() {
  state.Direction = 0;
  state.MatchState = kNoMatch;
  state.AwaitingColour = false;
  if (table_) {
    table_->DrawTopCard();
    for (int seat = 0; seat < state.Players; ++seat) table_->DrawHand(seat, false);
  }
  SetTimer(false);
  RestoreStartCommand();
  state.HasDrawn = false;
  Show(Indicator::Pass, false);
  if (table_) table_->RepaintWindow();
}

void Game::RestoreStartCommand() {
  if (table_) table_->SetStartCommand(true);
}

void Game::StartDeal() {
  state.Direction = 1;
  state.PenaltyCount = 0;
  state.PenaltyPending = false;
  ++counters.deals;
  if (table_) {
    for (int seat = 0; seat < kSeats; ++seat) {
      CaptionSeat(seat, state.StartingCards);
      table_->ShowSeatLabel(seat);
      table_->SetSeatHighlight(seat, false);
    }
  }
  DealCards();
  if (table_) {
    table_->DrawTopCardOver();
    table_->DrawHand(0, false);
    for (int seat = 1; seat < state.Players; ++seat)
      table_->DrawHand(seat, state.HandFaceDown(seat));
  }
  HighlightTurn();
  for (Indicator c :
       {Indicator::Stock, Indicator::EmptyStock, Indicator::ArrowDown, Indicator::PileFrame})
    Show(c, true);
  for (Indicator c : {Indicator::ArrowUp, Indicator::ColourSwatch, Indicator::Penalty,
                      Indicator::SwatchCaption, Indicator::Symbol})
    Show(c, false);
  state.SymbolShown = false;
  if (state.IsVisible(Indicator::ColourChooser)) ShowColourChooser(false);
  if (table_) table_->RepaintWindow();
  SetTimer(state.CurSeat != 0);
}

void Game::PlayCard(Card card, int colourSource) {
  if (state.AwaitingColour) {
    card = state.HeldCard;
    state.NamedColour = static_cast<std::uint8_t>(colourSource & 3);
    ShowColourChooser(false);
    state.AwaitingColour = false;
    CompletePlay(card);
    return;
  }

  assert(Hand(state.CurSeat).Contains(card) && "a card is played from the hand whose turn it is");
  const bool answersPenalty = state.PenaltyPending;
  if (IsColoured(state.TopCard))
    state.SymbolInForce = static_cast<std::int8_t>(KindOf(state.TopCard));
  Show(Indicator::Stock, true);
  record_.Played(state.CurSeat, card);
  MoveToDiscard(state.CurSeat, card);
  state.Step = 1;
  ++counters.moves;
  ++counters.plays;
  if (answersPenalty && (IsDrawTwo(card) || IsWildDrawFour(card))) ++counters.penaltiesStacked;

  if (IsSkip(card)) {
    state.Step = 2;
    PlayTurnSound("SE15");
  } else if (IsReverse(card)) {
    state.Direction = static_cast<std::int8_t>(-state.Direction);
    if (state.Players == 2) state.Step = 0;
    PlayTurnSound("SE14");
  } else if (IsDrawTwo(card)) {
    state.PenaltyPending = true;
    state.PenaltyCount = static_cast<std::uint8_t>(state.PenaltyCount + 2);
    PlayTurnSound("SE16");
  } else if (IsNumberCard(card)) {
    PlayTurnSound("SE13");
  } else if (Hand(state.CurSeat).Count() > 0) {
    // A black card that is not the last one: its colour is named now. The human's choice
    // suspends the turn with the hand and the pile still showing the card as it was.
    if (state.CurSeat == 0) {
      state.HeldCard = card;
      state.AwaitingColour = true;
      ShowColourChooser(true);
      return;
    }
    state.NamedColour = static_cast<std::uint8_t>(ChooseColor());
  }
  CompletePlay(card);
}

void Game::CompletePlay(Card card) {
  if (IsWild(card)) PlayTurnSound("SE18");
  if (IsWildDrawFour(card)) {
    state.PenaltyPending = true;
    state.PenaltyCount = static_cast<std::uint8_t>(state.PenaltyCount + 4);
    PlayTurnSound("SE16");
  }
  const int seat = state.CurSeat;
  Hand(seat).Sort();
  if (table_) {
    table_->DrawHand(seat, state.HandFaceDown(seat));
    table_->RepaintHand(seat);
    table_->DrawTopCard();
  }
  if (Hand(seat).Count() == 0) {
    EndDeal();
    return;
  }
  state.PrevSeat = state.CurSeat;
  state.CurSeat = static_cast<std::int8_t>(state.CurSeat + state.Direction * state.Step);
  AdvanceTurn();
}

void Game::DoPass() {
  if (state.AwaitingColour) return;
  const int seat = state.CurSeat;
  if (state.PenaltyPending) {
    PayPenalty(seat);
    PlayTurnSound("SE17");
    ++counters.penaltiesPaid;
  } else {
    record_.FoundNothingOn(seat, ColourInForce());
    PlayTurnSound("SE11");
    ++counters.passes;
  }
  ++counters.moves;
  Hand(seat).Sort();
  if (table_) {
    table_->DrawHand(seat, state.HandFaceDown(seat));
    table_->RepaintHand(seat);
  }
  Show(Indicator::Pass, false);
  state.PenaltyPending = false;
  state.PenaltyCount = 0;
  state.PrevSeat = state.CurSeat;
  state.CurSeat = static_cast<std::int8_t>(state.CurSeat + state.Direction);
  AdvanceTurn();
}

void Game::Image2Click() {
  if (state.AwaitingColour || state.CurSeat != 0 || state.Direction == 0 ||
      state.IsVisible(Indicator::Pass) || state.PenaltyPending || state.StockCount == 0)
    return;
  Show(Indicator::Pass, true);
  DrawAsSeatFoundNothing(0, state.NotYama);
  ++counters.draws;
  if (table_) {
    table_->DrawHand(0, false);
    table_->RepaintHand(0);
  }
  PlayTurnSound("SE12");
  state.HasDrawn = true;
}

void Game::Label4Click(int tag) {
  // Only a held black card takes a colour; otherwise HeldCard is a stale card number.
  if (state.Direction != 0 && state.AwaitingColour) PlayCard(state.HeldCard, tag);
}

void Game::TimerTimer() {
  // A tick that was already queued when the deal ended finds nothing to move.
  if (state.Direction == 0) return;
  if (state.DefDraw || !state.PenaltyPending)
    ComputerMove();
  else
    DoPass();
}

void Game::AdvanceTurn() {
  state.CurSeat = static_cast<std::int8_t>(WrapSeat(state.CurSeat));
  const bool blackOnTop = IsBlack(state.TopCard);
  if (blackOnTop && table_) table_->FillSwatch(state.NamedColour);
  Show(Indicator::ColourSwatch, blackOnTop);
  Show(Indicator::SwatchCaption, blackOnTop);
  if (state.PenaltyPending) {
    if (table_) table_->SetPenaltyCaption("Draw: " + std::to_string(state.PenaltyCount));
    Show(Indicator::Penalty, state.DefDraw);
  } else {
    Show(Indicator::Penalty, false);
  }
  Show(Indicator::ArrowDown, state.Direction == 1);
  Show(Indicator::ArrowUp, state.Direction != 1);
  Show(Indicator::Pass, state.CurSeat == 0 && state.StockCount == 0);
  if (state.WildFront && blackOnTop &&
      (!state.PenaltyPending || state.SymbolInForce == kKindDrawTwo)) {
    ShowSymbolInForce();
    state.SymbolShown = true;
  } else {
    Show(Indicator::Symbol, false);
    state.SymbolShown = false;
  }
  if (state.Direction != 0) {
    HighlightTurn();
    CaptionSeat(state.PrevSeat, Hand(state.PrevSeat).Count());
    bool timer = state.CurSeat != 0;
    // A penalty against the human is paid automatically one interval later, unless the human
    // holds an answer and may choose between answering and paying with the pass button.
    if (state.PenaltyPending && state.CurSeat == 0) {
      if (state.DefDraw && HumanHasLegalCard())
        Show(Indicator::Pass, true);
      else
        timer = true;
    }
    SetTimer(timer);
  }
  state.HasDrawn = false;
}

void Game::HighlightTurn() {
  if (!table_) return;
  table_->SetSeatHighlight(state.PrevSeat, false);
  table_->SetSeatHighlight(state.CurSeat, true);
}

void Game::ShowSymbolInForce() {
  if (table_) table_->SetSymbolCaption(kSymbolChars[state.SymbolInForce]);
  Show(Indicator::Symbol, true);
}

void Game::ShowColourChooser(bool visible) {
  Show(Indicator::ColourChooser, visible);
}

}  // namespace vorpo
