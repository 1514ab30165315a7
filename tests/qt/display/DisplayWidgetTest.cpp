#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>

#include "qt/display/DisplayWidget.h"
#include "qt/display/QtPicture.h"
#include "qt/display/QtTileSet.h"

namespace {

constexpr QRgb kRed = qRgb(200, 0, 0), kGreen = qRgb(0, 200, 0), kBlue = qRgb(0, 0, 200),
               kYellow = qRgb(200, 200, 0), kGrey = qRgb(90, 90, 90), kMagenta = qRgb(255, 0, 255),
               kBlack = qRgb(0, 0, 0);

struct KeyRecord {
  char what;  // 'd' down, 'u' up
  int code;
  bool operator==(const KeyRecord&) const = default;
};

class RecordingEvents : public DisplayEvents {
 public:
  void Display_KeyDown(i16 code, i16) override { keys.push_back({'d', code}); }
  void Display_KeyUp(i16 code, i16) override { keys.push_back({'u', code}); }
  void Display_TileSetLost(i16) override {}
  std::vector<KeyRecord> keys;
};

// Four 4 x 3 tiles in a 2 x 2 sheet: red, green / blue, yellow. Green's
// top-left pixel is the transparent magenta.
QtPicture Sheet() {
  QImage image(8, 6, QImage::Format_RGB32);
  const QRgb colours[] = {kRed, kGreen, kBlue, kYellow};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) image.setPixel(x, y, colours[(y / 3) * 2 + x / 4]);
  image.setPixel(4, 0, kMagenta);
  return QtPicture("sheet.bmp", image);
}

QtPicture Field(QRgb colour) {
  QImage image(640, 480, QImage::Format_RGB32);
  image.fill(colour);
  return QtPicture("all.bmp", image);
}

class DisplayTest : public ::testing::Test {
 protected:
  DisplayTest() {
    display.OpenDisplay();
    field = display.CreateTileSet(Field(kGrey), 640, 480);
    sheet = display.CreateTileSet(Sheet(), 4, 3);
    map = display.CreateMap();
    map->SetSize(1, 1);
  }
  QRgb Pixel(int x, int y) const { return display.Frame().pixel(x, y) | 0xff000000u; }
  void DrawField() { display.DrawMap(*field, *map); }

  RecordingEvents events;
  DisplayWidget display{events};
  TileSetRef field, sheet;
  std::shared_ptr<Map> map;
};

TEST_F(DisplayTest, TilesAreCutInReadingOrder) {
  const struct {
    int tile;
    QRgb colour;
  } cases[] = {{0, kRed}, {1, kGreen}, {2, kBlue}, {3, kYellow}};
  for (const auto& c : cases) {
    display.DrawTile(*sheet, static_cast<std::uint8_t>(c.tile), 20, 20);
    display.ShowFrame();
    EXPECT_EQ(Pixel(21, 21), c.colour) << "tile " << c.tile;
  }
}

TEST_F(DisplayTest, SpritesLeaveMagentaUndrawnTheMapDoesNot) {
  DrawField();
  display.DrawTile(*sheet, 1, 100, 50);
  display.ShowFrame();
  EXPECT_EQ(Pixel(100, 50), kGrey);
  EXPECT_EQ(Pixel(101, 50), kGreen);

  QImage magentaField(640, 480, QImage::Format_RGB32);
  magentaField.fill(kMagenta);
  const auto keyed = display.CreateTileSet(QtPicture("all.bmp", magentaField), 640, 480);
  display.DrawMap(*keyed, *map);
  display.ShowFrame();
  EXPECT_EQ(Pixel(320, 240), kMagenta);
}

TEST_F(DisplayTest, TilesAreClippedToThePlayingArea) {
  const struct {
    int x, y;
    int px, py;
    QRgb colour;
  } cases[] = {
      {-2, -1, 0, 0, kGreen},        // the tile's pixel (2, 1)
      {637, 478, 639, 479, kGreen},  // the tile's pixel (2, 1) again, at the far corner
      {-3, 100, 0, 100, kGreen},
  };
  for (const auto& c : cases) {
    DrawField();
    display.DrawTile(*sheet, 1, static_cast<i16>(c.x), static_cast<i16>(c.y));
    display.ShowFrame();
    EXPECT_EQ(Pixel(c.px, c.py), c.colour) << c.x << "," << c.y;
  }
}

