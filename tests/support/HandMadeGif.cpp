#include "support/HandMadeGif.h"

namespace {
void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}
} // namespace

namespace HandMadeGif {

QByteArray write(int width, int height, const std::function<int(int, int)> &pixel, int transparent,
                 const char *version, int screenWidth, int screenHeight)
{
    QByteArray out(version);
    put16(out, screenWidth ? screenWidth : width);
    put16(out, screenHeight ? screenHeight : height);
    out.append(char(0x81)).append('\0').append('\0'); // global palette of 2^(1+1) colours
    for (QRgb colour : Palette)
        out.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
    if (transparent >= 0)
        out.append("\x21\xF9\x04\x01\x00\x00", 6).append(char(transparent)).append('\0');
    out.append(',');
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, height);
    out.append('\0');

    QByteArray codes;
    int sinceClear = 126;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (sinceClear == 126) {
                codes.append(char(0x80));
                sinceClear = 0;
            }
            codes.append(char(pixel(x, y)));
            ++sinceClear;
        }
    }
    codes.append(char(0x81));
    out.append(char(7));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    return out;
}

} // namespace HandMadeGif
