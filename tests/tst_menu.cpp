// The Menu screen on real widgets: what it shows when it opens, and the switch between the
// menu view and the explanation view.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/Program.h"
#include "menu/MenuLayout.h"
#include "menu/MenuScreen.h"
#include "support/FakeClock.h"
#include "support/RecordingPictureLoader.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TestMain.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/ScreenWindow.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <functional>

#include <memory>

namespace {

const QStringList controlNames = {QStringLiteral("endButton"), QStringLiteral("drillButton"), QStringLiteral("settingsButton"),
                                  QStringLiteral("explainButton"), QStringLiteral("returnButton"), QStringLiteral("titleLettering"),
                                  QStringLiteral("gradeRangeLettering"), QStringLiteral("explanation")};

// The visible controls, in a fixed order.
QString visibleControls(ScreenWindow *w)
{
    QStringList shown;
    for (const QString &name : controlNames)
        if (w->control(name)->isVisible())
            shown.append(name);
    return shown.join(QLatin1Char(' '));
}

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstSeen();
    void views_data();
    void views();
    void keyboard();
    void focusStaysWhenTheWindowComesBack_data();
    void focusStaysWhenTheWindowComesBack();

private:
    ScreenWindow *menuWindow() { return m_program->menu().window(); }

    QTemporaryDir m_dir;
    FakeClock m_clock;
    ScriptedRandom m_random;
    RecordingSoundPlayer m_sound;
    RecordingPictureLoader m_pictures;
    std::unique_ptr<Program> m_program;
};

void TestMenu::init()
{
    ReportedErrors::list().clear();
    m_program = std::make_unique<Program>(m_dir.path(), m_clock, m_random, m_sound, m_pictures);
    m_program->start();
    QVERIFY(menuWindow());
    QVERIFY(QTest::qWaitForWindowExposed(menuWindow()));
}

void TestMenu::cleanup()
{
    if (m_program) // no window left over for the next test
        m_program->navigator().endProgram();
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ReportedErrors::list().isEmpty());
}

void TestMenu::firstSeen()
{
    ScreenWindow *w = menuWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("メニュー"));
    QCOMPARE(w->size(), QSize(750, 523));
    QCOMPARE(visibleControls(w), QStringLiteral("endButton drillButton settingsButton explainButton titleLettering gradeRangeLettering"));
    QCOMPARE(w->focusWidget(), w->button(QStringLiteral("endButton")));
    QCOMPARE(m_pictures.loaded, QStringList()); // every picture of this screen is built in

    // The four buttons stand in one row along the bottom: explanation, settings, drill, end.
    const QStringList row = {QStringLiteral("explainButton"), QStringLiteral("settingsButton"), QStringLiteral("drillButton"),
                             QStringLiteral("endButton")};
    for (qsizetype i = 1; i < row.size(); ++i)
        QVERIFY(w->button(row[i - 1])->geometry().right() < w->button(row[i])->geometry().left());
    for (const QString &name : row)
        QVERIFY(w->button(name)->geometry().bottom() < 523);

    // The tooltip, with the key that presses the button, and what a screen reader calls it.
    const QList<std::tuple<const char *, const char *, const char *>> tooltips = {
        {"endButton", "Exit", "終了"}, {"drillButton", "Drill", "練習"}, {"settingsButton", "Establish of drill grade", "設定"},
        {"explainButton", "Explanation", "説明"}, {"returnButton", "Return (Esc)", "戻る"}};
    for (const auto &[name, tip, accessibleName] : tooltips) {
        QCOMPARE(w->button(QString::fromLatin1(name))->toolTip(), QString::fromLatin1(tip));
        QCOMPARE(w->button(QString::fromLatin1(name))->accessibleName(), QString::fromUtf8(accessibleName));
    }

    // The images take their pictures' sizes.
    QCOMPARE(w->image(QStringLiteral("titleLettering"))->size(), QSize(660, 58));
    QCOMPARE(w->image(QStringLiteral("gradeRangeLettering"))->size(), QSize(167, 60));
    QCOMPARE(w->image(QStringLiteral("explanation"))->size(), QSize(523, 468));

    // Tab order endButton to returnButton; the hidden returnButton is passed over.
    QStringList order;
    QWidget *at = w->focusWidget();
    for (int i = 0; i < 5; ++i) {
        order.append(at->objectName());
        do
            at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisibleTo(w) || at == w);
    }
    QCOMPARE(order.join(QLatin1Char(' ')), QStringLiteral("endButton drillButton settingsButton explainButton endButton"));
}

