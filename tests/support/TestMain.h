#pragma once

#include "error/ErrorGuard.h"

#include <QApplication>
#include <QList>
#include <QTest>

// Run-time errors that reach the program's one catch point are recorded here instead of
// showing a message box and ending the test.
struct ReportedErrors
{
    static QList<RuntimeError> &list()
    {
        static QList<RuntimeError> errors;
        return errors;
    }
    static void install()
    {
        ErrorGuard::setReporter([](const RuntimeError &error) { list().append(error); });
    }
};

#define BUNPO_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setQuitOnLastWindowClosed(false);                                                                \
        ReportedErrors::install();                                                                                     \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
