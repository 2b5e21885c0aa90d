// A learner's whole session on the test bank that bunpo-bank builds: from the Menu, choose a
// grade on the Grade screen, drill it to the pass with clicks alone, go back and end. Real
// widgets, real pictures and answer files; only the clock is moved by the test.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/Program.h"
#include "bank/AnswerFileReader.h"
#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "platform/DataPictureLoader.h"
#include "platform/MixingRandomSource.h"
#include "platform/Stage.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/DrillScreen.h"
#include "screens/grade/GradeLayout.h"
#include "screens/menu/MenuLayout.h"
#include "support/FakeClock.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TestMain.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/ScreenWindow.h"

#include <QDir>
#include <QSet>
#include <QTest>

class TestPlaythrough : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void drillToThePass_data();
    void drillToThePass();

private:
    // The button of the screen on show by its key; a key of another screen finds none.
    template <typename Key>
    void click(Key button);
    // Lets time pass in ticks of 500 ms, as the stages' timers would.
    void passTime(float seconds);
    ScreenWindow *shown() const { return m_program->navigator().current()->window(); }

    FakeClock m_clock{43200.3f};
    MixingRandomSource m_random;
    RecordingSoundPlayer m_sound;
    DataPictureLoader m_pictures;
    std::unique_ptr<Program> m_program;
};

void TestPlaythrough::initTestCase()
{
    QVERIFY2(QDir(QStringLiteral(BUNPO_TEST_BANK)).exists(QStringLiteral("answer")),
             "the test bank has not been built: the build runs bunpo-bank on tests/bank");
}

template <typename Key>
void TestPlaythrough::click(Key button)
{
    PictureButton *target = shown()->button(button);
    QVERIFY2(target, qPrintable(QStringLiteral("a button of another screen than ") + shown()->objectName()));
    QVERIFY2(target->isVisible(), qPrintable(target->objectName()));
    QTest::mouseClick(target, Qt::LeftButton);
}

void TestPlaythrough::passTime(float seconds)
{
    auto &drill = m_program->drill();
    for (float t = 0; t < seconds; t += 0.5f) {
        m_clock.advance(0.5f);
        for (const DrillStage which : AllDrillStages)
            if (Stage *stage = drill.stage(which))
                stage->tick();
    }
}

void TestPlaythrough::drillToThePass_data()
{
    QTest::addColumn<int>("grade"); // 0: no grade chosen, the first drill of a run
    QTest::newRow("first drill of a run: grade 4-1") << 0;
    QTest::newRow("grade 4-3, a bank of two questions") << 3;
    QTest::newRow("grade 3-4") << 7;
}

void TestPlaythrough::drillToThePass()
{
    QFETCH(int, grade);
    ReportedErrors::list().clear();
    m_program = std::make_unique<Program>(QStringLiteral(BUNPO_TEST_BANK), m_clock, m_random, m_sound, m_pictures);
    m_program->start();
    QCOMPARE(shown()->objectName(), QStringLiteral("メニュー"));

    if (grade != 0) {
        click(MenuControl::SettingsButton); // 設定
        click(GradeLayout::gradeButton(grade));
        click(GradeControl::ConfirmButton); // 決定: back to the Menu
        QCOMPARE(shown()->objectName(), QStringLiteral("メニュー"));
    }
    click(MenuControl::DrillButton); // 練習
    QCOMPARE(shown()->objectName(), QStringLiteral("ドリル"));

    const Grade chosen = *GradeCatalogue::lookup(grade == 0 ? 1 : grade);
    const DataPaths paths(QStringLiteral(BUNPO_TEST_BANK));
    qint16 count = 0;
    AnswerTable answers{};
    AnswerFileReader::read(paths.answerFile(chosen.answerFile), count, answers);

    const DrillScreen &drill = m_program->drill();
    QCOMPARE(drill.gradeCode(), chosen.code);
    QSet<int> seen;
    int previous = 0;
    int answered = 0;
    while (!shown()->image(DrillControl::PassBanner)->isVisible()) {
        QVERIFY2(++answered <= 200, "the drill never reached the pass");
        const int question = drill.session().question();
        QVERIFY(question >= 1 && question <= count);
        if (count == 2 && previous != 0)
            QVERIFY2(question != previous, "a bank of two alternates its questions");
        seen.insert(question);
        previous = question;

        click(DrillLayout::choiceButton(answers[question]));
        passTime(5.0f); // the evaluation, and a bonus with the pass after it
        if (!shown()->image(DrillControl::PassBanner)->isVisible())
            click(DrillControl::NextButton); // 次
    }

    QVERIFY(drill.session().score() >= 10000);
    QVERIFY(drill.session().finished());
    QVERIFY(!shown()->button(DrillControl::NextButton)->isVisible());
    QVERIFY(m_sound.names().contains(QStringLiteral("gokaku.wav")));
    QVERIFY(!m_sound.names().contains(QStringLiteral("x.wav")));
    QVERIFY2(seen.size() >= qMin<int>(count, 2), "more than one question came up");

    click(DrillControl::ReturnButton); // 戻る
    QCOMPARE(shown()->objectName(), QStringLiteral("メニュー"));
    click(MenuControl::EndButton); // 終了
    QVERIFY(m_program->navigator().hasEnded());
    QVERIFY(ReportedErrors::list().isEmpty());
}

BUNPO_TEST_MAIN(TestPlaythrough)
#include "tst_playthrough.moc"
