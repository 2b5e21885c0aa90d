#pragma once

#include <QByteArray>
#include <QRgb>
#include <functional>

// A GIF written byte by byte, for fixtures that must not depend on an encoder: a global
// palette of four colours (white, red, blue, black), an optional transparent index and
// pixel(x, y) in 0..3 for each pixel. The image data is LZW with 8-bit codes and a clear code
// before every 126 pixels, so the code table never grows past 8 bits. A screen size of 0 is
// the image's own.
namespace HandMadeGif {

constexpr QRgb Palette[4] = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};

QByteArray write(int width, int height, const std::function<int(int, int)> &pixel, int transparent = -1,
                 const char *version = "GIF89a", int screenWidth = 0, int screenHeight = 0);

} // namespace HandMadeGif
