#include "support/SystemInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>

namespace SystemInput {

void doubleClick(const WindowNow &window, QPoint global)
{
    // Well clear of the moments QTest has used, so that no earlier press pairs with these.
    QTest::lastMouseTimestamp += 10000;
    const int start = QTest::lastMouseTimestamp;
    const struct { int at; QEvent::Type type; } steps[] = {{0, QEvent::MouseButtonPress}, {10, QEvent::MouseButtonRelease},
                                                           {80, QEvent::MouseButtonPress}, {90, QEvent::MouseButtonRelease}};
    for (const auto &step : steps) {
        QWindow *target = window();
        if (!target)
            return; // the program has ended
        const Qt::MouseButtons held = step.type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        qt_handleMouseEvent(target, target->mapFromGlobal(global), global, held, Qt::LeftButton, step.type,
                            Qt::NoModifier, start + step.at);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QTest::lastMouseTimestamp = start + 90 + 10000;
}

void playKey(const WindowNow &window, int key, Qt::KeyboardModifiers modifiers, const QString &script)
{
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    static quint64 now = 1000; // key moments, in milliseconds, as the window system stamps them
    auto send = [&](QEvent::Type type, bool repeated) {
        QWindow *target = window();
        if (!target || !target->focusObject())
            return;
        QKeyEvent event(type, key, modifiers, text, repeated);
        event.setTimestamp(now);
        QCoreApplication::sendEvent(target->focusObject(), &event);
        QCoreApplication::processEvents();
    };
    for (const QChar step : script) {
        now += 40;
        switch (step.unicode()) {
        case '.':
            QTest::qWait(150);
            now += 150;
            break;
        case 'P': send(QEvent::KeyPress, false); break;
        case 'R': send(QEvent::KeyRelease, false); break;
        case 'p': send(QEvent::KeyPress, true); break;
        case 'r': send(QEvent::KeyRelease, true); break;
        case 'x': // a repeat told as a release and a fresh press in the same millisecond
            send(QEvent::KeyRelease, false);
            send(QEvent::KeyPress, false);
            break;
        }
    }
}

} // namespace SystemInput
