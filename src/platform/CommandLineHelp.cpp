// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLineHelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>

QString commandLineHelp(const QCommandLineParser &parser, const QString &name)
{
    QString text = parser.helpText();
    const QString started = QStringLiteral("Usage: ") + QCoreApplication::arguments().value(0);
    if (text.startsWith(started))
        text.replace(0, started.size(), QStringLiteral("Usage: ") + name);
    return text;
}

QString commandLineUsage(const QCommandLineParser &parser, const QString &name)
{
    return commandLineHelp(parser, name).section(QLatin1Char('\n'), 0, 0);
}
