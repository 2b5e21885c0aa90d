#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Mincho lettering placed by its ink (the pixels really drawn) rather than by font metrics,
// so that characters sit exactly where a picture's layout wants them.
//
// `scale` draws a picture at that many device pixels per pixel of its layout: the lettering is
// rendered `scale` times larger (not enlarged afterwards), and the ink images it gives are in
// device pixels. Sizes are chosen at scale 1, so every scale sets the same lettering.
namespace Lettering {

// How heavy lettering is drawn. Plain lettering uses the hinted glyphs as they are (crispest at
// small sizes); `embolden` thickens the strokes by that many px and `outlineWidth` rings them
// with `outline`, both drawn from the glyph outlines (for large display lettering).
struct Style
{
    QColor fill = Qt::white;
    double embolden = 0;
    QColor outline = Qt::black;
    double outlineWidth = 0;
};

// `text` in `colour` on a transparent background, cropped to its ink.
QImage ink(const QString& text, const QFont& font, const QColor& colour);
QImage ink(const QString& text, const QFont& font, const Style& style, int scale = 1);

// Like ink(), but the characters are set `gap` px apart, ink to ink, instead of on the font's
// full-width cells (which leave digits and katakana looking loose in short labels).
QImage tight(const QString& text, const QFont& font, const Style& style, int gap, int scale = 1);

// The Mincho lettering at the largest pixel size whose ink fits within maxWidth x maxHeight;
// with gap >= 0 the characters are set tight, `gap` px apart.
QImage fitted(const QString& text, const QColor& colour, int maxWidth, int maxHeight, int scale = 1);
QImage fitted(const QString& text, const Style& style, int maxWidth, int maxHeight, int gap = -1, int scale = 1);

// The largest Mincho pixel size at which the ink of `text` fits within maxWidth x maxHeight.
int fittingSize(const QString& text, const Style& style, int maxWidth, int maxHeight, int gap = -1);

// Draws `inkImage` (drawn at `scale`) with its centre on the centre of `box` (in layout
// pixels), on whole device pixels.
void drawCentred(QPainter& painter, const QRect& box, const QImage& inkImage, int scale = 1);

// Draws `inkImage` with its top-left ink pixel at `topLeft`, in device pixels, whatever the
// painter's scale.
void drawAt(QPainter& painter, QPoint topLeft, const QImage& inkImage);

// The top-left point drawCentred() uses, in device pixels.
QPoint centredOrigin(const QRect& box, const QImage& inkImage, int scale = 1);

// Aborts the tool if the Mincho face lacks a character of `text`: a missing glyph would
// silently become an empty box in a committed picture.
void requireGlyphs(const QFont& font, const QString& text);

} // namespace Lettering
