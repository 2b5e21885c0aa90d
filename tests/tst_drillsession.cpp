// The drill's rules on their own, without a window: answer sequences and the stage events
// that follow them, against the score, run, misses and what each event says to show.

#include "bank/DataPaths.h"
#include "error/RuntimeError.h"
#include "rules/DrillSession.h"

#include <QTest>

namespace {

QString times(const char *run, int n)
{
    return QString::fromLatin1(run).repeated(n);
}

// 8400 points, three wrong answers, no run.
const QString to8400 = times("rrrrr", 5) + times("rrrrw", 3);
// 9900 points and four wrong answers.
const QString to9900With4Wrong = to8400 + "rw" + "rrrrr";
// 75 points and four wrong answers.
const QString to75With4Wrong = "rrrrr" + times("wwwww", 2) + "rwrwrwrw";

QString soundName(const std::optional<Sound> &sound)
{
    return sound ? DataPaths::soundFileName(*sound) : QStringLiteral("(none)");
}

// Plays a drill on a session as the Drill screen would: ten questions drawn 1, 2, 3 ... in
// turn, the train at home at 1065 twips. Writes what every event says, one entry per event.
class SessionDriver
{
public:
    explicit SessionDriver(const QList<qint16> &answers = {1, 2, 3, 4, 1, 2, 3, 4, 2, 3}) : m_count(int(answers.size()))
    {
        for (int k = 0; k < m_count; ++k)
            session.answers()[k + 1] = answers.at(k);
        session.start(1065);
        drawNext();
    }

    // Answers ('r' right, 'w' wrong), each evaluated, every sequence it opens played out to
    // its end, and followed by the next question when the next button shows. Returns what
    // went wrong, or an empty text.
    QString settle(const QString &script)
    {
        for (qsizetype i = 0; i < script.size(); ++i) {
            if (i > 0) {
                if (!m_nextShown)
                    return QStringLiteral("answer %1: no next button (score %2)").arg(i + 1).arg(session.score());
                next();
            }
            if (!answer(script.at(i) == QLatin1Char('r')).accepted)
                return QStringLiteral("answer %1: choices locked").arg(i + 1);
            const DrillSession::Evaluation evaluation = evaluate();
            if (evaluation.opens == DrillSession::Sequence::MissLimit) {
                session.showHalvingNotice();
                session.halveScore();
            }
            if (evaluation.bonusOpens && session.endBonus().passFollows)
                session.passAfterBonus();
        }
        return {};
    }

    // One event per character: 'R' or 'W' a right or wrong answer, 'e' the evaluation stage,
    // 'n' the halving notice, 'h' the halving, 'b' the end of the bonus, 'p' the pass after
    // the bonus, '>' the next button. Returns what each event said, joined by " | ".
    QString run(const QString &events)
    {
        QStringList said;
        for (const QChar event : events) {
            switch (event.toLatin1()) {
            case 'R':
            case 'W': {
                const DrillSession::Answer a = answer(event == QLatin1Char('R'));
                said << (!a.accepted ? QStringLiteral("locked")
                                     : QStringLiteral("%1 %2").arg(a.right ? "right" : "wrong", soundName(a.sound)));
                break;
            }
            case 'e': {
                const DrillSession::Evaluation e = evaluate();
                QString text = QStringLiteral("train %1 ring %2 score %3 run %4")
                                   .arg(e.trainLeft)
                                   .arg(e.ringTop)
                                   .arg(e.scoreText, e.runText);
                if (e.opens == DrillSession::Sequence::MissLimit)
                    text += QStringLiteral(" miss-limit ") + soundName(e.sound);
                else if (e.opens == DrillSession::Sequence::Pass)
                    text += QStringLiteral(" pass ") + soundName(e.sound);
                else if (e.sound)
                    text += QStringLiteral(" sound without a sequence ") + soundName(e.sound);
                if (e.bonusOpens)
                    text += QStringLiteral(" bonus");
                if (e.showNext)
                    text += QStringLiteral(" next");
                said << text;
                break;
            }
            case 'n':
                said << QStringLiteral("notice ") + soundName(session.showHalvingNotice());
                break;
            case 'h': {
                const DrillSession::Halving h = session.halveScore();
                said << QStringLiteral("halving train %1 score %2").arg(h.trainLeft).arg(h.scoreText);
                break;
            }
            case 'b': {
                const DrillSession::BonusEnd b = session.endBonus();
                said << QStringLiteral("bonus end score %1 run %2%3")
                            .arg(b.scoreText, b.runText, b.passFollows ? QStringLiteral(" pass follows") : QString());
                break;
            }
            case 'p':
                said << QStringLiteral("pass ") + soundName(session.passAfterBonus());
                break;
            case '>':
                next();
                break;
            default:
                said << QStringLiteral("unknown event ") + event;
            }
        }
        return said.join(QStringLiteral(" | "));
    }

