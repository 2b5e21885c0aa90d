#include "LineBreaker.h"

#include <algorithm>

namespace LineBreaker {

namespace {

const QString NoLineStart = QStringLiteral("、。，．・：；？！ー―…‥）」』】〕〉》］｝”’ゝゞヽヾ々〻ぁぃぅぇぉっゃゅょゎゕゖ"
                                           "ァィゥェォッャュョヮヵヶ～,.!?:;)]}%");
const QString NoLineEnd = QStringLiteral("（「『【〔〈《［｛“‘([{");

bool isIdeographicSpace(QChar c)
{
    return c == QChar(0x3000) || c == QLatin1Char(' ') || c == QLatin1Char('\n');
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

// What a break before position i costs, in pixels of line length: nothing at the end of a
// sentence or a quotation, a little at a space, a comma or after the blank, more where a word
// likely begins (kana followed by kanji, katakana or an opening bracket), most anywhere else
// that the rules allow.
qreal breakCost(const QString &text, qsizetype i)
{
    static const QString SentenceEnd = QStringLiteral("。！？」』");
    static const QString Pause = QStringLiteral("、，．）");
    const QChar before = text.at(i - 1);
    const QChar after = text.at(i);
    if (SentenceEnd.contains(before))
        return 0;
    if (isIdeographicSpace(before) || Pause.contains(before))
        return 120;
    if (isHiragana(before) && !isHiragana(after) && !NoLineStart.contains(after))
        return 240;
    return 400;
}

// The part of text between from and to without the spaces at either end.
RubyText trimmed(const RubyText &text, qsizetype from, qsizetype to)
{
    const QString &plain = text.plain();
    while (from < to && isIdeographicSpace(plain.at(from)))
        ++from;
    while (to > from && isIdeographicSpace(plain.at(to - 1)))
        --to;
    return text.mid(from, to);
}

} // namespace

QList<RubyText> twoLines(const RubyText &text, qreal maxWidth, const Measure &width)
{
    const QString &plain = text.plain();
    if (const qsizetype lf = plain.indexOf(QLatin1Char('\n')); lf >= 0) {
        const QList<RubyText> lines = {trimmed(text, 0, lf), trimmed(text, lf + 1, plain.size())};
        if (lines.at(1).plain().contains(QLatin1Char('\n')))
            return {};
        for (const RubyText &line : lines) {
            if (width(line) > maxWidth)
                return {};
        }
        return lines;
    }
    const RubyText whole = trimmed(text, 0, plain.size());
    if (width(whole) <= maxWidth)
        return {whole};

    // Of the breaks that let both lines fit, the one whose longer line plus the cost of the
    // break is least: natural places first, and no lone "す。" on the second line.
    const QString &letters = whole.plain();
    qsizetype best = -1;
    qreal bestScore = 0;
    for (qsizetype i = 1; i < letters.size(); ++i) {
        if (!mayBreakBefore(letters, i) || !whole.mayCutBefore(i))
            continue;
        const RubyText first = trimmed(whole, 0, i);
        const RubyText second = trimmed(whole, i, letters.size());
        if (first.isEmpty() || second.isEmpty())
            continue;
        const qreal w1 = width(first);
        if (w1 > maxWidth)
            break;
        const qreal w2 = width(second);
        if (w2 > maxWidth)
            continue;
        const qreal score = std::max(w1, w2) + breakCost(letters, i);
        if (best < 0 || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    if (best < 0)
        return {};
    return {trimmed(whole, 0, best), trimmed(whole, best, letters.size())};
}

QList<RubyText> fill(const RubyText &text, qreal maxWidth, int maxLines, const Measure &width, RubyText *rest)
{
    const QString &letters = text.plain();
    const qsizetype end = letters.size();
    QList<RubyText> lines;
    qsizetype start = 0;
    const auto skipSpaces = [&] {
        while (start < end && isIdeographicSpace(letters.at(start)))
            ++start;
    };
    skipSpaces();
    while (start < end && lines.size() < maxLines) {
        if (width(trimmed(text, start, end)) <= maxWidth) {
            lines.append(trimmed(text, start, end));
            start = end;
            break;
        }
        qsizetype atSpace = -1; // the last break at a space that fits
        qsizetype anywhere = -1; // the last break the rules allow that fits
        qsizetype forced = -1;   // the last cut that fits, whatever the rules say
        for (qsizetype i = start + 1; i < end; ++i) {
            if (!text.mayCutBefore(i) || (isIdeographicSpace(letters.at(i - 1)) && isIdeographicSpace(letters.at(i))))
                continue;
            if (width(trimmed(text, start, i)) > maxWidth)
                break;
            forced = i;
            if (isIdeographicSpace(letters.at(i)))
                atSpace = i;
            else if (mayBreakBefore(letters, i))
                anywhere = i;
        }
        qsizetype cut = atSpace >= 0 ? atSpace : anywhere >= 0 ? anywhere : forced;
        if (cut < 0) {
            // Not even one character fits: it goes on a line of its own.
            cut = start + 1;
            while (cut < end && !text.mayCutBefore(cut))
                ++cut;
        }
        lines.append(trimmed(text, start, cut));
        start = cut;
        skipSpaces();
    }
    if (rest)
        *rest = start < end ? trimmed(text, start, end) : RubyText();
    return lines;
}

} // namespace LineBreaker
