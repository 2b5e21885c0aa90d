// bunpo-answering-drill BASE_DIR: the program as main() builds it, with its real sound module,
// on the data folders under BASE_DIR. It opens the drill, answers one question right and one
// wrong, and ends through the drill's end button; the exit status says whether it got there.
#include "app/Navigator.h"
#include "app/Program.h"
#include "error/ErrorGuard.h"
#include "platform/DataPictureLoader.h"
#include "platform/LoadableSoundPlayer.h"
#include "platform/MixingRandomSource.h"
#include "platform/Stage.h"
#include "platform/SystemClock.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/DrillScreen.h"
#include "screens/menu/MenuLayout.h"
#include "screens/menu/MenuScreen.h"
#include "screens/SharedState.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QTimer>

namespace {

// Answers the question on show; the evaluation stage is let act at once.
void answer(DrillScreen &drill, bool right)
{
    const qint16 correct = drill.session().rightChoice();
    drill.window()->button(DrillLayout::choiceButton(right ? correct : correct % 4 + 1))->click();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2)
        return 2;

    SystemClock clock;
    MixingRandomSource random;
    LoadableSoundPlayer sound({QStringLiteral(BUNPO_BIN_DIR)});
    DataPictureLoader pictures;
    Program program(baseDirFrom(QString::fromLocal8Bit(argv[1])), clock, random, sound, pictures);
    QObject::connect(&program.navigator(), &Navigator::programEnded, &app, [] { QCoreApplication::exit(0); });

    if (!ErrorGuard::run([&] { program.start(); }))
        return 1;
    QTimer::singleShot(0, &app, [&] {
        ErrorGuard::run([&] {
            program.menu().window()->button(MenuControl::DrillButton)->click();
            QCoreApplication::processEvents();
            DrillScreen &drill = program.drill();
            answer(drill, true);
            QTimer::singleShot(1700, &app, [&] {
                ErrorGuard::run([&] {
                    drill.window()->button(DrillControl::NextButton)->click();
                    answer(drill, false);
                    drill.window()->button(DrillControl::EndButton)->click();
                });
            });
        });
    });
    // Ending any other way (a hang) is a failure of its own: the test's timeout.
    return app.exec();
}
