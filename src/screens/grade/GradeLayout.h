#pragma once

#include "widgets/LayoutRow.h"
#include "widgets/ScreenWindow.h"

// The Grade screen ランク as it is created at every showing: 282 × 440 pixels over the grade
// ladder (a 283-pixel-wide picture whose last column is cut off). The seven grade buttons,
// 1 at the bottom (easiest) to 7 at the top (hardest), fill the ladder's slots; each grade's
// selection mark stands hidden to the left of its button; the difficult and easy hints are
// empty areas over 難 and 易 that carry only a tooltip. Cancel and confirm stand below the
// ladder. Tab order: grade buttons 1 to 7, confirm, cancel; grade button 1 takes the focus.

enum class GradeControl {
    GradeButton1, GradeButton2, GradeButton3, GradeButton4, GradeButton5, GradeButton6, GradeButton7,
    SelectionMark1, SelectionMark2, SelectionMark3, SelectionMark4, SelectionMark5, SelectionMark6, SelectionMark7,
    ConfirmButton, CancelButton, DifficultHint, EasyHint,
};

namespace GradeLayout {

ScreenWindow::Design design();
LayoutTable controls();

// The keys of grade 1..7's button and selection mark.
GradeControl gradeButton(int grade);
GradeControl selectionMark(int grade);

} // namespace GradeLayout
