#pragma once

#include <QList>
#include <QString>

#include <optional>

// Text with readings in the plain-text ruby notation of Japanese text files: 経済《けいざい》
// sets けいざい over the run of kanji just before 《; ｜日本語《にほんご》 marks where the base
// begins when it is not a run of kanji. Positions are counted in the plain text, the text
// without readings and marks, and a line may be cut anywhere but inside a base.
class RubyText
{
public:
    struct Segment
    {
        QString base;    // the text as a reader sees it
        QString reading; // drawn small above base; empty for text without a reading
    };

    RubyText() = default;
    // Text without notation: one segment without a reading.
    static RubyText plainOnly(const QString &text);

    // Reads the notation. Malformed notation (a 《 never closed, an empty reading, a reading
    // with no base, a stray 》 or ｜) gives nothing, with *error saying what is wrong.
    static std::optional<RubyText> parse(const QString &notation, QString *error);

    // The text without its readings and marks, as a reader sees it: 経済の本. Notation that does
    // not parse comes back as it stands.
    static QString plainText(const QString &notation);
    // The text with each reading in parentheses after its base: 経済（けいざい）の本. Notation
    // that does not parse comes back as it stands.
    static QString textWithReadings(const QString &notation);

    // Whether c may stand in a base that 《 finds by itself: kanji and the marks that repeat or
    // stand for them (々 〆 〇 ヶ).
    static bool isKanjiRunCharacter(char32_t c);

    const QList<Segment> &segments() const { return m_segments; }
    const QString &plain() const { return m_plain; }
    bool hasReadings() const;
    bool isEmpty() const { return m_plain.isEmpty(); }

    // Whether the text may be cut before plain position i (0 <= i <= plain().size()).
    bool mayCutBefore(qsizetype i) const;
    // The part between plain positions from and to; 0 <= from <= to <= plain().size(), neither
    // inside a base (mayCutBefore).
    RubyText mid(qsizetype from, qsizetype to) const;

private:
    void append(const QString &base, const QString &reading);

    QList<Segment> m_segments;
    QString m_plain;
};
