#pragma once
// The Manhattan: the runs of every over as bars, the sides side by side, and a
// mark for each wicket that fell in an over, sitting on top of its bar, the
// next one on top of that: on the screen, whatever the scale of the chart.

#include <QChartView>
#include <vector>

#include "qt/scorecard/ChartSide.h"

class QScatterSeries;
class QValueAxis;

class ManhattanChart : public QChartView {
  Q_OBJECT

 public:
  explicit ManhattanChart(QWidget* parent = nullptr);

  void SetSides(const ChartSides& sides);

 private:
  // The wickets of one side in one over, and where they stack.
  struct Stack {
    QScatterSeries* marks;
    qreal x;  // the middle of the side's bar, in overs from the first
    int runs;
    int wickets;
  };

  void StackMarks();

  std::vector<Stack> stacks_;
  std::vector<QScatterSeries*> marks_;
  QValueAxis* runs_ = nullptr;
  double barsTop_ = 0;   // the most runs of an over
  double runsTop_ = -1;  // what the runs axis was last stretched to
};