void TestMenu::views_data()
{
    // Clicks on explainButton ("e") and returnButton ("r"); after each: the visible controls and the
    // one holding the keyboard focus.
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QStringList>("after");

    const QString menuView = QStringLiteral("endButton drillButton settingsButton explainButton titleLettering gradeRangeLettering");
    const QString explanationView = QStringLiteral("returnButton titleLettering gradeRangeLettering explanation");
    QTest::newRow("explanation") << "e" << QStringList{explanationView + QStringLiteral(" | returnButton")};
    QTest::newRow("explanation and back") << "er"
        << QStringList{explanationView + QStringLiteral(" | returnButton"), menuView + QStringLiteral(" | explainButton")};
    QTest::newRow("back and forth again") << "erere"
        << QStringList{explanationView + QStringLiteral(" | returnButton"), menuView + QStringLiteral(" | explainButton"),
                       explanationView + QStringLiteral(" | returnButton"), menuView + QStringLiteral(" | explainButton"),
                       explanationView + QStringLiteral(" | returnButton")};
}

void TestMenu::views()
{
    QFETCH(QString, clicks);
    QFETCH(QStringList, after);

    ScreenWindow *w = menuWindow();
    const QRect titleArea = w->image(QStringLiteral("titleLettering"))->geometry();
    for (qsizetype i = 0; i < clicks.size(); ++i) {
        QTest::mouseClick(w->button(clicks[i] == QLatin1Char('e') ? MenuControl::ExplainButton : MenuControl::ReturnButton), Qt::LeftButton);
        QCOMPARE(menuWindow(), w); // the screen stays
        const QString seen = visibleControls(w) + QStringLiteral(" | ") + w->focusWidget()->objectName();
        QVERIFY2(seen == after[i], qPrintable(QStringLiteral("click %1: got \"%2\"").arg(i + 1).arg(seen)));

        // The explanation lies over the title lettering; its return button over it.
        const bool explaining = w->image(QStringLiteral("explanation"))->isVisible();
        QCOMPARE(w->childAt(titleArea.center())->objectName(), explaining ? QStringLiteral("explanation") : QStringLiteral("titleLettering"));
        if (explaining)
            QCOMPARE(w->childAt(w->button(QStringLiteral("returnButton"))->geometry().center()), w->button(QStringLiteral("returnButton")));
    }
    QCOMPARE(m_program->state().gradeReturnsTo, ScreenId::Menu);
    QCOMPARE(m_program->state().selectedGrade, qint16(1));
    QVERIFY(!m_program->navigator().hasEnded());
}

// The explanation opened and closed from the keyboard alone: Tab to the button, then Return
// or Enter, the keys a desktop user presses on a focused button.
void TestMenu::keyboard()
{
    ScreenWindow *w = menuWindow();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("explainButton"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(w->image(QStringLiteral("explanation"))->isVisible());
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("returnButton"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Enter);
    QTRY_VERIFY(!w->image(QStringLiteral("explanation"))->isVisible());
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("explainButton"));
}

void TestMenu::focusStaysWhenTheWindowComesBack_data()
{
    QTest::addColumn<std::function<void(QWidget *)>>("away"); // the window goes and comes back

    QTest::newRow("minimised and restored") << std::function<void(QWidget *)>([](QWidget *w) {
        w->showMinimized();
        QCoreApplication::processEvents();
        w->showNormal();
    });
    QTest::newRow("hidden and shown again") << std::function<void(QWidget *)>([](QWidget *w) {
        w->hide();
        QCoreApplication::processEvents();
        w->show();
    });
    // What a switch of workspace sends: the window system shows the window again.
    QTest::newRow("shown again by the window system") << std::function<void(QWidget *)>([](QWidget *w) {
        QShowEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::sendEvent(w, &event);
    });
}

// The initial focus is set once, when the screen opens: a window that comes back keeps the
// control the user moved to, so the next Space or Return does not end the program.
void TestMenu::focusStaysWhenTheWindowComesBack()
{
    QFETCH(std::function<void(QWidget *)>, away);

    ScreenWindow *w = menuWindow();
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("endButton"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("settingsButton"));

    away(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("settingsButton"));
}

BUNPO_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
