// The whole program's way between its screens, on real widgets over a small data folder: which
// screen is on show and what the shared state holds after every click, and which grade a
// showing of the Drill screen loads.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/Program.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/DrillScreen.h"
#include "screens/grade/GradeLayout.h"
#include "screens/grade/GradeScreen.h"
#include "screens/menu/MenuLayout.h"
#include "screens/menu/MenuScreen.h"
#include "support/FakeClock.h"
#include "support/RecordingPictureLoader.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/SystemInput.h"
#include "support/TestMain.h"
#include "widgets/PictureButton.h"
#include "widgets/ScreenWindow.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char *const gradeCodes[] = {"g4_1", "g4_2", "g4_3", "g3_1", "g3_2", "g3_3", "g3_4"};

void writePicture(const QString &path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QVERIFY2(image.save(path, "PNG"), qPrintable(path)); // under a .gif name: the loader goes by content
}

// Every grade with a bank of four questions whose right choice is 1, its title and the
// fourteen grade-button pictures.
void writeDataFolder(const QString &base)
{
    QDir dir(base);
    for (const char *folder : {"answer", "title"})
        QVERIFY(dir.mkpath(QString::fromLatin1(folder)));
    for (const char *code : gradeCodes) {
        const QString c = QString::fromLatin1(code);
        QVERIFY(dir.mkpath(QStringLiteral("question/") + c));
        QVERIFY(dir.mkpath(QStringLiteral("choices/") + c));
        QFile answers(base + QStringLiteral("/answer/") + c + QStringLiteral(".ans"));
        QVERIFY(answers.open(QIODevice::WriteOnly));
        answers.write("4\r\n1\r\n1\r\n1\r\n1\r\n");
        answers.close();
        writePicture(base + QStringLiteral("/title/") + c + QStringLiteral(".gif"), QSize(327, 37));
        for (int n = 1; n <= 4; ++n) {
            writePicture(base + QStringLiteral("/question/%1/q%2.gif").arg(c).arg(n), QSize(578, 57));
            writePicture(base + QStringLiteral("/choices/%1/a%2.gif").arg(c).arg(n), QSize(578, 113));
        }
    }
    for (int n = 1; n <= 7; ++n) {
        writePicture(base + QStringLiteral("/title/r%1.gif").arg(n), QSize(163, 51));
        writePicture(base + QStringLiteral("/title/r%1b.gif").arg(n), QSize(163, 51));
    }
}

// The button a click token ("menu:explain", "grade:3") names on the window of that screen;
// null when the window is another screen's.
PictureButton *buttonFor(ScreenWindow *w, const QString &token)
{
    const QString place = token.section(QLatin1Char(':'), 0, 0);
    const QString what = token.section(QLatin1Char(':'), 1);
    if (place == QLatin1String("menu"))
        return w->button(what == QLatin1String("exit")      ? MenuControl::EndButton
                         : what == QLatin1String("drill")   ? MenuControl::DrillButton
                         : what == QLatin1String("explain") ? MenuControl::ExplainButton
                         : what == QLatin1String("return")  ? MenuControl::ReturnButton
                                                            : MenuControl::SettingsButton);
    if (place == QLatin1String("drill"))
        return w->button(what == QLatin1String("grade")  ? DrillControl::SettingsButton
                         : what == QLatin1String("menu") ? DrillControl::ReturnButton
                         : what == QLatin1String("exit") ? DrillControl::EndButton
                                                         : DrillControl::ChoiceButton1); // "answer": the right choice
    return what == QLatin1String("ok") ? w->button(GradeControl::ConfirmButton)
                                       : w->button(GradeLayout::gradeButton(what.toInt()));
}

} // namespace

class TestFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void moves_data();
    void moves();
    void doubleClicks_data();
    void doubleClicks();
    void windowsAreCentred_data();
    void windowsAreCentred();
    void cleanup();

private:
    // One click (or close) on the screen on show.
    void act(const QString &token);
    // "drill g3_2 0 | grade 5, returns to drill, visited 1": the screen on show, for the Drill screen
    // the grade whose title this step loaded ("-" for none) and the score, then the shared state.
    QString describe(const QStringList &titlesRead);

    QTemporaryDir m_dir;
    FakeClock m_clock;
    ScriptedRandom m_random;
    RecordingSoundPlayer m_sound;
    RecordingPictureLoader m_pictures;
    std::unique_ptr<Program> m_program;
};

