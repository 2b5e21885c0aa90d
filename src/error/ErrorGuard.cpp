#include "error/ErrorGuard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace ErrorGuard {

namespace {
Reporter &currentReporter()
{
    static Reporter reporter = reportAndExit;
    return reporter;
}
bool s_ending = false;
} // namespace

bool ending()
{
    return s_ending;
}

Reporter setReporter(Reporter reporter)
{
    return std::exchange(currentReporter(), std::move(reporter));
}

void report(const RuntimeError &error)
{
    currentReporter()(error);
}

void reportAndExit(const RuntimeError &error)
{
    s_ending = true;
    const QString text = error.message();
    // The whole line in one call and without a format string, which every compiler's
    // fortified library can check.
    const QByteArray line = QByteArrayLiteral("bunpo-drill: ") + text.toLocal8Bit() + '\n';
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    // Where no one can see a window (the offscreen and minimal platforms), a modal box would
    // wait for ever: the line on standard error is the whole report there.
    const QString platform = QGuiApplication::platformName();
    const bool visible = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (visible && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("文法ドリル"), text, QMessageBox::Ok);
        box.exec();
    }
    // Ends at once: no further handler runs and nothing is written.
    std::_Exit(1);
}

} // namespace ErrorGuard
