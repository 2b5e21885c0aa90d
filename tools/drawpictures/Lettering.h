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
namespace Lettering {

// `text` in `colour` on a transparent background, cropped to its ink.
QImage ink(const QString& text, const QFont& font, const QColor& colour);

// The Mincho lettering at the largest pixel size whose ink fits within maxWidth x maxHeight.
QImage fitted(const QString& text, const QColor& colour, int maxWidth, int maxHeight, bool bold = false);

// Draws `inkImage` with its centre on the centre of `box`, on whole pixels.
void drawCentred(QPainter& painter, const QRect& box, const QImage& inkImage);

// Draws `inkImage` with its top-left ink pixel at `topLeft`.
void drawAt(QPainter& painter, QPoint topLeft, const QImage& inkImage);

// The top-left point drawCentred() uses.
QPoint centredOrigin(const QRect& box, const QImage& inkImage);

// Aborts the tool if the Mincho face lacks a character of `text`: a missing glyph would
// silently become an empty box in a committed picture.
void requireGlyphs(const QFont& font, const QString& text);

} // namespace Lettering
