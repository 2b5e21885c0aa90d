#pragma once

#include "GrammarList.h"

#include <QList>
#include <QString>

#include <array>

// A question bank as its text files give it, checked for shape but not yet drawn.

struct QuestionSource
{
    int line = 0;              // where its row begins in the grade file
    QString question;          // may hold one LF: the writer's own place for the second line
    std::array<QString, 4> choices;
    int answer = 0;            // 1..4
    // What the drill shows after the answer, in a file that has the columns (else empty):
    QString point;             // the grammar point drilled, an id of the list ("3-62")
    QString meaning;           // the whole sentence, right choice in, in English
    QString note;              // one line on why the right choice fits; may carry readings
};

struct GradeSource
{
    int index = 0;             // 1..7
    QString code;              // "g4_1"
    QString title;             // lettering of the title picture
    QString button;            // lettering of the grade button
    int catalogueLine = 0;     // its row in grades.csv
    QString file;              // the grade file, as named in messages
    bool hasNotes = false;     // its header carries point,meaning,note
    QList<QuestionSource> questions;
};

struct BankSource
{
    QString cataloguePath;     // grades.csv, as named in messages
    QList<GradeSource> grades; // in index order
    std::optional<GrammarList> grammar; // the list the points name, read when a grade has notes
};
