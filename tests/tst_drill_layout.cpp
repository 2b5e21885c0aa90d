// The Drill screen as it opens: its window, its controls, and the drill start.

#include "tst_drill_fixture.h"

#include "widgets/Twips.h"

#include <QFontInfo>
#include <QFontMetrics>

using Kind = RuntimeError::Kind;

class TestDrillLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void controlsAsFirstSeen_data();
    void controlsAsFirstSeen();
    void stackingFollowsTheTable();
    void windowLabelsAndFocus();
    void numbersSitInTheMiddleOfTheirBoxes_data();
    void numbersSitInTheMiddleOfTheirBoxes();
    void choiceButtonsShowTheirWholePicture();
    void drillStartSetsItsFieldsAndShowsTheFirstQuestion();
    void everyShowingStartsAfresh();
    void drillStartErrors_data();
    void drillStartErrors();
    void drillStartChecksOnlyThatPicturesExist();
};

void TestDrillLayout::controlsAsFirstSeen_data()
{
    QTest::addColumn<DrillControl>("key"); // the row's tag is the control's object name
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("tooltip");         // the key that presses a button follows its text
    QTest::addColumn<QString>("accessibleName");  // what a screen reader calls a button, mark or banner

    auto row = [](DrillControl key, const char *name, int left, int top, int width, int height, bool visible,
                  const char *tooltip = "", const char *accessibleName = "") {
        QTest::newRow(name) << key << QRect(left, top, width, height) << visible
                            << QString::fromUtf8(tooltip) << QString::fromUtf8(accessibleName);
    };
    row(DrillControl::NextButton, "nextButton", 9210, 4680, 870, 675, false, "Next (Return, →, N)", "次の問題");
    row(DrillControl::EndButton, "endButton", 9000, 420, 1080, 435, true, "Exit", "終了");
    row(DrillControl::ReturnButton, "returnButton", 7670, 420, 1080, 435, true, "Return (Esc)", "戻る");
    row(DrillControl::SettingsButton, "settingsButton", 6330, 420, 1080, 435, true, "Establish of drill grade", "設定");
    row(DrillControl::ChoiceButton4, "choiceButton4", 6320, 4695, 660, 645, true, "Answer 4 (4)", "解答４");
    row(DrillControl::ChoiceButton3, "choiceButton3", 5655, 4695, 660, 645, true, "Answer 3 (3)", "解答３");
    row(DrillControl::ChoiceButton2, "choiceButton2", 5000, 4695, 660, 645, true, "Answer 2 (2)", "解答２");
    row(DrillControl::ChoiceButton1, "choiceButton1", 4335, 4695, 660, 645, true, "Answer 1 (1)", "解答１");
    row(DrillControl::BonusBanner, "bonusBanner", 3450, 2700, 4230, 1500, false, "", "ボーナス　1000点");
    row(DrillControl::Ring, "ring", 1150, 2550, 600, 600, false, "", "正しい答えの印");
    row(DrillControl::PassBanner, "passBanner", 3000, 2600, 5130, 1695, false, "", "合格");
    row(DrillControl::HalvingNotice, "halvingNotice", 2700, 3100, 5925, 630, false, "", "得点が半分になります");
    row(DrillControl::WrongMark, "wrongMark", 4100, 1400, 3165, 3105, false, "", "不正解");
    row(DrillControl::CorrectMark, "correctMark", 4100, 1400, 2985, 2925, false, "", "正解");
    row(DrillControl::RunLabel, "runLabel", 8340, 4740, 765, 510, true);
    row(DrillControl::ScoreLabel, "scoreLabel", 1080, 4755, 1425, 555, true, "Point");
    row(DrillControl::ScoreBox, "scoreBox", 1050, 4680, 1950, 675, true);
    row(DrillControl::RunBox, "runBox", 7050, 4680, 2100, 675, true, "Succession");
    row(DrillControl::AnswerBox, "answerBox", 3070, 4680, 3915, 675, true, "Answer");
    // The three pictures of the grade and the question take the size of what was loaded:
    // a 327 x 37 title, a 578 x 57 question, a 578 x 113 choices picture.
    row(DrillControl::TitlePicture, "titlePicture", 1065, 345, 4905, 555, true);
    row(DrillControl::ChoicesPicture, "choicesPicture", 1245, 2625, 8670, 1695, true);
    row(DrillControl::QuestionPicture, "questionPicture", 1260, 1170, 8670, 855, true);
    row(DrillControl::Burst, "burst", 8790, 5475, 1275, 1260, false, "", "割れた風船");
    row(DrillControl::Train, "train", 1065, 5475, 2700, 1260, true);
    row(DrillControl::Board, "board", 765, 225, 9600, 6900, true);
}

