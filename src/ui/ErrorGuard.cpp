#include "ui/ErrorGuard.h"

#include <QApplication>
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
    std::fprintf(stderr, "bunpo-drill: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("文法ドリル"), text, QMessageBox::Ok);
        box.exec();
    }
    // Ends at once: no further handler runs and nothing is written.
    std::_Exit(1);
}

} // namespace ErrorGuard
