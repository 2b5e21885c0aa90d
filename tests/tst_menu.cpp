// The Menu screen on real widgets: what it shows when it opens, the switch between the menu
// view and the explanation view, and the explanation's two languages as a screen reader and
// a sighted learner meet them.
#define QTEST_QPA_MOUSE_HANDLING

#include "app/Program.h"
#include "screens/menu/MenuLayout.h"
#include "screens/menu/MenuScreen.h"
#include "support/FakeClock.h"
#include "support/RecordingPictureLoader.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TestMain.h"
#include "widgets/BuiltinPicture.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/ScreenWindow.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <functional>

#include <memory>

namespace {

const MenuControl allControls[] = {MenuControl::EndButton,      MenuControl::DrillButton,    MenuControl::SettingsButton,
                                   MenuControl::ExplainButton,  MenuControl::ReturnButton,   MenuControl::TitleLettering,
                                   MenuControl::GradeRangeLettering, MenuControl::Explanation};

// The names of the visible controls, in a fixed order.
QString visibleControls(ScreenWindow *w)
{
    QStringList shown;
    for (const MenuControl key : allControls)
        if (w->control(key)->isVisible())
            shown.append(w->control(key)->objectName());
    return shown.join(QLatin1Char(' '));
}

// What a screen reader is given for the control: its name and description.
QString heard(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) + QStringLiteral(" | ") + face->text(QAccessible::Description) : QString();
}

