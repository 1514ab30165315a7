#include "qt/scorecard/ChartParts.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace {
constexpr double kLeastRunsTop = 4;
}

QChart* NewChart(const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  return chart;
}

QValueAxis* RunsAxis(double top) {
  auto* axis = new QValueAxis;
  axis->setTitleText(QStringLiteral("Runs"));
  FitRunsAxis(axis, top);
  axis->setLabelFormat(QStringLiteral("%d"));
  return axis;
}

void FitRunsAxis(QValueAxis* axis, double top) {
  axis->setRange(0, std::max(top, kLeastRunsTop));
  axis->applyNiceNumbers();
}

QScatterSeries* WicketSeries(const ChartSide& side) {
  auto* marks = new QScatterSeries;
  marks->setName(QStringLiteral("Wicket"));
  marks->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  marks->setMarkerSize(chart_style::kWicketMarkSize);
  marks->setColor(side.colour);
  marks->setBorderColor(chart_style::kWicketColour);
  QPen pen(chart_style::kWicketColour);
  pen.setWidthF(2.5);
  marks->setPen(pen);
  return marks;
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
}

void LabelWickets(QChart* chart, const std::vector<QScatterSeries*>& marks) {
  bool shown = false;
  for (QScatterSeries* series : marks) {
    const bool show = !shown && series->count() > 0;
    for (QLegendMarker* marker : chart->legend()->markers(series)) {
      marker->setShape(QLegend::MarkerShapeFromSeries);  // a ringed dot, as on the chart
      marker->setVisible(show);
    }
    shown = shown || show;
  }
}

void Replace(QChartView* view, QChart* chart) {
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
}

QString LegendName(const ChartSide& side, const QFont& font) {
  return ElidedTeam(side.team, font, chart_style::kLegendNameWidth);
}
