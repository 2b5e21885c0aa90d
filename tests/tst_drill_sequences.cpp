// The miss-limit, bonus and pass sequences, and how they overlap with the answers that go
// on while they play.

#include "tst_drill_fixture.h"

namespace {

QString times(const char *run, int n)
{
    return QString::fromLatin1(run).repeated(n);
}

// 8400 points, three wrong answers, no run: the fifth right answer in a row brings 9900.
const QString to8400 = times("rrrrr", 5) + times("rrrrw", 3);
// 9900 points and four wrong answers.
const QString to9900With4Wrong = to8400 + "rw" + "rrrrr";

} // namespace

class TestDrillSequences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void missLimitSequence_data();
    void missLimitSequence();
    void bonusShowsTheFullWidthFiveThenAnOrdinaryZero();
    void passReached_data();
    void passReached();
    void passedRunsTwiceWhenTheBonusEndsAfterThePass_data();
    void passedRunsTwiceWhenTheBonusEndsAfterThePass();
    void answeringDuringTheMissLimitSequence_data();
    void answeringDuringTheMissLimitSequence();
    void answeringDuringTheBonus();
    void missLimitWhileTheBonusIsShown();
    void passDuringTheMissLimitSequence();
};

void TestDrillSequences::missLimitSequence_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("halved");

    QTest::newRow("9900") << to9900With4Wrong << 9900 << 4950;
    // 1500; four wrong answers and the fifth: 550; again: 75; four without gain: 75.
    const QString to75 = "rrrrr" + times("wwwww", 2) + "rwrwrwrw";
    QTest::newRow("75") << to75 << 75 << 37;
    // Halved six more times: 37, 18, 9, 4, 2, 1.
    QTest::newRow("1") << to75 + times("wrwrwrwrw", 6) << 1 << 0;
    QTest::newRow("0") << "wwww" << 0 << 0;
}

void TestDrillSequences::missLimitSequence()
{
    QFETCH(QString, before);
    QFETCH(int, score);
    QFETCH(int, halved);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play(before), QString());
    QVERIFY(rig.settle() && rig.next());
    QCOMPARE(int(rig.f().score()), score);
    QCOMPARE(rig.f().misses(), 4);

    // The fifth wrong answer costs nothing; its stage puts the train's front at the balloon.
    rig.answer(false);
    QCOMPARE(int(rig.f().score()), score);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    const QRect train = rig.image(DrillControl::Train)->geometry();
    QCOMPARE(rig.trainLeft(), 6090);
    QCOMPARE(train.x() + train.width(), rig.image(DrillControl::Burst)->x());
    QVERIFY(rig.shown(DrillControl::Burst));
    QVERIFY(!rig.shown(DrillControl::HalvingNotice));
    QCOMPARE(rig.sound.names().mid(rig.sound.played.size() - 2), QStringList({"x.wav", "pan.wav"}));
    QCOMPARE(rig.f().misses(), 0);
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QString::number(score));
    QVERIFY(rig.shown(DrillControl::NextButton));

    // A second later: the halving notice and its sound over the burst.
    QVERIFY(rig.runUntilIdle(DrillStage::HalvingNotice));
    QVERIFY(rig.shown(DrillControl::Burst) && rig.shown(DrillControl::HalvingNotice));
    QCOMPARE(rig.sound.names().last(), QStringLiteral("dame.wav"));
    QCOMPARE(int(rig.f().score()), score);
    QCOMPARE(rig.trainLeft(), 6090);

    // Then both go, the train goes home and the halved score is shown; nothing is played.
    const qsizetype sounds = rig.sound.played.size();
    QVERIFY(rig.runUntilIdle(DrillStage::Halving));
    QVERIFY(!rig.shown(DrillControl::Burst) && !rig.shown(DrillControl::HalvingNotice));
    QCOMPARE(rig.trainLeft(), 1065);
    QCOMPARE(int(rig.f().score()), halved);
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QString::number(halved));
    QCOMPARE(rig.label(DrillControl::RunLabel), QStringLiteral("０"));
    QCOMPARE(rig.sound.played.size(), sounds);
    QVERIFY(!rig.anyRunning());
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestDrillSequences::bonusShowsTheFullWidthFiveThenAnOrdinaryZero()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play("rrrrr"), QString());
    QVERIFY(rig.shown(DrillControl::BonusBanner));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("500"));
    QCOMPARE(rig.label(DrillControl::RunLabel), QStringLiteral("５"));
    QCOMPARE(rig.f().score(), qint16(1500));
    QCOMPARE(rig.f().run(), 0);
    QVERIFY(rig.shown(DrillControl::NextButton));
    QCOMPARE(rig.sound.names(), QStringList(5, QStringLiteral("o.wav"))); // the bonus plays nothing

    QVERIFY(rig.runUntilIdle(DrillStage::BonusEnd));
    QVERIFY(!rig.shown(DrillControl::BonusBanner));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("1500"));
    QCOMPARE(rig.label(DrillControl::RunLabel), QStringLiteral("0"));
    QVERIFY(!rig.running(DrillStage::PassAfterBonus));

    QVERIFY(rig.next());
    rig.answer(true);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(rig.label(DrillControl::RunLabel), QStringLiteral("１"));
}

