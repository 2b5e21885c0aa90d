#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The face of a red push button: a lit bevelled red plate with crisp white Mincho lettering
// centred on it. `inkHeight` is the height the lettering may take, in px; `scale` draws it at
// that many device pixels per px.
QImage redButtonFace(QSize size, const QString& text, int inkHeight, int scale = 1);
