#pragma once

#include "app/Screen.h"

// The Drill screen. (Being built: only its window so far.)
class DrillScreen : public Screen
{
    Q_OBJECT
public:
    explicit DrillScreen(AppContext &context);

protected:
    ScreenWindow *createWindow() override;
    void load() override;
};