void TestDrillLayout::controlsAsFirstSeen()
{
    QFETCH(DrillControl, key);
    QFETCH(QRect, twips);
    QFETCH(bool, visible);
    QFETCH(QString, tooltip);
    QFETCH(QString, accessibleName);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    QVERIFY(rig.window()->isVisible());

    QWidget *control = rig.window()->control(key);
    QCOMPARE(control->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    const QRect expected = Twips::toPixels(twips.x(), twips.y(), twips.width(), twips.height());
    QRect seen = control->geometry();
    if (key == DrillControl::TitlePicture)
        QCOMPARE(seen.size(), QSize(327, 37));
    else if (key == DrillControl::QuestionPicture)
        QCOMPARE(seen.size(), QSize(578, 57));
    else
        QCOMPARE(seen.size(), expected.size());
    QCOMPARE(seen.topLeft(), expected.topLeft());
    QCOMPARE(control->isVisible(), visible);
    QCOMPARE(control->toolTip(), tooltip);
    QCOMPARE(control->accessibleName(), accessibleName);
}

void TestDrillLayout::stackingFollowsTheTable()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    // Front to back: each image or label lies over those listed after it; buttons over all.
    using C = DrillControl;
    const C frontToBack[] = {C::BonusBanner, C::Ring,         C::PassBanner,   C::HalvingNotice,  C::WrongMark,
                             C::CorrectMark, C::RunLabel,     C::ScoreLabel,   C::ScoreBox,       C::RunBox,
                             C::AnswerBox,   C::TitlePicture, C::ChoicesPicture, C::QuestionPicture, C::Burst,
                             C::Train,       C::Board};
    const QObjectList stack = rig.window()->children(); // back to front
    int above = int(stack.size());
    for (const C key : frontToBack) {
        QWidget *control = rig.window()->control(key);
        const int at = int(stack.indexOf(control));
        QVERIFY2(at < above, qPrintable(control->objectName()));
        above = at;
    }
    for (int n = 1; n <= 4; ++n)
        QVERIFY(stack.indexOf(rig.choice(n)) > stack.indexOf(rig.window()->control(DrillControl::BonusBanner)));
}

void TestDrillLayout::windowLabelsAndFocus()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    ScreenWindow *window = rig.window();

    QCOMPARE(window->windowTitle(), QStringLiteral("ドリル"));
    QCOMPARE(window->size(), QSize(744, 491));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(!rig.anyRunning());

    // Yellow bold Mincho, centred, empty until the first evaluation stage.
    // The score's face or size is the one at which the widest score fits its label.
    const struct { DrillControl key; int smallest, pixelSize; } labels[] = {{DrillControl::ScoreLabel, 26, 32},
                                                                            {DrillControl::RunLabel, 35, 35}};
    for (const auto &expected : labels) {
        QLabel *label = window->label(expected.key);
        QVERIFY(label->text().isEmpty());
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(label->font().pixelSize() >= expected.smallest && label->font().pixelSize() <= expected.pixelSize);
        QVERIFY(label->font().bold());
        const QString family = QFontInfo(label->font()).family();
        QVERIFY2(family.contains(QLatin1String("Mincho")) || family.contains(QLatin1String("Serif CJK")),
                 qPrintable(family));
        QVERIFY(QFontMetrics(label->font()).inFontUcs4(0xFF15));
    }

    QCOMPARE(window->focusWidget(), rig.choice(1));
    QStringList chain;
    QWidget *w = rig.choice(1);
    do {
        if (qobject_cast<PictureButton *>(w))
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != rig.choice(1));
    QCOMPARE(chain, QStringList({"choiceButton1", "choiceButton2", "choiceButton3", "choiceButton4", "settingsButton", "returnButton",
                                 "endButton", "nextButton"}));
}

