#include "error/ErrorGuard.h"

#include <QByteArray>
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
MessageShower s_messageShower = nullptr;
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

void setMessageShower(MessageShower shower)
{
    s_messageShower = shower;
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
    if (s_messageShower)
        s_messageShower(text);
    // Ends at once: no further handler runs and nothing is written.
    std::_Exit(1);
}

} // namespace ErrorGuard
