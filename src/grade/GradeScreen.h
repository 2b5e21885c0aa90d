#pragma once

#include "app/Screen.h"

// The Grade screen. (Being built: only its window so far.)
class GradeScreen : public Screen
{
    Q_OBJECT
public:
    explicit GradeScreen(AppContext &context);

protected:
    ScreenWindow *createWindow() override;
    void load() override;
};
