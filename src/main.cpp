// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DrillCommandLine.h"
#include "app/Navigator.h"
#include "app/Program.h"
#include "app/StartupWarmup.h"
#include "error/ErrorGuard.h"
#include "platform/DataPictureLoader.h"
#include "platform/LoadableSoundPlayer.h"
#include "platform/MixingRandomSource.h"
#include "platform/SystemClock.h"
#include "screens/SharedState.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextStream>

// Off unless asked for: QT_LOGGING_RULES="bunpo.startup.info=true" tells where the data was
// found and when the Menu screen is on show.
Q_LOGGING_CATEGORY(startupLog, "bunpo.startup", QtWarningMsg)

namespace {

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("bunpo-drill"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BUNPO_VERSION));
}

} // namespace

int main(int argc, char *argv[])
{
    QString baseDir;
    bool notesWanted = true;
    {
        // The command line is read before the window system is reached, so that --help,
        // --version and a mistake are answered where there is no display.
        QCoreApplication commandLineApp(argc, argv);
        nameTheProgram();
        QTextStream out(stdout);
        QTextStream err(stderr);
        const DrillCommandLine::Outcome outcome =
            DrillCommandLine::read(commandLineApp.arguments(), QCoreApplication::applicationDirPath(), out, err);
        if (outcome.exitCode)
            return *outcome.exitCode;
        baseDir = outcome.baseDir;
        notesWanted = outcome.notesWanted;
    }

    QApplication app(argc, argv);
    nameTheProgram();
    // Ties the windows to the desktop entry, its name and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BUNPO_APP_ID));
    // The program ends through its own buttons and close boxes, never because a window hid.
    QApplication::setQuitOnLastWindowClosed(false);
    qCInfo(startupLog).noquote() << "data folder:" << baseDir;

    SystemClock clock;
    MixingRandomSource random;
    LoadableSoundPlayer sound(LoadableSoundPlayer::moduleFoldersOf(QCoreApplication::applicationDirPath()));
    DataPictureLoader pictures;
    Program program(baseDir, clock, random, sound, pictures);
    program.state().notesWanted = notesWanted;
    QObject::connect(&program.navigator(), &Navigator::programEnded, &app, [] { QCoreApplication::exit(0); });

    StartupWarmup warmup({[&sound] { sound.prepare(); }});
    warmup.watch();
    if (!ErrorGuard::run([&] { program.start(); }))
        return 1;
    qCInfo(startupLog) << "Menu screen on show";
    return app.exec();
}
