#include "match.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace vorpo {

namespace {

constexpr const char* kLineBreak = "\r\n";
// Names stand left-aligned in 12 columns, numbers right-aligned in 8; every column is followed
// by its separating space(s).
constexpr std::size_t kNameWidth = 12;
constexpr std::size_t kNumberWidth = 8;
constexpr const char* kNumberGap = "     ";
constexpr std::size_t kInternationalDealLimit = 30;

int SeatCount(const GameState& state) {
  return std::min<int>(state.Players, kSeats);
}

std::size_t DealCount(const GameState& state) {
  return state.ScoreLists[0].size();
}

// An entry of a seat's score list; a list that is shorter than seat 0's (which the engine never
// leaves behind) reads as an empty entry rather than past its end.
const std::string& Entry(const GameState& state, int seat, std::size_t deal) {
  static const std::string kEmpty;
  const auto& list = state.ScoreLists[static_cast<std::size_t>(seat)];
  return deal < list.size() ? list[deal] : kEmpty;
}

int EntryValue(const std::string& entry) {
  int value = 0;
  std::from_chars(entry.data(), entry.data() + entry.size(), value);
  return value;
}

// Removes every character with a code of 0..32 from both ends of the whole text, as the sheet
// does after each line; since UTF-8 continuation bytes are all above 127 this never cuts into
// a character.
void Trim(std::string& text) {
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  const auto end = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
  text.erase(end, text.end());
  const auto begin = std::find_if_not(text.begin(), text.end(), isBlank);
  text.erase(text.begin(), begin);
}

void AppendRightAligned(std::string& text, const std::string& number) {
  if (number.size() < kNumberWidth) text.append(kNumberWidth - number.size(), ' ');
  text += number;
  text += kNumberGap;
}

// The code point of the UTF-8 sequence starting at text[i], and its length in bytes. Names
// come from the settings store, already valid UTF-8; a stray byte counts as a character.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (lead < 0x80 || lead < 0xC0 || i + length > text.size()) return {lead, 1};
  char32_t code = lead & (0x3F >> (length - 1));
  for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (byte(i + k) & 0x3F);
  return {code, length};
}

}  // namespace

std::size_t NameColumns(std::string_view utf8) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto [code, length] = CodePointAt(utf8, i);
    i += length;
    // ASCII, the yen sign, the overline and the half-width katakana U+FF61..U+FF9F.
    const bool halfWidth =
        code < 0x80 || code == 0xA5 || code == 0x203E || (code >= 0xFF61 && code <= 0xFF9F);
    columns += halfWidth ? 1 : 2;
  }
  return columns;
}

std::array<int, kSeats> SeatTotals(const GameState& state) {
  std::array<int, kSeats> totals{};
  for (int seat = 0; seat < SeatCount(state); ++seat)
    for (std::size_t deal = 0; deal < DealCount(state); ++deal)
      totals[static_cast<std::size_t>(seat)] += EntryValue(Entry(state, seat, deal));
  return totals;
}

bool MatchIsOver(const GameState& state) {
  const std::size_t deals = DealCount(state);
  if (deals == 0) return false;
  if (state.CalcProc == 0) {
    const auto totals = SeatTotals(state);
    const bool reached = std::any_of(totals.begin(), totals.begin() + SeatCount(state),
                                     [&](int total) { return total >= state.IRWScore; });
    return reached || deals >= kInternationalDealLimit;
  }
  return static_cast<long long>(deals) >= state.JRTurns;
}

std::string ScoreSheetText(const GameState& state, bool matchOver) {
  const int seats = SeatCount(state);
  std::string text;

  for (int seat = 0; seat < seats; ++seat) {
    const std::string& name = state.SeatNames[static_cast<std::size_t>(seat)];
    text += name;
    const std::size_t width = NameColumns(name);
    if (width < kNameWidth) text.append(kNameWidth - width, ' ');
    text += ' ';
  }
  Trim(text);
  text += kLineBreak;
  text += kLineBreak;

  for (std::size_t deal = 0; deal < DealCount(state); ++deal) {
    for (int seat = 0; seat < seats; ++seat) AppendRightAligned(text, Entry(state, seat, deal));
    Trim(text);
    text += kLineBreak;
  }
  text += kLineBreak;

  const auto totals = SeatTotals(state);
  for (int seat = 0; seat < seats; ++seat)
    AppendRightAligned(text, std::to_string(totals[static_cast<std::size_t>(seat)]));
  Trim(text);

  if (matchOver && seats > 0) {
    const int best = *std::max_element(totals.begin(), totals.begin() + seats);
    text += kLineBreak;
    text += kLineBreak;
    text += "WINNER :";
    for (int seat = 0; seat < seats; ++seat) {
      if (totals[static_cast<std::size_t>(seat)] != best) continue;
      text += ' ';
      text += state.SeatNames[static_cast<std::size_t>(seat)];
    }
  }
  return text;
}

std::string ScoreSheetCaption(bool matchOver) {
  return matchOver ? "成績表 - ゲーム終了" : "成績表";
}

void EndMatchState(GameState& state) {
  state.MatchState = kNoMatch;
  for (auto& list : state.ScoreLists) list.clear();
  state.DealsWon.fill(0);
}

}  // namespace vorpo
