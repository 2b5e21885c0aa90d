#pragma once

#include "screens/ScreenId.h"

// What a screen may ask of the program: a move to another screen, or the end.
class ScreenMoves
{
public:
    virtual ~ScreenMoves() = default;
    virtual void moveTo(ScreenId target) = 0;
    virtual void endProgram() = 0;
};
