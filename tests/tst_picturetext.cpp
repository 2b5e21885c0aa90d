// The text of the question and choices pictures, from the bank source through bunpo-bank build
// and the GIF's comment to what assistive technology hears on the Drill screen; and GIFs whose
// comment is missing, not UTF-8 or not where it belongs, which show as ever, without a name.

#include "tst_drill_fixture.h"

#include "support/HandMadeGif.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QProcess>

#ifndef BUNPO_BANK_TOOL
#define BUNPO_BANK_TOOL ""
#endif

namespace {

// A small GIF with comment extensions, one for each entry of `comments` (each cut into the
// given sub-blocks), before its image, or after it when `afterImage`.
QByteArray gifWithComments(const QList<QList<QByteArray>> &comments, bool afterImage = false)
{
    QByteArray gif = HandMadeGif::write(4, 3, [](int x, int y) { return (x + y) % 4; });
    QByteArray extensions;
    for (const QList<QByteArray> &subBlocks : comments) {
        extensions += "\x21\xFE";
        for (const QByteArray &block : subBlocks)
            extensions += char(block.size()) + block;
        extensions += '\0';
    }
    // Header, screen descriptor and a palette of four colours: 25 bytes; the trailer is the last.
    gif.insert(afterImage ? gif.size() - 1 : 25, extensions);
    return gif;
}

// What the accessibility interface of a control says of it.
struct Heard
{
    QString name;
    QString description;
    QAccessible::Role role;
};

Heard heard(QObject *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    if (!face)
        return {QStringLiteral("(no interface)"), QString(), QAccessible::NoRole};
    return {face->text(QAccessible::Name), face->text(QAccessible::Description), face->role()};
}

} // namespace

class TestPictureText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void builtBankSpeaksItsQuestions();
    void commentOfADataPicture_data();
    void commentOfADataPicture();
};

