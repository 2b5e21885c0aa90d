#include "app/Navigator.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "app/StartupWarmup.h"
#include "ui/ErrorGuard.h"
#include "ui/platform/DataPictureLoader.h"
#include "ui/platform/LoadableSoundPlayer.h"
#include "ui/platform/MixingRandomSource.h"
#include "ui/platform/SystemClock.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bunpo-drill"));
    // The program ends through its own buttons and close boxes, never because a window hid.
    QApplication::setQuitOnLastWindowClosed(false);

    SystemClock clock;
    MixingRandomSource random;
    LoadableSoundPlayer sound(QCoreApplication::applicationDirPath());
    DataPictureLoader pictures;
    Program program(baseDirFrom(QCoreApplication::applicationDirPath()), clock, random, sound, pictures);
    QObject::connect(&program.navigator(), &Navigator::programEnded, &app, [] { QCoreApplication::exit(0); });

    StartupWarmup warmup({[&sound] { sound.prepare(); }});
    warmup.watch();
    bool started = false;
    ErrorGuard::run([&] {
        program.start();
        started = true;
    });
    if (!started)
        return 1;
    return app.exec();
}
