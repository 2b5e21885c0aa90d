// Answering on the Drill screen: the answer cycle, the score, the decision after each
// answer, the right-answer ring and the waits of the stages.

#include "tst_drill_fixture.h"

#include "widgets/Twips.h"

using Kind = RuntimeError::Kind;

namespace {

QString times(const char *run, int n)
{
    return QString::fromLatin1(run).repeated(n);
}

// What a locked click must not change on the screen.
struct Snapshot
{
    QString scoreText, runText;
    qsizetype sounds;
    bool correctShown, wrongShown, evaluating;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const DrillRig &rig)
{
    return {rig.label(DrillControl::ScoreLabel), rig.label(DrillControl::RunLabel), rig.sound.played.size(),
            rig.shown(DrillControl::CorrectMark), rig.shown(DrillControl::WrongMark), rig.running(DrillStage::Evaluation)};
}

} // namespace

class TestDrillAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void answerCycle();
    void lockedChoiceClicksChangeNothing_data();
    void lockedChoiceClicksChangeNothing();
    void decisionAfterAnAnswer_data();
    void decisionAfterAnAnswer();
    void ringBesideTheRightChoice_data();
    void ringBesideTheRightChoice();
    void stageWaits_data();
    void stageWaits();
};

void TestDrillAnswers::answerCycle()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    auto state = [&rig] {
        return QStringLiteral("locked %1 evaluation %2 marks %3%4 ring %5 next %6")
            .arg(rig.f().locked())
            .arg(rig.running(DrillStage::Evaluation) ? "running" : "idle")
            .arg(rig.shown(DrillControl::CorrectMark) ? "O" : "-")
            .arg(rig.shown(DrillControl::WrongMark) ? "X" : "-")
            .arg(rig.shown(DrillControl::Ring) ? "shown" : "hidden")
            .arg(rig.shown(DrillControl::NextButton) ? "shown" : "hidden");
    };
    QCOMPARE(state(), QStringLiteral("locked 0 evaluation idle marks -- ring hidden next hidden"));

    // A right answer is scored and acknowledged at once; the labels wait for the stage.
    rig.answer(true);
    QCOMPARE(state(), QStringLiteral("locked 1 evaluation running marks O- ring hidden next hidden"));
    QCOMPARE(rig.sound.names(), QStringList{"o.wav"});
    QVERIFY(rig.sound.played.first().startsWith(bank.base()));
    QCOMPARE(rig.f().score(), qint16(100));
    QCOMPARE(rig.f().run(), 1);
    QVERIFY(rig.label(DrillControl::ScoreLabel).isEmpty());
    QVERIFY(rig.label(DrillControl::RunLabel).isEmpty());

    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(state(), QStringLiteral("locked 1 evaluation idle marks -- ring shown next shown"));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("100"));
    QCOMPARE(rig.label(DrillControl::RunLabel), QStringLiteral("１"));
    QCOMPARE(rig.trainLeft(), 1065);

    // The next question frees the choices and leaves the score, the counts and the train.
    QCOMPARE(rig.question(), 1);
    QVERIFY(rig.next());
    QCOMPARE(state(), QStringLiteral("locked 0 evaluation idle marks -- ring hidden next hidden"));
    QCOMPARE(rig.question(), 2);
    QCOMPARE(DrillBank::questionShown(rig.image(DrillControl::QuestionPicture)->picture()), 2);
    QCOMPARE(DrillBank::questionShown(rig.image(DrillControl::ChoicesPicture)->picture()), 2);
    QCOMPARE(rig.f().score(), qint16(100));

    // A wrong answer: the cross, its sound, 100 points off, the train a step out.
    rig.answer(false);
    QCOMPARE(state(), QStringLiteral("locked 1 evaluation running marks -X ring hidden next hidden"));
    QCOMPARE(rig.sound.names(), QStringList({"o.wav", "x.wav"}));
    QCOMPARE(rig.f().score(), qint16(0));
    QCOMPARE(rig.f().run(), 0);
    QCOMPARE(rig.f().misses(), 1);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(state(), QStringLiteral("locked 1 evaluation idle marks -- ring shown next shown"));
    QCOMPARE(rig.trainLeft(), 1065 + 1005);
    QVERIFY(rig.next());
    QCOMPARE(rig.trainLeft(), 1065 + 1005);
    QCOMPARE(rig.f().misses(), 1);
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestDrillAnswers::lockedChoiceClicksChangeNothing_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("waitForTheStage");
    QTest::newRow("evaluating") << "r" << false;
    QTest::newRow("result shown") << "w" << true;
    QTest::newRow("passed") << times("rrrrr", 6) + "rrrrwrrrwrrrwrrr" << true;
}

