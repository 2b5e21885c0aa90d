#include "menu/MenuScreen.h"

#include "app/ScreenMoves.h"
#include "app/SharedState.h"
#include "error/ErrorGuard.h"
#include "menu/MenuLayout.h"
#include "widgets/BuiltinPictures.h"
#include "widgets/ButtonKeys.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/ScreenWindow.h"

#include <utility>

MenuScreen::MenuScreen(AppContext &ctx) : Screen(ctx)
{
}

ScreenWindow *MenuScreen::createWindow()
{
    auto *w = new ScreenWindow(MenuLayout::design(), MenuLayout::controls());
    // The connections go with the window: a click can only reach a loaded screen.
    const std::pair<MenuControl, void (MenuScreen::*)()> handlers[] = {
        {MenuControl::EndButton, &MenuScreen::end},
        {MenuControl::DrillButton, &MenuScreen::openDrill},
        {MenuControl::SettingsButton, &MenuScreen::openGradeScreen},
        {MenuControl::ExplainButton, &MenuScreen::showExplanation},
        {MenuControl::ReturnButton, &MenuScreen::closeExplanation},
    };
    for (const auto &[control, handler] : handlers)
        ErrorGuard::connect(w->button(control), &PictureButton::clicked, w, [this, handler = handler] { (this->*handler)(); });
    w->setInitialFocus(w->button(MenuControl::EndButton));
    return w;
}

void MenuScreen::load()
{
    context.state.gradeReturnsTo = ScreenId::Menu;
    if (!context.state.gradeVisited)
        context.state.selectedGrade = 1;
}

void MenuScreen::bindKeys(ButtonKeys &keys)
{
    keys.bindClick(Qt::Key_Escape, window()->button(MenuControl::ReturnButton));
}

void MenuScreen::end()
{
    context.moves.endProgram();
}

void MenuScreen::openDrill()
{
    context.moves.moveTo(ScreenId::Drill);
}

void MenuScreen::openGradeScreen()
{
    context.moves.moveTo(ScreenId::Grade);
}

namespace {
constexpr MenuControl menuButtons[] = {MenuControl::EndButton, MenuControl::DrillButton, MenuControl::SettingsButton,
                                       MenuControl::ExplainButton};
}

void MenuScreen::showExplanation()
{
    ScreenWindow *w = window();
    for (const MenuControl button : menuButtons)
        w->button(button)->hide();
    // The explanation picture stays unread until someone asks for it.
    PictureLabel *explanation = w->image(MenuControl::Explanation);
    if (!explanation->hasPicture())
        explanation->setPicture(ScreenWindow::builtinPicture(Builtin::Explanation));
    explanation->show();
    w->button(MenuControl::ReturnButton)->show();
    keepFocusOn(w->button(MenuControl::ReturnButton));
}

void MenuScreen::closeExplanation()
{
    ScreenWindow *w = window();
    w->button(MenuControl::ReturnButton)->hide();
    w->image(MenuControl::Explanation)->hide();
    for (const MenuControl button : menuButtons)
        w->button(button)->show();
    keepFocusOn(w->button(MenuControl::ExplainButton));
}
void MenuScreen::keepFocusOn(QWidget *button)
{
    // The button that had the focus has just been hidden: a keyboard user goes on from the
    // button of the new view instead of from nowhere.
    QWidget *focused = window()->focusWidget();
    if (!focused || !focused->isVisible())
        button->setFocus(Qt::OtherFocusReason);
}