    DrillSession session;

private:
    DrillSession::Answer answer(bool right)
    {
        const qint16 rightChoice = session.rightChoice();
        return session.answer(right ? rightChoice : qint16(rightChoice % 4 + 1));
    }
    DrillSession::Evaluation evaluate()
    {
        const DrillSession::Evaluation evaluation = session.evaluate();
        m_nextShown = evaluation.showNext;
        return evaluation;
    }
    void next()
    {
        m_nextShown = false;
        session.nextQuestion();
        drawNext();
    }
    void drawNext()
    {
        m_drawn = m_drawn % m_count + 1;
        session.setQuestion(qint16(m_drawn));
    }

    int m_count;
    int m_drawn = 0;
    bool m_nextShown = false;
};

} // namespace

class TestDrillSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void ringBesideTheRightChoice_data();
    void ringBesideTheRightChoice();
    void questionOutsideTheAnswerTable_data();
    void questionOutsideTheAnswerTable();
    void startBeginsAFreshDrill();
};

void TestDrillSession::rules_data()
{
    // settled: answers played out before the events (see SessionDriver::settle); events and
    // what they said (see SessionDriver::run); then the state after the last event.
    QTest::addColumn<QString>("settled");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("misses");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("finished");

    // The labels are redrawn at the evaluation stage only; the ring rings the right choice
    // after a wrong answer too.
    QTest::newRow("right") << "" << "Re" << "right o.wav | train 1065 ring 2550 score 100 run １ next"
                           << 100 << 1 << 0 << true << false;
    QTest::newRow("wrong") << "rrrr" << ">We" << "wrong x.wav | train 2070 ring 2550 score 300 run ０ next"
                           << 300 << 0 << 1 << true << false;
    QTest::newRow("next question frees the choices") << "w" << ">" << "" << 0 << 0 << 1 << false << false;
    // 37 after a halving: a wrong answer leaves 0, not -63.
    QTest::newRow("wrong below 100 leaves 0")
        << to75With4Wrong + "w" << ">We" << "wrong x.wav | train 2070 ring 2550 score 0 run ０ next"
        << 0 << 0 << 1 << true << false;
    QTest::newRow("fifth wrong: miss limit, no points off")
        << "rrrrrwwww" << ">We"
        << "wrong x.wav | train 6090 ring 3410 score 1100 run ０ miss-limit pan.wav next" << 1100 << 0 << 0 << true
        << false;

    // The halving floors what the score holds; the run label is left alone.
    const QString missLimit = "wrong x.wav | train 6090 ring %1 score %2 run ０ miss-limit pan.wav next"
                              " | notice dame.wav | halving train 1065 score %3";
    QTest::newRow("halving 9900") << to9900With4Wrong << ">Wenh" << missLimit.arg(3840).arg(9900).arg(4950) << 4950
                                  << 0 << 0 << true << false;
    QTest::newRow("halving 75") << to75With4Wrong << ">Wenh" << missLimit.arg(3840).arg(75).arg(37) << 37 << 0 << 0
                                << true << false;
    QTest::newRow("halving 1") << to75With4Wrong + times("wrwrwrwrw", 6) << ">Wenh"
                               << missLimit.arg(3840).arg(1).arg(0) << 0 << 0 << 0 << true << false;
    QTest::newRow("halving 0") << "wwww" << ">Wenh" << missLimit.arg(2550).arg(0).arg(0) << 0 << 0 << 0 << true
                               << false;

    QTest::newRow("right to exactly 10000: pass")
        << times("rrrrr", 6) + "rrrrwrrrwrrrwrr" << ">Re"
        << "right o.wav | train 4080 ring 2980 score 10000 run ３ pass gokaku.wav" << 10000 << 3 << 3 << true << true;
    // The bonus plays nothing and the labels keep the score without it and the full-width
    // five; the end of the bonus shows the run in ordinary digits.
    QTest::newRow("fifth right: bonus, below the pass score")
        << times("rrrrr", 5) + "rrrrwrrwrrwrrrr" << ">Reb>Re"
        << "right o.wav | train 4080 ring 2550 score 8500 run ５ bonus next | bonus end score 9500 run 0"
           " | right o.wav | train 4080 ring 2980 score 9600 run １ next"
        << 9600 << 1 << 3 << true << false;
    QTest::newRow("fifth right: bonus to exactly 10000, pass after it")
        << times("rrrrr", 5) + times("rrrrw", 3) + "rrwrrrr" << ">Rebp"
        << "right o.wav | train 5085 ring 3840 score 9000 run ５ bonus | bonus end score 10000 run 0 pass follows"
           " | pass gokaku.wav"
        << 10000 << 0 << 4 << true << true;
    // The run of five is the bonus's: the pass waits for the bonus to end.
    QTest::newRow("fifth right reaches 10000 itself: bonus, pass later")
        << times("rrrrr", 6) + "rrrrwrrrwrrrr" << ">Reb"
        << "right o.wav | train 3075 ring 3840 score 10000 run ５ bonus | bonus end score 11000 run 0 pass follows"
        << 11000 << 0 << 2 << true << true;

    // A click on a locked choice changes nothing and says nothing but that.
    QTest::newRow("locked while evaluating") << "" << "RW" << "right o.wav | locked" << 100 << 1 << 0 << true << false;
    QTest::newRow("locked with the result shown")
        << "" << "WeR" << "wrong x.wav | train 2070 ring 2550 score 0 run ０ next | locked" << 0 << 0 << 1 << true
        << false;
    QTest::newRow("locked after the pass") << times("rrrrr", 6) + "rrrrwrrrwrrrwrrr" << "RW" << "locked | locked"
                                           << 10000 << 3 << 3 << true << true;

    // The sequences run beside the answers: a stage acts on the values it finds.
    QTest::newRow("right answer during the miss-limit sequence")
        << "rrrrrwwww" << ">We>Renh"
        << "wrong x.wav | train 6090 ring 3410 score 1100 run ０ miss-limit pan.wav next"
           " | right o.wav | train 1065 ring 2550 score 1200 run １ next | notice dame.wav"
           " | halving train 1065 score 600"
        << 600 << 1 << 0 << true << false;
    // The halving sends the train home although the wrong answer meanwhile moved it a step.
    QTest::newRow("wrong answer during the miss-limit sequence")
        << "rrrrrwwww" << ">We>Wenh"
        << "wrong x.wav | train 6090 ring 3410 score 1100 run ０ miss-limit pan.wav next"
           " | wrong x.wav | train 2070 ring 2550 score 1000 run ０ next | notice dame.wav"
           " | halving train 1065 score 500"
        << 500 << 0 << 1 << true << false;
    QTest::newRow("answer during the bonus")
        << "rrrr" << ">Re>Web"
        << "right o.wav | train 1065 ring 2550 score 500 run ５ bonus next"
           " | wrong x.wav | train 2070 ring 2980 score 1400 run ０ next | bonus end score 1400 run 0"
        << 1400 << 0 << 1 << true << false;
    QTest::newRow("miss limit while the bonus is shown")
        << "wwwwrrrr" << ">Re>Webnh"
        << "right o.wav | train 5085 ring 2980 score 500 run ５ bonus next"
           " | wrong x.wav | train 6090 ring 3410 score 1500 run ０ miss-limit pan.wav next"
           " | bonus end score 1500 run 0 | notice dame.wav | halving train 1065 score 750"
        << 750 << 0 << 0 << true << false;
    // The pass ends no sequence: the halving still comes, and the drill stays finished.
    QTest::newRow("pass during the miss-limit sequence")
        << to9900With4Wrong << ">We>RenhW"
        << "wrong x.wav | train 6090 ring 3840 score 9900 run ０ miss-limit pan.wav next"
           " | right o.wav | train 1065 ring 2980 score 10000 run １ pass gokaku.wav | notice dame.wav"
           " | halving train 1065 score 5000 | locked"
        << 5000 << 1 << 0 << true << true;
    // Reached while the bonus banner is shown, the pass comes twice, once from the answer's
    // evaluation and once from the end of the bonus, in either order.
    QTest::newRow("pass twice: evaluation first")
        << to8400 + "rrrr" << ">Re>Rebp"
        << "right o.wav | train 4080 ring 2550 score 8900 run ５ bonus next"
           " | right o.wav | train 4080 ring 2980 score 10000 run １ pass gokaku.wav"
           " | bonus end score 10000 run 1 pass follows | pass gokaku.wav"
        << 10000 << 1 << 3 << true << true;
    QTest::newRow("pass twice: bonus end first")
        << to8400 + "rrrr" << ">Re>Rbep"
        << "right o.wav | train 4080 ring 2550 score 8900 run ５ bonus next"
           " | right o.wav | bonus end score 10000 run 1 pass follows"
           " | train 4080 ring 2980 score 10000 run １ pass gokaku.wav | pass gokaku.wav"
        << 10000 << 1 << 3 << true << true;
}

