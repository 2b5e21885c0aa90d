#include "bank/QuestionSelector.h"
#include "error/RuntimeError.h"
#include "platform/MixingRandomSource.h"
#include "support/FakeClock.h"
#include "support/ScriptedRandom.h"
#include "support/TestMain.h"

#include <QSet>
#include <QTest>

#include <optional>

using Kind = RuntimeError::Kind;
Q_DECLARE_METATYPE(std::optional<RuntimeError::Kind>)

namespace {

// Returns the listed values and logs every call, so a test can see that each draw follows
// a reseed with the clock's reading.
class LoggingRandom : public RandomSource
{
public:
    explicit LoggingRandom(QList<float> values) : m_values(std::move(values)) {}
    void reseed(float reading) override { log.append(QStringLiteral("reseed %1").arg(double(reading), 0, 'f', 2)); }
    float next() override
    {
        log.append(QStringLiteral("next"));
        return m_position < m_values.size() ? m_values[m_position++] : m_values.last();
    }
    QStringList log;

private:
    QList<float> m_values;
    qsizetype m_position = 0;
};

// The window's invariant: the flagged questions are exactly the non-zero numbers in slots
// 1..windowLength(), and those differ from one another.
bool windowConsistent(const QuestionSelector &selector)
{
    QSet<int> inWindow;
    for (int i = 1; i <= selector.windowLength(); ++i) {
        const int q = selector.recent()[i];
        if (q != 0 && inWindow.contains(q))
            return false;
        if (q != 0)
            inWindow.insert(q);
    }
    for (int q = 0; q <= 60; ++q) {
        if ((selector.asked()[q] == 1) != inWindow.contains(q))
            return false;
    }
    return true;
}

} // namespace

class TestQuestionSelector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionFor_data();
    void questionFor();
    void scriptedDraws_data();
    void scriptedDraws();
    void realSource_data();
    void realSource();
    void startClearsTheWindow();
    void badCounts_data();
    void badCounts();
    void stuckSourceEnds();
};

void TestQuestionSelector::questionFor_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("question");

    const float justBelowOne = 1.0f - 1.0f / 16777216.0f;
    QTest::newRow("r = 0, C = 60") << 0.0f << 60 << 1;
    QTest::newRow("r = 1 - 2^-24, C = 60") << justBelowOne << 60 << 60;
    QTest::newRow("r = 1 - 2^-24, C = 1") << justBelowOne << 1 << 1;
    QTest::newRow("r = 1 - 2^-24, C = 59") << justBelowOne << 59 << 59;
    QTest::newRow("r = 0.5, C = 2") << 0.5f << 2 << 2;
    QTest::newRow("r just below 0.5, C = 2") << 0.5f - 1.0f / 16777216.0f << 2 << 1;
    QTest::newRow("r = 1/3 rounded down, C = 3") << 0.33333331f << 3 << 1;
    QTest::newRow("r = 1/3 rounded up, C = 3") << 0.33333334f << 3 << 2;
}

void TestQuestionSelector::questionFor()
{
    QFETCH(float, r);
    QFETCH(int, count);
    QFETCH(int, question);
    QCOMPARE(QuestionSelector::questionFor(r, qint16(count)), qint16(question));
}

void TestQuestionSelector::scriptedDraws_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<float>>("values");  // the source's values, in order
    QTest::addColumn<QList<int>>("picked");    // the questions draw() returns
    QTest::addColumn<int>("draws");            // values used, redraws included
    QTest::addColumn<std::optional<Kind>>("error"); // after the picks

    const auto q = [](int count, QList<int> numbers) {
        QList<float> values;
        for (int n : numbers)
            values.append(ScriptedRandom::valueFor(n, count));
        return values;
    };
    const std::optional<Kind> none;
    QTest::newRow("C = 2 alternates") << 2 << q(2, {1, 1, 2, 2, 1, 1, 1, 2}) << QList<int>{1, 2, 1, 2} << 8 << none;
    QTest::newRow("C = 3: either other one follows") << 3 << q(3, {2, 2, 3, 3, 2, 2, 1}) << QList<int>{2, 3, 2, 1} << 7
                                                     << none;
    QTest::newRow("C = 5: two before are closed") << 5 << q(5, {1, 2, 1, 2, 3, 1, 2}) << QList<int>{1, 2, 3, 1, 2} << 7
                                                  << none;
    QTest::newRow("C = 1 repeats its one question") << 1 << q(1, {1, 1, 1, 1}) << QList<int>{1, 1, 1, 1} << 4 << none;
    QTest::newRow("C = 60, r = 0 then 1 - 2^-24")
        << 60 << QList<float>{0.0f, 1.0f - 1.0f / 16777216.0f, 0.0f, 0.5f} << QList<int>{1, 60, 31} << 4 << none;
    QTest::newRow("source beyond 1 leaves the table")
        << 60 << QList<float>{0.5f, 1.0f} << QList<int>{31} << 2 << std::optional(Kind::SubscriptOutOfRange);
}

