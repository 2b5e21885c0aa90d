// The Grade screen on real widgets: what it shows when it opens, the highlight that follows
// the pointer (with the files read at every change), choosing, withdrawing and confirming a
// grade, and a missing or broken button picture.

// Mouse events go through the window system layer, as a real pointer's do: the widget under
// the pointer is found by Qt itself, and a click at a new place moves the pointer there first.
#define QTEST_QPA_MOUSE_HANDLING
#include "app/Program.h"
#include "screens/grade/GradeLayout.h"
#include "screens/grade/GradeScreen.h"
#include "screens/menu/MenuLayout.h"
#include "screens/menu/MenuScreen.h"
#include "support/FakeClock.h"
#include "support/RecordingPictureLoader.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "support/TestMain.h"
#include "widgets/BuiltinPicture.h"
#include "widgets/BuiltinPictures.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/ScreenWindow.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(RuntimeError::Kind)

namespace {

// The fixture's button pictures are flat colours that name themselves: plain picture n is
// (100, 0, n), highlighted picture n is (0, 200, n). PNG content under .gif names: the loader
// goes by content.
QRgb plainColour(int n) { return qRgb(100, 0, n); }
QRgb highlightedColour(int n) { return qRgb(0, 200, n); }

void writePicture(const QString &path, QRgb colour)
{
    QImage image(163, 51, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}

// A data folder holding the fourteen grade-button pictures, less those named in `missing`
// ("r1b.gif"); those named in `broken` hold text instead of a picture.
void writeButtonPictures(const QString &base, const QStringList &missing = {}, const QStringList &broken = {})
{
    QVERIFY(QDir(base).mkpath(QStringLiteral("title")));
    for (int n = 1; n <= 7; ++n) {
        for (bool highlighted : {false, true}) {
            const QString name = QStringLiteral("r%1%2.gif").arg(n).arg(highlighted ? "" : "b");
            const QString path = base + QStringLiteral("/title/") + name;
            if (missing.contains(name))
                continue;
            if (broken.contains(name)) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("not a picture\n");
                continue;
            }
            writePicture(path, highlighted ? highlightedColour(n) : plainColour(n));
        }
    }
}

// One letter per grade button 1..7: '.' its built-in picture, 'p' its plain picture,
// 'H' its highlighted picture, '?' anything else.
QString picturesShown(ScreenWindow *w)
{
    QString shown;
    for (int n = 1; n <= 7; ++n) {
        const QImage face = w->button(GradeLayout::gradeButton(n))->picture().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb corner = face.isNull() ? 0 : face.pixel(0, 0);
        if (face.size() == QSize(163, 51) && corner == plainColour(n))
            shown += QLatin1Char('p');
        else if (face.size() == QSize(163, 51) && corner == highlightedColour(n))
            shown += QLatin1Char('H');
        else if (face == BuiltinPicture::load(Builtin::gradeButton(n)).toImage().convertToFormat(QImage::Format_RGB32))
            shown += QLatin1Char('.');
        else
            shown += QLatin1Char('?');
    }
    return shown;
}

// "3" for the one visible selection mark, "-" for none, "3,5" for several.
QString marksShown(ScreenWindow *w)
{
    QStringList shown;
    for (int n = 1; n <= 7; ++n)
        if (w->image(GradeLayout::selectionMark(n))->isVisible())
            shown.append(QString::number(n));
    return shown.isEmpty() ? QStringLiteral("-") : shown.join(QLatin1Char(','));
}

QString screenName(Navigator &navigator)
{
    if (navigator.hasEnded())
        return QStringLiteral("end");
    switch (navigator.currentId()) {
    case ScreenId::Menu: return QStringLiteral("menu");
    case ScreenId::Drill: return QStringLiteral("drill");
    case ScreenId::Grade: return QStringLiteral("grade");
    }
    return {};
}

// Lets deferred deletes of unloaded windows run.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestGrade : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstSeen();
    void highlight_data();
    void highlight();
    void pointerOverShownMarkOrHintIsNotBackground();
    void chooseCancelConfirm_data();
    void chooseCancelConfirm();
    void brokenButtonPicture_data();
    void brokenButtonPicture();
    void chosenGradeTakesTheFocus_data();
    void chosenGradeTakesTheFocus();

private:
    // Starts the program on the fixture folder and opens the Grade screen from the Menu.
    void openFromMenu();
    ScreenWindow *gradeWindow() { return m_program->grade().window(); }
    // Moves the pointer to, or acts on, one named place of the Grade screen (see highlight_data).
    void step(const QString &token);
    QPoint placeOf(const QString &token, QWidget **widget);

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeClock m_clock;
    ScriptedRandom m_random;
    RecordingSoundPlayer m_sound;
    RecordingPictureLoader m_pictures;
    std::unique_ptr<Program> m_program;
};

