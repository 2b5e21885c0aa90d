// What a learner who drills by ear hears on the Drill screen. A screen reader speaks the name
// and description of the control that takes the focus, so each test reads, through Qt's
// accessibility interface, what the control carries at the moment it takes the focus: choice
// button 1 as a question appears, the next-question button after an answer, the focused
// control where the drill ends without a focus move.

#include "tst_drill_fixture.h"

#include "screens/drill/DrillNarrator.h"
#include "support/HandMadeGif.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>

namespace {

QString nameOf(QObject *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

QString descriptionOf(QObject *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Description) : QStringLiteral("(no interface)");
}

// A GIF of a few pixels whose comment is `text`, as bunpo-bank writes the question and choices
// pictures.
QByteArray gifWithText(const QString &text)
{
    QByteArray gif = HandMadeGif::write(4, 3, [](int x, int y) { return (x + y) % 4; });
    const QByteArray utf8 = text.toUtf8();
    QByteArray comment = "\x21\xFE";
    for (qsizetype at = 0; at < utf8.size(); at += 255) {
        const QByteArray block = utf8.mid(at, 255);
        comment += char(block.size()) + block;
    }
    comment += '\0';
    gif.insert(25, comment); // after the header, screen descriptor and four-colour palette
    return gif;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString questionText(int n)
{
    return QStringLiteral("もんだい%1：わたし（　）がくせいです。").arg(n);
}

// Question n's choices, one a line; the right one (from the bank) is "は".
QString choicesText(const DrillBank &bank, int n)
{
    QStringList lines;
    const QStringList wrong = {QStringLiteral("を"), QStringLiteral("に"), QStringLiteral("で")};
    for (int c = 1, w = 0; c <= 4; ++c)
        lines.append(DrillNarrator::choiceNumber(c) + QStringLiteral("　") +
                     (c == bank.answer(n) ? QStringLiteral("は") : wrong.at(w++)));
    return lines.join(QLatin1Char('\n'));
}

// Every question and choices picture of the bank carries its text.
void giveTexts(const DrillBank &bank)
{
    for (int n = 1; n <= bank.count(); ++n) {
        writeFile(bank.dir.filePath(QStringLiteral("question/g4_1/q%1.gif").arg(n)), gifWithText(questionText(n)));
        writeFile(bank.dir.filePath(QStringLiteral("choices/g4_1/a%1.gif").arg(n)), gifWithText(choicesText(bank, n)));
    }
}

// What each control carried as it took the focus: "nextButton: <description>".
class FocusLog : public QObject
{
public:
    explicit FocusLog(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~FocusLog() override { qApp->removeEventFilter(this); }

    QStringList heard;
    QString last() const { return heard.isEmpty() ? QString() : heard.last(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn && widget && widget->window() == m_window)
            heard.append(widget->objectName() + QStringLiteral(": ") + descriptionOf(widget));
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

class TestScreenReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void choiceNames_data();
    void choiceNames();
    void questionAndJudgements();
    void bonusAndHalvingAreToldWithTheNextFocusMove();
    void halvingAfterTheNextQuestionWaitsForTheNextAnswer();
    void noteIsToldAfterTheJudgement();
    void passIsToldOnTheFocusedControl_data();
    void passIsToldOnTheFocusedControl();
};

void TestScreenReader::choiceNames_data()
{
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("description"); // of choice button 1, after the question

    const QStringList numbersOnly = {QStringLiteral("解答１"), QStringLiteral("解答２"), QStringLiteral("解答３"),
                                     QStringLiteral("解答４")};
    const QString q = questionText(1) + QStringLiteral("　");
    const QStringList named = {QStringLiteral("解答１　に"), QStringLiteral("解答２　で"), QStringLiteral("解答３　を"),
                               QStringLiteral("解答４　が")};
    const QString line = QStringLiteral("１　に、２　で、３　を、４　が");

    QTest::newRow("one a line") << QStringLiteral("１　に\n２　で\n３　を\n４　が") << named << q + line;
    QTest::newRow("CR LF, a line break at the end")
        << QStringLiteral("１　に\r\n２　で\r\n３　を\r\n４　が\r\n") << named << q + line;
    QTest::newRow("a choice of several words") << QStringLiteral("１　本屋へ　行く\n２　で\n３　を\n４　が")
        << QStringList{QStringLiteral("解答１　本屋へ　行く"), named[1], named[2], named[3]}
        << q + QStringLiteral("１　本屋へ　行く、２　で、３　を、４　が");
    // A folder built before the choices came one a line: the text is told as it stands.
    QTest::newRow("built earlier: one line") << QStringLiteral("１ に、２ で、３ を、４ が") << numbersOnly
                                             << q + QStringLiteral("１ に、２ で、３ を、４ が");
    QTest::newRow("three lines") << QStringLiteral("１　に\n２　で\n３　を") << numbersOnly
                                 << q + QStringLiteral("１　に、２　で、３　を");
    QTest::newRow("numbers out of order") << QStringLiteral("２　に\n１　で\n３　を\n４　が") << numbersOnly
                                          << q + QStringLiteral("２　に、１　で、３　を、４　が");
    QTest::newRow("an empty choice") << QStringLiteral("１　\n２　で\n３　を\n４　が") << numbersOnly
                                     << q + QStringLiteral("１、２　で、３　を、４　が");
    QTest::newRow("no text") << QString() << numbersOnly << questionText(1);
}

void TestScreenReader::choiceNames()
{
    QFETCH(QString, comment);
    QFETCH(QStringList, names);
    QFETCH(QString, description);

    DrillBank bank(tenAnswers());
    giveTexts(bank);
    const QString choices = bank.dir.filePath(QStringLiteral("choices/g4_1/a1.gif"));
    writeFile(choices, comment.isEmpty() ? HandMadeGif::write(4, 3, [](int, int) { return 1; }) : gifWithText(comment));
    DrillRig rig(bank);
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());

    for (int c = 1; c <= 4; ++c)
        QCOMPARE(nameOf(rig.choice(c)), names.at(c - 1));
    QCOMPARE(rig.window()->focusWidget(), rig.choice(1));
    QCOMPARE(descriptionOf(rig.choice(1)), description);
    // The other choice buttons keep their tooltips as descriptions.
    QCOMPARE(descriptionOf(rig.choice(2)), QStringLiteral("Answer 2 (2)"));
}

void TestScreenReader::questionAndJudgements()
{
    DrillBank bank(tenAnswers());
    giveTexts(bank);
    DrillRig rig(bank);
    rig.open();
    FocusLog log(rig.window());
    QVERIFY(QTest::qWaitForWindowActive(rig.window()));
    log.heard.clear();
    QCOMPARE(rig.window()->focusWidget(), rig.choice(1));
    QCOMPARE(descriptionOf(rig.choice(1)), questionText(1) + QStringLiteral("　１　は、２　を、３　に、４　で"));

    // A right answer: 次 takes the focus carrying the judgement, the right choice, and score
    // and run as the labels show them.
    rig.answer(true);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(rig.window()->focusWidget(), rig.button(DrillControl::NextButton));
    QCOMPARE(log.last(), QStringLiteral("nextButton: 正解。　答えは　１　は。　得点　100点、連続　１。"));

    // The next question: choice button 1 has it when the focus arrives, not the question before.
    QVERIFY(rig.next());
    QCOMPARE(rig.window()->focusWidget(), rig.choice(1));
    QCOMPARE(log.last(), QStringLiteral("choiceButton1: ") + questionText(2) + QStringLiteral("　１　を、２　は、３　に、４　で"));
    QCOMPARE(nameOf(rig.choice(2)), QStringLiteral("解答２　は"));

    // A wrong answer, given by key: the right choice is told with its number and its text.
    rig.key(Qt::Key_3);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(log.last(), QStringLiteral("nextButton: 不正解。　答えは　２　は。　得点　0点、連続　０。"));
    QCOMPARE(log.heard.size(), 3); // no other focus move on the way
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestScreenReader::bonusAndHalvingAreToldWithTheNextFocusMove()
{
    DrillBank bank(tenAnswers());
    giveTexts(bank);
    DrillRig rig(bank);
    rig.open();
    FocusLog log(rig.window());
    QVERIFY(QTest::qWaitForWindowActive(rig.window()));
    log.heard.clear();

    // Five right: the bonus opens with 次, the labels still without it.
    QCOMPARE(rig.play(QStringLiteral("rrrrr")), QString());
    QCOMPARE(log.last(), QStringLiteral("nextButton: 正解。　答えは　１　は。　得点　500点、連続　５。　") +
                             DrillNarrator::bonusWords());
    // Its end comes while 次 waits; the next question tells it first.
    QVERIFY(rig.settle());
    QVERIFY(rig.next());
    QVERIFY(log.last().startsWith(QStringLiteral("choiceButton1: ボーナスが入りました。得点　1500点、連続　0。　") + questionText(6)));

    // Five wrong: the fifth costs nothing and bursts the balloon, told in words.
    QCOMPARE(rig.play(QStringLiteral("wwwww")), QString());
    QCOMPARE(log.last(), QStringLiteral("nextButton: 不正解。　答えは　３　は。　得点　1100点、連続　０。　") +
                             DrillNarrator::missLimitWords());
    QVERIFY(rig.settle());
    QCOMPARE(rig.label(DrillControl::ScoreLabel), QStringLiteral("550"));
    QVERIFY(rig.next());
    QVERIFY(log.last().startsWith(QStringLiteral("choiceButton1: 得点が半分になりました。得点　550点。　")));
    // Told once: the answer after it hears only its own judgement.
    rig.answer(true);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QVERIFY(log.last().startsWith(QStringLiteral("nextButton: 正解。")));
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestScreenReader::halvingAfterTheNextQuestionWaitsForTheNextAnswer()
{
    DrillBank bank(tenAnswers());
    giveTexts(bank);
    DrillRig rig(bank);
    rig.open();
    FocusLog log(rig.window());
    QVERIFY(QTest::qWaitForWindowActive(rig.window()));
    log.heard.clear();

    // 次 pressed at once after the burst: the halving comes while the next question waits.
    QCOMPARE(rig.play(QStringLiteral("rrwwwww")), QString());
    QVERIFY(rig.next());
    QVERIFY(log.last().startsWith(QStringLiteral("choiceButton1: ") + questionText(8)));
    QVERIFY(rig.settle());
    rig.answer(true);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(log.last(), QStringLiteral("nextButton: 得点が半分になりました。得点　0点。　正解。　答えは　４　は。　得点　100点、連続　１。"));
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestScreenReader::noteIsToldAfterTheJudgement()
{
    DrillBank bank(tenAnswers());
    giveTexts(bank);
    bank.addNotes();
    DrillRig rig(bank);
    rig.open();
    FocusLog log(rig.window());
    QVERIFY(QTest::qWaitForWindowActive(rig.window()));

    // The note of the question answered, its lines kept apart, after the score.
    rig.answer(false);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QCOMPARE(log.last(), QStringLiteral("nextButton: 不正解。　答えは　１　は。　得点　0点、連続　０。　") +
                             DrillBank::noteText(1).replace(QLatin1Char('\n'), QStringLiteral("　")));
    // The next answer tells the next question's note, not this one's.
    QVERIFY(rig.next());
    rig.answer(true);
    QVERIFY(rig.runUntilIdle(DrillStage::Evaluation));
    QVERIFY(log.last().endsWith(QStringLiteral("Why the right choice of question 2 fits.")));
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestScreenReader::passIsToldOnTheFocusedControl_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("told"); // the focused control's description, stage by stage

    // 9000 after six bonuses, then right answers between two wrong ones up to 10000 at a run of 4.
    const QString sixBonuses = QStringLiteral("rrrrr").repeated(6);
    QTest::newRow("at an answer's evaluation")
        << sixBonuses + QStringLiteral("rrrrwrrrrwrrrr")
        << QStringList{QStringLiteral("正解。　答えは　%1　は。　得点　10000点、連続　４。　") + DrillNarrator::passWords()};
    // The seventh bonus brings 9500 to 10500: the pass follows the bonus's end.
    // The story goes on on the same control: all of it is there to hear when the learner comes back.
    const QString bonus = QStringLiteral("正解。　答えは　%1　は。　得点　9500点、連続　５。　") + DrillNarrator::bonusWords();
    const QString bonusEnd = bonus + QStringLiteral("　ボーナスが入りました。得点　10500点、連続　0。");
    QTest::newRow("after a bonus") << sixBonuses + QStringLiteral("rrrrr")
                                   << QStringList{bonus, bonusEnd, bonusEnd + QStringLiteral("　") + DrillNarrator::passWords()};
}

void TestScreenReader::passIsToldOnTheFocusedControl()
{
    QFETCH(QString, script);
    QFETCH(QStringList, told);

    DrillBank bank(tenAnswers());
    giveTexts(bank);
    DrillRig rig(bank);
    rig.open();
    FocusLog log(rig.window());
    QVERIFY(QTest::qWaitForWindowActive(rig.window()));
    log.heard.clear();
    QCOMPARE(rig.play(script), QString());
    QVERIFY(rig.f().finished());
    // No 次, so no focus move: the choice button clicked last keeps the focus and tells it.
    QVERIFY(!rig.shown(DrillControl::NextButton));
    QWidget *focused = rig.window()->focusWidget();
    QCOMPARE(focused, rig.choice(rig.rightChoice()));
    const QString right = DrillNarrator::choiceNumber(rig.rightChoice());
    QCOMPARE(descriptionOf(focused), told.at(0).arg(right));
    for (qsizetype step = 1; step < told.size(); ++step) {
        const DrillStage stage = step == 1 ? DrillStage::BonusEnd : DrillStage::PassAfterBonus;
        QVERIFY(rig.runUntilIdle(stage));
        QCOMPARE(descriptionOf(focused), told.at(step).arg(right));
    }
    QVERIFY(rig.settle());
    QVERIFY(rig.shown(DrillControl::PassBanner));
    QCOMPARE(rig.window()->focusWidget(), focused);
    QVERIFY(ReportedErrors::list().isEmpty());
}

BUNPO_TEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
