#pragma once

#include "app/Screen.h"

#include <QtGlobal>

// The Grade screen ランク, where the grade to drill is chosen. The grade button under the
// pointer is highlighted by giving it its highlighted picture from the title folder, and
// returned to its plain picture when the pointer goes on to another grade button or to the
// bare background; the pictures are read at every change and never kept. A click on a grade
// button chooses it (SelectedGrade, selection mark) and freezes the highlight; cancel
// withdraws the choice, confirm goes back to the screen that opened this one.
class GradeScreen : public Screen
{
    Q_OBJECT
public:
    explicit GradeScreen(AppContext &context);

    // HighlightedButton: -1 (none) or equal to HoveredButton. HoveredButton: 1..7, the grade
    // button the pointer was over last. GradeChosen: 1 from a click on a grade button until cancel.
    qint16 highlightedButton() const { return HighlightedButton; }
    qint16 hoveredButton() const { return HoveredButton; }
    qint16 gradeChosen() const { return GradeChosen; }

protected:
    ScreenWindow *createWindow() override;
    // No file is read here: the grade buttons show their built-in pictures and button 1 counts
    // as highlighted already.
    void load() override;
    // 1-7 choose that grade; Return confirms once a grade is chosen; Escape withdraws it.
    void bindKeys(ButtonKeys &keys) override;

private:
    void Form_MouseMove();               // pointer over the bare background
    void Command1_MouseMove(int index);  // pointer over grade button index
    void Command1_Click(int index);      // choose
    void chooseWithKey(int index);       // choose, highlighted as if the pointer had gone there
    void Command2_Click();               // confirm and leave
    void Command3_Click();               // withdraw the choice
    void UpdateHighlight();

    // Reads the plain or highlighted picture of grade button n and puts it on the button.
    void showGradeButtonPicture(int n, bool highlighted);

    qint16 HighlightedButton = 1;
    qint16 HoveredButton = 1;
    qint16 GradeChosen = 0;
};
