#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>

#include <functional>

// A grade button of the Grade screen, 163 x 51 px: plain (yellow lettering on the board's blue
// in a white frame) or highlighted (red lettering on a cream face in a red frame). The built-in
// buttons and the ones bunpo-bank draws into title/ both come from here, so the ladder keeps one
// style of lettering when the pointer swaps one for the other. Needs a QGuiApplication.
namespace GradeButtonFace {

constexpr int Width = 163;
constexpr int Height = 51;
constexpr int LargestPixels = 26;  // the usual size of the lettering
constexpr int SmallestPixels = 14; // a text that needs less does not fit
constexpr int LetteringWidth = 143;
constexpr int LetteringHeight = 32;

// Adds the outline of the button's text to `path`, its baseline starting at the origin, with the
// bold Mincho face at `pixelSize`.
using Outline = std::function<void(QPainterPath &path, int pixelSize)>;

// The outline of `text` in FontPicker's Mincho face, bold.
Outline minchoOutline(const QString &text);

// The largest size from LargestPixels down whose ink fits the face; SmallestPixels - 1 when
// even SmallestPixels is too large.
int pixelSize(const Outline &outline);

// The button `scale` times its size, an opaque RGB32 picture. The lettering's size is chosen for
// scale 1 and drawn at `scale` times that size, so a larger picture is the same button, sharper.
QImage draw(const Outline &outline, bool highlighted, int scale = 1);

} // namespace GradeButtonFace
