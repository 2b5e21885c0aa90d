#pragma once

#include <QList>
#include <QString>

// A fault in a bank source, told the way compilers tell theirs: "content/g4_1.csv:12: what".
struct SourceError
{
    QString file;
    int line = 0; // 0 when the fault belongs to the file as a whole
    QString what;

    QString text() const
    {
        return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what)
                        : QStringLiteral("%1: %2").arg(file, what);
    }
};

using SourceErrors = QList<SourceError>;
