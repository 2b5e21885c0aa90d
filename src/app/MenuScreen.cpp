#include "app/MenuScreen.h"

#include "ui/ScreenWindow.h"

MenuScreen::MenuScreen(AppContext &ctx) : Screen(ctx)
{
}

ScreenWindow *MenuScreen::createWindow()
{
    return new ScreenWindow({QStringLiteral("メニュー"), QStringLiteral("メニュー"), 11250, 7845, Qt::darkGreen, QString()}, {});
}

void MenuScreen::load()
{
}