void TestGrade::init()
{
    ReportedErrors::list().clear();
    m_pictures.loaded.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestGrade::cleanup()
{
    if (m_program) // no window left over for the next test
        m_program->navigator().endProgram();
    m_program.reset();
    settle();
    m_dir.reset();
}

void TestGrade::openFromMenu()
{
    m_program = std::make_unique<Program>(m_dir->path(), m_clock, m_random, m_sound, m_pictures);
    m_program->start();
    ScreenWindow *menu = m_program->menu().window();
    QVERIFY(menu);
    QTest::mouseClick(menu->button(MenuControl::SettingsButton), Qt::LeftButton);
    settle();
    QCOMPARE(screenName(m_program->navigator()), QStringLiteral("grade"));
    QVERIFY(QTest::qWaitForWindowExposed(gradeWindow()));
    QVERIFY(ReportedErrors::list().isEmpty());
    QCOMPARE(m_pictures.loaded, QStringList()); // nothing is read at load
}

QPoint TestGrade::placeOf(const QString &token, QWidget **widget)
{
    ScreenWindow *w = gradeWindow();
    if (token.size() == 2 && token[0] == QLatin1Char('b') && token[1].isDigit()) { // bN: the middle of grade button N
        *widget = w->button(GradeLayout::gradeButton(token.mid(1).toInt()));
        return (*widget)->rect().center();
    }
    if (token.size() == 3 && token.startsWith(QLatin1String("b")) && token.endsWith(QLatin1Char('+'))) {
        *widget = w->button(GradeLayout::gradeButton(token.mid(1, 1).toInt()));
        return QPoint(8, 6); // bN+: another point within grade button N
    }
    if (token.startsWith(QLatin1String("mark"))) { // the place of selection mark N, shown or not
        QWidget *mark = w->image(GradeLayout::selectionMark(token.mid(4).toInt()));
        *widget = w;
        return mark->geometry().center();
    }
    *widget = w;
    if (token == QLatin1String("bg"))
        return QPoint(10, 10); // bare ladder margin, top left
    if (token == QLatin1String("bg2"))
        return QPoint(272, 200); // bare margin right of the arrow
    if (token == QLatin1String("gap"))
        return QPoint(150, 73); // the one row between grade buttons 7 and 6
    if (token == QLatin1String("ok"))
        return w->button(GradeControl::ConfirmButton)->geometry().center();
    if (token == QLatin1String("cancel"))
        return w->button(GradeControl::CancelButton)->geometry().center();
    if (token == QLatin1String("easy"))
        return w->image(GradeControl::EasyHint)->geometry().center();
    if (token == QLatin1String("hard"))
        return w->image(GradeControl::DifficultHint)->geometry().center();
    qFatal("unknown place %s", qPrintable(token));
}

void TestGrade::step(const QString &token)
{
    ScreenWindow *w = gradeWindow();
    if (token.startsWith(QLatin1String("click"))) { // click grade button N
        QTest::mouseClick(w->button(GradeLayout::gradeButton(token.mid(5).toInt())), Qt::LeftButton);
    } else if (token == QLatin1String("ok!")) {
        QTest::mouseClick(w->button(GradeControl::ConfirmButton), Qt::LeftButton);
    } else if (token == QLatin1String("cancel!")) {
        QTest::mouseClick(w->button(GradeControl::CancelButton), Qt::LeftButton);
    } else if (token == QLatin1String("tab")) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    } else if (token == QLatin1String("space")) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Space);
    } else if (token == QLatin1String("menu3")) { // the Menu screen's button to this screen
        QTest::mouseClick(m_program->menu().window()->button(MenuControl::SettingsButton), Qt::LeftButton);
    } else {
        QWidget *widget = nullptr;
        const QPoint at = placeOf(token, &widget);
        QTest::mouseMove(widget, at);
    }
    settle();
}

