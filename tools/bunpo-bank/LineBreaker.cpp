#include "LineBreaker.h"

#include <algorithm>

namespace LineBreaker {

namespace {

const QString NoLineStart = QStringLiteral("、。，．・：；？！ー―…‥）」』】〕〉》］｝”’ゝゞヽヾ々〻ぁぃぅぇぉっゃゅょゎゕゖ"
                                           "ァィゥェォッャュョヮヵヶ～,.!?:;)]}%");
const QString NoLineEnd = QStringLiteral("（「『【〔〈《［｛“‘([{");

bool isIdeographicSpace(QChar c)
{
    return c == QChar(0x3000) || c == QLatin1Char(' ');
}

bool isAsciiWordPart(QChar c)
{
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

// Whether the text may be broken before position i.
bool mayBreakBefore(const QString &text, qsizetype i)
{
    const QChar before = text.at(i - 1);
    const QChar after = text.at(i);
    if (after.isLowSurrogate())
        return false;
    if (NoLineStart.contains(after) || NoLineEnd.contains(before))
        return false;
    // A space is no way round the rules: "（　）" stays whole.
    if (isIdeographicSpace(before) && i >= 2 && NoLineEnd.contains(text.at(i - 2)))
        return false;
    return !(isAsciiWordPart(before) && isAsciiWordPart(after));
}

bool isHiragana(QChar c)
{
    return c.unicode() >= 0x3041 && c.unicode() <= 0x309f;
}

// How natural a break before position i is: 0 at a space or after a comma, full stop or
// closing quote; 1 where a word most likely begins (kana followed by kanji, katakana or an
// opening bracket); 2 anywhere else that the rules allow.
int breakKind(const QString &text, qsizetype i)
{
    static const QString Pause = QStringLiteral("、。，．」』）！？");
    const QChar before = text.at(i - 1);
    const QChar after = text.at(i);
    if (isIdeographicSpace(before) || Pause.contains(before))
        return 0;
    if (isHiragana(before) && !isHiragana(after) && !NoLineStart.contains(after))
        return 1;
    return 2;
}

QString trimSpaces(QString s)
{
    while (!s.isEmpty() && isIdeographicSpace(s.front()))
        s.remove(0, 1);
    while (!s.isEmpty() && isIdeographicSpace(s.back()))
        s.chop(1);
    return s;
}

} // namespace

QStringList twoLines(const QString &text, qreal maxWidth, const Measure &width)
{
    if (const qsizetype lf = text.indexOf(QLatin1Char('\n')); lf >= 0) {
        const QStringList lines = {trimSpaces(text.left(lf)), trimSpaces(text.mid(lf + 1))};
        if (lines.at(0).contains(QLatin1Char('\n')) || lines.at(1).contains(QLatin1Char('\n')))
            return {};
        for (const QString &line : lines) {
            if (width(line) > maxWidth)
                return {};
        }
        return lines;
    }
    const QString whole = trimSpaces(text);
    if (width(whole) <= maxWidth)
        return {whole};

    // Of the breaks that let both lines fit, take one of the most natural kind, and of those
    // the one that leaves the longer line shortest: no lone "す。" on the second line.
    qsizetype best = -1;
    int bestKind = 0;
    qreal bestLonger = 0;
    for (qsizetype i = 1; i < whole.size(); ++i) {
        if (!mayBreakBefore(whole, i))
            continue;
        const QString first = trimSpaces(whole.left(i));
        const QString second = trimSpaces(whole.mid(i));
        if (first.isEmpty() || second.isEmpty())
            continue;
        const qreal w1 = width(first);
        if (w1 > maxWidth)
            break;
        const qreal w2 = width(second);
        if (w2 > maxWidth)
            continue;
        const int kind = breakKind(whole, i);
        const qreal longer = std::max(w1, w2);
        if (best < 0 || kind < bestKind || (kind == bestKind && longer < bestLonger)) {
            best = i;
            bestKind = kind;
            bestLonger = longer;
        }
    }
    if (best < 0)
        return {};
    return {trimSpaces(whole.left(best)), trimSpaces(whole.mid(best))};
}

} // namespace LineBreaker