void TestDrillSequences::passReached_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("throughTheBonus");
    QTest::newRow("directly") << times("rrrrr", 6) + "rrrrwrrrwrrrwrrr" << false;
    QTest::newRow("through the bonus") << times("rrrrr", 5) + times("rrrrw", 3) + "rrwrrrrr" << true;
}

void TestDrillSequences::passReached()
{
    QFETCH(QString, script);
    QFETCH(bool, throughTheBonus);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play(script), QString());
    QVERIFY(!rig.shown(DrillControl::NextButton));
    QVERIFY(rig.f().finished());
    QVERIFY(rig.f().locked());
    QCOMPARE(rig.shown(DrillControl::PassBanner), !throughTheBonus);

    if (throughTheBonus) {
        // The bonus picture goes, the new score is shown, and after a pause the pass comes.
        QVERIFY(!rig.sound.names().contains("gokaku.wav"));
        QVERIFY(rig.runUntilIdle(DrillStage::BonusEnd));
        QVERIFY(!rig.shown(DrillControl::BonusBanner));
        QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("10000"));
        QVERIFY(!rig.shown(DrillControl::PassBanner));
        QVERIFY(rig.running(DrillStage::PassAfterBonus));
        QVERIFY(rig.runUntilIdle(DrillStage::PassAfterBonus));
    }
    QVERIFY(rig.shown(DrillControl::PassBanner));
    QCOMPARE(rig.sound.names().count("gokaku.wav"), 1);
    QCOMPARE(rig.sound.names().last(), QStringLiteral("gokaku.wav"));

    // Nothing more happens: no stage, no next question, choices locked.
    QVERIFY(!rig.anyRunning());
    QVERIFY(!rig.next());
    rig.answer(true);
    QVERIFY(!rig.anyRunning());
    QCOMPARE(rig.f().score(), qint16(10000));
    QVERIFY(rig.shown(DrillControl::PassBanner));
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestDrillSequences::passedRunsTwiceWhenTheBonusEndsAfterThePass_data()
{
    // The bonus (9900) begins at x.25 and ends 1.5 s later; the answer that reaches 10000 is
    // given at once, so its evaluation comes first, or 0.75 s later, so the bonus ends first.
    QTest::addColumn<double>("answerAfter");
    QTest::addColumn<QString>("runText");
    QTest::newRow("evaluation first") << 0.0 << "1";
    QTest::newRow("bonus stage first") << 0.75 << "１";
}

void TestDrillSequences::passedRunsTwiceWhenTheBonusEndsAfterThePass()
{
    QFETCH(double, answerAfter);
    QFETCH(QString, runText);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play(to8400 + "rrrrr"), QString());
    QVERIFY(rig.shown(DrillControl::BonusBanner) && rig.running(DrillStage::BonusEnd));
    QCOMPARE(rig.f().score(), qint16(9900));

    rig.runFor(answerAfter);
    QVERIFY(rig.next());
    rig.answer(true);
    QVERIFY(rig.settle());

    QCOMPARE(rig.sound.names().count("gokaku.wav"), 2);
    QCOMPARE(rig.sound.names().last(), QStringLiteral("gokaku.wav"));
    QVERIFY(rig.shown(DrillControl::PassBanner));
    QVERIFY(!rig.shown(DrillControl::BonusBanner));
    QVERIFY(!rig.shown(DrillControl::NextButton));
    QVERIFY(rig.f().finished());
    QVERIFY(rig.f().locked());
    QCOMPARE(rig.f().score(), qint16(10000));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("10000"));
    QCOMPARE(rig.label(DrillControl::RunLabel), runText);
}

void TestDrillSequences::answeringDuringTheMissLimitSequence_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("scoreMeanwhile");
    QTest::addColumn<int>("walkerMeanwhile");
    QTest::newRow("a right answer meanwhile") << true << 1200 << 1065;
    QTest::newRow("a wrong answer meanwhile") << false << 1000 << 2070;
}

