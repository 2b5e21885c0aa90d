// SPDX-License-Identifier: GPL-3.0-or-later
// bunpo-bank build SOURCE_DIR OUT_DIR
// bunpo-bank check DATA_DIR
// bunpo-bank check-source SOURCE_DIR
// bunpo-bank [COMMAND] --help | --version
// Exit status: 0 done (or the data folder is sound), 1 bad source (or problems found), 2 usage.

#include "app/CommandLineHelp.h"
#include "BankBuilder.h"
#include "BankChecker.h"
#include "SourceCheck.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <optional>

namespace {

constexpr int UsageError = 2;

int usage(QTextStream &err, const QString &why = {})
{
    if (!why.isEmpty())
        err << "bunpo-bank: " << why << '\n';
    err << "usage: bunpo-bank build SOURCE_DIR OUT_DIR   draw the data folders from the text banks\n"
           "       bunpo-bank check DATA_DIR             check a data folder as the program reads it\n"
           "       bunpo-bank check-source SOURCE_DIR    check the text banks as build would, drawing nothing\n"
           "       bunpo-bank [COMMAND] --help\n";
    return UsageError;
}

struct Command
{
    const char *name;
    const char *description;
    QStringList arguments; // name, then description, of each
};

const Command build{"build",
                    "Reads the question banks of SOURCE_DIR (grades.csv and one CSV file a grade), draws the\n"
                    "question, choices, title and grade-button pictures and the sounds, and replaces the five\n"
                    "data folders of OUT_DIR (answer, question, choices, title, sound) in one go. A mistake in a\n"
                    "bank is named with its file and line, and then nothing is changed.",
                    {"SOURCE_DIR", "The folder of the text question banks.", "OUT_DIR",
                     "The data folder to write; made when missing."}};
const Command checkSource{"check-source",
                          "Checks the text banks of SOURCE_DIR as build does (rows, readings, lettering, the kanji of\n"
                          "each grade against the installed KANJIDIC) and draws nothing.",
                          {"SOURCE_DIR", "The folder of the text question banks."}};
const Command check{"check",
                    "Reads the data folder DATA_DIR the way the program will and lists every problem found.",
                    {"DATA_DIR", "The data folder to check."}};

// Reads the arguments of one command. Returns the exit status when it ends here (--help or a
// mistake); otherwise leaves the command's own arguments in `values`.
std::optional<int> readCommand(const Command &command, const QStringList &arguments, QStringList &values,
                               QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(command.description));
    const QCommandLineOption help = parser.addHelpOption();
    for (qsizetype i = 0; i + 1 < command.arguments.size(); i += 2)
        parser.addPositionalArgument(command.arguments.at(i), command.arguments.at(i + 1));
    if (!parser.parse(arguments))
        return usage(err, parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << commandLineHelp(parser, QStringLiteral("bunpo-bank ") + QString::fromLatin1(command.name));
        return 0;
    }
    values = parser.positionalArguments();
    if (values.size() != command.arguments.size() / 2)
        return usage(err);
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bunpo-bank"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BUNPO_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Turns the text question banks into the data folders of bunpo-drill, and checks a data folder.\n"
        "\n"
        "Commands:\n"
        "  build SOURCE_DIR OUT_DIR   draw the data folders from the text banks\n"
        "  check DATA_DIR             check a data folder as the program reads it\n"
        "  check-source SOURCE_DIR    check the text banks as build would, drawing nothing\n"
        "\n"
        "bunpo-bank COMMAND --help tells more of each."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("build, check or check-source"),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    // Whatever follows the command is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);

    const QStringList args = app.arguments();
    if (!parser.parse(args))
        return usage(err, parser.errorText());
    // addHelpOption() also brings --help-all, which adds Qt's own options to the list.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << commandLineHelp(parser, QStringLiteral("bunpo-bank"));
        return 0;
    }
    if (parser.isSet(version)) {
        out << "bunpo-bank " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(err);
    const QString &command = positional.first();
    // The command's own arguments, after the program's path as a parser expects.
    const QStringList commandArguments = QStringList{args.first()} + positional.mid(1);

    QStringList values;
    if (command == QLatin1String(build.name)) {
        if (const auto status = readCommand(build, commandArguments, values, out, err))
            return *status;
        if (!QFileInfo(values.at(0)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(values.at(0)));
        if (QFileInfo::exists(values.at(1)) && !QFileInfo(values.at(1)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(values.at(1)));
        return BankBuilder::build(values.at(0), values.at(1), out, err);
    }
    if (command == QLatin1String(check.name)) {
        if (const auto status = readCommand(check, commandArguments, values, out, err))
            return *status;
        if (!QFileInfo(values.at(0)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(values.at(0)));
        return BankChecker::run(values.at(0), out);
    }
    if (command == QLatin1String(checkSource.name)) {
        if (const auto status = readCommand(checkSource, commandArguments, values, out, err))
            return *status;
        if (!QFileInfo(values.at(0)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(values.at(0)));
        return SourceCheck::command(values.at(0), out, err);
    }
    return usage(err, QStringLiteral("unknown command \"%1\"").arg(command));
}