void TestGrade::firstSeen()
{
    writeButtonPictures(m_dir->path());
    openFromMenu();
    ScreenWindow *w = gradeWindow();

    QCOMPARE(w->windowTitle(), QStringLiteral("ランク"));
    QCOMPARE(w->size(), QSize(282, 440));
    QCOMPARE(picturesShown(w), QStringLiteral("......."));
    QCOMPARE(marksShown(w), QStringLiteral("-"));
    QCOMPARE(w->focusWidget(), w->button(GradeLayout::gradeButton(1)));

    // Tab order: grade buttons 1 to 7, confirm, cancel, and round again.
    QStringList order;
    QWidget *at = w->focusWidget();
    for (int i = 0; i < 10; ++i) {
        order.append(at->objectName());
        do
            at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisibleTo(w) || at == w);
    }
    QCOMPARE(order.join(QLatin1Char(' ')), QStringLiteral("gradeButton1 gradeButton2 gradeButton3 gradeButton4 gradeButton5 "
                                                          "gradeButton6 gradeButton7 confirmButton cancelButton gradeButton1"));

    for (int n = 1; n <= 7; ++n) {
        QWidget *button = w->button(GradeLayout::gradeButton(n));
        const QString level = n <= 3 ? QStringLiteral("4-%1").arg(n) : QStringLiteral("3-%1").arg(n - 3);
        QCOMPARE(button->toolTip(), QStringLiteral("Grade %1 (%2)").arg(level).arg(n));
        QCOMPARE(button->accessibleName(), (n <= 3 ? QStringLiteral("４級 レベル%1") : QStringLiteral("３級 レベル%1"))
                                               .arg(QString(QChar(0xFF10 + (n <= 3 ? n : n - 3)))));
        // Each button fills its slot of the ladder (x 60..222, slots 50 pixels high from y 24).
        QCOMPARE(button->geometry().left(), 60);
        QCOMPARE(button->geometry().right(), 222);
        QCOMPARE(button->height(), 51);
        // Its mark stands on the margin to its left, pointing at it, middle within 3 pixels.
        QWidget *mark = w->image(GradeLayout::selectionMark(n));
        QCOMPARE(mark->size(), QSize(58, 37));
        QVERIFY2(mark->geometry().center().x() < button->geometry().left(), qPrintable(mark->objectName()));
        QVERIFY2(qAbs(mark->geometry().center().y() - button->geometry().center().y()) <= 3, qPrintable(mark->objectName()));
        if (n > 1 && n < 7) // edge to edge with the button below: no background between them
            QCOMPARE(button->geometry().bottom(), w->button(GradeLayout::gradeButton(n - 1))->geometry().top());
    }
    QCOMPARE(w->button(GradeControl::ConfirmButton)->toolTip(), QStringLiteral("Decision (Return)"));
    QCOMPARE(w->button(GradeControl::CancelButton)->toolTip(), QStringLiteral("Cancel (Esc)"));
    QCOMPARE(w->button(GradeControl::ConfirmButton)->accessibleName(), QStringLiteral("決定"));
    QCOMPARE(w->button(GradeControl::CancelButton)->accessibleName(), QStringLiteral("取消"));
    // Cancel on the left, confirm on the right, below the ladder.
    QVERIFY(w->button(GradeControl::CancelButton)->geometry().right() < w->button(GradeControl::ConfirmButton)->geometry().left());
    QVERIFY(w->button(GradeControl::ConfirmButton)->geometry().top() > 374);

    // The hint areas are empty and cover the ladder's 難 (x 236..263, y 35..60) and 易 (y 338..363).
    PictureLabel *hard = w->image(GradeControl::DifficultHint);
    PictureLabel *easy = w->image(GradeControl::EasyHint);
    QCOMPARE(hard->toolTip(), QStringLiteral("Difficult"));
    QCOMPARE(easy->toolTip(), QStringLiteral("Easy"));
    QVERIFY(!hard->hasPicture() && !easy->hasPicture());
    QVERIFY(hard->isVisible() && easy->isVisible());
    QVERIFY(hard->geometry().contains(QRect(QPoint(236, 35), QPoint(263, 60))));
    QVERIFY(easy->geometry().contains(QRect(QPoint(236, 338), QPoint(263, 363))));
}