void TestDrillSequences::answeringDuringTheMissLimitSequence()
{
    QFETCH(bool, right);
    QFETCH(int, scoreMeanwhile);
    QFETCH(int, walkerMeanwhile);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play("rrrrrwwwww"), QString()); // 1100 at the fifth wrong answer
    QVERIFY(rig.shown(DrillControl::Burst));

    // The next question comes at once; the burst stays.
    const int before = rig.question();
    QVERIFY(rig.next());
    QCOMPARE(rig.question(), before % bank.count() + 1);
    QCOMPARE(DrillBank::questionShown(rig.image(DrillControl::QuestionPicture)->picture()), rig.question());
    QVERIFY(rig.shown(DrillControl::Burst));
    rig.answer(right);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(int(rig.f().score()), scoreMeanwhile);
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QString::number(scoreMeanwhile));
    QCOMPARE(rig.trainLeft(), walkerMeanwhile);
    QCOMPARE(rig.f().misses(), right ? 0 : 1);
    QVERIFY(rig.shown(DrillControl::Burst) && rig.shown(DrillControl::NextButton));

    // The halving takes what the score holds when it comes and sends the train home.
    QVERIFY(rig.settle());
    QCOMPARE(int(rig.f().score()), scoreMeanwhile / 2);
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QString::number(scoreMeanwhile / 2));
    QCOMPARE(rig.trainLeft(), 1065);
    QCOMPARE(rig.f().misses(), right ? 0 : 1);
    QVERIFY(!rig.shown(DrillControl::Burst) && !rig.shown(DrillControl::HalvingNotice));
    QVERIFY(rig.shown(DrillControl::NextButton));
}

void TestDrillSequences::answeringDuringTheBonus()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play("rrrrr"), QString());
    QVERIFY(rig.next());
    QVERIFY(rig.shown(DrillControl::BonusBanner));
    rig.answer(false);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("1400"));
    QCOMPARE(rig.label(DrillControl::RunLabel), QStringLiteral("０"));
    QVERIFY(rig.shown(DrillControl::BonusBanner) && rig.running(DrillStage::BonusEnd));

    // The bonus stage redraws from the values it finds, the run in ordinary digits.
    QVERIFY(rig.runUntilIdle(DrillStage::BonusEnd));
    QVERIFY(!rig.shown(DrillControl::BonusBanner));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("1400"));
    QCOMPARE(rig.label(DrillControl::RunLabel), QStringLiteral("0"));
}

void TestDrillSequences::missLimitWhileTheBonusIsShown()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play("wwwwrrrrr"), QString()); // four wrong, then the bonus: 1500
    QVERIFY(rig.next());
    rig.answer(false); // the fifth wrong answer, at once
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QVERIFY(rig.shown(DrillControl::BonusBanner) && rig.shown(DrillControl::Burst));
    QVERIFY(rig.running(DrillStage::BonusEnd) && rig.running(DrillStage::HalvingNotice));

    QVERIFY(rig.runUntilIdle(DrillStage::BonusEnd));
    QVERIFY(!rig.shown(DrillControl::BonusBanner) && rig.shown(DrillControl::Burst));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("1500"));
    QVERIFY(rig.settle());
    QVERIFY(!rig.shown(DrillControl::Burst) && !rig.shown(DrillControl::HalvingNotice));
    QCOMPARE(rig.f().score(), qint16(750));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("750"));
    QCOMPARE(rig.trainLeft(), 1065);
    QVERIFY(rig.shown(DrillControl::NextButton));
}

void TestDrillSequences::passDuringTheMissLimitSequence()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play(to9900With4Wrong + "w"), QString());
    QVERIFY(rig.shown(DrillControl::Burst) && !rig.shown(DrillControl::HalvingNotice));
    QVERIFY(rig.next());
    rig.answer(true); // 10000, evaluated before the halving
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QVERIFY(rig.shown(DrillControl::PassBanner));
    QVERIFY(rig.f().finished());

    // The sequence plays on under the pass picture and halves the score; the drill stays over.
    QVERIFY(rig.settle());
    QCOMPARE(rig.sound.names().mid(rig.sound.played.size() - 3).count("dame.wav"), 1);
    QCOMPARE(rig.sound.names().mid(rig.sound.played.size() - 3).count("gokaku.wav"), 1);
    QVERIFY(rig.shown(DrillControl::PassBanner));
    QVERIFY(!rig.shown(DrillControl::Burst) && !rig.shown(DrillControl::HalvingNotice));
    QCOMPARE(rig.f().score(), qint16(5000));
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("5000"));
    QVERIFY(rig.f().finished());
    QVERIFY(rig.f().locked());
    QVERIFY(!rig.shown(DrillControl::NextButton));
}

BUNPO_TEST_MAIN(TestDrillSequences)
#include "tst_drill_sequences.moc"
