#include "app/Program.h"

#include "app/ErrorMessageBox.h"
#include "error/ErrorGuard.h"
#include "screens/drill/DrillScreen.h"
#include "screens/grade/GradeScreen.h"
#include "screens/menu/MenuScreen.h"

Program::Program(const QString &baseDir, Clock &clock, RandomSource &random, SoundPlayer &sound,
                 PictureLoader &pictures)
    : m_sound(sound), m_context{m_state, clock, random, m_sound, pictures, m_navigator}
{
    // An error that ends the program is shown in a message box wherever its windows are seen.
    ErrorGuard::setMessageShower(showErrorMessageBox);
    m_state.baseDir = baseDir;
    m_menu = std::make_unique<MenuScreen>(m_context);
    m_drill = std::make_unique<DrillScreen>(m_context);
    m_grade = std::make_unique<GradeScreen>(m_context);
    m_navigator.setScreen(ScreenId::Menu, m_menu.get());
    m_navigator.setScreen(ScreenId::Drill, m_drill.get());
    m_navigator.setScreen(ScreenId::Grade, m_grade.get());
}

Program::~Program() = default;

void Program::start()
{
    m_navigator.start();
}
