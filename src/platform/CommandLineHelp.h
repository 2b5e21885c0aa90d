// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCommandLineParser;

// The parser's help with `name` ("bunpo-drill", "bunpo-bank build") in its usage line, where
// Qt puts the program's path as it was started (a launcher or the shell may give a full one).
QString commandLineHelp(const QCommandLineParser &parser, const QString &name);

// The first line of it: "Usage: bunpo-drill [options]".
QString commandLineUsage(const QCommandLineParser &parser, const QString &name);
