#pragma once

#include "screens/menu/Explanation.h"
#include "screens/Screen.h"

// The Menu screen メニュー: the hub of the program. Its menu view offers the drill, the Grade
// screen, the explanation and the end; the explanation view shows the explanation picture
// with a return button. Every showing begins in the menu view with the end button focused.
// The explanation opens in Japanese; E or a click on it switches to English and back. Its
// return button, which holds the focus in that view, carries the text for screen readers.
class MenuScreen : public Screen
{
    Q_OBJECT
public:
    explicit MenuScreen(ScreenContext &context);

protected:
    ScreenWindow *createWindow() override;
    // A Grade screen opened from here returns here, so that a Grade screen opened from here comes back here; the first
    // showing of a run (no Drill or Grade screen loaded yet) also selects grade 1.
    void load() override;
    // Escape leaves the explanation view as its return button does; E switches its language.
    void bindKeys(ButtonKeys &keys) override;

private:
    void end();
    void openDrill();
    void openGradeScreen();
    void showExplanation();
    void closeExplanation(); // back to the menu view
    void switchLanguage();
    void showExplanationIn(Explanation::Language language);
    bool explaining() const;
    void keepFocusOn(QWidget *button);

    Explanation::Language m_language = Explanation::Language::Japanese;
};
