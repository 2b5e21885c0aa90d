// SPDX-License-Identifier: GPL-3.0-or-later
// bunpo-bank build SOURCE_DIR OUT_DIR
// bunpo-bank check DATA_DIR
// bunpo-bank check-source SOURCE_DIR
// bunpo-bank coverage SOURCE_DIR [--points FILE] [--require GRADE:N]...
// bunpo-bank [COMMAND] --help | --version
// Exit status: 0 done (or the data folder is sound, or the banks cover what is required), 1 bad
// source (or problems found, or too few points drilled), 2 usage.

#include "BankBuilder.h"
#include "BankChecker.h"
#include "Coverage.h"
#include "platform/CommandLineHelp.h"
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
           "       bunpo-bank coverage SOURCE_DIR [--points FILE] [--require GRADE:N]...\n"
           "                                             list the grammar points the banks drill\n"
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
                    "question, choices, title and grade-button pictures, the sounds and the notes of the grades\n"
                    "that have them, and replaces the data folders of OUT_DIR (answer, question, choices, title,\n"
                    "sound, note) in one go. A mistake in a bank is named with its file and line, and then\n"
                    "nothing is changed.",
                    {"SOURCE_DIR", "The folder of the text question banks.", "OUT_DIR",
                     "The data folder to write; made when missing."}};
const Command checkSource{"check-source",
                          "Checks the text banks of SOURCE_DIR as build does (rows, readings, lettering, the kanji of\n"
                          "each grade against the installed KANJIDIC, the notes against the grammar list) and draws\n"
                          "nothing.",
                          {"SOURCE_DIR", "The folder of the text question banks."}};
const Command coverage{"coverage",
                       "Lists, per examination grade (4: g4_1 to g4_3, 3: g3_1 to g3_4), the grammar points of the\n"
                       "list that the banks of SOURCE_DIR drill, with their questions, and those they do not; the\n"
                       "points first drilled in each level; our own labels (numbers from 901), never counted; and\n"
                       "every question whose point is above its grade or in no list, which fails the command.",
                       {"SOURCE_DIR", "The folder of the text question banks."}};
const Command check{"check",
                    "Reads the data folder DATA_DIR the way the program will and lists every problem found.",
                    {"DATA_DIR", "The data folder to check."}};

// Reads the arguments of one command. Returns the exit status when it ends here (--help or a
// mistake); otherwise leaves the command's own arguments in `values`.
std::optional<int> readCommand(const Command &command, const QStringList &arguments, QStringList &values,
                               QTextStream &out, QTextStream &err, QCommandLineParser &parser)
{
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

std::optional<int> readCommand(const Command &command, const QStringList &arguments, QStringList &values,
                               QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    return readCommand(command, arguments, values, out, err, parser);
}

// "4:30" -> grade 4, at least 30 listed points.
std::optional<Coverage::Requirement> requirement(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return std::nullopt;
    bool gradeOk = false, pointsOk = false;
    const Coverage::Requirement r{parts.at(0).toInt(&gradeOk), parts.at(1).toInt(&pointsOk)};
    if (!gradeOk || !pointsOk || (r.examGrade != 4 && r.examGrade != 3) || r.points < 0)
        return std::nullopt;
    return r;
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
        "  coverage SOURCE_DIR        list the grammar points the banks drill, per grade\n"
        "\n"
        "bunpo-bank COMMAND --help tells more of each."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("build, check, check-source or coverage"),
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
    if (command == QLatin1String(coverage.name)) {
        QCommandLineParser coverageParser;
        const QCommandLineOption points(QStringLiteral("points"),
                                        QStringLiteral("The grammar list to count against (default: SOURCE_DIR/"
                                                       "grammar-points.tsv, else the one installed with bunpo-bank)."),
                                        QStringLiteral("FILE"));
        const QCommandLineOption require(QStringLiteral("require"),
                                         QStringLiteral("Fail unless examination grade GRADE (4 or 3) drills at least N "
                                                        "listed points; may be given for each grade."),
                                         QStringLiteral("GRADE:N"));
        coverageParser.addOptions({points, require});
        if (const auto status = readCommand(coverage, commandArguments, values, out, err, coverageParser))
            return *status;
        if (!QFileInfo(values.at(0)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(values.at(0)));
        QList<Coverage::Requirement> required;
        for (const QString &text : coverageParser.values(require)) {
            const std::optional<Coverage::Requirement> r = requirement(text);
            if (!r)
                return usage(err, QStringLiteral("--require %1: give GRADE:N, GRADE 4 or 3 and N a count").arg(text));
            required.append(*r);
        }
        if (coverageParser.isSet(points) && !QFileInfo(coverageParser.value(points)).isFile())
            return usage(err, QStringLiteral("--points %1: no such file").arg(coverageParser.value(points)));
        return Coverage::command(values.at(0), coverageParser.value(points), required, out, err);
    }
    return usage(err, QStringLiteral("unknown command \"%1\"").arg(command));
}
