#include "platform/MixingRandomSource.h"
#include "support/TestMain.h"

#include <QTest>

#include <cmath>

class TestRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesOnTheGrid();
    void reseedAtOneReading_data();
    void reseedAtOneReading();
    void reseedKeepsTheState();
    void sameSeedSameValues();
};

// Multiples of 2^-24 in [0, 1), spread evenly over 16 bins.
void TestRandom::valuesOnTheGrid()
{
    MixingRandomSource random;
    constexpr int Draws = 160000;
    QList<int> bins(16, 0);
    for (int i = 0; i < Draws; ++i) {
        if (i % 7 == 0)
            random.reseed(float(i % 86400));
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        const double scaled = double(r) * 16777216.0;
        QCOMPARE(scaled, std::floor(scaled));
        ++bins[int(r * 16)];
    }
    for (int count : bins)
        QVERIFY2(std::abs(count - Draws / 16) < Draws / 160, qPrintable(QString::number(count)));
}

void TestRandom::reseedAtOneReading_data()
{
    QTest::addColumn<float>("reading");
    QTest::newRow("midnight") << 0.0f;
    QTest::newRow("noon") << 43200.0f;
    QTest::newRow("with a fraction") << 36000.25f;
    QTest::newRow("last reading of the day") << std::nextafter(86400.0f, 0.0f);
}

// What a redraw relies on: reseed and draw at an unchanged reading never brings the value back.
void TestRandom::reseedAtOneReading()
{
    QFETCH(float, reading);
    MixingRandomSource random;
    random.reseed(reading);
    float previous = random.next();
    for (int i = 0; i < 1000; ++i) {
        random.reseed(reading);
        const float r = random.next();
        QVERIFY(r != previous);
        previous = r;
    }
}

// Two generators with different histories, reseeded at the same reading, stay different: the
// reading is folded in, not put in place of the state.
void TestRandom::reseedKeepsTheState()
{
    MixingRandomSource a;
    MixingRandomSource b;
    b.next();
    a.reseed(1234.5f);
    b.reseed(1234.5f);
    QVERIFY(a.next() != b.next());
}

void TestRandom::sameSeedSameValues()
{
    MixingRandomSource a(42);
    MixingRandomSource b(42);
    for (int i = 0; i < 100; ++i) {
        a.reseed(float(i));
        b.reseed(float(i));
        QCOMPARE(a.next(), b.next());
    }
}

BUNPO_TEST_MAIN(TestRandom)
#include "tst_random.moc"
