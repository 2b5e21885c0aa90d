#pragma once

#include "widgets/LayoutRow.h"
#include "widgets/ScreenWindow.h"

// The Menu screen メニュー as it is created at every showing: 750 × 523 pixels over the mountain
// photograph, in the menu view (four buttons along the bottom; the explanation picture and its
// return button hidden). Tab order end, drill, settings, explain, return; the end button takes
// the focus.

enum class MenuControl {
    EndButton, DrillButton, SettingsButton, ExplainButton, ReturnButton,
    TitleLettering, GradeRangeLettering, Explanation,
};

namespace MenuLayout {

ScreenWindow::Design design();
LayoutTable controls();

} // namespace MenuLayout
