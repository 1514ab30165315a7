#pragma once
// Writing a picture as an uncompressed 24-bit Windows bitmap, byte for byte the
// same on every run: the game loads only this plain kind of file.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace paint {

// The file's bytes: headers, then the rows bottom-up, blue-green-red, each row
// padded to a multiple of four bytes.
QByteArray EncodeBmp24(const QImage& image);
// Writes the file; false if it cannot be written.
bool WriteBmp24(const QImage& image, const QString& path);

}  // namespace paint