TEST_F(DisplayTest, TilesOutsideTheAreaOrTheSetDrawNothing) {
  const struct {
    int tile, x, y;
  } cases[] = {
      {1, -4, 0}, {1, 640, 0}, {1, 0, 480}, {1, -32768, 32767}, {4, 10, 10}, {255, 10, 10},
  };
  for (const auto& c : cases) {
    DrawField();
    display.DrawTile(*sheet, static_cast<std::uint8_t>(c.tile), static_cast<i16>(c.x),
                     static_cast<i16>(c.y));
    display.ShowFrame();
    EXPECT_EQ(display.Frame(), Field(kGrey).Image())
        << "tile " << c.tile << " at " << c.x << "," << c.y;
  }
}

TEST_F(DisplayTest, OnlyShowFrameChangesWhatIsShown) {
  DrawField();
  display.ShowFrame();
  display.DrawTile(*sheet, 0, 0, 0);
  EXPECT_EQ(Pixel(0, 0), kGrey) << "drawn but not yet shown";
  display.ShowFrame();
  EXPECT_EQ(Pixel(0, 0), kRed);
  display.DrawTile(*sheet, 2, 0, 0);  // the next frame must not write into the shown one
  EXPECT_EQ(Pixel(0, 0), kRed);
}

TEST_F(DisplayTest, TextIsLightWithADarkShadow) {
  DrawField();
  display.DrawText("Team1 0/0", 100, 100);
  display.ShowFrame();
  int light = 0, dark = 0, outside = 0;
  for (int y = 90; y < 130; ++y)
    for (int x = 90; x < 250; ++x) {
      const QColor c = QColor::fromRgb(Pixel(x, y));
      if (c.lightness() > 200) ++light;
      if (c.lightness() < 50) ++dark;
      if (c.rgb() != QColor(kGrey).rgb() && (y < 100 || x < 100)) ++outside;
    }
  EXPECT_GT(light, 20);
  EXPECT_GT(dark, 20);
  EXPECT_EQ(outside, 0) << "text starts at its top-left corner";
}

// Only the part of the picture that changed is repainted, and a frame the
// same as the last is not painted at all; the screen must still show every
// frame exactly.
class PaintWatcher : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return false;
  }
  std::vector<QRegion> regions;
};

