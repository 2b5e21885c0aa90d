// The Drill screen's commands: leaving at any moment, the next question's pictures, and the
// next-question button from the keyboard.

#include "support/SystemInput.h"
#include "tst_drill_fixture.h"

#include <QPointer>

#include <optional>

using Kind = RuntimeError::Kind;
// A button of the Drill screen, or none for its close box.
using Command = std::optional<DrillControl>;
Q_DECLARE_METATYPE(Command)

class TestDrillCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void leavingEndsEveryStage_data();
    void leavingEndsEveryStage();
    void missingChoicesPictureStopsAfterTheQuestionPicture();
    void returnHeldOnNextAnswersNothing();
};

void TestDrillCommands::leavingEndsEveryStage_data()
{
    QTest::addColumn<QString>("script");   // answered before leaving; the last one's stage is ticked as below
    QTest::addColumn<double>("runAfter");  // seconds of ticks after the last answer
    QTest::addColumn<QList<int>>("running"); // the stages running when the user leaves
    QTest::addColumn<Command>("command");  // the settings, return or end button, or none: the close box
    QTest::addColumn<int>("target");       // ScreenId, or -1 for the end of the program

    const QString toPassThroughBonus = QString("rrrrr").repeated(5) + QString("rrrrw").repeated(3) + "rrwrrrrr";
    QTest::newRow("settingsButton while waiting") << "" << 0.0 << QList<int>{} << Command(DrillControl::SettingsButton) << int(ScreenId::Grade);
    QTest::newRow("settingsButton while evaluating") << "r" << 0.5 << QList<int>{1} << Command(DrillControl::SettingsButton) << int(ScreenId::Grade);
    QTest::newRow("returnButton with the result shown") << "w" << 1.5 << QList<int>{} << Command(DrillControl::ReturnButton) << int(ScreenId::Menu);
    QTest::newRow("returnButton during the halving notice")
        << "wwwww" << 2.5 << QList<int>{3} << Command(DrillControl::ReturnButton) << int(ScreenId::Menu);
    QTest::newRow("endButton during the bonus") << "rrrrr" << 1.0 << QList<int>{4} << Command(DrillControl::EndButton) << -1;
    QTest::newRow("settingsButton before the pass after a bonus")
        << toPassThroughBonus << 2.5 << QList<int>{5} << Command(DrillControl::SettingsButton) << int(ScreenId::Grade);
    QTest::newRow("endButton after the pass") << toPassThroughBonus << 6.0 << QList<int>{} << Command(DrillControl::EndButton) << -1;
    QTest::newRow("close box during the burst") << "wwwww" << 1.0 << QList<int>{2} << Command() << -1;
}

void TestDrillCommands::leavingEndsEveryStage()
{
    QFETCH(QString, script);
    QFETCH(double, runAfter);
    QFETCH(QList<int>, running);
    QFETCH(Command, command);
    QFETCH(int, target);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    if (!script.isEmpty()) {
        QCOMPARE(rig.play(script.chopped(1)), QString());
        QVERIFY(script.size() == 1 || (rig.settle() && rig.next()));
        rig.answer(script.back() == QLatin1Char('r'));
        rig.runFor(runAfter);
    }
    QList<QPointer<Stage>> stages;
    QList<int> seenRunning;
    // Stage n is the n-th of AllDrillStages, counted from 1.
    for (int n = 1; n <= 5; ++n) {
        stages.append(rig.stage(AllDrillStages[n - 1]));
        if (rig.running(AllDrillStages[n - 1]))
            seenRunning.append(n);
    }
    QCOMPARE(seenRunning, running);

    const qsizetype sounds = rig.sound.played.size();
    if (!command)
        rig.window()->close();
    else
        rig.click(rig.button(*command));

    QVERIFY(!rig.drill.isLoaded());
    if (target < 0) {
        QVERIFY(rig.navigator.hasEnded());
    } else {
        QCOMPARE(int(rig.navigator.currentId()), target);
        QCOMPARE((target == int(ScreenId::Grade) ? rig.grade : rig.menu).loads, 1);
    }
    // The stages are stopped at once and go with the window; the sound ends with the screen.
    for (const QPointer<Stage> &stage : stages)
        QVERIFY(!stage || !stage->isRunning());
    QCOMPARE(rig.sound.stops, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<Stage> &stage : stages)
        QVERIFY(stage.isNull());
    QCOMPARE(rig.sound.played.size(), sounds);
    QVERIFY(ReportedErrors::list().isEmpty());

    if (target >= 0) {
        // Back on the drill: a new one, with no sequence left over.
        rig.navigator.moveTo(ScreenId::Drill);
        QVERIFY(!rig.anyRunning());
        for (const DrillControl picture : {DrillControl::Burst, DrillControl::HalvingNotice, DrillControl::PassBanner,
                                           DrillControl::BonusBanner, DrillControl::CorrectMark, DrillControl::WrongMark,
                                           DrillControl::Ring})
            QVERIFY2(!rig.shown(picture), qPrintable(rig.window()->control(picture)->objectName()));
        QCOMPARE(rig.f().score(), qint16(0));
        QVERIFY(!rig.f().finished());
        QVERIFY(!rig.f().locked());
    }
}

// The drill start finds every picture in place; this one goes while the drill runs.
void TestDrillCommands::missingChoicesPictureStopsAfterTheQuestionPicture()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QVERIFY(QFile::remove(bank.dir.filePath(QStringLiteral("choices/g4_1/a3.gif"))));
    QCOMPARE(rig.play("rw"), QString());
    QVERIFY(ReportedErrors::list().isEmpty());

    QVERIFY(rig.next()); // draws question 3
    QCOMPARE(ReportedErrors::list().size(), 1);
    const RuntimeError &error = ReportedErrors::list().first();
    QCOMPARE(error.kind(), Kind::FileNotFound);
    QVERIFY2(error.subject().endsWith(QLatin1String("choices/g4_1/a3.gif")), qPrintable(error.message()));
    QCOMPARE(DrillBank::questionShown(rig.image(DrillControl::QuestionPicture)->picture()), 3);
    QCOMPARE(DrillBank::questionShown(rig.image(DrillControl::ChoicesPicture)->picture()), 2);
}

// Return held down on the focused next-question button: the next question comes once, and the
// key's auto-repeat, reaching the choice button that takes the focus, gives no answer.
void TestDrillCommands::returnHeldOnNextAnswersNothing()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QCOMPARE(rig.play("r"), QString());
    QVERIFY(rig.settle());
    PictureButton *next = rig.button(DrillControl::NextButton);
    QVERIFY(rig.shown(DrillControl::NextButton));
    next->setFocus();
    const qsizetype soundsBefore = rig.sound.played.size();

    SystemInput::playKey([&rig] { return rig.window()->windowHandle(); }, Qt::Key_Return, Qt::NoModifier,
                         "P.rp.rp.rp.rp.x.x.x.x.R");

    QCOMPARE(rig.question(), 2);
    QVERIFY(!rig.shown(DrillControl::NextButton));
    QVERIFY(!rig.f().locked());
    QCOMPARE(rig.f().score(), qint16(100));
    QCOMPARE(rig.sound.played.size(), soundsBefore);
    QVERIFY(!rig.anyRunning());
    QVERIFY(!rig.shown(DrillControl::CorrectMark) && !rig.shown(DrillControl::WrongMark));
}

BUNPO_TEST_MAIN(TestDrillCommands)
#include "tst_drill_commands.moc"
