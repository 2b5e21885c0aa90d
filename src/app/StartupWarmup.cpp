#include "app/StartupWarmup.h"

#include "error/ErrorGuard.h"
#include "platform/DataPictureLoader.h"
#include "screens/drill/DrillLayout.h"
#include "widgets/BuiltinPicture.h"
#include "widgets/BuiltinPictures.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QTimer>

StartupWarmup::StartupWarmup(std::vector<std::function<void()>> furtherSteps, QObject *parent)
    : QObject(parent), m_furtherSteps(std::move(furtherSteps))
{
}

void StartupWarmup::watch()
{
    if (!m_scheduled)
        qApp->installEventFilter(this);
}

bool StartupWarmup::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_scheduled) {
        m_scheduled = true;
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { ErrorGuard::run([this] { run(); }); });
    }
    return false;
}

void StartupWarmup::run()
{
    if (m_done)
        return;
    m_done = true;
    for (const QFont &font : {DrillLayout::scoreFont(), DrillLayout::runFont()})
        QFontMetrics(font).horizontalAdvance(QStringLiteral("0123456789０"));
    // Loading a built-in picture by path leaves it in the pixmap cache, where the Drill
    // screen's window finds it.
    BuiltinPicture::load(DrillLayout::design().backgroundPicture);
    for (const LayoutRow &row : DrillLayout::table())
        if (!row.picture.isEmpty())
            BuiltinPicture::load(row.picture);
    // The question pictures are decoded by content: the first one would load Qt's image
    // format plugins. A built-in GIF through the same decoder loads them now.
    DataPictureLoader::decode(Builtin::Train);
    for (const auto &step : m_furtherSteps)
        step();
}
