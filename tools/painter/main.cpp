// gallowby-paint [FOLDER] [--contact-sheet OUT.png]
// Paints the game's seven bitmaps into FOLDER (default "assets"); with
// --contact-sheet it also writes every tile, labelled, into one picture.
// Runs headless with QT_QPA_PLATFORM=offscreen.

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "painter/Assets.h"
#include "painter/ContactSheet.h"

int main(int argc, char** argv) {
  QString folder = QStringLiteral("assets");
  QString sheet;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("--contact-sheet") && i + 1 < argc) {
      sheet = QString::fromLocal8Bit(argv[++i]);
    } else if (arg.startsWith(QLatin1String("-"))) {
      std::fprintf(stderr, "usage: gallowby-paint [FOLDER] [--contact-sheet OUT.png]\n");
      return 2;
    } else {
      folder = arg;
    }
  }
  const QString error = paint::PaintAssets(folder);
  if (!error.isEmpty()) {
    std::fprintf(stderr, "gallowby-paint: %s\n", qPrintable(error));
    return 1;
  }
  if (!sheet.isEmpty()) {
    QGuiApplication app(argc, argv);  // the labels need fonts
    if (!paint::ContactSheet().save(sheet)) {
      std::fprintf(stderr, "gallowby-paint: cannot write %s\n", qPrintable(sheet));
      return 1;
    }
  }
  return 0;
}
