// The program's own reporter, end to end: a run-time error that reaches the one catch point
// prints one line naming the error and the file, and ends the process with status 1. The test
// runs itself as a child process, since the reporter ends the process it runs in.

#include "error/ErrorGuard.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <cstring>

namespace {
constexpr const char *ChildFlag = "--child-throws";

int childMain(int argc, char *argv[], const char *kind)
{
    QApplication app(argc, argv);
    const RuntimeError::Kind errorKind = std::strcmp(kind, "overflow") == 0 ? RuntimeError::Kind::Overflow
                                                                              : RuntimeError::Kind::FileNotFound;
    ErrorGuard::run([&] {
        throw RuntimeError(errorKind, QStringLiteral("/opt/drill/answer/g4_1.ans"), QStringLiteral("item 3"));
    });
    return 0; // never reached: the reporter ends the process
}
} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reportsOneLineAndEnds_data();
    void reportsOneLineAndEnds();
};

void TestErrorReport::reportsOneLineAndEnds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line");
    QTest::newRow("missing file") << "missing"
                                  << "bunpo-drill: File not found: /opt/drill/answer/g4_1.ans (item 3)";
    QTest::newRow("overflow") << "overflow" << "bunpo-drill: Overflow: /opt/drill/answer/g4_1.ans (item 3)";
}

void TestErrorReport::reportsOneLineAndEnds()
{
    QFETCH(QString, kind);
    QFETCH(QString, line);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag), kind});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    const QStringList ours = QString::fromLocal8Bit(child.readAllStandardError())
                                 .split(QLatin1Char('\n'))
                                 .filter(QStringLiteral("bunpo-drill:"));
    QCOMPARE(ours, QStringList{line});
}

int main(int argc, char *argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], ChildFlag) == 0)
        return childMain(argc, argv, argv[2]);
    QApplication app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorreport.moc"