void TestDrillLayout::numbersSitInTheMiddleOfTheirBoxes_data()
{
    QTest::addColumn<DrillControl>("label");
    QTest::addColumn<DrillControl>("box");
    QTest::addColumn<QRect>("field"); // inside the box picture: the part the number belongs in
    QTest::addColumn<QString>("text");

    // The score box's 点 begins 99 pixels in; the run box's white frame encloses x 80 to 139.
    const QRect scoreField(1, 1, 96, 43), runField(81, 1, 58, 43);
    QTest::newRow("score 11000") << DrillControl::ScoreLabel << DrillControl::ScoreBox << scoreField << "11000";
    QTest::newRow("score 10000") << DrillControl::ScoreLabel << DrillControl::ScoreBox << scoreField << "10000";
    QTest::newRow("score 10988") << DrillControl::ScoreLabel << DrillControl::ScoreBox << scoreField << "10988";
    QTest::newRow("score 100") << DrillControl::ScoreLabel << DrillControl::ScoreBox << scoreField << "100";
    QTest::newRow("run, full-width 5") << DrillControl::RunLabel << DrillControl::RunBox << runField << QString::fromUtf8("５");
    QTest::newRow("run, full-width 1") << DrillControl::RunLabel << DrillControl::RunBox << runField << QString::fromUtf8("１");
    QTest::newRow("run after a bonus, ordinary 0") << DrillControl::RunLabel << DrillControl::RunBox << runField << "0";
}

// The yellow of a number stays inside its field with a margin of 2 pixels, clear of the score
// box's 点 and the run box's frame, and sits in the middle of it from top to bottom, to a pixel.
void TestDrillLayout::numbersSitInTheMiddleOfTheirBoxes()
{
    QFETCH(DrillControl, label);
    QFETCH(DrillControl, box);
    QFETCH(QRect, field);
    QFETCH(QString, text);

    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    rig.window()->label(label)->setText(text);
    const QRect boxArea = rig.image(box)->geometry();
    const QImage seen = rig.window()->grab(boxArea).toImage();

    QRect ink;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            const QColor c = seen.pixelColor(x, y);
            if (c.red() > 150 && c.green() > 150 && c.blue() < 100)
                ink |= QRect(x, y, 1, 1);
        }
    QVERIFY2(!ink.isEmpty(), "no yellow in the box");
    const QString where = QStringLiteral("ink x %1..%2, y %3..%4 in field x %5..%6, y %7..%8")
                              .arg(ink.left()).arg(ink.right()).arg(ink.top()).arg(ink.bottom())
                              .arg(field.left()).arg(field.right()).arg(field.top()).arg(field.bottom());
    QVERIFY2(field.adjusted(2, 2, -2, -2).contains(ink), qPrintable(where));
    const int above = ink.top() - field.top(), below = field.bottom() - ink.bottom();
    QVERIFY2(qAbs(above - below) <= 2, qPrintable(where));
}

// A choice button's face shows every row and column of its picture.
void TestDrillLayout::choiceButtonsShowTheirWholePicture()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    rig.window()->setFocus(); // no focus frame over a face
    for (int n = 1; n <= 4; ++n) {
        PictureButton *button = rig.choice(n);
        const QImage picture = button->picture().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage face = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at((face.width() - picture.width()) / 2, (face.height() - picture.height()) / 2);
        QVERIFY2(QRect(QPoint(0, 0), face.size()).contains(QRect(at, picture.size())),
                 qPrintable(QStringLiteral("choice %1: a %2 x %3 picture on a %4 x %5 face")
                                .arg(n).arg(picture.width()).arg(picture.height()).arg(face.width()).arg(face.height())));
        QCOMPARE(face.copy(QRect(at, picture.size())), picture);
    }
}

void TestDrillLayout::drillStartSetsItsFieldsAndShowsTheFirstQuestion()
{
    // Grade index 5 is the grade coded g3_2.
    DrillBank bank(tenAnswers(), QStringLiteral("g3_2"));
    DrillRig rig(bank, {7}, 5);
    rig.state.gradeVisited = false;
    rig.state.gradeReturnsTo = ScreenId::Menu;
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());

    QCOMPARE(rig.pictures.relative(bank.base()),
             QStringList({"title/g3_2.gif", "question/g3_2/q7.gif", "choices/g3_2/a7.gif"}));
    QCOMPARE(rig.question(), 7);
    QCOMPARE(DrillBank::questionShown(rig.image(DrillControl::QuestionPicture)->picture()), 7);
    QCOMPARE(DrillBank::questionShown(rig.image(DrillControl::ChoicesPicture)->picture()), 7);
    QCOMPARE(rig.drill.gradeCode(), QStringLiteral("g3_2"));
    QCOMPARE(rig.f().trainHome(), qint16(1065));
    QCOMPARE(rig.state.questionCount, qint16(10));
    QVERIFY(rig.state.gradeVisited);
    QCOMPARE(rig.state.gradeReturnsTo, ScreenId::Drill);
    QCOMPARE(rig.random.draws(), 1);
    QVERIFY(rig.sound.played.isEmpty());
}

