#include "MinchoText.h"

#include "FontPicker.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

const QString FallbackFamily = QStringLiteral("Noto Serif CJK JP");

} // namespace

MinchoText::MinchoText(int pixelSize, bool bold)
{
    QFont first = FontPicker::mincho(pixelSize);
    first.setBold(bold);
    // Full hinting makes IPAexMincho drop the thin horizontal strokes at these sizes (田 comes
    // out as 川); hinting the vertical direction only keeps every stroke and the lines crisp.
    first.setHintingPreference(QFont::PreferVerticalHinting);
    // Grey edges only: coloured fringes would multiply the palette and look wrong on navy.
    first.setStyleStrategy(QFont::StyleStrategy(first.styleStrategy() | QFont::NoSubpixelAntialias));
    m_faces.append(first);
    if (first.family() != FallbackFamily) {
        QFont fallback = first;
        fallback.setFamily(FallbackFamily);
        if (QFontInfo(fallback).family() == FallbackFamily)
            m_faces.append(fallback);
    }
}

QString MinchoText::familiesText() const
{
    QStringList names;
    for (const QFont &face : m_faces)
        names.append(face.family());
    return names.join(QStringLiteral(", "));
}

int MinchoText::faceFor(char32_t c) const
{
    // Spaces and line breaks take the first face's width and draw nothing.
    if (c == U' ' || c == U'\n' || c == U'\t')
        return 0;
    if (const auto known = m_faceOf.constFind(c); known != m_faceOf.constEnd())
        return *known;
    int face = -1;
    for (int i = 0; i < m_faces.size() && face < 0; ++i) {
        // The face must be the one asked for: a substitute would pass any character.
        if (QFontInfo(m_faces.at(i)).family() == m_faces.at(i).family()
            && QFontMetricsF(m_faces.at(i)).inFontUcs4(c))
            face = i;
    }
    m_faceOf.insert(c, face);
    return face;
}

QString MinchoText::missing(const QString &text) const
{
    QString absent;
    for (const char32_t c : text.toUcs4()) {
        if (faceFor(c) < 0) {
            const QString s = QString::fromUcs4(&c, 1);
            if (!absent.contains(s))
                absent += s;
        }
    }
    return absent;
}

QList<MinchoText::Run> MinchoText::runs(const QString &text) const
{
    QList<Run> result;
    for (const char32_t c : text.toUcs4()) {
        const int face = faceFor(c);
        if (face < 0)
            continue;
        const QString s = QString::fromUcs4(&c, 1);
        if (!result.isEmpty() && result.last().face == face)
            result.last().text += s;
        else
            result.append(Run{face, s});
    }
    return result;
}

qreal MinchoText::width(const QString &text) const
{
    qreal total = 0;
    for (const Run &run : runs(text))
        total += QFontMetricsF(m_faces.at(run.face)).horizontalAdvance(run.text);
    return total;
}

qreal MinchoText::ascent() const
{
    return QFontMetricsF(m_faces.first()).ascent();
}

qreal MinchoText::descent() const
{
    return QFontMetricsF(m_faces.first()).descent();
}

void MinchoText::draw(QPainter &painter, QPointF origin, const QString &text, const QColor &colour) const
{
    painter.save();
    painter.setPen(colour);
    qreal x = origin.x();
    for (const Run &run : runs(text)) {
        const QFont &face = m_faces.at(run.face);
        painter.setFont(face);
        painter.drawText(QPointF(x, origin.y()), run.text);
        x += QFontMetricsF(face).horizontalAdvance(run.text);
    }
    painter.restore();
}

void MinchoText::addToPath(QPainterPath &path, QPointF origin, const QString &text) const
{
    qreal x = origin.x();
    for (const Run &run : runs(text)) {
        const QFont &face = m_faces.at(run.face);
        path.addText(QPointF(x, origin.y()), face, run.text);
        x += QFontMetricsF(face).horizontalAdvance(run.text);
    }
}
