#include "screens/grade/GradeScreen.h"

#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "error/ErrorGuard.h"
#include "platform/PictureLoader.h"
#include "screens/grade/GradeLayout.h"
#include "screens/ScreenMoves.h"
#include "screens/SharedState.h"
#include "widgets/ButtonKeys.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"
#include "widgets/ScreenWindow.h"

GradeScreen::GradeScreen(ScreenContext &ctx) : Screen(ctx)
{
}

ScreenWindow *GradeScreen::createWindow()
{
    auto *w = new ScreenWindow(GradeLayout::design(), GradeLayout::controls());
    // The window hears the pointer only over bare background: every control under the pointer,
    // images included, keeps the movement to itself.
    w->setMouseTracking(true);
    ErrorGuard::connect(w, &ScreenWindow::backgroundPointerMoved, w, [this] { pointerOverBackground(); });
    for (int n = 1; n <= GradeCatalogue::Count; ++n) {
        PictureButton *button = w->button(GradeLayout::gradeButton(n));
        button->setMouseTracking(true);
        // A press does not take the focus: the choice hands it over once the button says that
        // it is chosen, so that a screen reader hears it as the focus arrives.
        button->setFocusPolicy(Qt::TabFocus);
        ErrorGuard::connect(button, &PictureButton::pointerMoved, w, [this, n] { pointerOverGrade(n); });
        ErrorGuard::connect(button, &PictureButton::clicked, w, [this, n, button] {
            chooseGrade(n);
            // Clicked while another grade is chosen, it takes the focus as any clicked button does.
            button->setFocus(Qt::MouseFocusReason);
        });
    }
    ErrorGuard::connect(w->button(GradeControl::ConfirmButton), &PictureButton::clicked, w, [this] { confirm(); });
    ErrorGuard::connect(w->button(GradeControl::CancelButton), &PictureButton::clicked, w, [this] { cancel(); });
    w->setInitialFocus(w->button(GradeControl::GradeButton1));
    return w;
}

void GradeScreen::load()
{
    m_gradeChosen = false;
    context.state.gradeVisited = true;
    m_highlightedGrade = 1;
    m_hoveredGrade = 1;
}

void GradeScreen::bindKeys(ButtonKeys &keys)
{
    for (int n = 1; n <= GradeCatalogue::Count; ++n)
        keys.bind(Qt::Key_0 + n, [this, n] { chooseWithKey(n); });
    // Before a grade is chosen, Return stays with the focused button.
    keys.bindClick(Qt::Key_Return, window()->button(GradeControl::ConfirmButton), [this] { return m_gradeChosen; });
    keys.bindClick(Qt::Key_Enter, window()->button(GradeControl::ConfirmButton), [this] { return m_gradeChosen; });
    keys.bindClick(Qt::Key_Escape, window()->button(GradeControl::CancelButton));
}

void GradeScreen::chooseWithKey(int grade)
{
    // The ladder shows the chosen grade as a pointer choice would leave it: highlighted.
    pointerOverGrade(grade);
    chooseGrade(grade);
}

void GradeScreen::pointerOverGrade(int grade)
{
    if (m_gradeChosen)
        return;
    m_hoveredGrade = grade;
    updateHighlight();
}

void GradeScreen::updateHighlight()
{
    if (m_highlightedGrade == m_hoveredGrade)
        return;
    if (m_highlightedGrade != -1)
        showGradeButtonPicture(m_highlightedGrade, false);
    showGradeButtonPicture(m_hoveredGrade, true);
    m_highlightedGrade = m_hoveredGrade;
}

void GradeScreen::pointerOverBackground()
{
    if (m_gradeChosen)
        return;
    // Read again at every movement over the background, even when the button shows its plain
    // picture already.
    showGradeButtonPicture(m_hoveredGrade, false);
    m_highlightedGrade = -1;
}

void GradeScreen::chooseGrade(int grade)
{
    // A second grade cannot be chosen before the first is withdrawn.
    if (m_gradeChosen)
        return;
    m_gradeChosen = true;
    context.state.selectedGrade = static_cast<qint16>(grade);
    window()->image(GradeLayout::selectionMark(grade))->show();
    // Said before the focus moves there, by key or pointer alike.
    PictureButton *button = window()->button(GradeLayout::gradeButton(grade));
    button->setAccessibleDescription(ChosenWords);
    button->setFocus(Qt::OtherFocusReason);
}

void GradeScreen::cancel()
{
    if (!m_gradeChosen)
        return;
    m_gradeChosen = false;
    window()->image(GradeLayout::selectionMark(context.state.selectedGrade))->hide();
    // Back to its tooltip.
    window()->button(GradeLayout::gradeButton(context.state.selectedGrade))->setAccessibleDescription(QString());
}

void GradeScreen::confirm()
{
    if (!m_gradeChosen)
        return;
    context.moves.moveTo(context.state.gradeReturnsTo);
}

void GradeScreen::showGradeButtonPicture(int n, bool highlighted)
{
    const QPixmap picture = context.pictures.load(DataPaths(context.state.baseDir).gradeButtonPicture(n, highlighted),
                                                  window()->devicePixelRatioF());
    window()->button(GradeLayout::gradeButton(n))->setPicture(picture);
}
