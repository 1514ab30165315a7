#pragma once
// The panel's boxes were measured for a narrow dialog face. Where the desktop's
// face is wider, a caption is set a little condensed, never smaller, so it
// still fits its box whole instead of losing its last letters.

class QString;
class QWidget;

// Narrows `widget`'s font until `caption` fits in `room` pixels, or as far as
// it reasonably goes.
void NarrowToFit(QWidget& widget, const QString& caption, int room);

// The room a caption has inside a control of its kind: a label's whole width, a
// radio button's width past its indicator, a frame's width past its margins.
int CaptionRoom(const QWidget& widget);
