#include "widgets/HeldKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>

HeldKeys::HeldKeys(QObject *application) : QObject(application)
{
}

HeldKeys &HeldKeys::ofApplication()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (auto *held = application->findChild<HeldKeys *>(QString(), Qt::FindDirectChildrenOnly))
        return *held;
    return *new HeldKeys(application);
}

bool HeldKeys::isRepeat(const QKeyEvent *event) const
{
    if (event->isAutoRepeat())
        return true;
    if (event->type() != QEvent::KeyPress || event->timestamp() == 0)
        return false;
    const auto released = m_lastRelease.constFind(event->key());
    return released != m_lastRelease.cend() && *released == event->timestamp();
}

void HeldKeys::noteRelease(const QKeyEvent *event)
{
    if (event->type() == QEvent::KeyRelease && !event->isAutoRepeat() && event->timestamp() != 0)
        m_lastRelease.insert(event->key(), event->timestamp());
}