void TestGrade::highlight_data()
{
    // A path is a list of places the pointer moves to, or actions, one at a time:
    //   bN  the middle of grade button N       bN+ another point of grade button N
    //   bg, bg2  bare background                gap the one background row between buttons 7 and 6
    //   markN  where selection mark N stands    easy, hard  the hint areas over 易 and 難
    //   ok, cancel  over the confirm / cancel buttons;  ok!, cancel!, clickN  clicks
    // After each step: the files read in that step, then the grade buttons' pictures
    // ('.' built-in, 'p' plain, 'H' highlighted; button 1 first).
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QStringList>("after");

    auto path = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
    auto after = [](std::initializer_list<const char *> steps) {
        QStringList list;
        for (const char *s : steps)
            list.append(QString::fromUtf8(s));
        return list;
    };

    QTest::newRow("button 1 counts as highlighted at open") << path("b1 b1+")
        << after({"/ .......", "/ ......."});
    QTest::newRow("background, then button 1") << path("bg b1 b1+")
        << after({"r1b / p......", "r1 / H......", "/ H......"});
    QTest::newRow("every background move reads the plain picture again") << path("bg bg2 gap")
        << after({"r1b / p......", "r1b / p......", "r1b / p......"});
    QTest::newRow("straight onto another button at open") << path("b3")
        << after({"r1b r3 / p.H....", });
    QTest::newRow("button to button swaps two") << path("b3 b4 b5 b4 b4+")
        << after({"r1b r3 / p.H....", "r3b r4 / p.pH...", "r4b r5 / p.ppH..", "r5b r4 / p.pHp..", "/ p.pHp.."});
    QTest::newRow("the row between buttons 7 and 6 is background") << path("b7 gap b6")
        << after({"r1b r7 / p.....H", "r7b / p.....p", "r6 / p....Hp"});
    QTest::newRow("after the background, back onto the same button") << path("b2 bg b2")
        << after({"r1b r2 / pH.....", "r2b / pp.....", "r2 / pH....."});
    QTest::newRow("confirm and cancel change nothing") << path("b6 ok cancel ok! cancel! bg")
        << after({"r1b r6 / p....H.", "/ p....H.", "/ p....H.", "/ p....H.", "/ p....H.", "r6b / p....p."});
    QTest::newRow("hint areas are not background") << path("b7 hard easy bg")
        << after({"r1b r7 / p.....H", "/ p.....H", "/ p.....H", "r7b / p.....p"});
    QTest::newRow("where a hidden mark stands is background") << path("b4 mark4")
        << after({"r1b r4 / p..H...", "r4b / p..p..."});
    QTest::newRow("while a grade is chosen nothing moves") << path("b3 click3 bg b5 click5 hard b1 cancel")
        << after({"r1b r3 / p.H....", "/ p.H....", "/ p.H....", "/ p.H....", "/ p.H....", "/ p.H....", "/ p.H....",
                  "/ p.H...."});
    QTest::newRow("after cancel the highlight moves again") << path("b3 click3 bg cancel! bg b5")
        << after({"r1b r3 / p.H....", "/ p.H....", "/ p.H....", "/ p.H....", "r3b / p.p....", "r5 / p.p.H.."});
    QTest::newRow("chosen on button 1 at open, nothing was read") << path("click1 bg cancel! b2")
        << after({"/ .......", "/ .......", "/ .......", "r1b r2 / pH....."});
}

void TestGrade::highlight()
{
    QFETCH(QStringList, path);
    QFETCH(QStringList, after);
    QCOMPARE(path.size(), after.size());

    writeButtonPictures(m_dir->path());
    openFromMenu();
    for (int i = 0; i < path.size(); ++i) {
        m_pictures.loaded.clear();
        step(path[i]);
        QStringList read = m_pictures.relative(m_dir->path());
        for (QString &file : read)
            file.remove(QStringLiteral("title/")).remove(QStringLiteral(".gif"));
        const QString seen = (read.join(QLatin1Char(' ')) + QStringLiteral(" / ") + picturesShown(gradeWindow())).trimmed();
        QVERIFY2(seen == after[i], qPrintable(QStringLiteral("step %1 (%2): got \"%3\", expected \"%4\"")
                                                  .arg(i + 1).arg(path[i], seen, after[i])));
        // At most one highlighted button, and the fields agree with what is on show.
        GradeScreen &grade = m_program->grade();
        QVERIFY(grade.highlightedGrade() == -1 || grade.highlightedGrade() == grade.hoveredGrade());
    }
    QVERIFY(ReportedErrors::list().isEmpty());
    QCOMPARE(screenName(m_program->navigator()), QStringLiteral("grade"));
}

