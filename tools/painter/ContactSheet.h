#pragma once
// A contact sheet for looking the art over: every tile of every picture, as
// the game will show it on grass, each labelled with its file and number.

#include <QImage>

namespace paint {

// Needs a QGuiApplication (it writes labels).
QImage ContactSheet();

}  // namespace paint
