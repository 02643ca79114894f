// The statistics as the dialog shows them, in Japanese: one row per figure, one column per kind
// of match.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "statistics_record.h"

namespace vorpo {

enum class FigureRow : std::uint8_t { Matches, MatchesWon, Deals, DealsWon, BestTotal, Average };
inline constexpr std::size_t kFigureRows = 6;
inline constexpr std::array<FigureRow, kFigureRows> kAllFigureRows = {
    FigureRow::Matches,  FigureRow::MatchesWon, FigureRow::Deals,
    FigureRow::DealsWon, FigureRow::BestTotal,  FigureRow::Average};

// "対戦ゲーム数" and so on.
std::string FigureRowLabel(FigureRow row);
// The figure in decimal; the best and the mean total, which need a match, read "-" before the
// first; the mean has one decimal.
std::string FigureText(const Figures& figures, FigureRow row);

}  // namespace vorpo
