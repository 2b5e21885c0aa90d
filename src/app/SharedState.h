#pragma once

#include <QString>
#include <QtGlobal>

// The values the three screens hand to one another; nothing else passes between them.
// They live for the whole run, start as below, are never reset and never saved.
struct SharedState
{
    QString BaseDir;          // the executable's folder, at most one trailing separator removed
    qint16 SelectedGrade = 0; // grade index 1..7 that the Drill screen drills
    qint16 QuestionCount = 0; // question count of the grade the Drill screen loaded last
    qint16 GradeVisited = 0;  // 1 once the Drill or Grade screen has been loaded in this run
    qint16 OriginScreen = 0;  // 1 Menu, 2 Drill: where a confirmed grade returns to
};

namespace Origin {
constexpr qint16 Menu = 1;
constexpr qint16 Drill = 2;
} // namespace Origin

// The folder that holds the executable, with at most one trailing separator removed:
// "C:\" gives "C:", "/opt/drill/" gives "/opt/drill", "C:\drill" stays.
QString baseDirFrom(const QString &executableFolder);
