#include "bank/AnswerFileReader.h"

#include "error/RuntimeError.h"
#include "platform/DataFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Reads the items of an answer file one by one, straight from the file: nothing after the
// last item asked for is ever read.
class ItemReader
{
public:
    ItemReader(QFile &file, const QString &path) : m_file(file), m_path(path) {}

    // The next item as a 16-bit integer; `position` is its number in the file, counted from 1.
    qint16 next(int position)
    {
        if (position == 1)
            skipByteOrderMark();
        skipSeparator(position);
        bool overlong = false;
        const QByteArray text = itemText(overlong);
        return toInteger(text, overlong, position);
    }

private:
    static constexpr int ChunkSize = 4096;
    static constexpr int MaxLength = 64;
    static constexpr int ShownLength = 24; // of an item quoted in an error

    static bool isBlank(int c) { return c == ' ' || c == '\t'; }
    static bool isLineBreak(int c) { return c == '\r' || c == '\n'; }

    int peek()
    {
        if (m_pos == m_buffer.size() && !fill())
            return -1;
        return static_cast<unsigned char>(m_buffer.at(m_pos));
    }
    void advance() { ++m_pos; }

    bool fill()
    {
        m_buffer = m_file.read(ChunkSize);
        m_pos = 0;
        return !m_buffer.isEmpty();
    }

    void skipByteOrderMark()
    {
        static const char bom[] = "\xEF\xBB\xBF";
        if (peek() != 0xEF)
            return;
        // The first chunk holds all three bytes whenever the file does.
        if (m_buffer.mid(m_pos, 3) == QByteArray(bom, 3))
            m_pos += 3;
    }

    void skipBlanksAndLineBreaks()
    {
        for (int c = peek(); isBlank(c) || isLineBreak(c); c = peek())
            advance();
    }

    // Between two items lies one comma or one or more line breaks (blank lines count as one),
    // with blanks anywhere; before the first item only blanks and line breaks. Two commas with
    // nothing between them leave an empty item, which is not a number.
    void skipSeparator(int position)
    {
        skipBlanksAndLineBreaks();
        if (peek() == -1)
            throw RuntimeError(RuntimeError::Kind::InputPastEndOfFile, m_path, QStringLiteral("item %1").arg(position));
        if (position > 1 && peek() == ',') {
            advance();
            skipBlanksAndLineBreaks();
            if (peek() == -1)
                throw RuntimeError(RuntimeError::Kind::InputPastEndOfFile, m_path,
                                   QStringLiteral("item %1").arg(position));
        }
        if (peek() == ',')
            throw RuntimeError(RuntimeError::Kind::TypeMismatch, m_path, QStringLiteral("item %1 is empty").arg(position));
    }

    // Everything up to the next comma, line break or the end, without trailing blanks. Only the
    // first MaxLength characters are kept: no 16-bit number needs more, even with leading zeros.
    QByteArray itemText(bool &overlong)
    {
        QByteArray text;
        overlong = false;
        for (int c = peek(); c != -1 && c != ',' && !isLineBreak(c); c = peek()) {
            // Past the limit, a character that follows kept blanks is kept too: the blank lies
            // inside the item, which is then no number at all rather than too large a one.
            const bool afterBlank = !text.isEmpty() && isBlank(static_cast<unsigned char>(text.back()));
            if (text.size() < MaxLength || (afterBlank && !isBlank(c)))
                text.append(static_cast<char>(c));
            else if (!isBlank(c))
                overlong = true;
            advance();
        }
        while (!text.isEmpty() && isBlank(static_cast<unsigned char>(text.back())))
            text.chop(1);
        return text;
    }

    // A whole number is an optional sign and decimal digits ("+3", "-0", "007"); "3.0", "3 4",
    // "0x3" and an empty item are not.
    qint16 toInteger(const QByteArray &text, bool overlong, int position) const
    {
        qsizetype i = 0;
        const bool negative = !text.isEmpty() && text.at(0) == '-';
        if (!text.isEmpty() && (text.at(0) == '-' || text.at(0) == '+'))
            ++i;
        if (i == text.size())
            throw error(RuntimeError::Kind::TypeMismatch, text, position);
        qint64 magnitude = 0;
        for (; i < text.size(); ++i) {
            const char c = text.at(i);
            if (c < '0' || c > '9')
                throw error(RuntimeError::Kind::TypeMismatch, text, position);
            magnitude = std::min<qint64>(magnitude * 10 + (c - '0'), 1'000'000);
        }
        const qint64 value = negative ? -magnitude : magnitude;
        if (overlong || value < -32768 || value > 32767)
            throw error(RuntimeError::Kind::Overflow, text, position);
        return static_cast<qint16>(value);
    }

    RuntimeError error(RuntimeError::Kind kind, const QByteArray &text, int position) const
    {
        QString shown = QString::fromUtf8(text.left(ShownLength));
        if (text.size() > ShownLength)
            shown += QStringLiteral("...");
        return RuntimeError(kind, m_path, QStringLiteral("item %1: \"%2\"").arg(position).arg(shown));
    }

    QFile &m_file;
    const QString &m_path;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

} // namespace

namespace AnswerFileReader {

void read(const QString &dataPath, qint16 &questionCount, AnswerTable &answers)
{
    const QString path = DataFile::locate(dataPath);
    if (!QFileInfo(path).isFile())
        throw RuntimeError(RuntimeError::Kind::FileNotFound, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::Kind::FileNotFound, path, file.errorString());

    ItemReader items(file, path);
    questionCount = items.next(1);
    // The count read is the loop's bound; the table ends at entry 60.
    const qint16 count = questionCount;
    for (int k = 1; k <= count; ++k) {
        if (k >= static_cast<int>(answers.size()))
            throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange, path,
                               QStringLiteral("answer %1 of %2: the table holds %3")
                                   .arg(k)
                                   .arg(count)
                                   .arg(answers.size() - 1));
        answers[k] = items.next(k + 1);
    }
    // QFile closes when it goes out of scope, also when an error leaves early.
}

} // namespace AnswerFileReader