void TestFlow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    writeDataFolder(m_dir.path());
}

void TestFlow::act(const QString &token)
{
    Navigator &navigator = m_program->navigator();
    ScreenWindow *w = navigator.current() ? navigator.current()->window() : nullptr;
    QVERIFY2(w, qPrintable(QStringLiteral("no screen on show for ") + token));
    const QString place = token.section(QLatin1Char(':'), 0, 0);
    const QString expectedPlace = navigator.currentId() == ScreenId::Menu    ? QStringLiteral("menu")
                                  : navigator.currentId() == ScreenId::Drill ? QStringLiteral("drill")
                                                                             : QStringLiteral("grade");
    if (token == QLatin1String("close")) {
        w->close();
        return;
    }
    QCOMPARE(place, expectedPlace);

    PictureButton *button = buttonFor(w, token);
    QVERIFY2(button, qPrintable(token));
    QVERIFY2(QTest::qWaitForWindowExposed(w), qPrintable(token));
    QTest::mouseClick(button, Qt::LeftButton);
}

QString TestFlow::describe(const QStringList &titlesRead)
{
    Navigator &navigator = m_program->navigator();
    const SharedState &state = m_program->state();
    QString screen;
    if (navigator.hasEnded()) {
        screen = QStringLiteral("end");
    } else if (navigator.currentId() == ScreenId::Menu) {
        screen = QStringLiteral("menu");
    } else if (navigator.currentId() == ScreenId::Grade) {
        screen = QStringLiteral("grade");
    } else {
        static const QRegularExpression title(QStringLiteral("^title/(g\\d_\\d)\\.gif$"));
        QStringList codes;
        for (const QString &file : titlesRead)
            if (const auto match = title.match(file); match.hasMatch())
                codes.append(match.captured(1));
        screen = QStringLiteral("drill %1 %2")
                     .arg(codes.isEmpty() ? QStringLiteral("-") : codes.join(QLatin1Char(',')))
                     .arg(m_program->drill().session().score());
    }
    return QStringLiteral("%1 | grade %2, returns to %3, visited %4")
        .arg(screen)
        .arg(state.selectedGrade)
        .arg(state.gradeReturnsTo == ScreenId::Menu ? QStringLiteral("menu") : QStringLiteral("drill"))
        .arg(int(state.gradeVisited));
}