void TestDrillAnswers::lockedChoiceClicksChangeNothing()
{
    QFETCH(QString, script);
    QFETCH(bool, waitForTheStage);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play(script.chopped(1)), QString());
    if (script.size() > 1)
        QVERIFY(rig.settle() && rig.next());
    rig.answer(script.back() == QLatin1Char('r'));
    if (waitForTheStage)
        QVERIFY(rig.runUntilIdle(DrillStage::Evaluation) && rig.settle());

    const Snapshot before = snapshot(rig);
    QVERIFY(rig.f().locked());
    for (int n = 1; n <= 4; ++n)
        rig.click(rig.choice(n));
    QVERIFY(snapshot(rig) == before);
}

void TestDrillAnswers::decisionAfterAnAnswer_data()
{
    // The answers before the last one are each evaluated, their sequences played out, and
    // followed by the next question; the last is checked right after its evaluation stage.
    // What the screen shows: the session's own table holds the scores and counts behind it.
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("train");
    QTest::addColumn<QString>("scoreText");
    QTest::addColumn<QString>("runText");
    QTest::addColumn<bool>("burst");
    QTest::addColumn<bool>("pass");
    QTest::addColumn<bool>("bonus");
    QTest::addColumn<bool>("next");

    QTest::newRow("wrong") << "rrrr" << false << 2070 << "300"
                           << "０" << false << false << false << true;
    // 1500, halved twice to 75, four answers without gain, halved to 37.
    QTest::newRow("wrong below 100 leaves 0") << "rrrrr" + times("wwwww", 2) + "rwrwrwrww" << false << 2070 << "0"
                                              << "０" << false << false << false << true;
    QTest::newRow("fifth wrong: miss limit, no points off")
        << "rrrrrwwww" << false << 6090 << "1100"
        << "０" << true << false << false << true;
    QTest::newRow("right") << "" << true << 1065 << "100"
                           << "１" << false << false << false << true;
    QTest::newRow("right to exactly 10000: pass")
        << times("rrrrr", 6) + "rrrrwrrrwrrrwrr" << true << 4080 << "10000"
        << "３" << false << true << false << false;
    // The labels keep the score without the bonus and the full-width five.
    QTest::newRow("fifth right: bonus, below the target")
        << times("rrrrr", 5) + "rrrrwrrwrrwrrrr" << true << 4080 << "8500"
        << "５" << false << false << true << true;
    QTest::newRow("fifth right: bonus to exactly 10000")
        << times("rrrrr", 5) + times("rrrrw", 3) + "rrwrrrr" << true << 5085 << "9000"
        << "５" << false << false << true << false;
    // The run of five is the bonus's: the pass waits for the bonus stage.
    QTest::newRow("fifth right reaches 10000 itself: bonus, pass later")
        << times("rrrrr", 6) + "rrrrwrrrwrrrr" << true << 3075 << "10000"
        << "５" << false << false << true << false;
}

