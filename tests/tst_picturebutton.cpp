// The picture button's keyboard: which key presses make a click, the key's auto-repeat
// included, as the window system delivers them to the focused button; and a window's bound
// keys, which follow the same rule of a held key.

#include "support/SystemInput.h"
#include "support/TestMain.h"
#include "widgets/ButtonKeys.h"
#include "widgets/PictureButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class TestPictureButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ReportedErrors::list().clear(); }

    void keys_data();
    void keys();
    void boundKeyHeldDown_data();
    void boundKeyHeldDown();
};

void TestPictureButton::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("script"); // see SystemInput::playKey
    QTest::addColumn<int>("clicks");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Return pressed and let go") << int(Qt::Key_Return) << none << "P.R" << 1;
    QTest::newRow("Return acts when let go") << int(Qt::Key_Return) << none << "P." << 0;
    QTest::newRow("Return held down") << int(Qt::Key_Return) << none << "P.rp.rp.rp.R" << 1;
    QTest::newRow("Return held since before the focus came") << int(Qt::Key_Return) << none << "rp.rp.R" << 0;
    // The window system does not always mark a repeat: the first unmarked pair lets the key go
    // (a click, as the user meant), and the presses that follow in the same millisecond do nothing.
    QTest::newRow("Return held, repeats not marked") << int(Qt::Key_Return) << none << "P.x.x.x.R" << 1;
    QTest::newRow("Return held since before the focus came, repeats not marked") << int(Qt::Key_Return) << none
                                                                                << "x.x.R" << 0;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << none << "P.R" << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "P.R" << 1;
    QTest::newRow("keypad Enter held down") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                            << "P.rp.rp.R" << 1;
    QTest::newRow("Space held down") << int(Qt::Key_Space) << none << "P.rp.rp.R" << 1;
    QTest::newRow("Space held, repeats not marked") << int(Qt::Key_Space) << none << "P.x.x.R" << 1;
    QTest::newRow("Shift and Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "P.R" << 0;
}

void TestPictureButton::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, script);
    QFETCH(int, clicks);

    QWidget window;
    window.resize(100, 60);
    auto *button = new PictureButton(&window);
    button->setGeometry(10, 10, 44, 42);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->setFocus();
    QSignalSpy clicked(button, &PictureButton::clicked);

    SystemInput::playKey([&window] { return window.windowHandle(); }, key, modifiers, script);
    QTest::qWait(150); // an animated click would land by now
    QCOMPARE(clicked.count(), clicks);
}

void TestPictureButton::boundKeyHeldDown_data()
{
    QTest::addColumn<QString>("script"); // see SystemInput::playKey
    QTest::addColumn<int>("acts");

    QTest::newRow("tapped") << "P.R" << 1;
    QTest::newRow("held down") << "P.rp.rp.R" << 1;
    QTest::newRow("held since before the window heard it") << "rp.rp.R" << 0;
    // A release and a press in one millisecond are the key held, not let go and pressed again.
    QTest::newRow("held, repeats not marked") << "P.x.x.R" << 1;
    QTest::newRow("held since before, repeats not marked") << "x.x.R" << 0;
    QTest::newRow("pressed again later") << "P.R.P.R" << 2;
}

// A key bound on the window acts once however long it is held, whether the window system
// marks its repeats or not, wherever the focus lies.
void TestPictureButton::boundKeyHeldDown()
{
    QFETCH(QString, script);
    QFETCH(int, acts);

    QWidget window;
    window.resize(100, 60);
    auto *button = new PictureButton(&window);
    button->setGeometry(10, 10, 44, 42);
    int acted = 0;
    auto *keys = new ButtonKeys(&window);
    keys->bind(Qt::Key_N, [&acted] { ++acted; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->setFocus();

    SystemInput::playKey([&window] { return window.windowHandle(); }, Qt::Key_N, Qt::NoModifier, script);
    QCOMPARE(acted, acts);
    QVERIFY(ReportedErrors::list().isEmpty());
}

BUNPO_TEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
