#pragma once

#include "app/Screen.h"

// The Menu screen メニュー: the hub of the program. Its menu view offers the drill, the Grade
// screen, the explanation and the end; the explanation view shows the explanation picture
// with a return button. Every showing begins in the menu view with the end button focused.
class MenuScreen : public Screen
{
    Q_OBJECT
public:
    explicit MenuScreen(AppContext &context);

protected:
    ScreenWindow *createWindow() override;
    // A Grade screen opened from here returns here, so that a Grade screen opened from here comes back here; the first
    // showing of a run (no Drill or Grade screen loaded yet) also selects grade 1.
    void load() override;
    // Escape leaves the explanation view as its return button does.
    void bindKeys(ButtonKeys &keys) override;

private:
    void end();
    void openDrill();
    void openGradeScreen();
    void showExplanation();
    void closeExplanation(); // back to the menu view
    void keepFocusOn(QWidget *button);
};
