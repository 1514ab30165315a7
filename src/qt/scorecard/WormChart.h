#pragma once
// The worm: each side's runs added up over by over, from 0, with a mark at the
// score where each wicket fell.

#include <QChartView>

#include "qt/scorecard/ChartSide.h"

class WormChart : public QChartView {
  Q_OBJECT

 public:
  explicit WormChart(QWidget* parent = nullptr);

  void SetSides(const ChartSides& sides);
};
