// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// bunpo-drill's command line: --help, --version, --data DIR, --no-notes, and the options of Qt's
// window system, which QApplication takes for itself later. It needs a QCoreApplication but no
// display, so help, version and mistakes are answered on a machine without one.
class DrillCommandLine
{
public:
    static constexpr int UsageError = 2;
    static constexpr int BadDataFolder = 1;

    struct Outcome
    {
        std::optional<int> exitCode; // set: end now with this status; unset: start the program
        QString baseDir;             // the data folder to start with
        bool notesWanted = true;     // false with --no-notes
    };

    // Answers --help and --version on `out`, a mistake on `err` (with the usage line), and
    // otherwise chooses the data folder.
    static Outcome read(const QStringList &arguments, const QString &executableFolder, QTextStream &out,
                        QTextStream &err);
};
