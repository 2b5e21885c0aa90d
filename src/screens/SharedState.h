#pragma once

#include "screens/ScreenId.h"

#include <QString>
#include <QtGlobal>

// The values the three screens hand to one another; nothing else passes between them.
// They live for the whole run, start as below, are never reset and never saved.
struct SharedState
{
    QString baseDir;          // the executable's folder, at most one trailing separator removed
    qint16 selectedGrade = 0; // grade index 1..7 that the Drill screen drills
    // Read from the answer file: it stays a 16-bit count, checked where it is read.
    qint16 questionCount = 0; // question count of the grade the Drill screen loaded last
    bool gradeVisited = false; // once the Drill or Grade screen has been loaded in this run
    ScreenId gradeReturnsTo = ScreenId::Menu; // where a confirmed grade returns to: Menu or Drill
    // Set at start-up, false with --no-notes: the Drill screen then shows no note panel,
    // whatever the data folder holds.
    bool notesWanted = true;
};

// The folder that holds the executable, with at most one trailing separator removed:
// "C:\" gives "C:", "/opt/drill/" gives "/opt/drill", "C:\drill" stays.
QString baseDirFrom(const QString &executableFolder);