TEST_F(DisplayTest, RepaintsWhatChangedAndNothingElse) {
  display.resize(640, 480);
  PaintWatcher watcher;
  display.installEventFilter(&watcher);
  const auto onScreen = [this] {
    QApplication::processEvents();
    return QGuiApplication::primaryScreen()
        ->grabWindow(display.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  };
  const struct {
    int x, y;
    QRect painted;
  } frames[] = {
      {20, 20, {0, 0, 640, 480}},   // the first frame over the black one opened with
      {100, 50, {20, 20, 84, 33}},  // the sprite moved: where it was and where it is
      {100, 50, {}},                // the same again: no paint at all
  };
  for (const auto& f : frames) {
    watcher.regions.clear();
    DrawField();
    display.DrawTile(*sheet, 0, static_cast<i16>(f.x), static_cast<i16>(f.y));
    display.ShowFrame();
    EXPECT_EQ(onScreen(), display.Frame()) << f.x << "," << f.y;
    QRegion painted;
    for (const QRegion& region : watcher.regions) painted += region;
    EXPECT_EQ(painted.boundingRect(), f.painted) << f.x << "," << f.y;
  }
}

TEST_F(DisplayTest, TileSetsAreListedInTheOrderMadeAndReloadReCuts) {
  ASSERT_EQ(display.GetTileSets().size(), 2u);
  EXPECT_EQ(display.GetTileSets()[0], field);
  EXPECT_EQ(display.GetTileSets()[1], sheet);

  field->Restore();
  DrawField();
  display.ShowFrame();
  EXPECT_EQ(Pixel(5, 5), kGrey);

  field->ReloadPicture(Field(kBlue));
  DrawField();
  display.ShowFrame();
  EXPECT_EQ(Pixel(5, 5), kBlue);
}

TEST(DisplayScaling, LargestWholeFactorCentred) {
  const struct {
    QSize widget;
    QRect frame;
  } cases[] = {
      {{640, 480}, {0, 0, 640, 480}},      {{700, 480}, {30, 0, 640, 480}},
      {{1279, 959}, {319, 239, 640, 480}}, {{1280, 960}, {0, 0, 1280, 960}},
      {{1300, 1000}, {10, 20, 1280, 960}}, {{1300, 900}, {330, 210, 640, 480}},
      {{1920, 1440}, {0, 0, 1920, 1440}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DisplayWidget::FrameRect(c.widget), c.frame) << c.widget.width();
}

TEST_F(DisplayTest, PaintsScaledPixelsSquareWithBlackAround) {
  DrawField();
  display.DrawTile(*sheet, 0, 0, 0);
  display.ShowFrame();
  display.resize(1300, 1000);  // factor 2, frame at (10, 20)
  const QImage shown = display.grab().toImage();
  const struct {
    int x, y;
    QRgb colour;
  } cases[] = {
      {9, 20, kBlack}, {10, 19, kBlack}, {10, 20, kRed},     {17, 25, kRed},
      {18, 20, kGrey}, {10, 26, kGrey},  {1289, 979, kGrey}, {1290, 980, kBlack},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown.pixel(c.x, c.y) | 0xff000000u, c.colour) << c.x << "," << c.y;
}

// Enlarged into an image (as into the window's backing store), the picture is
// pixel for pixel Qt's own nearest-neighbour scaling, and only the part asked
// for is painted, whatever squares it cuts.
TEST_F(DisplayTest, EnlargedPaintIsNearestNeighbourAndKeepsToItsRegion) {
  DrawField();
  for (int tile = 0; tile < 4; ++tile)
    display.DrawTile(*sheet, static_cast<std::uint8_t>(tile), static_cast<i16>(7 + 5 * tile), 9);
  display.ShowFrame();
  constexpr QRgb kUntouched = qRgb(1, 2, 3);
  for (int factor : {2, 3}) {
    display.resize(640 * factor, 480 * factor);
    const QImage expected =
        display.Frame().scaled(display.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRect part(13, 17, 61, 29);  // cuts squares at every edge
    const QRegion region = QRegion(part) + QRegion(part.translated(40, 50));
    QImage image(region.boundingRect().size() + QSize(10, 10), QImage::Format_RGB32);
    image.fill(kUntouched);
    display.render(&image, QPoint(5, 5), region);  // the region's corner lands at (5, 5)
    const QPoint shift = QPoint(5, 5) - part.topLeft();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QPoint at = QPoint(x, y) - shift;
        const QRgb want = region.contains(at) ? expected.pixel(at) : kUntouched;
        ASSERT_EQ(image.pixel(x, y), want) << factor << ": " << at.x() << "," << at.y();
      }
  }
}

// ---- keys ----

void Send(QWidget& widget, QEvent::Type type, int key,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
  QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
  QCoreApplication::sendEvent(&widget, &event);
}

class DisplayKeysTest : public ::testing::Test {
 protected:
  DisplayKeysTest() {
    window.resize(800, 600);
    display = new DisplayWidget(events, &window);
    other = new QLineEdit(&window);
    other->move(0, 500);
    window.show();
    window.activateWindow();
    display->setFocus();
    QApplication::processEvents();
  }
  RecordingEvents events;
  QWidget window;
  DisplayWidget* display;
  QLineEdit* other;
};

TEST_F(DisplayKeysTest, AutoRepeatIsIgnoredAHeldKeyIsOnePress) {
  Send(*display, QEvent::KeyPress, Qt::Key_Z);
  Send(*display, QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, true);
  Send(*display, QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, true);
  Send(*display, QEvent::KeyRelease, Qt::Key_Z);
  const std::vector<KeyRecord> expected = {{'d', 90}, {'u', 90}};
  EXPECT_EQ(events.keys, expected);
}

TEST_F(DisplayKeysTest, TabAndShiftTabReachTheGameAndKeepTheFocus) {
  ASSERT_TRUE(display->hasFocus());
  Send(*display, QEvent::KeyPress, Qt::Key_Tab);
  Send(*display, QEvent::KeyRelease, Qt::Key_Tab);
  Send(*display, QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
  const std::vector<KeyRecord> expected = {{'d', 9}, {'u', 9}, {'d', 9}};
  EXPECT_EQ(events.keys, expected);
  EXPECT_TRUE(display->hasFocus());
}

TEST_F(DisplayKeysTest, LosingTheFocusReleasesEveryHeldKey) {
  Send(*display, QEvent::KeyPress, Qt::Key_Left);
  Send(*display, QEvent::KeyPress, Qt::Key_Z);
  Send(*display, QEvent::KeyPress, Qt::Key_5, Qt::KeypadModifier);
  Send(*display, QEvent::KeyRelease, Qt::Key_5, Qt::KeypadModifier);
  events.keys.clear();
  other->setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(display->hasFocus());
  const std::vector<KeyRecord> expected = {{'u', 37}, {'u', 90}};
  EXPECT_EQ(events.keys, expected);
  events.keys.clear();
  display->setFocus();
  other->setFocus();
  EXPECT_TRUE(events.keys.empty()) << "nothing was held the second time";
}

TEST_F(DisplayKeysTest, AClickOnTheDisplayTakesTheFocusBack) {
  other->setFocus();
  ASSERT_FALSE(display->hasFocus());
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50),
                    display->mapToGlobal(QPointF(50, 50)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(display, &press);
  EXPECT_TRUE(display->hasFocus());
}

}  // namespace