void TestDrillLayout::everyShowingStartsAfresh()
{
    DrillBank bank(tenAnswers());
    DrillRig rig(bank);
    rig.open();
    // Three wrong answers (the train three steps out) and a right one, the last still evaluating.
    QCOMPARE(rig.play("rrwwwr"), QString());
    QVERIFY(rig.next());
    rig.answer(true);
    rig.runFor(0.5);
    QVERIFY(rig.running(DrillStage::Evaluation));
    QCOMPARE(rig.trainLeft(), 1065 + 3 * 1005);

    rig.click(rig.button(DrillControl::SettingsButton));
    QCOMPARE(rig.navigator.currentId(), ScreenId::Grade);
    rig.navigator.moveTo(ScreenId::Drill);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(rig.f().score(), qint16(0));
    QCOMPARE(rig.f().misses(), 0);
    QCOMPARE(rig.f().run(), 0);
    QVERIFY(!rig.f().locked());
    QCOMPARE(rig.trainLeft(), 1065);
    QVERIFY(rig.label(DrillControl::ScoreLabel).isEmpty());
    QVERIFY(rig.label(DrillControl::RunLabel).isEmpty());
    QVERIFY(!rig.anyRunning());
    for (const DrillControl hidden : {DrillControl::CorrectMark, DrillControl::WrongMark, DrillControl::Ring, DrillControl::NextButton})
        QVERIFY2(!rig.shown(hidden), qPrintable(rig.window()->control(hidden)->objectName()));
}

void TestDrillLayout::drillStartErrors_data()
{
    QTest::addColumn<qint16>("grade");
    QTest::addColumn<QStringList>("leaveOut"); // files of the bank that are not there
    QTest::addColumn<QByteArray>("answers");   // the answer file, when not the bank's own
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("subjectEnd");
    QTest::addColumn<QString>("detail");       // the error's detail, when it matters
    QTest::addColumn<QStringList>("picturesAsked");

    const QStringList title{"title/g4_1.gif"};
    const QString ans = QStringLiteral("answer/g4_1.ans");
    const auto row = [&](const char *name, qint16 grade, const QStringList &leaveOut, const QByteArray &answers,
                         Kind kind, const QString &subjectEnd, const QString &detail, const QStringList &asked) {
        QTest::newRow(name) << grade << leaveOut << answers << int(kind) << subjectEnd << detail << asked;
    };
    row("no title picture", 1, {"title/g4_1.gif"}, {}, Kind::FileNotFound, "title/g4_1.gif", "", title);
    row("no answer file", 1, {ans}, {}, Kind::FileNotFound, ans, "", title);
    row("answer file cut short", 1, {}, "5\r\n1\r\n2\r\n3\r\n4\r\n", Kind::InputPastEndOfFile, ans, "", title);
    row("no questions", 1, {}, "0\r\n", Kind::NoQuestions, ans, "", title);
    row("a negative count", 1, {}, "-3\r\n", Kind::NoQuestions, ans, "", title);
    row("grade index 0", 0, {}, {}, Kind::SubscriptOutOfRange, "selectedGrade", "", {});
    row("grade index 8", 8, {}, {}, Kind::SubscriptOutOfRange, "selectedGrade", "", {});

    // Each of these would only have shown itself once its question was drawn, if ever.
    row("answer 9", 1, {}, "10\r\n1\r\n2\r\n3\r\n4\r\n1\r\n2\r\n3\r\n4\r\n2\r\n9\r\n", Kind::InvalidAnswer, ans,
        "answer 9 of question 10 is not 1 to 4", title);
    row("answer 0", 1, {}, "3\r\n1\r\n0\r\n4\r\n", Kind::InvalidAnswer, ans, "answer 0 of question 2 is not 1 to 4",
        title);
    row("answer 5", 1, {}, "2,5,1", Kind::InvalidAnswer, ans, "answer 5 of question 1 is not 1 to 4", title);
    row("answer -1", 1, {}, "2,1,-1", Kind::InvalidAnswer, ans, "answer -1 of question 2 is not 1 to 4", title);
    row("answer 32767", 1, {}, "2,32767,1", Kind::InvalidAnswer, ans, "answer 32767 of question 1 is not 1 to 4", title);
    row("answer -32768", 1, {}, "2,1,-32768", Kind::InvalidAnswer, ans, "answer -32768 of question 2 is not 1 to 4",
        title);
    row("the first bad answer is named", 1, {}, "4,1,7,2,8", Kind::InvalidAnswer, ans,
        "answer 7 of question 2 is not 1 to 4", title);
    row("no first question picture", 1, {"question/g4_1/q1.gif"}, {}, Kind::FileNotFound, "question/g4_1/q1.gif",
        "picture of question 1", title);
    row("no choices picture of the last question", 1, {"choices/g4_1/a10.gif"}, {}, Kind::FileNotFound,
        "choices/g4_1/a10.gif", "picture of question 10", title);
    row("no question picture of question 5", 1, {"question/g4_1/q5.gif"}, {}, Kind::FileNotFound,
        "question/g4_1/q5.gif", "picture of question 5", title);
    row("the first missing is named", 1, {"question/g4_1/q4.gif", "choices/g4_1/a2.gif"}, {}, Kind::FileNotFound,
        "choices/g4_1/a2.gif", "picture of question 2", title);
    row("a count larger than the pictures", 1, {}, "12,1,2,3,4,1,2,3,4,2,3,1,2", Kind::FileNotFound,
        "question/g4_1/q11.gif", "picture of question 11", title);
}