void TestDrillSession::rules()
{
    QFETCH(QString, settled);
    QFETCH(QString, events);
    QFETCH(QString, said);
    QFETCH(int, score);
    QFETCH(int, run);
    QFETCH(int, misses);
    QFETCH(bool, locked);
    QFETCH(bool, finished);

    SessionDriver driver;
    QCOMPARE(driver.settle(settled), QString());
    QCOMPARE(driver.run(events), said);
    QCOMPARE(int(driver.session.score()), score);
    QCOMPARE(driver.session.run(), run);
    QCOMPARE(driver.session.misses(), misses);
    QCOMPARE(driver.session.locked(), locked);
    QCOMPARE(driver.session.finished(), finished);
}

void TestDrillSession::ringBesideTheRightChoice_data()
{
    // Right choices outside 1..4 come only from a malformed answer file: they ring no choice
    // row and make every choice wrong, and beyond -75..71 the ring's place overflows 16 bits.
    QTest::addColumn<int>("rightChoice");
    QTest::addColumn<int>("top"); // twips; 0: overflow
    QTest::newRow("1") << 1 << 2550;
    QTest::newRow("2") << 2 << 2980;
    QTest::newRow("3") << 3 << 3410;
    QTest::newRow("4") << 4 << 3840;
    QTest::newRow("0") << 0 << 2120;
    QTest::newRow("5") << 5 << 4270;
    QTest::newRow("71") << 71 << 32650;
    QTest::newRow("-75") << -75 << -30130;
    QTest::newRow("72") << 72 << 0;
    QTest::newRow("-76") << -76 << 0;
    QTest::newRow("-32768") << -32768 << 0;
}

