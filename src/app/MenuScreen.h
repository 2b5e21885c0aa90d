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
    // OriginScreen = Menu, so that a Grade screen opened from here comes back here; the first
    // showing of a run (no Drill or Grade screen loaded yet) also selects grade 1.
    void load() override;
    // Escape leaves the explanation view as its return button does.
    void bindKeys(ButtonKeys &keys) override;

private:
    void Command1_Click(); // end the program
    void Command2_Click(); // to the Drill screen
    void Command3_Click(); // to the Grade screen
    void Command4_Click(); // into the explanation view
    void Command5_Click(); // back to the menu view
    void keepFocusOn(QWidget *button);
};
