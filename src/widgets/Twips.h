#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// The layouts are drawn in twips for 96 dots per inch: 15 twips to the pixel.
namespace Twips {

constexpr int PerPixel = 15;

inline int toPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(PerPixel)));
}

inline int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

inline QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
