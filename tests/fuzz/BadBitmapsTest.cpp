// Each bitmap in turn missing, empty, cut short, not a picture at all, or too
// small for the tiles the game draws from it, read through the real picture
// loader: Begin names the file in a message, starts nothing, and leaves the
// options form as the player set it. Put right, the next Begin plays.
#include <gtest/gtest.h>

#include <QString>
#include <functional>

#include "QtMatch.h"

namespace {

using fuzz::BitmapFile;

struct Spoiling {
  const char* what;
  std::function<QByteArray(const BitmapFile&)> bytes;  // null: the file is removed
};

QByteArray BmpHeaderClaiming(int width, int height) {
  QByteArray bytes = fuzz::BmpOf(8, 8);
  const auto put = [&bytes](int at, int value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
  };
  put(18, width);  // the info header's width and height
  put(22, height);
  return bytes;
}

const Spoiling kSpoilings[] = {
    {"missing", nullptr},
    {"empty", [](const BitmapFile&) { return QByteArray(); }},
    {"cut short",
     [](const BitmapFile& b) {
       const QByteArray good = fuzz::GoodBitmap(b);
       return good.left(good.size() / 2);
     }},
    {"header only", [](const BitmapFile& b) { return fuzz::GoodBitmap(b).left(54); }},
    {"not a picture",
     [](const BitmapFile&) { return QByteArray("BM this is a cricket score, not a picture"); }},
    {"absurd size", [](const BitmapFile&) { return BmpHeaderClaiming(60000, 60000); }},
    {"negative size", [](const BitmapFile&) { return BmpHeaderClaiming(-5, 100); }},
    {"a tile short",
     [](const BitmapFile& b) {
       return fuzz::BmpOf(b.tileWidth, b.tileHeight * b.tilesNeeded - 1);
     }},
    {"too narrow",
     [](const BitmapFile& b) {
       return fuzz::BmpOf(b.tileWidth - 1, b.tileHeight * b.tilesNeeded);
     }},
};

bool Names(const std::string& message, const char* file) {
  return QString::fromStdString(message).contains(QString(file), Qt::CaseInsensitive);
}

// Begin with one bitmap spoiled; then, put right, Begin again.
void BeginWithSpoiled(const fuzz::BitmapFolder& folder, const BitmapFile& bitmap,
                      const Spoiling& spoiling) {
  if (spoiling.bytes)
    folder.Write(bitmap, spoiling.bytes(bitmap));
  else
    folder.Remove(bitmap);
  fuzz::QtMatch match(folder.Path());
  match.forms.SetText(TextBox::Text1, "Kept");
  match.pump.fallback = [&match] { match.game.Display_KeyDown(27, 0); };
  match.game.cmdBegin_Click();
  folder.Restore(bitmap);
  ASSERT_EQ(match.forms.messages.size(), 1u);
  EXPECT_TRUE(Names(match.forms.messages[0], bitmap.fileName)) << match.forms.messages[0];
  EXPECT_EQ(match.pump.yields, 0) << "no match was played";
  EXPECT_TRUE(match.forms.OptionsLoaded());
  EXPECT_TRUE(match.forms.beginEnabled);
  EXPECT_EQ(match.forms.Text(TextBox::Text1), "Kept");
  EXPECT_FALSE(match.timer.Enabled());
  EXPECT_FALSE(match.game.MatchRunning());
  ASSERT_NE(match.Display(), nullptr);
  EXPECT_FALSE(match.Display()->IsOpen());

  match.game.cmdBegin_Click();
  EXPECT_EQ(match.forms.messages.size(), 1u);
  EXPECT_EQ(match.pump.yields, 1) << "put right, the same form plays a match";
  EXPECT_FALSE(match.forms.OptionsLoaded()) << "Escape closed the match";
}

}  // namespace

TEST(BadBitmaps, EachIsNamedAndTheOptionsFormIsKept) {
  const fuzz::BitmapFolder folder;
  for (const BitmapFile& bitmap : fuzz::kBitmaps) {
    for (const Spoiling& spoiling : kSpoilings) {
      SCOPED_TRACE(std::string(bitmap.fileName) + " " + spoiling.what);
      BeginWithSpoiled(folder, bitmap, spoiling);
    }
  }
}

TEST(BadBitmaps, BackgroundLostWhileItsFileIsGoneKeepsThePlayGoing) {
  const fuzz::BitmapFolder folder;
  fuzz::QtMatch match(folder.Path());
  match.pump.steps = {
      [&] {
        folder.Remove(fuzz::kBitmaps[0]);
        match.game.Display_KeyDown(37, 0);
        match.game.Display_TileSetLost(0);
        EXPECT_FALSE(match.game.S.LeftHeld) << "a failed recovery lets go of the arrows";
        match.game.Timer1_Timer();
      },
  };
  match.pump.fallback = [&match] { match.game.Display_KeyDown(27, 0); };
  match.game.cmdBegin_Click();
  EXPECT_TRUE(match.forms.messages.empty());
  EXPECT_EQ(match.pump.yields, 2) << "the match went on until Escape";
}
