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

constexpr qreal kGroupWidth = 0.8;      // of an over's slot, shared by the sides' bars
constexpr double kLeastScale = 6;       // runs: marks keep their spacing on a low-scoring chart
constexpr double kMarkStep = 1.0 / 12;  // of the scale, between stacked wicket marks

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

double MarkStep(const ChartSides& sides) {
  int most = 0;
  for (const ChartSide& side : sides)
    for (const scorecard::OverRecord& over : side.record->overs) most = std::max(most, over.runs);
  return std::max<double>(most, kLeastScale) * kMarkStep;
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

// One mark per wicket of each over, stacked upwards from the top of its bar.
QScatterSeries* WicketMarks(const ChartSide& side, qreal offset, double step) {
  QScatterSeries* marks = WicketSeries(side);
  const auto& overs = side.record->overs;
  for (std::size_t i = 0; i < overs.size(); ++i)
    for (int w = 0; w < overs[i].wickets; ++w)
      marks->append(static_cast<qreal>(i) + offset, overs[i].runs + step * (w + 0.7));
  return marks;
}

double Top(const QScatterSeries& marks, double step) {
  double top = 0;
  for (const QPointF& point : marks.points()) top = std::max(top, point.y() + step);
  return top;
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
  const double step = MarkStep(sides);
  auto* bars = new QBarSeries;
  bars->setBarWidth(kGroupWidth);
  double top = 0;
  for (const ChartSide& side : sides) {
    bars->append(OverRuns(side, overs, chart->legend()->font()));
    for (const auto& over : side.record->overs) top = std::max(top, over.runs + step);
  }
  QCategoryAxis* x = OverAxis(overs);
  std::vector<QScatterSeries*> marks;
  for (std::size_t k = 0; k < sides.size(); ++k) {
    marks.push_back(WicketMarks(
        sides[k], BarOffset(static_cast<int>(k), static_cast<int>(sides.size())), step));
    top = std::max(top, Top(*marks.back(), step));
  }
  QValueAxis* y = RunsAxis(top);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  Attach(chart, bars, x, y);
  for (QScatterSeries* series : marks) Attach(chart, series, x, y);
  LabelWickets(chart, marks);
  Replace(this, chart);
}