void TestFlow::moves_data()
{
    // Clicks: menu:exit|drill|grade|explain, drill:grade|menu|exit|answer (the right choice),
    // grade:N|ok; "close" closes the window on show. After each: see describe().
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QStringList>("after");

    auto path = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
    auto after = [](std::initializer_list<const char *> steps) {
        QStringList list;
        for (const char *s : steps)
            list.append(QString::fromUtf8(s));
        return list;
    };

    QTest::newRow("start-up, the first drill of a run uses grade 1") << path("menu:drill")
        << after({"drill g4_1 0 | grade 1, returns to drill, visited 1"});
    QTest::newRow("back from the drill keeps the drilled grade")
        << path("menu:grade grade:5 grade:ok menu:drill drill:menu")
        << after({"grade | grade 1, returns to menu, visited 1", "grade | grade 5, returns to menu, visited 1",
                  "menu | grade 5, returns to menu, visited 1", "drill g3_2 0 | grade 5, returns to drill, visited 1",
                  "menu | grade 5, returns to menu, visited 1"});
    QTest::newRow("a grade chosen from the menu survives the return")
        << path("menu:grade grade:4 grade:ok menu:drill")
        << after({"grade | grade 1, returns to menu, visited 1", "grade | grade 4, returns to menu, visited 1",
                  "menu | grade 4, returns to menu, visited 1", "drill g3_1 0 | grade 4, returns to drill, visited 1"});
    QTest::newRow("drill, grade, confirm: the drill again at 0 on the new grade")
        << path("menu:drill drill:answer drill:grade grade:6 grade:ok")
        << after({"drill g4_1 0 | grade 1, returns to drill, visited 1", "drill - 100 | grade 1, returns to drill, visited 1",
                  "grade | grade 1, returns to drill, visited 1", "grade | grade 6, returns to drill, visited 1",
                  "drill g3_3 0 | grade 6, returns to drill, visited 1"});
    QTest::newRow("the same grade confirmed reloads the drill too")
        << path("menu:drill drill:answer drill:grade grade:1 grade:ok")
        << after({"drill g4_1 0 | grade 1, returns to drill, visited 1", "drill - 100 | grade 1, returns to drill, visited 1",
                  "grade | grade 1, returns to drill, visited 1", "grade | grade 1, returns to drill, visited 1",
                  "drill g4_1 0 | grade 1, returns to drill, visited 1"});
    QTest::newRow("drill, menu, grade, confirm: back to the menu")
        << path("menu:drill drill:menu menu:grade grade:2 grade:ok")
        << after({"drill g4_1 0 | grade 1, returns to drill, visited 1", "menu | grade 1, returns to menu, visited 1",
                  "grade | grade 1, returns to menu, visited 1", "grade | grade 2, returns to menu, visited 1",
                  "menu | grade 2, returns to menu, visited 1"});
    QTest::newRow("grade from the drill, twice over")
        << path("menu:drill drill:grade grade:3 grade:ok drill:grade grade:7 grade:ok drill:menu")
        << after({"drill g4_1 0 | grade 1, returns to drill, visited 1", "grade | grade 1, returns to drill, visited 1",
                  "grade | grade 3, returns to drill, visited 1", "drill g4_3 0 | grade 3, returns to drill, visited 1",
                  "grade | grade 3, returns to drill, visited 1", "grade | grade 7, returns to drill, visited 1",
                  "drill g3_4 0 | grade 7, returns to drill, visited 1", "menu | grade 7, returns to menu, visited 1"});
    QTest::newRow("menu exit") << path("menu:exit") << after({"end | grade 1, returns to menu, visited 0"});
    QTest::newRow("drill exit") << path("menu:drill drill:exit")
        << after({"drill g4_1 0 | grade 1, returns to drill, visited 1", "end | grade 1, returns to drill, visited 1"});
    QTest::newRow("close box of the menu") << path("close") << after({"end | grade 1, returns to menu, visited 0"});
    QTest::newRow("close box of the drill") << path("menu:drill close")
        << after({"drill g4_1 0 | grade 1, returns to drill, visited 1", "end | grade 1, returns to drill, visited 1"});
    QTest::newRow("close box of the grade screen, a grade chosen") << path("menu:grade grade:3 close")
        << after({"grade | grade 1, returns to menu, visited 1", "grade | grade 3, returns to menu, visited 1",
                  "end | grade 3, returns to menu, visited 1"});
}

