#!/usr/bin/env python3
"""Draws the contact picture of the sound effects: one waveform a row, each
row spanning its own file's length, with the name, length and peak beside it.

    scripts/sound_sheet.py assets/sounds docs/sounds.png

Needs ImageMagick's montage for the labels and the PNG."""
import math
import os
import struct
import subprocess
import sys
import tempfile
import wave

WIDTH, HEIGHT = 900, 80
BACKGROUND, AXIS, WAVE, CEILING = (250, 250, 245), (190, 190, 190), (30, 70, 140), (220, 120, 120)
CEILING_GAIN = 10 ** (-1 / 20)  # -1 dBFS


def samples(path):
    with wave.open(path) as w:
        raw = w.readframes(w.getnframes())
        return [s / 32768 for s in struct.unpack(f"<{len(raw) // 2}h", raw)], w.getframerate()


def draw(values):
    img = [[BACKGROUND] * WIDTH for _ in range(HEIGHT)]
    mid = HEIGHT // 2
    for y in (mid - round(CEILING_GAIN * mid), mid + round(CEILING_GAIN * mid) - 1):
        img[y] = [CEILING] * WIDTH
    img[mid] = [AXIS] * WIDTH
    per = max(1, len(values) / WIDTH)
    for x in range(WIDTH):
        chunk = values[int(x * per): int((x + 1) * per)] or [0.0]
        top, bottom = mid - round(max(chunk) * mid), mid - round(min(chunk) * mid)
        for y in range(max(0, top), min(HEIGHT, bottom + 1)):
            img[y][x] = WAVE
    return img


def write_ppm(path, img):
    with open(path, "wb") as f:
        f.write(f"P6 {WIDTH} {HEIGHT} 255\n".encode())
        f.write(bytes(c for row in img for px in row for c in px))


def main(folder, out):
    names = sorted(n for n in os.listdir(folder) if n.endswith(".wav"))
    with tempfile.TemporaryDirectory() as tmp:
        args = ["montage"]
        for name in names:
            values, rate = samples(os.path.join(folder, name))
            peak = 20 * math.log10(max(abs(v) for v in values))
            ppm = os.path.join(tmp, name + ".ppm")
            write_ppm(ppm, draw(values))
            args += ["-label", f"{name}  {len(values) / rate:.2f} s  peak {peak:.1f} dBFS", ppm]
        args += ["-tile", "1x", "-geometry", "+4+2", "-pointsize", "12", out]
        subprocess.run(args, check=True)


if __name__ == "__main__":
    main(*sys.argv[1:3])
