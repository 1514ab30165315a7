#include "qt/scorecard/ChartSide.h"

#include <QFontMetrics>

QString ElidedTeam(const QString& team, const QFont& font, int width) {
  QString line = team;
  line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
  return QFontMetrics(font).elidedText(line, Qt::ElideRight, width);
}