void TestQuestionSelector::scriptedDraws()
{
    QFETCH(int, count);
    QFETCH(QList<float>, values);
    QFETCH(QList<int>, picked);
    QFETCH(int, draws);
    QFETCH(std::optional<Kind>, error);

    FakeClock clock(43200.25f);
    LoggingRandom random(values);
    QuestionSelector selector(random, clock);
    selector.start(qint16(count));

    QList<int> got;
    for (int i = 0; i < picked.size(); ++i)
        got.append(selector.draw());
    QCOMPARE(got, picked);
    if (error) {
        try {
            selector.draw();
            QFAIL("no error was raised");
        } catch (const RuntimeError &e) {
            QCOMPARE(e.kind(), *error);
        }
    }

    QStringList expectedLog;
    for (int i = 0; i < draws; ++i)
        expectedLog << QStringLiteral("reseed 43200.25") << QStringLiteral("next");
    QCOMPARE(random.log, expectedLog);
    QVERIFY(windowConsistent(selector));
}

void TestQuestionSelector::realSource_data()
{
    QTest::addColumn<int>("count");
    for (int count : {1, 2, 3, 5, 7, 50, 60})
        QTest::addRow("C = %d", count) << count;
}

// With the real generator and a clock that stands still: every number comes up, none comes
// back within windowLength() draws, and the one that just left the window may come next.
void TestQuestionSelector::realSource()
{
    QFETCH(int, count);
    FakeClock clock(1000.0f);
    MixingRandomSource random;
    QuestionSelector selector(random, clock);
    selector.start(qint16(count));

    const int window = count / 2;
    QList<int> lastSeen(count + 1, -1);
    QSet<int> seen;
    int nearestRepeat = INT_MAX;
    for (int i = 0; i < 4000; ++i) {
        const int question = selector.draw();
        QVERIFY(question >= 1 && question <= count);
        if (lastSeen[question] >= 0)
            nearestRepeat = std::min(nearestRepeat, i - lastSeen[question]);
        lastSeen[question] = i;
        seen.insert(question);
        if (i % 97 == 0)
            QVERIFY(windowConsistent(selector));
    }
    QCOMPARE(seen.size(), count);
    QCOMPARE(nearestRepeat, window + 1);
}

void TestQuestionSelector::startClearsTheWindow()
{
    FakeClock clock;
    MixingRandomSource random;
    QuestionSelector selector(random, clock);
    selector.start(60);
    for (int i = 0; i < 40; ++i)
        selector.draw();
    selector.start(9);
    QCOMPARE(selector.windowLength(), qint16(4));
    QCOMPARE(selector.asked(), (std::array<qint16, 61>{}));
    QCOMPARE(selector.recent(), (std::array<qint16, 31>{}));
}

void TestQuestionSelector::badCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<Kind>("error");
    QTest::newRow("0") << 0 << Kind::NoQuestions;
    QTest::newRow("-1") << -1 << Kind::NoQuestions;
    QTest::newRow("61") << 61 << Kind::SubscriptOutOfRange;
}

void TestQuestionSelector::badCounts()
{
    QFETCH(int, count);
    QFETCH(Kind, error);
    FakeClock clock;
    ScriptedRandom random;
    QuestionSelector selector(random, clock);
    try {
        selector.start(qint16(count));
        QFAIL("no error was raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.kind(), error);
    }
    // Nothing was started: a draw is refused instead of looping.
    try {
        selector.draw();
        QFAIL("no error was raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.kind(), Kind::NoQuestions);
    }
}

// A source that keeps giving a number of the window ends in an error, not a hang.
void TestQuestionSelector::stuckSourceEnds()
{
    FakeClock clock;
    ScriptedRandom random({ScriptedRandom::valueFor(1, 2)});
    QuestionSelector selector(random, clock);
    selector.start(2);
    QCOMPARE(selector.draw(), qint16(1));
    try {
        selector.draw();
        QFAIL("no error was raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.kind(), Kind::Internal);
    }
    QCOMPARE(random.draws(), 1 + QuestionSelector::MaxDraws);
}

BUNPO_TEST_MAIN(TestQuestionSelector)
#include "tst_questionselector.moc"
