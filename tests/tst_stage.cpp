#include "error/RuntimeError.h"
#include "platform/Stage.h"
#include "platform/SystemClock.h"
#include "support/FakeClock.h"
#include "support/TestMain.h"

#include <QTest>

#include <cmath>

class TestStage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waits_data();
    void waits();
    void elapsedAcrossMidnight_data();
    void elapsedAcrossMidnight();
    void clockTurnedBack_data();
    void clockTurnedBack();
    void actsOnce();
    void stoppedStageNeverActs();
    void realTimerTicks();
    void clockStaysBeforeMidnight_data();
    void clockStaysBeforeMidnight();
};

void TestStage::waits_data()
{
    QTest::addColumn<double>("delay");
    QTest::addColumn<double>("begin"); // clock reading when the stage begins
    QTest::addColumn<int>("start");    // the stored whole second
    QTest::addColumn<double>("wait");  // seconds until it acts, ticks every 0.5 s

    QTest::newRow("1 s, first half of a second") << 1.0 << 36000.2 << 36000 << 1.0;
    QTest::newRow("1 s, second half") << 1.0 << 36000.7 << 36001 << 1.5;
    QTest::newRow("1 s, on a whole second") << 1.0 << 36000.0 << 36000 << 1.5;
    QTest::newRow("1 s, on a half, down to even") << 1.0 << 36000.5 << 36000 << 1.0;
    QTest::newRow("1 s, on a half, up to even") << 1.0 << 36001.5 << 36002 << 2.0;
    QTest::newRow("1.5 s, first half") << 1.5 << 36000.2 << 36000 << 1.5;
    QTest::newRow("1.5 s, second half") << 1.5 << 36000.7 << 36001 << 2.0;
    QTest::newRow("1.5 s, on a whole second") << 1.5 << 36000.0 << 36000 << 2.0;
    QTest::newRow("1.5 s, on a half, down to even") << 1.5 << 36000.5 << 36000 << 1.5;
    QTest::newRow("1.5 s, on a half, up to even") << 1.5 << 36001.5 << 36002 << 2.5;
    QTest::newRow("1 s, across midnight, start 86400") << 1.0 << 86399.6 << 86400 << 1.5;
    QTest::newRow("1 s, across midnight, start 86399") << 1.0 << 86399.3 << 86399 << 1.0;
    QTest::newRow("1.5 s, across midnight, start 86400") << 1.5 << 86399.7 << 86400 << 2.0;
    QTest::newRow("1 s, half before midnight up to 86400") << 1.0 << 86399.5 << 86400 << 2.0;
    QTest::newRow("1 s, just after midnight") << 1.0 << 0.2 << 0 << 1.0;
}

void TestStage::waits()
{
    QFETCH(double, delay);
    QFETCH(double, begin);
    QFETCH(int, start);
    QFETCH(double, wait);

    FakeClock clock{float(begin)};
    int acted = 0;
    Stage stage(clock, delay, [&] { ++acted; }, nullptr);
    stage.begin();
    QCOMPARE(stage.start(), start);
    double waited = 0;
    for (int tick = 1; tick <= 10 && acted == 0; ++tick) {
        clock.set(float(std::fmod(begin + 0.5 * tick, 86400.0)));
        stage.tick();
        waited = 0.5 * tick;
    }
    QCOMPARE(acted, 1);
    QCOMPARE(waited, wait);
}

void TestStage::elapsedAcrossMidnight_data()
{
    QTest::addColumn<float>("now");
    QTest::addColumn<int>("start");
    QTest::addColumn<double>("elapsed");

    QTest::newRow("same day") << 36001.25f << 36000 << 1.25;
    QTest::newRow("start 86400, reading before midnight: not yet") << 86399.75f << 86400 << -0.25;
    QTest::newRow("start 86400, reading after midnight") << 0.25f << 86400 << 0.25;
    QTest::newRow("start 86399, reading after midnight") << 0.5f << 86399 << 1.5;
    QTest::newRow("start at midnight, reading before it") << 86399.5f << 0 << 86399.5;
}