// The explanation as its text file in the source tree gives it, its lines joined.
QString fileText(const QString &language)
{
    QFile file(QStringLiteral(BUNPO_SOURCE_DIR "/src/screens/menu/explanation-%1.txt").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

// What the return button tells in the view of that language: its text, then the other's.
QString explanationText(const QString &language)
{
    if (language == QLatin1String("ja"))
        return fileText(QStringLiteral("ja")) + QStringLiteral(" In English: ") + fileText(QStringLiteral("en"));
    return fileText(QStringLiteral("en")) + QStringLiteral(" 日本語で： ") + fileText(QStringLiteral("ja"));
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
    void explanationLanguages_data();
    void explanationLanguages();
    void explanationHeardAsTheFocusLands_data();
    void explanationHeardAsTheFocusLands();

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
    QCOMPARE(w->focusWidget(), w->button(MenuControl::EndButton));
    QCOMPARE(m_pictures.loaded, QStringList()); // every picture of this screen is built in

    // The four buttons stand in one row along the bottom: explanation, settings, drill, end.
    const MenuControl row[] = {MenuControl::ExplainButton, MenuControl::SettingsButton, MenuControl::DrillButton,
                               MenuControl::EndButton};
    for (std::size_t i = 1; i < std::size(row); ++i)
        QVERIFY(w->button(row[i - 1])->geometry().right() < w->button(row[i])->geometry().left());
    for (const MenuControl key : row)
        QVERIFY(w->button(key)->geometry().bottom() < 523);

    // The tooltip, with the key that presses the button, and what a screen reader calls it.
    const QList<std::tuple<MenuControl, const char *, const char *>> tooltips = {
        {MenuControl::EndButton, "Exit", "終了"},
        {MenuControl::DrillButton, "Drill", "練習"},
        {MenuControl::SettingsButton, "Establish of drill grade", "設定"},
        {MenuControl::ExplainButton, "Explanation", "説明"},
        {MenuControl::ReturnButton, "Return (Esc)", "戻る"}};
    for (const auto &[key, tip, accessibleName] : tooltips) {
        QCOMPARE(w->button(key)->toolTip(), QString::fromLatin1(tip));
        QCOMPARE(w->button(key)->accessibleName(), QString::fromUtf8(accessibleName));
    }

    // The images take their pictures' sizes.
    QCOMPARE(w->image(MenuControl::TitleLettering)->size(), QSize(660, 58));
    QCOMPARE(w->image(MenuControl::GradeRangeLettering)->size(), QSize(167, 60));
    QCOMPARE(w->image(MenuControl::Explanation)->size(), QSize(523, 468));

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
    const QRect titleArea = w->image(MenuControl::TitleLettering)->geometry();
    for (qsizetype i = 0; i < clicks.size(); ++i) {
        QTest::mouseClick(w->button(clicks[i] == QLatin1Char('e') ? MenuControl::ExplainButton : MenuControl::ReturnButton), Qt::LeftButton);
        QCOMPARE(menuWindow(), w); // the screen stays
        const QString seen = visibleControls(w) + QStringLiteral(" | ") + w->focusWidget()->objectName();
        QVERIFY2(seen == after[i], qPrintable(QStringLiteral("click %1: got \"%2\"").arg(i + 1).arg(seen)));

        // The explanation lies over the title lettering; its return button over it.
        const bool explaining = w->image(MenuControl::Explanation)->isVisible();
        QCOMPARE(w->childAt(titleArea.center())->objectName(), explaining ? QStringLiteral("explanation") : QStringLiteral("titleLettering"));
        if (explaining)
            QCOMPARE(w->childAt(w->button(MenuControl::ReturnButton)->geometry().center()), w->button(MenuControl::ReturnButton));
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
    QTRY_VERIFY(w->image(MenuControl::Explanation)->isVisible());
    QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("returnButton"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Enter);
    QTRY_VERIFY(!w->image(MenuControl::Explanation)->isVisible());
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

void TestMenu::explanationLanguages_data()
{
    // Steps: o opens the explanation (its button), e presses E, c clicks the picture, r the
    // return button, x presses Escape. After each: the language on show, or "-" for the menu view.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("after");

    QTest::newRow("opens in Japanese") << "o" << "ja";
    QTest::newRow("E to English and back") << "oee" << "ja en ja";
    QTest::newRow("a click to English and back") << "occ" << "ja en ja";
    QTest::newRow("E, then a click back") << "oec" << "ja en ja";
    QTest::newRow("each opening in Japanese") << "oeroc" << "ja en - ja en";
    QTest::newRow("after Escape too") << "ocxo" << "ja en - ja";
    QTest::newRow("E does nothing in the menu view") << "eoxe" << "- ja - -";
}

// What a learner sees and a screen reader is given in each language: the picture and its
// tooltip, and on the return button, which holds the focus, the text of the picture.
void TestMenu::explanationLanguages()
{
    QFETCH(QString, steps);
    QFETCH(QString, after);

    ScreenWindow *w = menuWindow();
    PictureLabel *picture = w->image(MenuControl::Explanation);
    PictureButton *returnButton = w->button(MenuControl::ReturnButton);
    const QStringList expected = after.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        switch (steps[i].toLatin1()) {
        case 'o': QTest::mouseClick(w->button(MenuControl::ExplainButton), Qt::LeftButton); break;
        case 'e': QTest::keyClick(w->focusWidget(), Qt::Key_E); break;
        case 'c': QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(200, 120)); break;
        case 'r': QTest::mouseClick(returnButton, Qt::LeftButton); break;
        case 'x': QTest::keyClick(w->focusWidget(), Qt::Key_Escape); break;
        }
        const QString step = QStringLiteral("step %1 (%2)").arg(i + 1).arg(steps[i]);
        if (expected[i] == QLatin1String("-")) {
            QVERIFY2(!picture->isVisible(), qPrintable(step));
            QVERIFY2(w->button(MenuControl::ExplainButton)->isVisible(), qPrintable(step));
            continue;
        }
        const bool japanese = expected[i] == QLatin1String("ja");
        QVERIFY2(picture->isVisible(), qPrintable(step));
        const QImage shown = picture->picture().toImage();
        const QImage designed = BuiltinPicture::load(japanese ? QStringLiteral(":/pictures/menu/explanation.bmp")
                                                                      : QStringLiteral(":/pictures/menu/explanation-en.bmp"),
                                                             w->devicePixelRatioF()).toImage();
        QVERIFY2(shown == designed, qPrintable(step));
        QCOMPARE(picture->size(), QSize(523, 468));
        QCOMPARE(picture->toolTip(), japanese ? QStringLiteral("English: E or click") : QStringLiteral("Japanese: E or click"));
        QCOMPARE(w->focusWidget(), returnButton);
        QCOMPARE(heard(returnButton), QStringLiteral("戻る | ") + explanationText(expected[i]));
    }
    // The menu buttons stay as they were: no control was added.
    QCOMPARE(w->findChildren<QAbstractButton *>().size(), 5);
}

void TestMenu::explanationHeardAsTheFocusLands_data()
{
    QTest::addColumn<bool>("byKeys"); // Tab to the explanation button and Return; else a click
    QTest::addColumn<bool>("englishBefore"); // the last opening was left in English

    QTest::newRow("by keys") << true << false;
    QTest::newRow("by a click") << false << false;
    QTest::newRow("by keys, left in English before") << true << true;
    QTest::newRow("by a click, left in English before") << false << true;
}

// A screen reader speaks what the control carries when the focus lands on it: the Japanese
// text is on the return button by then, never the text of the opening before.
void TestMenu::explanationHeardAsTheFocusLands()
{
    QFETCH(bool, byKeys);
    QFETCH(bool, englishBefore);

    ScreenWindow *w = menuWindow();
    if (englishBefore) {
        QTest::mouseClick(w->button(MenuControl::ExplainButton), Qt::LeftButton);
        QTest::keyClick(w->focusWidget(), Qt::Key_E);
        QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("explainButton"));
    }

    QStringList landed;
    const QMetaObject::Connection watch = connect(qApp, &QApplication::focusChanged, this, [&](QWidget *, QWidget *now) {
        if (now)
            landed.append(now->objectName() + QStringLiteral(": ") + heard(now));
    });
    if (byKeys) {
        while (w->focusWidget() != w->button(MenuControl::ExplainButton))
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        landed.clear();
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    } else {
        QTest::mouseClick(w->button(MenuControl::ExplainButton), Qt::LeftButton);
    }
    disconnect(watch);
    QVERIFY2(!landed.isEmpty(), "the focus did not move");
    QCOMPARE(landed.last(), QStringLiteral("returnButton: 戻る | ") + explanationText(QStringLiteral("ja")));
}

BUNPO_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
