#include "VorpoStatistics.h"

#include <utility>

#include "fonts.h"
#include "message_box.h"
#include "place_near_owner.h"

namespace vorpo {

namespace {

constexpr int kRowLabelLeft = 12;
constexpr int kRowLabelWidth = 112;
constexpr int kColumnLeft = 128;
constexpr int kColumnStep = 78;
// The figures and the heads above them stand right-aligned in their columns.
constexpr int kColumnWidth = 66;
constexpr int kLineHeight = 12;
constexpr int kFirstRowTop = 72;
constexpr int kRowStep = 18;

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  label->setAlignment(alignment);
  return label;
}

int ColumnLeft(std::size_t kind) {
  return kColumnLeft + kColumnStep * static_cast<int>(kind);
}

}  // namespace

void ShowStatisticsDialog(QWidget* owner, StatisticsKeeper& keeper, const std::string& name) {
  TfrmStatistics dialog(owner, keeper, name);
  PlaceNearOwner(owner, &dialog);
  dialog.exec();
}

TfrmStatistics::TfrmStatistics(QWidget* owner, StatisticsKeeper& keeper, std::string name)
    : QDialog(owner), keeper_(keeper), name_(std::move(name)) {
  setWindowTitle(QStringLiteral("通算成績"));
  setFont(DialogFont());
  setFixedSize(448, 236);

  lblName = MakeLabel(this, QStringLiteral("名前: ") + QString::fromStdString(name_),
                      {kRowLabelLeft, 12, 424, kLineHeight});
  const QString rules[] = {QStringLiteral("国際ルール"), QStringLiteral("日本ルール")};
  for (std::size_t rule = 0; rule < lblRules.size(); ++rule)
    lblRules[rule] = MakeLabel(this, rules[rule],
                               {ColumnLeft(2 * rule), 36, kColumnStep + kColumnWidth, kLineHeight},
                               Qt::AlignCenter);
  for (std::size_t kind = 0; kind < kMatchKinds; ++kind)
    lblKinds[kind] = MakeLabel(
        this, kind % 2 == 0 ? QStringLiteral("通常") : QStringLiteral("ランキング"),
        {ColumnLeft(kind), 52, kColumnWidth, kLineHeight}, Qt::AlignRight | Qt::AlignVCenter);
  for (std::size_t row = 0; row < kFigureRows; ++row) {
    const int top = kFirstRowTop + kRowStep * static_cast<int>(row);
    lblRows[row] = MakeLabel(this, QString::fromStdString(FigureRowLabel(kAllFigureRows[row])),
                             {kRowLabelLeft, top, kRowLabelWidth, kLineHeight});
    for (std::size_t kind = 0; kind < kMatchKinds; ++kind)
      lblFigures[row][kind] =
          MakeLabel(this, QString(), {ColumnLeft(kind), top, kColumnWidth, kLineHeight},
                    Qt::AlignRight | Qt::AlignVCenter);
  }
  lblNotRecorded =
      MakeLabel(this, QStringLiteral("通算成績のファイルに書き込めないため、記録されていません。"),
                {kRowLabelLeft, 182, 424, kLineHeight});

  btnReset = new QPushButton(QStringLiteral("リセット(&R)"), this);
  btnReset->setGeometry(kRowLabelLeft, 202, 90, 25);
  btnReset->setAutoDefault(false);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setGeometry(361, 202, 75, 25);
  Button1->setDefault(true);
  connect(btnReset, &QPushButton::clicked, this, &TfrmStatistics::btnResetClick);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  ShowFigures();
}

void TfrmStatistics::ShowFigures() {
  const StatisticsRecord all = keeper_.Record();
  const PlayerRecord& record = all.Of(name_);
  for (std::size_t row = 0; row < kFigureRows; ++row)
    for (std::size_t kind = 0; kind < kMatchKinds; ++kind)
      lblFigures[row][kind]->setText(
          QString::fromStdString(FigureText(record.kinds[kind], kAllFigureRows[row])));
  lblNotRecorded->setVisible(keeper_.WriteFailed());
  btnReset->setEnabled(!record.Empty());
}

void TfrmStatistics::btnResetClick() {
  const QString question =
      QStringLiteral("「%1」の通算成績をすべて消去しますか？").arg(QString::fromStdString(name_));
  if (!AskQuestion(this, question)) return;
  if (!keeper_.Reset(name_))
    ShowErrorMessage(this, QStringLiteral("通算成績のファイルに書き込めませんでした。"));
  ShowFigures();
  // The button that had the focus is disabled now that nothing is left to clear.
  Button1->setFocus();
}

}  // namespace vorpo
