// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/StartedProgram.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>

StartedProgram::StartedProgram(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("bunpo.startup.info=true"));
    m_process.setProcessEnvironment(environment);
    m_process.setReadChannel(QProcess::StandardError); // where the log goes
    if (!workingFolder.isEmpty())
        m_process.setWorkingDirectory(workingFolder);
    m_process.start(program, arguments);
}

StartedProgram::~StartedProgram()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

bool StartedProgram::waitForMenu(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!errorOutput().contains(QLatin1String("Menu screen on show"))) {
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

QString StartedProgram::errorOutput()
{
    m_error += QString::fromLocal8Bit(m_process.readAllStandardError());
    return m_error;
}
