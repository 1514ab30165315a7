#include "qt/sound/WavCheck.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {

constexpr qint64 kHeaderBytes = 44;  // RIFF header, fmt chunk, data header
constexpr quint16 kPcm = 1;
constexpr quint16 kBitsPerSample = 16;

quint16 At16(const QByteArray& b, int at) {
  return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 At32(const QByteArray& b, int at) {
  return qFromLittleEndian<quint32>(b.constData() + at);
}

}  // namespace

bool IsPlayableWav(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray h = file.read(kHeaderBytes);
  if (h.size() < kHeaderBytes) return false;
  const bool tags = h.mid(0, 4) == "RIFF" && h.mid(8, 8) == "WAVEfmt " && h.mid(36, 4) == "data";
  const bool pcm16 = At16(h, 20) == kPcm && At16(h, 34) == kBitsPerSample && At32(h, 24) > 0;
  const bool complete = At32(h, 40) > 0 && kHeaderBytes + At32(h, 40) <= file.size();
  return tags && pcm16 && complete;
}