void TestDrillAnswers::decisionAfterAnAnswer()
{
    QFETCH(QString, before);
    QFETCH(bool, right);
    QFETCH(int, train);
    QFETCH(QString, scoreText);
    QFETCH(QString, runText);
    QFETCH(bool, burst);
    QFETCH(bool, pass);
    QFETCH(bool, bonus);
    QFETCH(bool, next);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    if (!before.isEmpty()) {
        QCOMPARE(rig.play(before), QString());
        QVERIFY(rig.settle());
        QVERIFY(rig.next());
    }

    rig.answer(right);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(rig.trainLeft(), train);
    QCOMPARE(rig.label(DrillControl::ScoreLabel), scoreText);
    QCOMPARE(rig.label(DrillControl::RunLabel), runText);
    QCOMPARE(rig.shown(DrillControl::Burst), burst);
    QCOMPARE(rig.shown(DrillControl::PassBanner), pass);
    QCOMPARE(rig.shown(DrillControl::BonusBanner), bonus);
    QCOMPARE(rig.shown(DrillControl::NextButton), next);
    QCOMPARE(rig.running(DrillStage::HalvingNotice), burst);
    QCOMPARE(rig.running(DrillStage::BonusEnd), bonus);
    QVERIFY(rig.shown(DrillControl::Ring));
    QCOMPARE(rig.sound.names().contains("gokaku.wav"), pass);
    QCOMPARE(rig.sound.names().last(), burst ? "pan.wav" : pass ? "gokaku.wav" : right ? "o.wav" : "x.wav");
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestDrillAnswers::ringBesideTheRightChoice_data()
{
    // Right answers outside 1..4 are refused at drill start (the Drill screen's layout tests).
    QTest::addColumn<int>("rightAnswer");
    QTest::addColumn<int>("top"); // twips
    QTest::newRow("1") << 1 << 2550;
    QTest::newRow("2") << 2 << 2980;
    QTest::newRow("3") << 3 << 3410;
    QTest::newRow("4") << 4 << 3840;
}

void TestDrillAnswers::ringBesideTheRightChoice()
{
    QFETCH(int, rightAnswer);
    QFETCH(int, top);

    DrillBank bank({rightAnswer, 1});
    DrillRig rig(bank, {1});
    rig.open();
    rig.click(rig.choice(1));
    QCOMPARE(rig.f().score(), qint16(rightAnswer == 1 ? 100 : 0));
    rig.runUntilIdle(DrillStage::Evaluation);

    QVERIFY(ReportedErrors::list().isEmpty());
    PictureLabel *ring = rig.image(DrillControl::Ring);
    QVERIFY(rig.shown(DrillControl::Ring));
    QCOMPARE(ring->y(), Twips::toPixels(top));
    QCOMPARE(ring->x(), Twips::toPixels(1150));
    // The ring's centre on the row's number: 15 px below the choices picture's top and 13 px
    // from its left edge, rows 28 px apart.
    PictureLabel *choices = rig.image(DrillControl::ChoicesPicture);
    const QPoint number = choices->pos() + QPoint(13, 15 + 28 * (rightAnswer - 1));
    const QPoint centre = ring->geometry().center();
    QVERIFY2(qAbs(centre.y() - number.y()) <= 2 && qAbs(centre.x() - number.x()) <= 2,
             qPrintable(QStringLiteral("ring at %1,%2; number at %3,%4")
                            .arg(centre.x()).arg(centre.y()).arg(number.x()).arg(number.y())));
}

void TestDrillAnswers::stageWaits_data()
{
    // A stage's start is its clock reading rounded to the second (a half to the even one);
    // its 500 ms timer acts at the first tick that finds more than the delay gone.
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("right");
    QTest::addColumn<double>("clickAt");
    QTest::addColumn<int>("stage");
    QTest::addColumn<double>("begunAfterClick");
    QTest::addColumn<double>("wait");

    QTest::newRow("evaluation begun at .2") << "" << true << 37000.2 << 1 << 0.0 << 1.0;
    QTest::newRow("evaluation begun at .7") << "" << true << 37000.7 << 1 << 0.0 << 1.5;
    QTest::newRow("evaluation begun on the second") << "" << true << 37000.0 << 1 << 0.0 << 1.5;
    QTest::newRow("evaluation begun on a half, start down") << "" << true << 37000.5 << 1 << 0.0 << 1.0;
    QTest::newRow("evaluation begun on a half, start up") << "" << true << 37001.5 << 1 << 0.0 << 2.0;
    QTest::newRow("bonus begun at .2") << "rrrr" << true << 37000.2 << 4 << 1.0 << 1.5;
    QTest::newRow("bonus begun on a half, start up") << "rrrr" << true << 37000.0 << 4 << 1.5 << 2.5;
    QTest::newRow("pass after the bonus, begun at .7")
        << times("rrrrr", 5) + times("rrrrw", 3) + "rrwrrrr" << true << 37000.2 << 5 << 2.5 << 2.0;
    QTest::newRow("halving notice begun at .2") << "wwww" << false << 37000.2 << 2 << 1.0 << 1.0;
    QTest::newRow("halving begun at .2") << "wwww" << false << 37000.2 << 3 << 2.0 << 1.5;
    // Midnight passes while the stage waits: the count goes on across it.
    QTest::newRow("evaluation across midnight, start 86400") << "" << false << 86399.7 << 1 << 0.0 << 1.5;
    QTest::newRow("evaluation across midnight, start 86399") << "" << true << 86399.2 << 1 << 0.0 << 1.0;
    QTest::newRow("bonus across midnight") << "rrrr" << true << 86398.2 << 4 << 1.0 << 1.5;
    QTest::newRow("halving across midnight") << "wwww" << false << 86397.2 << 3 << 2.0 << 1.5;
}

void TestDrillAnswers::stageWaits()
{
    QFETCH(QString, before);
    QFETCH(bool, right);
    QFETCH(double, clickAt);
    QFETCH(int, stage);
    QFETCH(double, begunAfterClick);
    QFETCH(double, wait);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank, {}, 1, std::floor(clickAt) - 1000 + 0.25);
    rig.open();
    if (!before.isEmpty()) {
        QCOMPARE(rig.play(before), QString());
        QVERIFY(rig.settle());
        QVERIFY(rig.next());
    }
    QVERIFY(rig.now() < clickAt);
    rig.setNow(clickAt);
    rig.answer(right);
    QVERIFY(rig.settle());
    QVERIFY(!rig.f().finished() || stage == 5);

    const DrillStage which = AllDrillStages[stage - 1];
    QCOMPARE(rig.begun(which) - clickAt + 1.0, begunAfterClick + 1.0);
    QCOMPARE(rig.acted(which) - rig.begun(which) + 1.0, wait + 1.0);
    QVERIFY(ReportedErrors::list().isEmpty());
}

BUNPO_TEST_MAIN(TestDrillAnswers)
#include "tst_drill_answers.moc"
