#include "RubyLettering.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QStringList characters(const QString &text)
{
    QStringList result;
    for (const char32_t c : text.toUcs4())
        result.append(QString::fromUcs4(&c, 1));
    return result;
}

} // namespace

RubyLettering::RubyLettering(int pixelSize, bool bold)
    : m_base(pixelSize, bold)
    , m_reading(std::max(1, int(std::lround(pixelSize / 2.0))), bold)
    , m_gap(pixelSize / 20.0)
{
}

QString RubyLettering::missing(const RubyText &text) const
{
    QString absent;
    for (const RubyText::Segment &segment : text.segments()) {
        for (const QString &list : {m_base.missing(segment.base), m_reading.missing(segment.reading)}) {
            for (const QString &c : characters(list)) {
                if (!absent.contains(c))
                    absent += c;
            }
        }
    }
    return absent;
}

qreal RubyLettering::readingRise() const
{
    // A whole number of pixels keeps the small kana as crisp as the text.
    return std::ceil(m_base.ascent() + m_gap);
}

qreal RubyLettering::readingHeight() const
{
    return readingRise() + m_reading.ascent() - m_base.ascent();
}

qreal RubyLettering::segmentWidth(const RubyText::Segment &segment) const
{
    const qreal base = m_base.width(segment.base);
    return segment.reading.isEmpty() ? base : std::max(base, m_reading.width(segment.reading));
}

qreal RubyLettering::width(const RubyText &text) const
{
    qreal total = 0;
    for (const RubyText::Segment &segment : text.segments())
        total += segmentWidth(segment);
    return total;
}

void RubyLettering::draw(QPainter &painter, QPointF origin, const RubyText &text, const QColor &colour) const
{
    const qreal readingBaseline = origin.y() - readingRise();
    qreal x = origin.x();
    for (const RubyText::Segment &segment : text.segments()) {
        const qreal advance = segmentWidth(segment);
        if (segment.reading.isEmpty()) {
            m_base.draw(painter, QPointF(x, origin.y()), segment.base, colour);
        } else {
            // The room the reading adds is shared out evenly: half a share before the first
            // character, a share between two, half a share after the last.
            const QStringList letters = characters(segment.base);
            const qreal share = (advance - m_base.width(segment.base)) / letters.size();
            qreal letterX = x + share / 2;
            for (const QString &letter : letters) {
                m_base.draw(painter, QPointF(letterX, origin.y()), letter, colour);
                letterX += m_base.width(letter) + share;
            }
            const qreal readingWidth = m_reading.width(segment.reading);
            m_reading.draw(painter, QPointF(x + (advance - readingWidth) / 2, readingBaseline), segment.reading,
                           colour);
        }
        x += advance;
    }
}
