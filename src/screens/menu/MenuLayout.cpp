#include "screens/menu/MenuLayout.h"

#include "widgets/BuiltinPictures.h"

#include <QPalette>

namespace MenuLayout {

ScreenWindow::Design design()
{
    // The photograph fills the client area exactly; the window colour never shows.
    return {QStringLiteral("メニュー"), QStringLiteral("メニュー"), 11250, 7845, QPalette().color(QPalette::Window),
            Builtin::MenuBackground};
}

LayoutTable controls()
{
    using K = ControlKind;
    // Front to back. The explanation picture lies over both letterings; the buttons, being
    // buttons, lie over it, so the return button stands on its empty lower part.
    return {
        {{MenuControl::ReturnButton, "returnButton"}, K::Button, 4485, 6525, 1875, 600, false, Builtin::MenuReturnButton, QStringLiteral("Return (Esc)"), 4,
         QStringLiteral("戻る")},
        {{MenuControl::ExplainButton, "explainButton"}, K::Button, 1065, 6405, 1875, 600, true, Builtin::ExplainButton, QStringLiteral("Explanation"), 3,
         QStringLiteral("説明")},
        {{MenuControl::SettingsButton, "settingsButton"}, K::Button, 3375, 6420, 1875, 600, true, Builtin::MenuSettingsButton, QStringLiteral("Establish of drill grade"), 2,
         QStringLiteral("設定")},
        {{MenuControl::DrillButton, "drillButton"}, K::Button, 5745, 6405, 1875, 600, true, Builtin::DrillButton, QStringLiteral("Drill"), 1,
         QStringLiteral("練習")},
        {{MenuControl::EndButton, "endButton"}, K::Button, 8085, 6405, 1875, 600, true, Builtin::MenuEndButton, QStringLiteral("Exit"), 0,
         QStringLiteral("終了")},
        // Its picture is read when the explanation view opens (MenuScreen), in Japanese; E or
        // a click on it switches to English and back.
        {{MenuControl::Explanation, "explanation"}, K::Image, 1410, 285, 7845, 7020, false, QString(),
         QStringLiteral("English: E or click")},
        {{MenuControl::GradeRangeLettering, "gradeRangeLettering"}, K::Image, 8445, 1365, 2505, 900, true, Builtin::GradeRangeLettering, QString()},
        {{MenuControl::TitleLettering, "titleLettering"}, K::Image, 645, 225, 9900, 870, true, Builtin::TitleLettering, QString()},
    };
}

} // namespace MenuLayout
