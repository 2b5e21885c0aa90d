// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DrillCommandLine.h"

#include "app/DataFolder.h"
#include "platform/CommandLineHelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

// QApplication's own options, accepted here and left to it, so that "-platform offscreen"
// or "-style fusion" are no mistake.
void addWindowSystemOptions(QCommandLineParser &parser)
{
    const char *const withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                     "qwindowgeometry", "qwindowicon", "qwindowtitle", "display",
                                     "geometry", "style", "stylesheet", "session", "qmljsdebugger"};
    const char *const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char *name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

DrillCommandLine::Outcome DrillCommandLine::read(const QStringList &arguments, const QString &executableFolder,
                                                 QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    // Qt's options are written with one dash ("-platform"); so may ours be.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "A drill for the grammar of grades 4 and 3 of the Japanese-language proficiency examination.\n"
        "\n"
        "The data folder is the one given with --data; without it, the program's own folder when it\n"
        "holds an answer folder, else ../share/bunpo-drill beside the program's folder."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Read the questions from <folder>, which holds answer/, question/, "
                                                 "choices/, title/ and sound/ (as bunpo-bank build writes them)."),
                                  QStringLiteral("folder"));
    parser.addOption(data);
    const QCommandLineOption noNotes(QStringLiteral("no-notes"),
                                     QStringLiteral("Show no note after an answer, even for grades whose data folder "
                                                    "holds notes (note/); the Drill screen keeps its original size."));
    parser.addOption(noNotes);
    addWindowSystemOptions(parser);

    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString why = parser.errorText().isEmpty()
                                ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first())
                                : parser.errorText();
        err << name << ": " << why << '\n'
            << commandLineUsage(parser, name) << '\n'
            << "Try '" << name << " --help' for more information.\n";
        err.flush();
        return {UsageError, {}};
    }
    // addHelpOption() also brings --help-all, which lists Qt's options; ours are hidden from it.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << commandLineHelp(parser, name);
        out.flush();
        return {0, {}};
    }

    const DataFolder::Choice choice = DataFolder::choose(parser.value(data), executableFolder);
    if (!choice.error.isEmpty()) {
        err << name << ": --data " << choice.error << '\n';
        err.flush();
        return {BadDataFolder, {}};
    }
    if (parser.isSet(version)) {
        out << name << ' ' << QCoreApplication::applicationVersion() << '\n'
            << "data folder: " << choice.baseDir
            << (DataFolder::holdsAnswers(choice.baseDir) ? "" : " (holds no answer folder)") << '\n';
        out.flush();
        return {0, {}};
    }
    return {std::nullopt, choice.baseDir, !parser.isSet(noNotes)};
}
