#include "CsvReader.h"

#include <QStringDecoder>

namespace {

bool allBlank(const QStringList &fields)
{
    for (const QString &field : fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

// The line (from 1) of the first byte sequence that is not UTF-8, or 0 when all of it is.
int firstBadUtf8Line(const QByteArray &bytes)
{
    int line = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QStringDecoder decoder(QStringDecoder::Utf8);
        // decode() is lazy: the conversion happens when its result becomes a QString.
        const QString decoded = decoder.decode(QByteArrayView(bytes).sliced(start, end - start));
        if (decoder.hasError())
            return line;
        start = end + 1;
        ++line;
    }
    return 0;
}

} // namespace

bool CsvReader::parse(const QByteArray &bytes, const QString &fileName, QList<Row> &rows, SourceErrors &errors)
{
    rows.clear();
    if (const int bad = firstBadUtf8Line(bytes)) {
        errors.append({fileName, bad, QStringLiteral("not UTF-8 text (save the file as UTF-8)")});
        return false;
    }
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);

    int line = 1;
    Row row{1, {}};
    QString field;
    bool quoted = false;     // inside a quoted field
    bool afterQuote = false; // a quoted field has closed; only a comma or a line end may follow
    int quoteLine = 0;

    auto endRow = [&] {
        row.fields.append(field);
        field.clear();
        if (!allBlank(row.fields))
            rows.append(row);
        row = Row{line, {}};
        afterQuote = false;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                // A line break inside a field is kept as LF whatever the file's line ends.
                if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
                ++line;
                field += QLatin1Char('\n');
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            row.fields.append(field);
            field.clear();
            afterQuote = false;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endRow();
        } else if (afterQuote) {
            if (!c.isSpace()) {
                errors.append({fileName, line, QStringLiteral("text after the closing quote of a field")});
                return false;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted) {
        errors.append({fileName, quoteLine, QStringLiteral("a quoted field is never closed (a missing \")")});
        return false;
    }
    if (!field.isEmpty() || !row.fields.isEmpty() || afterQuote)
        endRow();
    return true;
}