void TestStage::elapsedAcrossMidnight()
{
    QFETCH(float, now);
    QFETCH(int, start);
    QFETCH(double, elapsed);
    QCOMPARE(Stage::elapsed(now, start), elapsed);
}

void TestStage::clockTurnedBack_data()
{
    QTest::addColumn<double>("delay");
    QTest::addColumn<double>("turnedTo"); // the reading 0.5 s after a stage began at 36000.2
    QTest::addColumn<double>("wait");     // from the turn to the action
    QTest::newRow("back an hour: the wait starts again") << 1.0 << 32400.7 << 1.5;
    QTest::newRow("back an hour, 1.5 s stage") << 1.5 << 32400.2 << 1.5;
    QTest::newRow("back less than a second: the start stands") << 1.0 << 35999.2 << 2.0;
}

void TestStage::clockTurnedBack()
{
    QFETCH(double, delay);
    QFETCH(double, turnedTo);
    QFETCH(double, wait);
    FakeClock clock(36000.2f);
    int acted = 0;
    Stage stage(clock, delay, [&] { ++acted; }, nullptr);
    stage.begin();
    clock.set(float(turnedTo));
    stage.tick();
    double waited = 0;
    for (int tick = 1; tick <= 10 && acted == 0; ++tick) {
        clock.set(float(turnedTo + 0.5 * tick));
        stage.tick();
        waited = 0.5 * tick;
    }
    QCOMPARE(acted, 1);
    QCOMPARE(waited, wait);
}

void TestStage::actsOnce()
{
    FakeClock clock(100.2f);
    int acted = 0;
    Stage stage(clock, 1.0, [&] { ++acted; }, nullptr);
    stage.begin();
    QVERIFY(stage.isRunning());
    clock.set(105.0f);
    stage.tick();
    stage.tick();
    QCOMPARE(acted, 1);
    QVERIFY(!stage.isRunning());

    // Begun again, it counts from its new start.
    stage.begin();
    QCOMPARE(stage.start(), 105);
    stage.tick();
    QCOMPARE(acted, 1);
    clock.set(106.5f);
    stage.tick();
    QCOMPARE(acted, 2);
}

void TestStage::stoppedStageNeverActs()
{
    FakeClock clock(100.0f);
    int acted = 0;
    Stage stage(clock, 1.0, [&] { ++acted; }, nullptr);
    stage.tick(); // never begun
    stage.begin();
    stage.stop();
    clock.set(200.0f);
    stage.tick();
    QCOMPARE(acted, 0);
}

// The real timer drives the tick; an error thrown by the action reaches the error reporter
// instead of unwinding through Qt, and the stage has stopped before it.
void TestStage::realTimerTicks()
{
    ReportedErrors::list().clear();
    FakeClock clock(100.0f);
    int acted = 0;
    Stage stage(clock, 1.0, [&] {
        ++acted;
        throw RuntimeError(RuntimeError::Kind::Overflow, QStringLiteral("Score"));
    }, nullptr);
    stage.begin();
    clock.set(102.0f);
    QTRY_COMPARE_WITH_TIMEOUT(acted, 1, 5000);
    QCOMPARE(ReportedErrors::list().size(), 1);
    QCOMPARE(ReportedErrors::list().first().kind(), RuntimeError::Kind::Overflow);
    QVERIFY(!stage.isRunning());
    QTest::qWait(1200);
    QCOMPARE(acted, 1);
}

void TestStage::clockStaysBeforeMidnight_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<float>("seconds");
    QTest::newRow("midnight") << 0 << 0.0f;
    QTest::newRow("noon and a half second") << 43200500 << 43200.5f;
    QTest::newRow("last whole second") << 86399000 << 86399.0f;
    QTest::newRow("last millisecond") << 86399999 << std::nextafter(86400.0f, 0.0f);
}

void TestStage::clockStaysBeforeMidnight()
{
    QFETCH(int, milliseconds);
    QFETCH(float, seconds);
    QCOMPARE(SystemClock::secondsFromMilliseconds(milliseconds), seconds);
}

BUNPO_TEST_MAIN(TestStage)
#include "tst_stage.moc"
