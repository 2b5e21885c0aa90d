#include "RubyText.h"

namespace {

constexpr QChar Open(0x300a);   // 《
constexpr QChar Close(0x300b);  // 》
constexpr QChar Bar(0xff5c);    // ｜

bool isKanji(char32_t c)
{
    return (c >= 0x4e00 && c <= 0x9fff) || (c >= 0x3400 && c <= 0x4dbf) || (c >= 0xf900 && c <= 0xfaff)
           || (c >= 0x20000 && c <= 0x3134f);
}

// Where the run of kanji that ends text begins.
qsizetype kanjiRunStart(const QString &text)
{
    qsizetype start = text.size();
    while (start > 0) {
        qsizetype previous = start - 1;
        char32_t c = text.at(previous).unicode();
        if (text.at(previous).isLowSurrogate() && previous > 0 && text.at(previous - 1).isHighSurrogate()) {
            --previous;
            c = QChar::surrogateToUcs4(text.at(previous), text.at(previous + 1));
        }
        if (!RubyText::isKanjiRunCharacter(c))
            break;
        start = previous;
    }
    return start;
}

QString quoted(const QString &reading)
{
    return Open + reading + Close;
}

} // namespace

bool RubyText::isKanjiRunCharacter(char32_t c)
{
    return isKanji(c) || c == U'々' || c == U'〆' || c == U'〇' || c == U'ヶ';
}

RubyText RubyText::plainOnly(const QString &text)
{
    RubyText result;
    result.append(text, {});
    return result;
}

void RubyText::append(const QString &base, const QString &reading)
{
    if (base.isEmpty())
        return;
    if (reading.isEmpty() && !m_segments.isEmpty() && m_segments.last().reading.isEmpty())
        m_segments.last().base += base;
    else
        m_segments.append({base, reading});
    m_plain += base;
}

std::optional<RubyText> RubyText::parse(const QString &notation, QString *error)
{
    RubyText result;
    QString pending;            // plain text since the last reading
    qsizetype barAt = -1;       // where ｜ put the next base's start in pending
    for (qsizetype i = 0; i < notation.size(); ++i) {
        const QChar c = notation.at(i);
        if (c == Bar) {
            if (barAt >= 0) {
                *error = QStringLiteral("｜ twice before a 《reading》: ｜ marks where one base begins");
                return std::nullopt;
            }
            barAt = pending.size();
        } else if (c == Close) {
            *error = QStringLiteral("》 with no 《 before it");
            return std::nullopt;
        } else if (c == Open) {
            const qsizetype close = notation.indexOf(Close, i + 1);
            const qsizetype nextOpen = notation.indexOf(Open, i + 1);
            if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
                *error = QStringLiteral("《 is never closed with 》");
                return std::nullopt;
            }
            const QString reading = notation.mid(i + 1, close - i - 1);
            const qsizetype baseStart = barAt >= 0 ? barAt : kanjiRunStart(pending);
            const QString base = pending.mid(baseStart);
            if (reading.trimmed().isEmpty()) {
                *error = QStringLiteral("the reading %1 after \"%2\" is empty").arg(quoted(reading), base);
                return std::nullopt;
            }
            if (base.isEmpty()) {
                *error = QStringLiteral("the reading %1 has no base: put it right after the kanji it reads, or mark "
                                        "where its base begins with ｜")
                             .arg(quoted(reading));
                return std::nullopt;
            }
            if (base.contains(QLatin1Char('\n')) || reading.contains(QLatin1Char('\n'))
                || reading.contains(Bar)) {
                *error = QStringLiteral("the reading %1 over \"%2\" runs across a line break or holds ｜")
                             .arg(quoted(reading), base);
                return std::nullopt;
            }
            result.append(pending.left(baseStart), {});
            result.append(base, reading);
            pending.clear();
            barAt = -1;
            i = close;
        } else {
            pending += c;
        }
    }
    if (barAt >= 0) {
        *error = QStringLiteral("｜ marks where a base begins, but no 《reading》 follows it");
        return std::nullopt;
    }
    result.append(pending, {});
    return result;
}

QString RubyText::plainText(const QString &notation)
{
    QString error;
    const std::optional<RubyText> text = parse(notation, &error);
    return text ? text->plain() : notation;
}

QString RubyText::textWithReadings(const QString &notation)
{
    QString error;
    const std::optional<RubyText> text = parse(notation, &error);
    if (!text)
        return notation;
    QString result;
    for (const Segment &segment : text->segments()) {
        result += segment.base;
        if (!segment.reading.isEmpty())
            result += QStringLiteral("（%1）").arg(segment.reading);
    }
    return result;
}

bool RubyText::hasReadings() const
{
    for (const Segment &segment : m_segments) {
        if (!segment.reading.isEmpty())
            return true;
    }
    return false;
}

bool RubyText::mayCutBefore(qsizetype i) const
{
    qsizetype start = 0;
    for (const Segment &segment : m_segments) {
        const qsizetype end = start + segment.base.size();
        if (i > start && i < end && (!segment.reading.isEmpty() || segment.base.at(i - start).isLowSurrogate()))
            return false;
        start = end;
    }
    return true;
}

RubyText RubyText::mid(qsizetype from, qsizetype to) const
{
    RubyText result;
    qsizetype start = 0;
    for (const Segment &segment : m_segments) {
        const qsizetype end = start + segment.base.size();
        const qsizetype left = std::max(from, start);
        const qsizetype right = std::min(to, end);
        if (left < right) {
            if (segment.reading.isEmpty())
                result.append(segment.base.mid(left - start, right - left), {});
            else
                result.append(segment.base, segment.reading); // a base is never cut
        }
        start = end;
    }
    return result;
}
