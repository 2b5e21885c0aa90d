#include "app/MenuScreen.h"

#include "app/Navigator.h"
#include "app/SharedState.h"
#include "ui/BuiltinPictures.h"
#include "ui/ButtonKeys.h"
#include "ui/ErrorGuard.h"
#include "ui/MenuLayout.h"
#include "ui/PictureButton.h"
#include "ui/PictureLabel.h"
#include "ui/ScreenWindow.h"

#include <utility>

MenuScreen::MenuScreen(AppContext &ctx) : Screen(ctx)
{
}

ScreenWindow *MenuScreen::createWindow()
{
    auto *w = new ScreenWindow(MenuLayout::design(), MenuLayout::controls());
    // The connections go with the window: a click can only reach a loaded screen.
    const std::pair<const char *, void (MenuScreen::*)()> handlers[] = {
        {"Command1", &MenuScreen::Command1_Click}, {"Command2", &MenuScreen::Command2_Click},
        {"Command3", &MenuScreen::Command3_Click}, {"Command4", &MenuScreen::Command4_Click},
        {"Command5", &MenuScreen::Command5_Click},
    };
    for (const auto &[name, handler] : handlers)
        ErrorGuard::connect(w->button(QString::fromLatin1(name)), &PictureButton::clicked, w,
                            [this, handler = handler] { (this->*handler)(); });
    w->setInitialFocus(w->button(QStringLiteral("Command1")));
    return w;
}

void MenuScreen::load()
{
    context.state.OriginScreen = Origin::Menu;
    if (context.state.GradeVisited == 0)
        context.state.SelectedGrade = 1;
}

void MenuScreen::bindKeys(ButtonKeys &keys)
{
    keys.bindClick(Qt::Key_Escape, window()->button(QStringLiteral("Command5")));
}

void MenuScreen::Command1_Click()
{
    context.navigator.endProgram();
}

void MenuScreen::Command2_Click()
{
    context.navigator.moveTo(ScreenId::Drill);
}

void MenuScreen::Command3_Click()
{
    context.navigator.moveTo(ScreenId::Grade);
}

void MenuScreen::Command4_Click()
{
    ScreenWindow *w = window();
    for (const char *name : {"Command1", "Command2", "Command3", "Command4"})
        w->button(QString::fromLatin1(name))->hide();
    // The explanation picture stays unread until someone asks for it.
    PictureLabel *explanation = w->image(QStringLiteral("Image3"));
    if (!explanation->hasPicture())
        explanation->setPicture(ScreenWindow::builtinPicture(Builtin::Explanation));
    explanation->show();
    w->button(QStringLiteral("Command5"))->show();
    keepFocusOn(w->button(QStringLiteral("Command5")));
}

void MenuScreen::Command5_Click()
{
    ScreenWindow *w = window();
    w->button(QStringLiteral("Command5"))->hide();
    w->image(QStringLiteral("Image3"))->hide();
    for (const char *name : {"Command1", "Command2", "Command3", "Command4"})
        w->button(QString::fromLatin1(name))->show();
    keepFocusOn(w->button(QStringLiteral("Command4")));
}

void MenuScreen::keepFocusOn(QWidget *button)
{
    // The button that had the focus has just been hidden: a keyboard user goes on from the
    // button of the new view instead of from nowhere.
    QWidget *focused = window()->focusWidget();
    if (!focused || !focused->isVisible())
        button->setFocus(Qt::OtherFocusReason);
}
