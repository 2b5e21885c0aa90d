#pragma once

#include <QFont>
#include <QString>

// The Mincho face all our lettering uses: IPAexMincho, else Noto Serif CJK JP.
// Needs a QGuiApplication.
class FontPicker
{
public:
    // The Mincho font at `pixelSize` px, hinted and antialiased, without fallback to other
    // families (so covers() tells the truth about this face).
    static QFont mincho(int pixelSize);

    // True if the family of mincho() is really installed (rather than a substitute).
    static bool minchoInstalled();

    // True if every character of `text` has a glyph in `font`. Otherwise false, and the
    // missing characters (each once, in order of appearance) go to `missing` if not null.
    static bool covers(const QFont& font, const QString& text, QString* missing = nullptr);
};
