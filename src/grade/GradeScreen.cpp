#include "grade/GradeScreen.h"

#include "ui/ScreenWindow.h"

GradeScreen::GradeScreen(AppContext &ctx) : Screen(ctx)
{
}

ScreenWindow *GradeScreen::createWindow()
{
    return new ScreenWindow({QStringLiteral("ランク"), QStringLiteral("ランク"), 11250, 7845, Qt::darkGreen, QString()}, {});
}

void GradeScreen::load()
{
}