void TestDrillSession::ringBesideTheRightChoice()
{
    QFETCH(int, rightChoice);
    QFETCH(int, top);

    SessionDriver driver({qint16(rightChoice)});
    DrillSession &session = driver.session;
    QVERIFY(session.answer(1).accepted);
    QCOMPARE(session.score(), qint16(rightChoice == 1 ? 100 : 0));
    if (top != 0) {
        QCOMPARE(int(session.evaluate().ringTop), top);
        return;
    }
    try {
        session.evaluate();
        QFAIL("no overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
        QCOMPARE(error.subject(), QStringLiteral("ringTop"));
    }
}

void TestDrillSession::questionOutsideTheAnswerTable_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<bool>("inside");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("60") << 60 << true;
    QTest::newRow("61") << 61 << false;
    QTest::newRow("-1") << -1 << false;
}

void TestDrillSession::questionOutsideTheAnswerTable()
{
    QFETCH(int, question);
    QFETCH(bool, inside);

    DrillSession session;
    session.answers().fill(2);
    session.start(1065);
    session.setQuestion(qint16(question));
    try {
        const DrillSession::Answer answer = session.answer(2);
        QVERIFY(inside);
        QVERIFY(answer.right);
    } catch (const RuntimeError &error) {
        QVERIFY(!inside);
        QCOMPARE(error.kind(), RuntimeError::Kind::SubscriptOutOfRange);
        QCOMPARE(error.subject(), QStringLiteral("answers"));
    }
}

void TestDrillSession::startBeginsAFreshDrill()
{
    // A finished drill with misses and a run, started again.
    SessionDriver driver;
    QCOMPARE(driver.settle(times("rrrrr", 6) + "rrrrwrrrwrrrwrrr"), QString());
    QVERIFY(driver.session.finished());

    driver.session.start(1065);
    QCOMPARE(driver.session.score(), qint16(0));
    QCOMPARE(driver.session.run(), 0);
    QCOMPARE(driver.session.misses(), 0);
    QVERIFY(!driver.session.locked());
    QVERIFY(!driver.session.finished());
    QCOMPARE(driver.run("We"), QStringLiteral("wrong x.wav | train 2070 ring 2980 score 0 run ０ next"));
}

QTEST_GUILESS_MAIN(TestDrillSession)
#include "tst_drillsession.moc"
