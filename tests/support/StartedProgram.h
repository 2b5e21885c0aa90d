// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Starts bunpo-drill headless (offscreen) with its start-up log on, waits until it reports the
// Menu screen on show or ends, and stops it. Stands for a user starting the real program.
class StartedProgram
{
public:
    StartedProgram(const QString &program, const QStringList &arguments, const QString &workingFolder = {});
    ~StartedProgram();

    // True when the Menu screen came up within `milliseconds`.
    bool waitForMenu(int milliseconds = 30000);
    // Everything the program wrote on standard error so far.
    QString errorOutput();

private:
    QProcess m_process;
    QString m_error;
};
