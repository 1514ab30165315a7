#pragma once
// A whole Game as the program runs it, but for the options form: the display
// is the real Qt widget, in a window beside a text box that can take the
// focus from it, and the bitmaps are real files in a folder of the test's own.

#include <QByteArray>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <string>

#include "core/model/Bitmaps.h"
#include "fakes/Fakes.h"
#include "qt/display/DisplayWidget.h"
#include "qt/display/QtPictures.h"

namespace fuzz {

using BitmapFile = Bitmap;
using ::kBitmaps;

// A BMP file of the given size, its tiles in one column.
QByteArray BmpOf(int width, int height);
QByteArray GoodBitmap(const BitmapFile& bitmap);

// A folder holding all seven good bitmaps, made once and shared.
class BitmapFolder {
 public:
  BitmapFolder();
  QString Path() const { return dir_.path(); }
  QString FileOf(const BitmapFile& bitmap) const { return dir_.filePath(bitmap.fileName); }
  void Write(const BitmapFile& bitmap, const QByteArray& bytes) const;
  void Remove(const BitmapFile& bitmap) const;
  void Restore(const BitmapFile& bitmap) const { Write(bitmap, GoodBitmap(bitmap)); }

 private:
  QTemporaryDir dir_;
};

// The window outlives the game, whose display is a child of it.
struct MatchWindow {
  QWidget window;
};

class QtMatch : public MatchWindow, public fakes::GameOn<fakes::FakeForms, QtPictures> {
 public:
  explicit QtMatch(const QString& folder);
  // The display of the match in play, or null.
  DisplayWidget* Display() const { return display_; }
  // The six held-key flags, as "LeftHeld RightHeld ..." of those set.
  std::string HeldFlags() const;

  QLineEdit* other;  // takes the focus away from the display

 private:
  QPointer<DisplayWidget> display_;
};

}  // namespace fuzz
