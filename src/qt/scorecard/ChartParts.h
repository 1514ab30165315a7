#pragma once
// The pieces both scorecard charts are made of: a plain chart, a runs axis and
// a series of wicket marks.

#include <QString>

#include "qt/scorecard/ChartSide.h"

class QAbstractAxis;
class QAbstractSeries;
class QChart;
class QChartView;
class QScatterSeries;
class QValueAxis;

// A chart with the title, legend at the bottom and no animation.
QChart* NewChart(const QString& title);

// The vertical axis: runs from 0 to at least top, on whole numbers.
QValueAxis* RunsAxis(double top);
// Stretches it to reach at least top again.
void FitRunsAxis(QValueAxis* axis, double top);

// Round wicket marks in the side's colour, ringed in the wicket colour.
QScatterSeries* WicketSeries(const ChartSide& side);

// Puts series on the chart against both axes.
void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y);

// Shows one legend entry "Wicket" for all the mark series, or none if there are no marks.
void LabelWickets(QChart* chart, const std::vector<QScatterSeries*>& marks);

// Gives the view its new chart and frees the one it replaces.
void Replace(QChartView* view, QChart* chart);

// The team name as it fits the legend.
QString LegendName(const ChartSide& side, const QFont& font);
