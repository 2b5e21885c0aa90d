#include "screens/grade/GradeLayout.h"

#include "bank/GradeCatalogue.h"
#include "widgets/BuiltinPictures.h"

#include <QPalette>

namespace GradeLayout {

GradeControl gradeButton(int grade)
{
    return GradeControl(int(GradeControl::GradeButton1) + grade - 1);
}

GradeControl selectionMark(int grade)
{
    return GradeControl(int(GradeControl::SelectionMark1) + grade - 1);
}

ScreenWindow::Design design()
{
    return {QStringLiteral("ランク"), QStringLiteral("ランク"), 4230, 6600, QPalette().color(QPalette::Window),
            Builtin::Ladder};
}

LayoutTable controls()
{
    using K = ControlKind;
    LayoutTable table = {
        {{GradeControl::CancelButton, "cancelButton"}, K::Button, 630, 5900, 1320, 420, true, Builtin::CancelButton, QStringLiteral("Cancel (Esc)"), 8,
         QStringLiteral("取消")},
        {{GradeControl::ConfirmButton, "confirmButton"}, K::Button, 2400, 5900, 1320, 420, true, Builtin::ConfirmButton, QStringLiteral("Decision (Return)"), 7,
         QStringLiteral("決定")},
    };

    // Grade buttons 1 to 6 start at the top lines of their slots, 750 twips apart; button 7
    // starts 30 twips above its slot. Each is one pixel taller than its slot and hides its frame.
    const int buttonTops[8] = {0, 4860, 4110, 3360, 2610, 1860, 1110, 330};
    for (int n = 7; n >= 1; --n)
        table.push_back({{gradeButton(n), QStringLiteral("gradeButton%1").arg(n)}, K::Button, 900, buttonTops[n], 2445, 765, true, Builtin::gradeButton(n),
                         QStringLiteral("%1 (%2)").arg(GradeCatalogue::lookup(n)->tooltip).arg(n), n - 1,
                         GradeCatalogue::lookup(n)->accessibleName});

    table.push_back({{GradeControl::EasyHint, "easyHint"}, K::Image, 3495, 5010, 540, 510, true, QString(), QStringLiteral("Easy")});
    table.push_back({{GradeControl::DifficultHint, "difficultHint"}, K::Image, 3525, 495, 450, 435, true, QString(), QStringLiteral("Difficult")});

    // The marks are not evenly spaced; each one's middle lies within 3 pixels of its button's.
    const int markLefts[8] = {0, 45, 45, 45, 45, 45, 45, 60};
    const int markTops[8] = {0, 4950, 4230, 3495, 2715, 1995, 1215, 480};
    for (int n = 7; n >= 1; --n)
        table.push_back({{selectionMark(n), QStringLiteral("selectionMark%1").arg(n)}, K::Image, markLefts[n], markTops[n], 870, 555, false, Builtin::SelectionMark, QString()});
    return table;
}

} // namespace GradeLayout
