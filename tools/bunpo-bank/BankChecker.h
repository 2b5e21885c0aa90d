#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// bunpo-bank check DATA_DIR: reads a data folder the way the program will, with the program's
// own catalogue, paths, answer-file reader and picture loader, and lists every problem at
// once, each as "<file>: what is wrong". A picture's twice-density file ("q1@2x.gif"), where
// present, is held to the same rules and must be exactly twice the picture's size. A grade with
// a note folder (note/<code>) has a note picture for each question, 744 x 120, whose text is
// its heading, meaning and note.
namespace BankChecker {

struct Report
{
    QStringList problems;
    int grades = 0;    // grades whose answer file the program reads
    int questions = 0; // their questions
};

Report check(const QString &dataDir);

enum Result { Clean = 0, Problems = 1 };

// Prints the problems and a closing line to out.
Result run(const QString &dataDir, QTextStream &out);

} // namespace BankChecker
