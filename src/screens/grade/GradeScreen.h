#pragma once

#include "screens/Screen.h"

#include <QString>
#include <QtGlobal>

// The Grade screen ランク, where the grade to drill is chosen. The grade button under the
// pointer is highlighted by giving it its highlighted picture from the title folder, and
// returned to its plain picture when the pointer goes on to another grade button or to the
// bare background; the pictures are read at every change and never kept. A click on a grade
// button chooses it (the selected grade, its selection mark) and freezes the highlight; cancel
// withdraws the choice, confirm goes back to the screen that opened this one.
class GradeScreen : public Screen
{
    Q_OBJECT
public:
    explicit GradeScreen(ScreenContext &context);

    // The description of the chosen grade's button, which takes the focus when it is chosen.
    static inline const QString ChosenWords = QStringLiteral("選びました。Return で決定します。Esc で取り消します。");

    // The grade whose button shows its highlighted picture: -1 (none) or the hovered grade.
    int highlightedGrade() const { return m_highlightedGrade; }
    // 1..7: the grade button the pointer was over last.
    int hoveredGrade() const { return m_hoveredGrade; }
    // From a click on a grade button until cancel.
    bool gradeChosen() const { return m_gradeChosen; }

protected:
    ScreenWindow *createWindow() override;
    // No file is read here: the grade buttons show their built-in pictures and button 1 counts
    // as highlighted already.
    void load() override;
    // 1-7 choose that grade; Return confirms once a grade is chosen; Escape withdraws it.
    void bindKeys(ButtonKeys &keys) override;

private:
    void pointerOverBackground();
    void pointerOverGrade(int grade);
    void chooseGrade(int grade);
    void chooseWithKey(int grade); // chooses, highlighted as if the pointer had gone there
    void confirm();                // and leave
    void cancel();                 // withdraws the choice
    void updateHighlight();

    // Reads the plain or highlighted picture of grade n's button and puts it on the button.
    void showGradeButtonPicture(int n, bool highlighted);

    int m_highlightedGrade = 1;
    int m_hoveredGrade = 1;
    bool m_gradeChosen = false;
};
