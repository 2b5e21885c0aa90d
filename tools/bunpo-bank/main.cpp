// bunpo-bank build SOURCE_DIR OUT_DIR
// bunpo-bank check DATA_DIR
// bunpo-bank check-source SOURCE_DIR
// Exit status: 0 done (or the data folder is sound), 1 bad source (or problems found), 2 usage.

#include "BankBuilder.h"
#include "BankChecker.h"
#include "SourceCheck.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

int usage(QTextStream &err, const QString &why = {})
{
    if (!why.isEmpty())
        err << "bunpo-bank: " << why << '\n';
    err << "usage: bunpo-bank build SOURCE_DIR OUT_DIR   draw the data folders from the text banks\n"
           "       bunpo-bank check DATA_DIR             check a data folder as the program reads it\n"
           "       bunpo-bank check-source SOURCE_DIR    check the text banks as build would, drawing nothing\n";
    return UsageError;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage(err);
    const QString &command = args.first();
    if (command == QLatin1String("build")) {
        if (args.size() != 3)
            return usage(err);
        if (!QFileInfo(args.at(1)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(args.at(1)));
        if (QFileInfo::exists(args.at(2)) && !QFileInfo(args.at(2)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(args.at(2)));
        return BankBuilder::build(args.at(1), args.at(2), out, err);
    }
    if (command == QLatin1String("check")) {
        if (args.size() != 2)
            return usage(err);
        if (!QFileInfo(args.at(1)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(args.at(1)));
        return BankChecker::run(args.at(1), out);
    }
    if (command == QLatin1String("check-source")) {
        if (args.size() != 2)
            return usage(err);
        if (!QFileInfo(args.at(1)).isDir())
            return usage(err, QStringLiteral("%1 is not a folder").arg(args.at(1)));
        return SourceCheck::command(args.at(1), out, err);
    }
    return usage(err, QStringLiteral("unknown command \"%1\"").arg(command));
}
