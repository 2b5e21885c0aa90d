#include "screens/menu/MenuScreen.h"

#include "error/ErrorGuard.h"
#include "screens/menu/MenuLayout.h"
#include "screens/ScreenMoves.h"
#include "screens/SharedState.h"
#include "widgets/ButtonKeys.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/ScreenWindow.h"

#include <utility>

MenuScreen::MenuScreen(ScreenContext &ctx) : Screen(ctx)
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
    ErrorGuard::connect(w->image(MenuControl::Explanation), &PictureLabel::clicked, w, [this] { switchLanguage(); });
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
    keys.bind(Qt::Key_E, [this] { switchLanguage(); }, [this] { return explaining(); });
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
    // Every opening starts in Japanese. The text is on the return button before the buttons
    // go and the focus lands on it, so that a screen reader says it with the button.
    showExplanationIn(Explanation::Language::Japanese);
    for (const MenuControl button : menuButtons)
        w->button(button)->hide();
    w->image(MenuControl::Explanation)->show();
    w->button(MenuControl::ReturnButton)->show();
    keepFocusOn(w->button(MenuControl::ReturnButton));
}

void MenuScreen::switchLanguage()
{
    if (explaining())
        showExplanationIn(Explanation::other(m_language));
}

void MenuScreen::showExplanationIn(Explanation::Language language)
{
    ScreenWindow *w = window();
    m_language = language;
    // The picture is read when it is asked for, not when the screen opens.
    w->image(MenuControl::Explanation)->setBuiltinPicture(Explanation::picture(language), w->devicePixelRatioF());
    w->image(MenuControl::Explanation)->setToolTip(Explanation::switchHint(language));
    // The focus stays on the return button while the language changes: its description
    // changes under it.
    w->button(MenuControl::ReturnButton)->setAccessibleDescription(Explanation::spoken(language));
}

bool MenuScreen::explaining() const
{
    return window() && window()->image(MenuControl::Explanation)->isVisible();
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
