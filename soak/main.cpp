// bunpo-soak [ANSWERS] [DATA_DIR]: a long in-process session on the built data folder; see SoakRun.
#define QTEST_QPA_MOUSE_HANDLING

#include "SoakRun.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    QTextStream out(stdout);

    bool ok = true;
    const long answers = args.size() > 1 ? args.at(1).toLong(&ok) : 20000;
    if (!ok || answers < 1) {
        QTextStream(stderr) << "usage: bunpo-soak [ANSWERS] [DATA_DIR]: ANSWERS is a whole number above 0" << Qt::endl;
        return 2;
    }
    const QString dataDir = args.size() > 2 ? args.at(2) : QStringLiteral(BUNPO_BIN_DIR);
    return SoakRun(dataDir, answers, out).run() ? 0 : 1;
}
