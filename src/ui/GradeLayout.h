#pragma once

#include "ui/LayoutRow.h"
#include "ui/ScreenWindow.h"

// The Grade screen ランク as it is created at every showing: 282 × 440 pixels over the grade
// ladder (a 283-pixel-wide picture whose last column is cut off). The seven grade buttons
// "Command1(1)" (bottom, easiest) to "Command1(7)" (top, hardest) fill the ladder's slots; the
// selection mark "Image1(n)" stands hidden to the left of grade button n; "Image2" and
// "Image3" are empty areas over 難 and 易 that carry only a tooltip. Cancel "Command3" and
// confirm "Command2" stand below the ladder. Tab order: grade buttons 1 to 7, then Command2,
// Command3; grade button 1 takes the focus.
namespace GradeLayout {

ScreenWindow::Design design();
LayoutTable controls();

QString gradeButtonName(int n); // "Command1(n)"
QString markName(int n);        // "Image1(n)"

} // namespace GradeLayout
