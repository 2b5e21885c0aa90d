#include "TransparentKey.h"

#include <algorithm>

QImage keyTransparent(const QImage& drawing, QRgb key, std::optional<QColor> matte, int minAlpha)
{
    const QImage src = drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.size(), QImage::Format_RGB32);
    const QRgb opaqueKey = key | 0xff000000u;
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = in[x];
            const int a = qAlpha(p);
            if (a < std::max(minAlpha, 1)) {
                o[x] = opaqueKey;
                continue;
            }
            int r, g, b;
            if (matte) {
                // Premultiplied colour over the matte.
                r = qRed(p) + (matte->red() * (255 - a) + 127) / 255;
                g = qGreen(p) + (matte->green() * (255 - a) + 127) / 255;
                b = qBlue(p) + (matte->blue() * (255 - a) + 127) / 255;
            } else {
                r = (qRed(p) * 255 + a / 2) / a;
                g = (qGreen(p) * 255 + a / 2) / a;
                b = (qBlue(p) * 255 + a / 2) / a;
            }
            QRgb c = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
            if (c == opaqueKey)
                c = qRgb(qRed(c) ^ 1, qGreen(c) ^ 1, qBlue(c) ^ 1);
            o[x] = c;
        }
    }
    return out;
}
