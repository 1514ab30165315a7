#pragma once
// The Manhattan: the runs of every over as bars, the sides side by side, and a
// mark above an over's bar for each wicket that fell in it.

#include <QChartView>

#include "qt/scorecard/ChartSide.h"

class ManhattanChart : public QChartView {
  Q_OBJECT

 public:
  explicit ManhattanChart(QWidget* parent = nullptr);

  void SetSides(const ChartSides& sides);
};
