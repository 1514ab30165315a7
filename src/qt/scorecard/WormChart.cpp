#include "qt/scorecard/WormChart.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

#include "qt/scorecard/ChartParts.h"

namespace {

constexpr qreal kLineWidth = 2.5;
constexpr double kLeastOvers = 1;

// Whole overs are ticked one by one on a short innings, in fives or tens on a long one.
constexpr struct {
  double upTo;
  double interval;
} kOverTicks[] = {{12, 1}, {30, 5}, {1e9, 10}};

// Where the board's overs fall on the axis: 3.4 overs is 3 and 4/6.
double Position(scorecard::BoardOvers board) {
  return board.overs + static_cast<double>(board.balls) / laws::kBallsPerOver;
}

// The side's score at the end of every over, from 0 before the first ball; an
// over still in progress (or cut short) ends where the board stands.
QLineSeries* Worm(const ChartSide& side, const QFont& font) {
  auto* line = new QLineSeries;
  line->setName(LegendName(side, font));
  QPen pen(side.colour);
  pen.setWidthF(kLineWidth);
  line->setPen(pen);
  line->append(0, 0);
  const auto& overs = side.record->overs;
  int runs = 0;
  for (std::size_t i = 0; i < overs.size(); ++i) {
    runs += overs[i].runs;
    const bool last = i + 1 == overs.size();
    line->append(last ? std::max<double>(Position(side.record->board), i) : i + 1.0, runs);
  }
  return line;
}

QScatterSeries* WicketMarks(const ChartSide& side) {
  QScatterSeries* marks = WicketSeries(side);
  for (const scorecard::BallRecord& ball : side.record->balls)
    if (ball.dismissal != scorecard::Dismissal::None)
      marks->append(Position(ball.board), ball.teamRuns);
  return marks;
}

QValueAxis* OverAxis(double overs) {
  auto* axis = new QValueAxis;
  axis->setTitleText(QStringLiteral("Overs"));
  axis->setRange(0, std::ceil(std::max(overs, kLeastOvers)));
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  for (const auto& ticks : kOverTicks)
    if (overs <= ticks.upTo) {
      axis->setTickInterval(ticks.interval);
      break;
    }
  axis->setLabelFormat(QStringLiteral("%d"));
  return axis;
}

}  // namespace

WormChart::WormChart(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setMinimumHeight(chart_style::kMinChartHeight);
  setFocusPolicy(Qt::NoFocus);
  viewport()->setFocusPolicy(Qt::NoFocus);
  SetSides({});
}

void WormChart::SetSides(const ChartSides& sides) {
  QChart* chart = NewChart(QStringLiteral("Runs, over by over"));
  double overs = 0, runs = 0;
  std::vector<QLineSeries*> worms;
  std::vector<QScatterSeries*> marks;
  for (const ChartSide& side : sides) {
    worms.push_back(Worm(side, chart->legend()->font()));
    marks.push_back(WicketMarks(side));
    overs = std::max(overs, worms.back()->points().back().x());
    runs = std::max<double>(runs, side.record->runs);
  }
  QValueAxis* x = OverAxis(overs);
  QValueAxis* y = RunsAxis(runs);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QLineSeries* worm : worms) {
    Attach(chart, worm, x, y);
    for (QLegendMarker* marker : chart->legend()->markers(worm))
      marker->setShape(QLegend::MarkerShapeFromSeries);
  }
  for (QScatterSeries* series : marks) Attach(chart, series, x, y);
  LabelWickets(chart, marks);
  Replace(this, chart);
}