void TestGrade::pointerOverShownMarkOrHintIsNotBackground()
{
    // With a mark on show the highlight is frozen anyway, so watch the window itself: it hears
    // the pointer only over bare background.
    writeButtonPictures(m_dir->path());
    openFromMenu();
    step(QStringLiteral("b3"));
    step(QStringLiteral("click3"));
    QCOMPARE(marksShown(gradeWindow()), QStringLiteral("3"));
    QSignalSpy heard(gradeWindow(), &ScreenWindow::backgroundPointerMoved);
    for (const char *place : {"mark3", "b4", "easy", "hard", "b2", "ok", "cancel"})
        step(QString::fromLatin1(place));
    QCOMPARE(heard.count(), 0);
    step(QStringLiteral("mark5")); // hidden: background
    QCOMPARE(heard.count(), 1);
    step(QStringLiteral("bg"));
    QCOMPARE(heard.count(), 2);
}

void TestGrade::chooseCancelConfirm_data()
{
    // Actions: clickN, ok!, cancel!, tab and space (on the focused button), menu3 (the Menu
    // screen's way here). After each: the selected grade, the visible mark(s), the screen on show.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("after");

    auto list = [](const char *text, char sep = ' ') { return QString::fromUtf8(text).split(QLatin1Char(sep)); };

    QTest::newRow("choose shows its mark") << list("click3") << list("3 3 grade", '|');
    QTest::newRow("no second choice before cancel") << list("click3 click5") << list("3 3 grade|3 3 grade", '|');
    QTest::newRow("cancel hides the mark, the grade stays until the next choice")
        << list("click3 click5 cancel! click5") << list("3 3 grade|3 3 grade|3 - grade|5 5 grade", '|');
    QTest::newRow("cancel twice") << list("click2 cancel! cancel!") << list("2 2 grade|2 - grade|2 - grade", '|');
    QTest::newRow("nothing chosen: cancel and confirm do nothing")
        << list("cancel! ok!") << list("1 - grade|1 - grade", '|');
    QTest::newRow("keyboard: the focused button is chosen") << list("tab tab space")
        << list("1 - grade|1 - grade|3 3 grade", '|');
    QTest::newRow("confirm goes back to the menu with the grade") << list("click6 ok!")
        << list("6 6 grade|6 - menu", '|');
    QTest::newRow("withdrawn, chosen anew and confirmed") << list("click6 cancel! click2 ok!")
        << list("6 6 grade|6 - grade|2 2 grade|2 - menu", '|');
    QTest::newRow("opened again: no mark, nothing chosen") << list("click4 ok! menu3 ok! cancel! click7")
        << list("4 4 grade|4 - menu|4 - grade|4 - grade|4 - grade|7 7 grade", '|');
}

void TestGrade::chooseCancelConfirm()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, after);
    QCOMPARE(actions.size(), after.size());

    writeButtonPictures(m_dir->path());
    openFromMenu();
    for (int i = 0; i < actions.size(); ++i) {
        step(actions[i]);
        const bool onGrade = m_program->grade().isLoaded();
        const QString seen = QStringLiteral("%1 %2 %3")
                                 .arg(m_program->state().selectedGrade)
                                 .arg(onGrade ? marksShown(gradeWindow()) : QStringLiteral("-"))
                                 .arg(screenName(m_program->navigator()));
        QVERIFY2(seen == after[i], qPrintable(QStringLiteral("step %1 (%2): got \"%3\", expected \"%4\"")
                                                  .arg(i + 1).arg(actions[i], seen, after[i])));
        if (onGrade)
            QCOMPARE(m_program->grade().gradeChosen(), marksShown(gradeWindow()) != QLatin1String("-"));
    }
    QVERIFY(ReportedErrors::list().isEmpty());
    QVERIFY(m_program->state().gradeVisited);
}

