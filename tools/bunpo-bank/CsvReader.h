#pragma once

#include "SourceError.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Reads comma-separated text as spreadsheets write it: fields with a comma, a quote or a line
// break in double quotes, "" for a quote inside; lines end in LF or CR LF; a UTF-8
// byte-order mark is skipped. Rows whose fields are all blank are dropped, as blank lines.
class CsvReader
{
public:
    struct Row
    {
        int line = 0; // where the row begins, counting from 1
        QStringList fields;
    };

    // fileName only names the file in errors. Returns false, with the errors set, when the text
    // is not UTF-8 or a quoted field is left open or followed by stray text.
    static bool parse(const QByteArray &bytes, const QString &fileName, QList<Row> &rows, SourceErrors &errors);
};
