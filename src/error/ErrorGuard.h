#pragma once

#include "error/RuntimeError.h"

#include <QObject>
#include <functional>
#include <utility>

// The one place where run-time errors are caught. Every entry from Qt into the program's
// handlers (clicks, pointer movement, timer ticks, start-up) runs through ErrorGuard::run,
// so no exception ever unwinds through Qt's own code.
//
// The program's reporter prints the error's line on standard error, shows it in one modal message
// box titled with the program's name and ends the program with status 1. Tests install a
// reporter that records the error instead.
namespace ErrorGuard {

using Reporter = std::function<void(const RuntimeError &)>;

// Returns the previous reporter.
Reporter setReporter(Reporter reporter);
void report(const RuntimeError &error);

// The reporter used by the program itself: the line on standard error, the message where
// someone can see it (see setMessageShower), then the end with status 1.
void reportAndExit(const RuntimeError &error);

// Shows the message of an error that ends the program, and returns when it has been read (the
// program's message box). The program sets it when it builds its screens; without one, the line
// on standard error is the whole report.
using MessageShower = void (*)(const QString &message);
void setMessageShower(MessageShower shower);

// True while the program's reporter shows its message: the message box runs an event loop
// of its own, and no handler of the program may run in it any more.
bool ending();

// True when the handler ran to its end; false when it raised an error (reported) or did not
// run because the program is ending.
template<typename F>
bool run(F &&handler)
{
    if (ending())
        return false;
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const RuntimeError &error) {
        report(error);
    } catch (const std::exception &error) {
        report(RuntimeError(RuntimeError::Kind::Internal, QString::fromLocal8Bit(error.what())));
    }
    return false;
}

// connect() whose slot runs inside ErrorGuard::run.
template<typename Sender, typename Signal, typename F>
QMetaObject::Connection connect(Sender *sender, Signal signal, QObject *context, F handler)
{
    return QObject::connect(sender, signal, context,
                            [handler = std::move(handler)](auto &&...) { run(handler); });
}

} // namespace ErrorGuard
