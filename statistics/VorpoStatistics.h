// The statistics dialog (TfrmStatistics): how the player of seat 0's configured name has done
// across matches, one column per scoring rule played ranked or not, with a button that clears
// the figures after a question.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <string>

#include "statistics_keeper.h"
#include "statistics_text.h"

namespace vorpo {

// Places the dialog near owner and shows it modally.
void ShowStatisticsDialog(QWidget* owner, StatisticsKeeper& keeper, const std::string& name);

class TfrmStatistics : public QDialog {
  Q_OBJECT
 public:
  TfrmStatistics(QWidget* owner, StatisticsKeeper& keeper, std::string name);

  // Reads the figures from the file again and shows them.
  void ShowFigures();
  void btnResetClick();

  QLabel* lblName;
  std::array<QLabel*, 2> lblRules{};
  std::array<QLabel*, kMatchKinds> lblKinds{};
  std::array<QLabel*, kFigureRows> lblRows{};
  std::array<std::array<QLabel*, kMatchKinds>, kFigureRows> lblFigures{};
  QLabel* lblNotRecorded;
  QPushButton* btnReset;
  QPushButton* Button1;

 private:
  StatisticsKeeper& keeper_;
  std::string name_;
};

}  // namespace vorpo
