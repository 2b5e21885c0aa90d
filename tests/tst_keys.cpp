// The keys of the three screens, as a learner presses them on the real windows: the digits
// answer and choose, the next question comes with Return, Space, → or N, Escape goes back, and
// M mutes the program's sound on every screen. A key held down acts once.

#include "tst_drill_fixture.h"

#include "app/Program.h"
#include "screens/grade/GradeLayout.h"
#include "screens/grade/GradeScreen.h"
#include "screens/menu/MenuLayout.h"
#include "screens/menu/MenuScreen.h"

#include <QKeyEvent>

#include <memory>
#include <variant>

namespace {

void writeGradeButtonPictures(const QString &base)
{
    QDir(base).mkpath(QStringLiteral("title"));
    for (int n = 1; n <= 7; ++n)
        for (const char *suffix : {"", "b"}) {
            QImage image(163, 51, QImage::Format_RGB32);
            image.fill(QColor(*suffix ? 100 : 0, *suffix ? 0 : 200, n));
            image.save(QStringLiteral("%1/title/r%2%3.gif").arg(base).arg(n).arg(QLatin1String(suffix)), "PNG");
        }
}

// A key as the window system delivers it: to the focused control of the active window.
void send(ScreenWindow *w, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    QWidget *target = w->focusWidget() ? w->focusWidget() : w;
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

} // namespace

// The control that takes the focus first, by its screen's key; none: where the screen put it.
using FocusOn = std::variant<std::monostate, DrillControl, GradeControl, MenuControl>;
Q_DECLARE_METATYPE(FocusOn)

class TestKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void keyOnScreen_data();
    void keyOnScreen();
    void muteAcrossMoves();

private:
    ScreenWindow *shown() const { return m_program->navigator().current()->window(); }
    // Drives the program to one of the states the key table names.
    void reach(const QString &state);
    void passTime(float seconds);
    // "tap": pressed and released; "hold": three auto-repeats come between, as a key held
    // down gives; "repeat": only auto-repeats and the release, of a key held since before.
    void pressKey(int key, Qt::KeyboardModifiers modifiers, const QString &how = QStringLiteral("tap"));
    // What the learner sees now, in one line.
    QString seen() const;

    std::unique_ptr<DrillBank> m_bank;
    FakeClock m_clock{36000.25f};
    ScriptedRandom m_random;
    RecordingSoundPlayer m_sound;
    RecordingPictureLoader m_pictures;
    std::unique_ptr<Program> m_program;
};

void TestKeys::init()
{
    ReportedErrors::list().clear();
    m_sound.played.clear();
    m_sound.stops = 0;
    m_bank = std::make_unique<DrillBank>(tenAnswers());
    writeGradeButtonPictures(m_bank->base());
    QList<float> order;
    for (int k = 0; k < 100; ++k)
        order.append(ScriptedRandom::valueFor(k % m_bank->count() + 1, m_bank->count()));
    m_random.script(order);
    m_program = std::make_unique<Program>(m_bank->base(), m_clock, m_random, m_sound, m_pictures);
    m_program->start();
}

