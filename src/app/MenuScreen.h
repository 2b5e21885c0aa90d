#pragma once

#include "app/Screen.h"

// The Menu screen. (Being built: only its window so far.)
class MenuScreen : public Screen
{
    Q_OBJECT
public:
    explicit MenuScreen(AppContext &context);

protected:
    ScreenWindow *createWindow() override;
    void load() override;
};
