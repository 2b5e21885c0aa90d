#include "grade/GradeScreen.h"

#include "app/Navigator.h"
#include "app/SharedState.h"
#include "bank/DataPaths.h"
#include "bank/GradeCatalogue.h"
#include "ui/ButtonKeys.h"
#include "ui/ErrorGuard.h"
#include "ui/GradeLayout.h"
#include "ui/PictureButton.h"
#include "ui/PictureLabel.h"
#include "ui/ScreenWindow.h"
#include "ui/platform/PictureLoader.h"

GradeScreen::GradeScreen(AppContext &ctx) : Screen(ctx)
{
}

ScreenWindow *GradeScreen::createWindow()
{
    auto *w = new ScreenWindow(GradeLayout::design(), GradeLayout::controls());
    // The window hears the pointer only over bare background: every control under the pointer,
    // images included, keeps the movement to itself.
    w->setMouseTracking(true);
    ErrorGuard::connect(w, &ScreenWindow::backgroundPointerMoved, w, [this] { Form_MouseMove(); });
    for (int n = 1; n <= GradeCatalogue::Count; ++n) {
        PictureButton *button = w->button(GradeLayout::gradeButtonName(n));
        button->setMouseTracking(true);
        ErrorGuard::connect(button, &PictureButton::pointerMoved, w, [this, n] { Command1_MouseMove(n); });
        ErrorGuard::connect(button, &PictureButton::clicked, w, [this, n] { Command1_Click(n); });
    }
    ErrorGuard::connect(w->button(QStringLiteral("Command2")), &PictureButton::clicked, w, [this] { Command2_Click(); });
    ErrorGuard::connect(w->button(QStringLiteral("Command3")), &PictureButton::clicked, w, [this] { Command3_Click(); });
    w->setInitialFocus(w->button(GradeLayout::gradeButtonName(1)));
    return w;
}

void GradeScreen::load()
{
    GradeChosen = 0;
    context.state.GradeVisited = 1;
    HighlightedButton = 1;
    HoveredButton = 1;
}

void GradeScreen::bindKeys(ButtonKeys &keys)
{
    for (int n = 1; n <= GradeCatalogue::Count; ++n)
        keys.bind(Qt::Key_0 + n, [this, n] { chooseWithKey(n); });
    // Before a grade is chosen, Return stays with the focused button.
    keys.bindClick(Qt::Key_Return, window()->button(QStringLiteral("Command2")), [this] { return GradeChosen == 1; });
    keys.bindClick(Qt::Key_Enter, window()->button(QStringLiteral("Command2")), [this] { return GradeChosen == 1; });
    keys.bindClick(Qt::Key_Escape, window()->button(QStringLiteral("Command3")));
}

void GradeScreen::chooseWithKey(int index)
{
    // The ladder shows the chosen grade as a pointer choice would leave it: highlighted.
    Command1_MouseMove(index);
    Command1_Click(index);
}

void GradeScreen::Command1_MouseMove(int index)
{
    if (GradeChosen != 0)
        return;
    HoveredButton = static_cast<qint16>(index);
    UpdateHighlight();
}

void GradeScreen::UpdateHighlight()
{
    if (HighlightedButton == HoveredButton)
        return;
    if (HighlightedButton != -1)
        showGradeButtonPicture(HighlightedButton, false);
    showGradeButtonPicture(HoveredButton, true);
    HighlightedButton = HoveredButton;
}

void GradeScreen::Form_MouseMove()
{
    if (GradeChosen != 0)
        return;
    // Read again at every movement over the background, even when the button shows its plain
    // picture already.
    showGradeButtonPicture(HoveredButton, false);
    HighlightedButton = -1;
}

void GradeScreen::Command1_Click(int index)
{
    // A second grade cannot be chosen before the first is withdrawn.
    if (GradeChosen != 0)
        return;
    GradeChosen = 1;
    context.state.SelectedGrade = static_cast<qint16>(index);
    window()->image(GradeLayout::markName(context.state.SelectedGrade))->show();
}

void GradeScreen::Command3_Click()
{
    if (GradeChosen != 1)
        return;
    GradeChosen = 0;
    window()->image(GradeLayout::markName(context.state.SelectedGrade))->hide();
}

void GradeScreen::Command2_Click()
{
    if (GradeChosen != 1)
        return;
    context.navigator.moveTo(context.state.OriginScreen == Origin::Menu ? ScreenId::Menu : ScreenId::Drill);
}

void GradeScreen::showGradeButtonPicture(int n, bool highlighted)
{
    const QPixmap picture = context.pictures.load(DataPaths(context.state.BaseDir).gradeButtonPicture(n, highlighted),
                                                  window()->devicePixelRatioF());
    window()->button(GradeLayout::gradeButtonName(n))->setPicture(picture);
}
