#include "summary.h"

#include <algorithm>
#include <cstdio>

#include "sim_statistics.h"

namespace vorpo::sim {

namespace {

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

const char* StrengthName(Strength strength) {
  return strength == Strength::Strong ? "strong" : "standard";
}

// One figure per seat, written by figure.
template <typename Figure>
std::string SeatFigures(int seats, const char* separator, Figure figure) {
  std::string list;
  for (int seat = 0; seat < seats; ++seat) {
    if (seat > 0) list += separator;
    list += figure(seat);
  }
  return list;
}

template <typename T>
std::string SeatList(const std::array<T, kSeats>& values, int seats, const char* separator) {
  return SeatFigures(seats, separator, [&](int seat) {
    return std::to_string(values[static_cast<std::size_t>(seat)]);
  });
}

void Line(std::string& text, const char* name, const std::string& value) {
  std::string line = name;
  line.append(20 - line.size(), ' ');
  text += line + value + "\n";
}

}  // namespace

double SimSummary::MovesPerDeal() const {
  return PerDeal(static_cast<double>(counters.moves));
}

double SimSummary::DealsPerSecond() const {
  return seconds > 0 ? static_cast<double>(counters.deals) / seconds : 0.0;
}

double SimSummary::PerDeal(double total) const {
  return counters.deals ? total / static_cast<double>(counters.deals) : 0.0;
}

double SimSummary::DealWinShare(int seat) const {
  return PerDeal(static_cast<double>(counters.dealsWon[static_cast<std::size_t>(seat)]));
}

double SimSummary::PointsPerDeal(int seat) const {
  return PerDeal(static_cast<double>(counters.dealPoints[static_cast<std::size_t>(seat)]));
}

void AddMatch(SimSummary& summary, const std::array<int, kSeats>& totals) {
  ++summary.matches;
  const auto last = totals.begin() + summary.seats;
  const int best = *std::max_element(totals.begin(), last);
  for (int seat = 0; seat < summary.seats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    summary.points[i] += totals[i];
    if (totals[i] == best) ++summary.wins[i];
  }
}

std::string SummaryText(const SimSummary& s) {
  const PlayCounters& c = s.counters;
  std::string text;
  Line(text, "seed", std::to_string(s.seed));
  Line(text, "matches", std::to_string(s.matches));
  Line(text, "deals", std::to_string(c.deals));
  Line(text, "moves", std::to_string(c.moves));
  Line(text, "moves per deal", Fixed(s.MovesPerDeal(), 2));
  Line(text, "plays", std::to_string(c.plays));
  Line(text, "passes", std::to_string(c.passes));
  Line(text, "draws", std::to_string(c.draws));
  Line(text, "penalties stacked", std::to_string(c.penaltiesStacked));
  Line(text, "penalties paid", std::to_string(c.penaltiesPaid));
  Line(text, "wins per seat", SeatList(s.wins, s.seats, " "));
  Line(text, "points per seat", SeatList(s.points, s.seats, " "));
  Line(text, "players per seat", SeatFigures(s.seats, " ", [&](int seat) {
         return StrengthName(s.strengths[static_cast<std::size_t>(seat)]);
       }));
  Line(text, "deal wins per seat", SeatList(c.dealsWon, s.seats, " "));
  Line(text, "deal win share", SeatFigures(s.seats, " ", [&](int seat) {
         return Fixed(100 * s.DealWinShare(seat), 2) + "%";
       }));
  Line(text, "points per deal",
       SeatFigures(s.seats, " ", [&](int seat) { return Fixed(s.PointsPerDeal(seat), 2); }));
  Line(text, "deals per second", Fixed(s.DealsPerSecond(), 0));
  return text;
}

std::string SummaryJson(const SimSummary& s) {
  const PlayCounters& c = s.counters;
  return "{\"seed\":" + std::to_string(s.seed) + ",\"matches\":" + std::to_string(s.matches) +
         ",\"deals\":" + std::to_string(c.deals) + ",\"moves\":" + std::to_string(c.moves) +
         ",\"moves_per_deal\":" + Fixed(s.MovesPerDeal(), 4) +
         ",\"plays\":" + std::to_string(c.plays) + ",\"passes\":" + std::to_string(c.passes) +
         ",\"draws\":" + std::to_string(c.draws) +
         ",\"penalties_stacked\":" + std::to_string(c.penaltiesStacked) +
         ",\"penalties_paid\":" + std::to_string(c.penaltiesPaid) + ",\"wins\":[" +
         SeatList(s.wins, s.seats, ",") + "],\"points\":[" + SeatList(s.points, s.seats, ",") +
         "],\"players\":[" +
         SeatFigures(s.seats, ",",
                     [&](int seat) {
                       return std::string("\"") +
                              StrengthName(s.strengths[static_cast<std::size_t>(seat)]) + "\"";
                     }) +
         "],\"deal_wins\":[" + SeatList(c.dealsWon, s.seats, ",") + "],\"deal_win_share\":[" +
         SeatFigures(s.seats, ",", [&](int seat) { return Fixed(s.DealWinShare(seat), 6); }) +
         "],\"points_per_deal\":[" +
         SeatFigures(s.seats, ",", [&](int seat) { return Fixed(s.PointsPerDeal(seat), 4); }) +
         "],\"seconds\":" + Fixed(s.seconds, 6) +
         ",\"deals_per_second\":" + Fixed(s.DealsPerSecond(), 1) +
         ",\"statistics\":" + StatisticsJson(s.statistics) + "}\n";
}

}  // namespace vorpo::sim
