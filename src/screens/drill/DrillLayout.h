#pragma once

#include "widgets/LayoutRow.h"
#include "widgets/ScreenWindow.h"

#include <QFont>

// The Drill screen's window and controls in their designed state. Geometry in twips.
// The stages are not controls here (the screen makes them), nor is the sound player, which
// is the program's one player and never seen.

// The Drill screen's controls, each named by what it shows or does.
enum class DrillControl {
    ChoiceButton1, ChoiceButton2, ChoiceButton3, ChoiceButton4, // the answers, left to right
    NextButton, SettingsButton, ReturnButton, EndButton,
    Board, QuestionPicture, ChoicesPicture, TitlePicture, // the question and choices from the bank
    Train, Burst, AnswerBox, RunBox, ScoreBox, CorrectMark, WrongMark,
    HalvingNotice, PassBanner, Ring, BonusBanner,
    ScoreLabel, RunLabel,
};

namespace DrillLayout {

// The key of choice button 1..4.
DrillControl choiceButton(int choice);

// ドリル: 744 x 491 pixels, dark green under the cherry-blossom wallpaper.
ScreenWindow::Design design();

// Front to back.
const LayoutTable &table();

// The fonts of the score label (24 pt) and the run label (26.25 pt) at 96 dpi, bold, in the
// first installed Mincho face that has both ordinary and full-width digits.
QFont scoreFont();
QFont runFont();

// The window as the screen starts it: the table's controls, the two labels in yellow on
// their boxes, choice button 1 holding the focus. Throws RuntimeError for a missing built-in
// picture.
ScreenWindow *createWindow();

} // namespace DrillLayout