void TestFlow::moves()
{
    QFETCH(QStringList, path);
    QFETCH(QStringList, after);
    QCOMPARE(path.size(), after.size());

    ReportedErrors::list().clear();
    m_program = std::make_unique<Program>(m_dir.path(), m_clock, m_random, m_sound, m_pictures);
    QSignalSpy ended(&m_program->navigator(), &Navigator::programEnded);
    m_program->start();
    QCOMPARE(m_program->navigator().currentId(), ScreenId::Menu);
    QVERIFY(m_program->menu().window()->isVisible());

    for (qsizetype i = 0; i < path.size(); ++i) {
        m_pictures.loaded.clear();
        act(path[i]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString seen = describe(m_pictures.relative(m_dir.path()));
        QVERIFY2(seen == after[i], qPrintable(QStringLiteral("step %1 (%2): got \"%3\", expected \"%4\"")
                                                  .arg(i + 1).arg(path[i], seen, after[i])));
        if (!ReportedErrors::list().isEmpty())
            QFAIL(qPrintable(ReportedErrors::list().first().message()));

        // Exactly one screen loaded and on show until the end, none after it.
        Navigator &navigator = m_program->navigator();
        const Screen *screens[] = {&m_program->menu(), &m_program->drill(), &m_program->grade()};
        int loaded = 0;
        for (const Screen *screen : screens) {
            if (screen->isLoaded()) {
                ++loaded;
                QCOMPARE(screen, navigator.current());
                QVERIFY(screen->window()->isVisible());
            }
        }
        QCOMPARE(loaded, navigator.hasEnded() ? 0 : 1);
        QCOMPARE(ended.count(), navigator.hasEnded() ? 1 : 0);
    }
    // Nothing is left on screen once the program has ended.
    if (m_program->navigator().hasEnded()) {
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
}

void TestFlow::doubleClicks_data()
{
    // After the clicks of `path` (as in moves()), a double click on the button of the screen on
    // show that `button` names as a click of `path` would, `at` pixels from its top-left corner;
    // then the screen and state as describe() has them.
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("after");

    // The first click changes the view or the screen, and another button lies where the second lands.
    QTest::newRow("return from the explanation, over the settings button")
        << QStringList{"menu:explain"} << "menu:return" << QPoint(10, 20) << "menu | grade 1, returns to menu, visited 0";
    QTest::newRow("return from the explanation, over the drill button")
        << QStringList{"menu:explain"} << "menu:return" << QPoint(110, 20) << "menu | grade 1, returns to menu, visited 0";
    QTest::newRow("decision on a grade screen opened from the menu")
        << QStringList{"menu:grade", "grade:3"} << "grade:ok" << QPoint(44, 14) << "menu | grade 3, returns to menu, visited 1";
    QTest::newRow("lower left of the drill's settings button")
        << QStringList{"menu:drill"} << "drill:grade" << QPoint(2, 26) << "grade | grade 1, returns to drill, visited 1";
    // The same button under both presses takes both.
    QTest::newRow("a grade button") << QStringList{"menu:grade"} << "grade:3" << QPoint(80, 25)
                                    << "grade | grade 3, returns to menu, visited 1";
}

void TestFlow::doubleClicks()
{
    QFETCH(QStringList, path);
    QFETCH(QString, button);
    QFETCH(QPoint, at);
    QFETCH(QString, after);

    ReportedErrors::list().clear();
    m_program = std::make_unique<Program>(m_dir.path(), m_clock, m_random, m_sound, m_pictures);
    m_program->start();
    for (const QString &token : path) {
        act(token);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Navigator &navigator = m_program->navigator();
    ScreenWindow *first = navigator.current()->window();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    PictureButton *target = buttonFor(first, button);
    QVERIFY2(target, qPrintable(button));
    const QPoint global = target->mapToGlobal(at);

    auto windowOnShow = [&navigator]() -> QWindow * {
        return navigator.current() ? navigator.current()->window()->windowHandle() : nullptr;
    };
    SystemInput::doubleClick(windowOnShow, global);

    QCOMPARE(describe({}), after);
    // The case holds only if the second press found a button under the pointer.
    ScreenWindow *now = navigator.current()->window();
    QVERIFY(qobject_cast<PictureButton *>(now->childAt(now->mapFromGlobal(global))));
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestFlow::windowsAreCentred_data()
{
    QTest::addColumn<QStringList>("path"); // clicks that open the screen, as in moves()
    QTest::newRow("menu") << QStringList{};
    QTest::newRow("drill") << QStringList{"menu:drill"};
    QTest::newRow("grade") << QStringList{"menu:grade"};
    QTest::newRow("menu again") << QStringList{"menu:grade", "grade:2", "grade:ok"};
}

// The whole window, its frame included, stands in the middle of the screen's free area, to
// the pixel: the two gaps on either side differ by the odd pixel at most.
void TestFlow::windowsAreCentred()
{
    QFETCH(QStringList, path);

    ReportedErrors::list().clear();
    m_program = std::make_unique<Program>(m_dir.path(), m_clock, m_random, m_sound, m_pictures);
    m_program->start();
    for (const QString &token : path) {
        act(token);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ScreenWindow *w = m_program->navigator().current()->window();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCoreApplication::processEvents();
    const QRect area = w->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    const int left = frame.left() - area.left(), right = area.right() - frame.right();
    const int top = frame.top() - area.top(), bottom = area.bottom() - frame.bottom();
    QVERIFY2(qAbs(left - right) <= 1 && qAbs(top - bottom) <= 1,
             qPrintable(QStringLiteral("gaps left %1, right %2, top %3, bottom %4").arg(left).arg(right).arg(top).arg(bottom)));
}

void TestFlow::cleanup()
{
    if (m_program) // the next row starts with no window left over, also after a failure
        m_program->navigator().endProgram();
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BUNPO_TEST_MAIN(TestFlow)
#include "tst_flow.moc"