void TestDrillLayout::drillStartErrors()
{
    QFETCH(qint16, grade);
    QFETCH(QStringList, leaveOut);
    QFETCH(QByteArray, answers);
    QFETCH(int, kind);
    QFETCH(QString, subjectEnd);
    QFETCH(QString, detail);
    QFETCH(QStringList, picturesAsked);

    DrillBank bank(tenAnswers(), QStringLiteral("g4_1"), QSet<QString>(leaveOut.begin(), leaveOut.end()));
    for (const QString &file : leaveOut)
        if (file.endsWith(QLatin1String(".ans")))
            QFile::remove(bank.dir.filePath(file));
    if (!answers.isEmpty())
        bank.writeAnswerFile(answers);
    DrillRig rig(bank, {1}, grade);
    rig.open();

    QCOMPARE(ReportedErrors::list().size(), 1);
    const RuntimeError &error = ReportedErrors::list().first();
    QCOMPARE(int(error.kind()), kind);
    QVERIFY2(error.subject().endsWith(subjectEnd), qPrintable(error.message()));
    if (!detail.isEmpty())
        QCOMPARE(error.detail(), detail);
    QCOMPARE(rig.pictures.relative(bank.base()), picturesAsked);
    QVERIFY(!rig.window()->isVisible());
}

// The check at drill start finds pictures as the loader does (a folder copied from Windows in
// capitals is whole) and decodes none of them: a broken picture stops the drill only when its
// question is drawn.
void TestDrillLayout::drillStartChecksOnlyThatPicturesExist()
{
    DrillBank bank(tenAnswers());
    QDir base(bank.base());
    QVERIFY(base.rename(QStringLiteral("choices/g4_1/a10.gif"), QStringLiteral("choices/g4_1/A10.GIF")));
    QVERIFY(base.rename(QStringLiteral("question"), QStringLiteral("QUESTION")));
    QFile broken(base.filePath(QStringLiteral("QUESTION/g4_1/q5.gif")));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();

    DrillRig rig(bank, {1});
    rig.open();
    QVERIFY(ReportedErrors::list().isEmpty());
    QVERIFY(rig.window()->isVisible());
    QCOMPARE(rig.pictures.relative(bank.base()),
             QStringList({"title/g4_1.gif", "question/g4_1/q1.gif", "choices/g4_1/a1.gif"}));
}

BUNPO_TEST_MAIN(TestDrillLayout)
#include "tst_drill_layout.moc"
