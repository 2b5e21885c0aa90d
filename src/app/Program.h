#pragma once

// The whole program: the shared state, the three screens and the navigator between them.

#include "app/Navigator.h"
#include "platform/MutableSoundPlayer.h"
#include "screens/ScreenContext.h"
#include "screens/SharedState.h"

#include <memory>

class DrillScreen;
class GradeScreen;
class MenuScreen;

// The whole program: the shared state, the platform services, the three screens and the way
// between them. main() makes one with the real services; tests make one with fakes.
class Program
{
public:
    Program(const QString &baseDir, Clock &clock, RandomSource &random, SoundPlayer &sound, PictureLoader &pictures);
    ~Program();

    // Shows the Menu screen.
    void start();

    SharedState &state() { return m_state; }
    Navigator &navigator() { return m_navigator; }
    MenuScreen &menu() { return *m_menu; }
    DrillScreen &drill() { return *m_drill; }
    GradeScreen &grade() { return *m_grade; }

private:
    SharedState m_state;
    Navigator m_navigator;
    MutableSoundPlayer m_sound;
    ScreenContext m_context;
    std::unique_ptr<MenuScreen> m_menu;
    std::unique_ptr<DrillScreen> m_drill;
    std::unique_ptr<GradeScreen> m_grade;
};
