#pragma once

#include <QString>

// The pictures compiled into the program (drawn by tools/drawpictures).
namespace Builtin {

inline const QString Icon = QStringLiteral(":/pictures/icon.bmp");

// Drill screen
inline const QString DrillBackground = QStringLiteral(":/pictures/drill/background.bmp");
inline const QString Board = QStringLiteral(":/pictures/drill/board.bmp");
inline const QString Train = QStringLiteral(":/pictures/drill/train.gif");
inline const QString Burst = QStringLiteral(":/pictures/drill/burst.gif");
inline const QString CorrectMark = QStringLiteral(":/pictures/drill/correct.gif");
inline const QString WrongMark = QStringLiteral(":/pictures/drill/wrong.gif");
inline const QString Ring = QStringLiteral(":/pictures/drill/ring.gif");
inline const QString BonusBanner = QStringLiteral(":/pictures/drill/bonus.gif");
inline const QString PassBanner = QStringLiteral(":/pictures/drill/pass.gif");
inline const QString HalvingNotice = QStringLiteral(":/pictures/drill/halving.bmp");
inline const QString ScoreBox = QStringLiteral(":/pictures/drill/scorebox.bmp");
inline const QString RunBox = QStringLiteral(":/pictures/drill/runbox.gif");
inline const QString AnswerBox = QStringLiteral(":/pictures/drill/answerbox.gif");
inline QString choiceButton(int n) { return QStringLiteral(":/pictures/drill/choice%1.gif").arg(n); }
inline const QString NextButton = QStringLiteral(":/pictures/drill/next.bmp");
inline const QString DrillEndButton = QStringLiteral(":/pictures/drill/end.gif");
inline const QString DrillReturnButton = QStringLiteral(":/pictures/drill/return.gif");
inline const QString DrillSettingsButton = QStringLiteral(":/pictures/drill/settings.gif");
inline const QString SampleChoices = QStringLiteral(":/pictures/drill/sample-choices.gif");

// Menu screen
inline const QString MenuBackground = QStringLiteral(":/pictures/menu/background.jpg");
inline const QString TitleLettering = QStringLiteral(":/pictures/menu/title.gif");
inline const QString GradeRangeLettering = QStringLiteral(":/pictures/menu/graderange.gif");
inline const QString Explanation = QStringLiteral(":/pictures/menu/explanation.bmp");
inline const QString ExplanationEnglish = QStringLiteral(":/pictures/menu/explanation-en.bmp");
inline const QString ExplainButton = QStringLiteral(":/pictures/menu/explain.gif");
inline const QString MenuSettingsButton = QStringLiteral(":/pictures/menu/settings.gif");
inline const QString DrillButton = QStringLiteral(":/pictures/menu/drill.gif");
inline const QString MenuEndButton = QStringLiteral(":/pictures/menu/end.gif");
inline const QString MenuReturnButton = QStringLiteral(":/pictures/menu/return.gif");

// Grade screen
inline const QString Ladder = QStringLiteral(":/pictures/grade/ladder.bmp");
inline QString gradeButton(int n) { return QStringLiteral(":/pictures/grade/grade%1.gif").arg(n); }
inline const QString SelectionMark = QStringLiteral(":/pictures/grade/mark.bmp");
inline const QString CancelButton = QStringLiteral(":/pictures/grade/cancel.gif");
inline const QString ConfirmButton = QStringLiteral(":/pictures/grade/decide.gif");

} // namespace Builtin
