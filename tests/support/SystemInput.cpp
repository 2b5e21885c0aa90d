#include "support/SystemInput.h"

#include <QCoreApplication>
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
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : key == Qt::Key_Tab ? QStringLiteral("\t")
                                                                                         : QStringLiteral("\r");
    for (const QChar step : script) {
        if (step == QLatin1Char('.')) {
            QTest::qWait(150);
            continue;
        }
        QWindow *target = window();
        if (!target)
            return;
        const bool press = step.toLower() == QLatin1Char('p');
        const bool repeated = step.isLower();
        qt_handleKeyEvent(target, press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, text, repeated);
        QCoreApplication::processEvents();
    }
}

} // namespace SystemInput