void TestKeys::cleanup()
{
    m_program->navigator().endProgram();
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestKeys::passTime(float seconds)
{
    for (float t = 0; t < seconds; t += 0.5f) {
        m_clock.advance(0.5f);
        for (const DrillStage which : AllDrillStages)
            if (Stage *stage = m_program->drill().stage(which))
                ErrorGuard::run([stage] { stage->tick(); });
    }
}

void TestKeys::reach(const QString &state)
{
    auto click = [this](auto key) { shown()->button(key)->click(); };
    if (state.startsWith(QLatin1String("drill"))) {
        click(MenuControl::DrillButton);
        // Question 1, whose right choice is 1.
        if (state != QLatin1String("drill"))
            click(DrillControl::ChoiceButton1);
        if (state == QLatin1String("drill result"))
            passTime(1.5f);
    } else if (state.startsWith(QLatin1String("grade"))) {
        click(MenuControl::SettingsButton);
        if (state == QLatin1String("grade, 3 chosen"))
            click(GradeControl::GradeButton3);
    } else if (state == QLatin1String("explanation")) {
        click(MenuControl::ExplainButton);
    }
}

void TestKeys::pressKey(int key, Qt::KeyboardModifiers modifiers, const QString &how)
{
    // A move to another screen lets the new window hear the rest of the key.
    auto window = [this] { return m_program->navigator().hasCurrent() ? shown() : nullptr; };
    if (how != QLatin1String("repeat"))
        send(window(), QEvent::KeyPress, key, modifiers, false);
    for (int i = 0; how != QLatin1String("tap") && i < 3 && window(); ++i) {
        send(window(), QEvent::KeyPress, key, modifiers, true);
        if (window())
            send(window(), QEvent::KeyRelease, key, modifiers, true);
    }
    if (window())
        send(window(), QEvent::KeyRelease, key, modifiers, false);
}

QString TestKeys::seen() const
{
    Navigator &navigator = m_program->navigator();
    if (navigator.hasEnded())
        return QStringLiteral("end");
    ScreenWindow *w = shown();
    const QString focus = w->focusWidget() ? w->focusWidget()->objectName() : QStringLiteral("-");
    switch (navigator.currentId()) {
    case ScreenId::Drill: {
        const DrillSession &f = m_program->drill().session();
        const QString mark = w->image(DrillControl::CorrectMark)->isVisible()   ? QStringLiteral("right")
                             : w->image(DrillControl::WrongMark)->isVisible() ? QStringLiteral("wrong")
                                                                                 : QStringLiteral("-");
        return QStringLiteral("drill q%1 score %2 misses %3 mark %4 next %5 focus %6")
            .arg(f.question())
            .arg(f.score())
            .arg(f.misses())
            .arg(mark, w->button(DrillControl::NextButton)->isVisible() ? QStringLiteral("on") : QStringLiteral("off"),
                 focus);
    }
    case ScreenId::Grade: {
        QString marks, lit;
        for (int n = 1; n <= 7; ++n)
            if (w->image(GradeLayout::selectionMark(n))->isVisible())
                marks += QString::number(n);
        return QStringLiteral("grade %1 mark %2 highlighted %3")
            .arg(m_program->state().selectedGrade)
            .arg(marks.isEmpty() ? QStringLiteral("-") : marks)
            .arg(m_program->grade().highlightedGrade());
    }
    case ScreenId::Menu:
        return QStringLiteral("menu %1 grade %2 focus %3")
            .arg(w->image(MenuControl::Explanation)->isVisible() ? QStringLiteral("explanation") : QStringLiteral("buttons"))
            .arg(m_program->state().selectedGrade)
            .arg(focus);
    }
    return {};
}

void TestKeys::keyOnScreen_data()
{
    QTest::addColumn<QString>("state");   // menu, explanation, grade, "grade, 3 chosen", drill, drill answered, drill result
    QTest::addColumn<FocusOn>("focus");   // the control that has the focus first; empty: where the screen put it
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("press");   // tap, hold, or repeat (held since before)
    QTest::addColumn<QString>("after");

    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    // Question 1 of the bank is right with 1, question 2 is on show after the next-question command.
    const QString waiting = QStringLiteral("drill q1 score 0 misses 0 mark - next off focus %1");
    const QString rightShown = QStringLiteral("drill q1 score 100 misses 0 mark right next off focus %1");
    const QString wrongShown = QStringLiteral("drill q1 score 0 misses 1 mark wrong next off focus %1");
    const QString nextQuestion = QStringLiteral("drill q2 score 100 misses 0 mark - next off focus %1");

    QTest::newRow("drill: 1 answers with choice 1")
        << "drill" << FocusOn() << int(Qt::Key_1) << none << "tap" << rightShown.arg("choiceButton1");
    QTest::newRow("drill: keypad 2 answers wherever the focus is")
        << "drill" << FocusOn(DrillControl::SettingsButton) << int(Qt::Key_2) << keypad << "tap" << wrongShown.arg("settingsButton");
    QTest::newRow("drill: 4 with the focus on 戻る answers, not leaves")
        << "drill" << FocusOn(DrillControl::ReturnButton) << int(Qt::Key_4) << none << "tap" << wrongShown.arg("returnButton");
    QTest::newRow("drill: a held digit answers once")
        << "drill" << FocusOn() << int(Qt::Key_2) << none << "hold" << wrongShown.arg("choiceButton1");
    QTest::newRow("drill: a digit held since before the screen opened does nothing")
        << "drill" << FocusOn() << int(Qt::Key_1) << none << "repeat" << waiting.arg("choiceButton1");
    QTest::newRow("drill: a digit while the answer is locked does nothing")
        << "drill answered" << FocusOn() << int(Qt::Key_3) << none << "tap" << rightShown.arg("choiceButton1");
    QTest::newRow("drill: Ctrl+1 is no answer")
        << "drill" << FocusOn() << int(Qt::Key_1) << int(Qt::ControlModifier) << "tap" << waiting.arg("choiceButton1");
    QTest::newRow("drill: 5 is no answer") << "drill" << FocusOn() << int(Qt::Key_5) << none << "tap" << waiting.arg("choiceButton1");
    QTest::newRow("drill: the next button has the focus, Space takes the next question")
        << "drill result" << FocusOn() << int(Qt::Key_Space) << none << "tap" << nextQuestion.arg("choiceButton1");
    QTest::newRow("drill: → takes the next question from a choice button, the focus stays")
        << "drill result" << FocusOn(DrillControl::ChoiceButton3) << int(Qt::Key_Right) << none << "tap" << nextQuestion.arg("choiceButton3");
    QTest::newRow("drill: N takes the next question, the focus back on choice 1")
        << "drill result" << FocusOn() << int(Qt::Key_N) << none << "tap" << nextQuestion.arg("choiceButton1");
    QTest::newRow("drill: N held takes one question")
        << "drill result" << FocusOn() << int(Qt::Key_N) << none << "hold" << nextQuestion.arg("choiceButton1");
    QTest::newRow("drill: N before the result does nothing")
        << "drill answered" << FocusOn() << int(Qt::Key_N) << none << "tap" << rightShown.arg("choiceButton1");
    QTest::newRow("drill: → before the result goes on to the focused button, which passes the focus on")
        << "drill answered" << FocusOn() << int(Qt::Key_Right) << none << "tap" << rightShown.arg("choiceButton2");
    QTest::newRow("drill: Escape goes back to the menu")
        << "drill answered" << FocusOn() << int(Qt::Key_Escape) << none << "tap" << "menu buttons grade 1 focus endButton";

    QTest::newRow("grade: 3 chooses grade 3, highlighted")
        << "grade" << FocusOn() << int(Qt::Key_3) << none << "tap" << "grade 3 mark 3 highlighted 3";
    QTest::newRow("grade: keypad 7 chooses the hardest")
        << "grade" << FocusOn(GradeControl::CancelButton) << int(Qt::Key_7) << keypad << "tap" << "grade 7 mark 7 highlighted 7";
    QTest::newRow("grade: a second digit before cancel does nothing")
        << "grade, 3 chosen" << FocusOn() << int(Qt::Key_5) << none << "tap" << "grade 3 mark 3 highlighted 1";
    QTest::newRow("grade: 8 is no grade") << "grade" << FocusOn() << int(Qt::Key_8) << none << "tap" << "grade 1 mark - highlighted 1";
    QTest::newRow("grade: Return confirms whatever has the focus once a grade is chosen")
        << "grade, 3 chosen" << FocusOn(GradeControl::CancelButton) << int(Qt::Key_Return) << none << "tap" << "menu buttons grade 3 focus endButton";
    QTest::newRow("grade: keypad Enter confirms too")
        << "grade, 3 chosen" << FocusOn(GradeControl::GradeButton6) << int(Qt::Key_Enter) << keypad << "tap"
        << "menu buttons grade 3 focus endButton";
    QTest::newRow("grade: Escape withdraws the choice")
        << "grade, 3 chosen" << FocusOn() << int(Qt::Key_Escape) << none << "tap" << "grade 3 mark - highlighted 1";
    QTest::newRow("grade: Escape with nothing chosen does nothing")
        << "grade" << FocusOn() << int(Qt::Key_Escape) << none << "tap" << "grade 1 mark - highlighted 1";

    QTest::newRow("menu: Escape leaves the explanation")
        << "explanation" << FocusOn() << int(Qt::Key_Escape) << none << "tap" << "menu buttons grade 1 focus explainButton";
    QTest::newRow("menu: Escape in the menu view does nothing")
        << "menu" << FocusOn() << int(Qt::Key_Escape) << none << "tap" << "menu buttons grade 1 focus endButton";
    QTest::newRow("menu: digits do nothing") << "menu" << FocusOn() << int(Qt::Key_2) << none << "tap"
                                             << "menu buttons grade 1 focus endButton";
}

void TestKeys::keyOnScreen()
{
    QFETCH(QString, state);
    QFETCH(FocusOn, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, press);
    QFETCH(QString, after);

    reach(state);
    QVERIFY(ReportedErrors::list().isEmpty());
    if (!std::holds_alternative<std::monostate>(focus)) {
        QWidget *first = std::visit(
            [this](auto control) -> QWidget * {
                if constexpr (std::is_enum_v<decltype(control)>)
                    return shown()->control(control);
                else
                    return nullptr;
            },
            focus);
        QVERIFY2(first, "the control to focus first is not on the screen on show");
        first->setFocus(Qt::TabFocusReason);
    }
    pressKey(key, Qt::KeyboardModifiers(modifiers), press);
    QCOMPARE(seen(), after);
}

void TestKeys::muteAcrossMoves()
{
    const QString muted = QStringLiteral("（消音）");
    auto press = [this](int key) { pressKey(key, Qt::NoModifier); };

    press(Qt::Key_M);
    QCOMPARE(shown()->windowTitle(), QStringLiteral("メニュー") + muted);

    // Into the drill: still muted, and the drill runs as ever, silently.
    shown()->button(MenuControl::DrillButton)->click();
    QCOMPARE(shown()->windowTitle(), QStringLiteral("ドリル") + muted);
    press(Qt::Key_1);
    passTime(1.5f);
    QCOMPARE(m_program->drill().session().score(), qint16(100));
    QCOMPARE(m_sound.played, QStringList());

    // Held down, M toggles once.
    pressKey(Qt::Key_M, Qt::NoModifier, QStringLiteral("hold"));
    QCOMPARE(shown()->windowTitle(), QStringLiteral("ドリル"));
    press(Qt::Key_N);
    press(Qt::Key_1); // question 2 is right with 2
    QCOMPARE(m_sound.names(), QStringList{QStringLiteral("x.wav")});

    // Muting ends the sound still playing; the Grade screen and the way back keep the state.
    const int stopsBefore = m_sound.stops;
    press(Qt::Key_M);
    QCOMPARE(m_sound.stops, stopsBefore + 1);
    shown()->button(DrillControl::SettingsButton)->click();
    QCOMPARE(shown()->windowTitle(), QStringLiteral("ランク") + muted);
    press(Qt::Key_1);
    press(Qt::Key_Return);
    QCOMPARE(shown()->windowTitle(), QStringLiteral("ドリル") + muted);
    press(Qt::Key_1);
    QCOMPARE(m_sound.names(), QStringList{QStringLiteral("x.wav")});
    press(Qt::Key_M);
    QCOMPARE(shown()->windowTitle(), QStringLiteral("ドリル"));
}

BUNPO_TEST_MAIN(TestKeys)
#include "tst_keys.moc"
