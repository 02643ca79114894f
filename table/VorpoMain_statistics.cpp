// What a player keeps of the matches played: the statistics across matches, kept from the
// engine's match-end event and shown by 通算成績(&T)..., and the seed of a deal.
#include <QAction>

#include "VorpoMain.h"
#include "VorpoStatistics.h"

QString vorpo::SeedToolTip(std::uint64_t seed) {
  return QStringLiteral("乱数の種: %1（vorpo --seed %1 で同じカードが配られます）").arg(seed);
}

void TForm1::KeepStatistics(const std::string& path) {
  statistics_ = std::make_unique<vorpo::StatisticsKeeper>(
      path, [this](const std::string& message) { ShowError(message); });
  game_.SetMatchObserver(statistics_.get());
  mnuStatistics->setEnabled(true);
}

void TForm1::mnuStatisticsClick() {
  if (statistics_)
    vorpo::ShowStatisticsDialog(this, *statistics_, game_.State().ConfiguredNames[0]);
}