void TestGrade::brokenButtonPicture_data()
{
    // The run-time error comes at the first pointer movement that needs the file, not before.
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<int>("failingStep"); // 1-based
    QTest::addColumn<RuntimeError::Kind>("kind");

    auto path = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
    QTest::newRow("plain 1 missing: first background move") << "r1b.gif" << "" << path("b1 ok bg") << 3
                                                               << RuntimeError::Kind::FileNotFound;
    QTest::newRow("plain 1 missing: first move onto another button") << "r1b.gif" << "" << path("easy b2") << 2
                                                                       << RuntimeError::Kind::FileNotFound;
    QTest::newRow("highlighted 3 missing") << "r3.gif" << "" << path("b2 bg b4 b3") << 4
                                           << RuntimeError::Kind::FileNotFound;
    QTest::newRow("highlighted 5 not a picture") << "" << "r5.gif" << path("bg b4 b5") << 3
                                                 << RuntimeError::Kind::NotAPicture;
}

void TestGrade::brokenButtonPicture()
{
    QFETCH(QString, missing);
    QFETCH(QString, broken);
    QFETCH(QStringList, path);
    QFETCH(int, failingStep);
    QFETCH(RuntimeError::Kind, kind);

    writeButtonPictures(m_dir->path(), {missing}, {broken});
    openFromMenu();
    for (int i = 0; i < failingStep; ++i) {
        QVERIFY2(ReportedErrors::list().isEmpty(), qPrintable(QStringLiteral("error before step %1").arg(i + 1)));
        step(path[i]);
    }
    QCOMPARE(ReportedErrors::list().size(), 1);
    const RuntimeError &error = ReportedErrors::list().first();
    QCOMPARE(error.kind(), kind);
    QVERIFY2(error.subject().endsWith(QStringLiteral("/title/") + (missing.isEmpty() ? broken : missing)),
             qPrintable(error.subject()));
}

void TestGrade::chosenGradeTakesTheFocus_data()
{
    // How the grade is chosen (a digit key, a click, or Tab Tab Space on the focused button),
    // and the grade.
    // Whether the focus moves with the choice: the focused button has it already, and its
    // description changes under it.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("grade");
    QTest::addColumn<bool>("focusMoves");

    QTest::newRow("key") << QStringList{QStringLiteral("key3")} << 3 << true;
    QTest::newRow("pointer") << QStringList{QStringLiteral("click5")} << 5 << true;
    QTest::newRow("pointer, after a cancel") << QStringList{QStringLiteral("click5"), QStringLiteral("cancel!"),
                                                             QStringLiteral("click2")} << 2 << true;
    QTest::newRow("the focused button") << QStringList{QStringLiteral("tab"), QStringLiteral("tab"), QStringLiteral("space")}
                                        << 3 << false;
}

void TestGrade::chosenGradeTakesTheFocus()
{
    QFETCH(QStringList, actions);
    QFETCH(int, grade);
    QFETCH(bool, focusMoves);

    writeButtonPictures(m_dir->path());
    openFromMenu();
    ScreenWindow *w = gradeWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    PictureButton *chosen = w->button(GradeLayout::gradeButton(grade));
    // What the chosen grade's button says at the moment it takes the focus.
    QString heardOnArrival;
    QObject::connect(qApp, &QApplication::focusChanged, w, [&](QWidget *, QWidget *now) {
        if (now == chosen)
            heardOnArrival = QAccessible::queryAccessibleInterface(now)->text(QAccessible::Description);
    });
    for (const QString &action : actions) {
        if (action.startsWith(QLatin1String("key")))
            QTest::keyClick(w->focusWidget(), Qt::Key(Qt::Key_0 + action.mid(3).toInt()));
        else
            step(action);
    }
    QCOMPARE(m_program->state().selectedGrade, grade);
    QCOMPARE(w->focusWidget(), chosen);
    if (focusMoves)
        QCOMPARE(heardOnArrival, GradeScreen::ChosenWords);
    QCOMPARE(QAccessible::queryAccessibleInterface(chosen)->text(QAccessible::Description), GradeScreen::ChosenWords);
    // Withdrawn, the button says its tooltip again; chosen again, Return confirms wherever the
    // focus is.
    QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
    QCOMPARE(QAccessible::queryAccessibleInterface(chosen)->text(QAccessible::Description), chosen->toolTip());
    QTest::keyClick(w->focusWidget(), Qt::Key(Qt::Key_0 + grade));
    QCOMPARE(QAccessible::queryAccessibleInterface(chosen)->text(QAccessible::Description), GradeScreen::ChosenWords);
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    settle();
    QCOMPARE(screenName(m_program->navigator()), QStringLiteral("menu"));
    QVERIFY(ReportedErrors::list().isEmpty());
}

BUNPO_TEST_MAIN(TestGrade)
#include "tst_grade.moc"
