#include "qt/scorecard/ManhattanChart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <iterator>

#include "qt/scorecard/ChartParts.h"

namespace {

constexpr qreal kGroupWidth = 0.8;  // of an over's slot, shared by the sides' bars
// Pixels from one mark's centre to the next: the mark, its ring and a hair between.
constexpr qreal kMarkPitch = chart_style::kWicketMarkSize + 3;
constexpr qreal kMostOfThePlot = 0.9;           // that one over's stack of marks may take up
constexpr qreal kPlotHeightBeforeLayout = 150;  // pixels, a guess until the chart is laid out

// Every over is numbered on a short innings; on a long one the first and every fifth or tenth.
constexpr struct {
  int upTo;
  int every;
} kOverLabels[] = {{12, 1}, {30, 5}, {1 << 20, 10}};

int MostOvers(const ChartSides& sides) {
  std::size_t most = 1;
  for (const ChartSide& side : sides) most = std::max(most, side.record->overs.size());
  return static_cast<int>(most);
}

QBarSet* OverRuns(const ChartSide& side, int overs, const QFont& font) {
  auto* set = new QBarSet(LegendName(side, font));
  set->setColor(side.colour);
  set->setBorderColor(side.colour.darker(130));
  for (int i = 0; i < overs; ++i) {
    const auto& record = side.record->overs;
    *set << (i < static_cast<int>(record.size()) ? record[i].runs : 0);
  }
  return set;
}

// Where the side's bar of an over stands, in category units from the over's middle.
qreal BarOffset(int side, int sides) {
  const qreal barWidth = kGroupWidth / sides;
  return (side - (sides - 1) / 2.0) * barWidth;
}

int LabelEvery(int overs) {
  for (const auto& labels : kOverLabels)
    if (overs <= labels.upTo) return labels.every;
  return kOverLabels[std::size(kOverLabels) - 1].every;
}

// The overs along the bottom: over n's bars stand at n - 1, its label under them.
QCategoryAxis* OverAxis(int overs) {
  auto* axis = new QCategoryAxis;
  axis->setTitleText(QStringLiteral("Over"));
  axis->setRange(-0.5, overs - 0.5);
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setGridLineVisible(false);
  const int every = LabelEvery(overs);
  for (int n = 1; n <= overs; ++n)
    if (n == 1 || n % every == 0) axis->append(QString::number(n), n - 1);
  return axis;
}

}  // namespace

ManhattanChart::ManhattanChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setMinimumHeight(chart_style::kMinChartHeight);
  setFocusPolicy(Qt::NoFocus);
  viewport()->setFocusPolicy(Qt::NoFocus);
  SetSides({});
}

void ManhattanChart::SetSides(const ChartSides& sides) {
  QChart* chart = NewChart(QStringLiteral("Runs per over"));
  const int overs = MostOvers(sides);
  auto* bars = new QBarSeries;
  bars->setBarWidth(kGroupWidth);
  stacks_.clear();
  marks_.clear();
  barsTop_ = 0;
  for (std::size_t k = 0; k < sides.size(); ++k) {
    bars->append(OverRuns(sides[k], overs, chart->legend()->font()));
    marks_.push_back(WicketSeries(sides[k]));
    const qreal offset = BarOffset(static_cast<int>(k), static_cast<int>(sides.size()));
    const auto& record = sides[k].record->overs;
    for (std::size_t i = 0; i < record.size(); ++i) {
      barsTop_ = std::max<double>(barsTop_, record[i].runs);
      if (record[i].wickets > 0)
        stacks_.push_back(
            {marks_.back(), static_cast<qreal>(i) + offset, record[i].runs, record[i].wickets});
    }
  }
  QCategoryAxis* x = OverAxis(overs);
  runs_ = RunsAxis(barsTop_);
  runsTop_ = -1;
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(runs_, Qt::AlignLeft);
  Attach(chart, bars, x, runs_);
  for (QScatterSeries* series : marks_) Attach(chart, series, x, runs_);
  Replace(this, chart);
  StackMarks();
  LabelWickets(chart, marks_);
  connect(chart, &QChart::plotAreaChanged, this, &ManhattanChart::StackMarks);
}

// A stack of n marks on an over of r runs needs r + n marks' height under the
// top of the runs axis: r + n * pitch * top / plot height <= top.
void ManhattanChart::StackMarks() {
  const qreal height = chart()->plotArea().height();
  const qreal pixels = height > 0 ? height : kPlotHeightBeforeLayout;
  double top = barsTop_;
  for (const Stack& stack : stacks_) {
    const qreal share = std::min(kMostOfThePlot, stack.wickets * kMarkPitch / pixels);
    top = std::max(top, stack.runs / (1 - share));
  }
  if (top != runsTop_) {
    runsTop_ = top;
    FitRunsAxis(runs_, top);
  }
  const qreal runsPerPixel = (runs_->max() - runs_->min()) / pixels;
  for (QScatterSeries* series : marks_) series->clear();
  for (const Stack& stack : stacks_)
    for (int w = 0; w < stack.wickets; ++w)
      stack.marks->append(stack.x, stack.runs + (w + 0.5) * kMarkPitch * runsPerPixel);
}
