#pragma once
// One batting side as the scorecard's charts draw it: its innings, its name
// and its colour.

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

#include "core/model/InningsRecord.h"

struct ChartSide {
  const scorecard::InningsRecord* record = nullptr;
  QString team;
  QColor colour;
};

using ChartSides = std::vector<ChartSide>;

namespace chart_style {
// Team 1 and team 2, told apart also by lightness for readers who do not see the hues.
inline const QColor kTeamColours[2] = {QColor(0x1f, 0x5f, 0xa8), QColor(0xf0, 0x9a, 0x36)};
inline const QColor kWicketColour(0xc0, 0x1c, 0x28);
inline constexpr qreal kWicketMarkSize = 10;
inline constexpr int kLegendNameWidth = 150;  // pixels; longer names are elided in the legend
inline constexpr int kMinChartHeight = 220;
}  // namespace chart_style

// The team's name on one line, shortened with an ellipsis to fit width pixels.
QString ElidedTeam(const QString& team, const QFont& font, int width);