void TestPictureText::builtBankSpeaksItsQuestions()
{
    if (QString(BUNPO_BANK_TOOL).isEmpty())
        QSKIP("bunpo-bank is not built");
    // The test bank, its first grade's first two questions with readings and a line break of
    // the writer's own.
    QTemporaryDir source, out;
    const QDir bankDir(QStringLiteral(BUNPO_SOURCE_DIR "/tests/bank"));
    for (const QString &name : bankDir.entryList({QStringLiteral("*.csv")}))
        QVERIFY(QFile::copy(bankDir.filePath(name), source.filePath(name)));
    QFile grade(source.filePath(QStringLiteral("g4_1.csv")));
    QVERIFY(grade.open(QIODevice::WriteOnly | QIODevice::Truncate));
    grade.write("question,choice1,choice2,choice3,choice4,answer\n"
                "\"わたしは　毎朝《まいあさ》\n７じ（　）おきます。\",に,で,を,が,1\n"
                "｜図書館《としょかん》（　）本を　よみます。,を,で,に,｜本屋《ほんや》へ,2\n"
                "ともだち（　）あいます。,と,を,で,へ,1\n");
    grade.close();

    QProcess build;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    build.setProcessEnvironment(env);
    build.start(QStringLiteral(BUNPO_BANK_TOOL), {QStringLiteral("build"), source.path(), out.path()});
    QVERIFY(build.waitForFinished(120000));
    QVERIFY2(build.exitCode() == 0, build.readAllStandardError().constData());

    // The Drill screen on the built folder, question 1 and then question 2.
    FakeClock clock;
    ScriptedRandom random({ScriptedRandom::valueFor(1, 3), ScriptedRandom::valueFor(2, 3)});
    RecordingSoundPlayer sound;
    MutableSoundPlayer mutableSound(sound);
    DataPictureLoader pictures;
    SharedState state;
    state.baseDir = out.path();
    state.selectedGrade = 1;
    Navigator navigator;
    ScreenContext context{state, clock, random, mutableSound, pictures, navigator};
    DrillScreen drill(context);
    StubScreen menu(context, QStringLiteral("メニュー")), gradeScreen(context, QStringLiteral("ランク"));
    navigator.setScreen(ScreenId::Menu, &menu);
    navigator.setScreen(ScreenId::Drill, &drill);
    navigator.setScreen(ScreenId::Grade, &gradeScreen);

    ErrorGuard::run([&] { navigator.moveTo(ScreenId::Drill); });
    QVERIFY(ReportedErrors::list().isEmpty());

    ScreenWindow *w = drill.window();
    const QString first = QStringLiteral("わたしは　毎朝７じ（　）おきます。");
    Heard question = heard(w->image(DrillControl::QuestionPicture));
    QCOMPARE(question.name, first);
    QCOMPARE(question.description, first);
    QCOMPARE(question.role, QAccessible::Graphic);
    const Heard choices = heard(w->image(DrillControl::ChoicesPicture));
    QCOMPARE(choices.name, QStringLiteral("１　に、２　で、３　を、４　が"));
    QCOMPARE(choices.description, choices.name);
    // The comment holds one choice a line, so each choice button is named after its choice,
    // and choice button 1, which has the focus, tells the question and all four.
    QCOMPARE(heard(w->button(DrillControl::ChoiceButton3)).name, QStringLiteral("解答３　を"));
    QCOMPARE(heard(w->button(DrillControl::ChoiceButton3)).role, QAccessible::Button);
    QCOMPARE(w->focusWidget(), w->button(DrillControl::ChoiceButton1));
    QCOMPARE(heard(w->button(DrillControl::ChoiceButton1)).description,
             first + QStringLiteral("　１　に、２　で、３　を、４　が"));

    // The next question's text replaces the first's; the score label says what it shows.
    // (Qt raises the change events only while a screen reader listens: offscreen, never.)
    w->button(DrillControl::ChoiceButton1)->click();
    clock.advance(1.5f);
    for (int tick = 0; tick < 3; ++tick)
        ErrorGuard::run([&] { drill.stage(DrillStage::Evaluation)->tick(); });
    QCOMPARE(heard(w->label(DrillControl::ScoreLabel)).name, QStringLiteral("100"));
    w->button(DrillControl::NextButton)->click();
    const QString second = QStringLiteral("図書館（　）本を　よみます。");
    QCOMPARE(heard(w->image(DrillControl::QuestionPicture)).name, second);
    QCOMPARE(heard(w->image(DrillControl::ChoicesPicture)).name, QStringLiteral("１　を、２　で、３　に、４　本屋へ"));
    QCOMPARE(heard(w->button(DrillControl::ChoiceButton4)).name, QStringLiteral("解答４　本屋へ"));

    navigator.endProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestPictureText::commentOfADataPicture_data()
{
    QTest::addColumn<QByteArray>("gif");
    QTest::addColumn<QString>("name");

    const QByteArray question = "ともだち（　）あいます。";
    QTest::newRow("no comment") << gifWithComments({}) << "";
    QTest::newRow("UTF-8") << gifWithComments({{question}}) << QString::fromUtf8(question);
    QTest::newRow("across sub-blocks, cut inside a character")
        << gifWithComments({{question.left(4), question.mid(4)}}) << QString::fromUtf8(question);
    QTest::newRow("two comments are one text")
        << gifWithComments({{"ともだち"}, {"（　）あいます。"}}) << QString::fromUtf8(question);
    QTest::newRow("Shift_JIS: no name") << gifWithComments({{"\x82\xc6\x82\xe0\x82\xbe\x82\xbf"}}) << "";
    QTest::newRow("Latin-1: no name") << gifWithComments({{"caf\xe9"}}) << "";
    QTest::newRow("a character cut at the end: no name") << gifWithComments({{question.chopped(1)}}) << "";
    QTest::newRow("after the image: not the picture's") << gifWithComments({{question}}, true) << "";
    QTest::newRow("longer than any question: no name")
        << gifWithComments({QList<QByteArray>(20, QByteArray(250, 'a'))}) << "";
}

void TestPictureText::commentOfADataPicture()
{
    QFETCH(QByteArray, gif);
    QFETCH(QString, name);

    DrillBank bank(tenAnswers());
    QFile file(bank.dir.filePath(QStringLiteral("question/g4_1/q1.gif")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(gif);
    file.close();
    DrillRig rig(bank);
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    PictureLabel *question = rig.image(DrillControl::QuestionPicture);
    QCOMPARE(question->picture().size(), QSize(4, 3));
    QCOMPARE(question->accessibleName(), name);
    QCOMPARE(question->accessibleDescription(), name);
    // The choices picture of the fixture is a PNG: it has no text.
    QCOMPARE(rig.image(DrillControl::ChoicesPicture)->accessibleName(), QString());
}

BUNPO_TEST_MAIN(TestPictureText)
#include "tst_picturetext.moc"
