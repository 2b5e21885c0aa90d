#include "FontPicker.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace {

QString chosenFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("IPAexMincho"), QStringLiteral("Noto Serif CJK JP")}) {
        if (installed.contains(family))
            return family;
    }
    return QString();
}

} // namespace

QFont FontPicker::mincho(int pixelSize)
{
    QString family = chosenFamily();
    QFont font(family.isEmpty() ? QStringLiteral("IPAexMincho") : family);
    font.setPixelSize(pixelSize);
    // Vertical hinting snaps the horizontal strokes to pixel rows (crisp at 15-20 px);
    // full hinting runs the face's own instructions, which break some glyphs apart.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return font;
}

bool FontPicker::minchoInstalled()
{
    return !chosenFamily().isEmpty();
}

bool FontPicker::covers(const QFont& font, const QString& text, QString* missing)
{
    const QFontMetrics metrics(font);
    QString absent;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'\n' || c == U'\t' || c == U' ')
            continue;
        if (!metrics.inFontUcs4(c)) {
            const QString s = QString::fromUcs4(&c, 1);
            if (!absent.contains(s))
                absent += s;
        }
    }
    if (missing)
        *missing = absent;
    return absent.isEmpty();
}
