#pragma once
// The commentary strip under the field: three lines of words on a quiet dark
// band, the field's width. Line 0 says what to do now, line 1 the last ball,
// line 2 the state of the match. A line too long for the strip is cut with
// "…" at its end (the commentary already caps team names, so this only bites
// on a narrow strip or an unusually wide face). The strip never takes the
// keyboard focus, so every key still goes to the field. Given a whole multiple
// of its size (beside a field scaled up), it draws everything that much larger.

#include <QString>
#include <QWidget>
#include <array>
#include <string>

class CommentaryStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 640;  // the field's width
  static constexpr int kHeight = 60;  // three lines of 18 pixels and a margin of 3 above and below
  static constexpr std::size_t kLines = 3;

  explicit CommentaryStrip(QWidget* parent = nullptr);

  // Takes the commentary's lines (UTF-8); repaints only the lines that changed.
  void SetLines(const std::array<std::string, kLines>& lines);

  // Line `index` as it is drawn: whole when it fits, else elided to the strip's width.
  QString ShownLine(std::size_t index) const;

  QSize sizeHint() const override { return {kWidth, kHeight}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Scale() const;
  QRect LineRect(std::size_t index) const;  // at the strip's own size
  QRect Scaled(const QRect& rect) const;

  std::array<QString, kLines> lines_;
};
