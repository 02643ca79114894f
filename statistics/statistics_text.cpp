#include "statistics_text.h"

#include <cstdio>

namespace vorpo {

std::string FigureRowLabel(FigureRow row) {
  switch (row) {
    case FigureRow::Matches:
      return "対戦ゲーム数";
    case FigureRow::MatchesWon:
      return "勝ったゲーム数";
    case FigureRow::Deals:
      return "対戦ターン数";
    case FigureRow::DealsWon:
      return "上がったターン数";
    case FigureRow::BestTotal:
      return "最高得点";
    case FigureRow::Average:
      return "平均得点";
  }
  return {};
}

std::string FigureText(const Figures& figures, FigureRow row) {
  switch (row) {
    case FigureRow::Matches:
      return std::to_string(figures.matches);
    case FigureRow::MatchesWon:
      return std::to_string(figures.matchesWon);
    case FigureRow::Deals:
      return std::to_string(figures.deals);
    case FigureRow::DealsWon:
      return std::to_string(figures.dealsWon);
    case FigureRow::BestTotal:
      return figures.matches > 0 ? std::to_string(figures.bestTotal) : "-";
    case FigureRow::Average: {
      const auto average = figures.AverageTotal();
      if (!average) return "-";
      char text[64];
      std::snprintf(text, sizeof text, "%.1f", *average);
      return text;
    }
  }
  return {};
}

}  // namespace vorpo
