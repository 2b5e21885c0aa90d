#include "drill/DrillScreen.h"

#include "ui/ScreenWindow.h"

DrillScreen::DrillScreen(AppContext &ctx) : Screen(ctx)
{
}

ScreenWindow *DrillScreen::createWindow()
{
    return new ScreenWindow({QStringLiteral("ドリル"), QStringLiteral("ドリル"), 11250, 7845, Qt::darkGreen, QString()}, {});
}

void DrillScreen::load()
{
}
