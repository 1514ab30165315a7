#include "qt/forms/Stage.h"

#include <algorithm>

#include "core/model/FieldGeometry.h"
#include "qt/commentary/CommentaryStrip.h"

Stage StageIn(const QRect& room) {
  const int height = field::ScreenHeight + CommentaryStrip::kHeight;
  Stage stage;
  stage.factor = std::max(1, std::min(room.width() / field::ScreenWidth, room.height() / height));
  const QSize scaled(field::ScreenWidth * stage.factor, height * stage.factor);
  const QPoint corner = room.topLeft() + QPoint((room.width() - scaled.width()) / 2,
                                                (room.height() - scaled.height()) / 2);
  stage.field = QRect(corner, QSize(scaled.width(), field::ScreenHeight * stage.factor));
  stage.strip = QRect(stage.field.bottomLeft() + QPoint(0, 1),
                      QSize(scaled.width(), CommentaryStrip::kHeight * stage.factor));
  return stage;
}
