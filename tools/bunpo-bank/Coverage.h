#pragma once

#include "BankSource.h"
#include "GrammarList.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QTextStream>

// bunpo-bank coverage SOURCE_DIR: which grammar points of the list the banks drill, per
// examination grade (4: g4_1 to g4_3, 3: g3_1 to g3_4). Our own labels (numbers from 901) are
// shown and never counted; a question whose point belongs to a higher grade, or to no list, is
// named with its file and line.
namespace Coverage {

struct Place
{
    QString file;
    int line = 0;
    QString point; // as written
};

struct GradeReport
{
    int examGrade = 0;                       // 4 or 3
    QStringList codes;                       // its levels, easiest first
    QList<const GrammarPoint *> listed;      // the grade's points of the list, in list order
    QMap<QString, int> drilled;              // id of a listed point of this grade -> questions
    QMap<QString, int> ownLabels;            // id of one of our labels -> questions
    QMap<QString, int> lowerGrade;           // id of a point of an easier grade -> questions
    QList<Place> aboveGrade;                 // points of a harder grade
    QList<Place> unknown;                    // points the list lacks
    int withoutPoint = 0;                    // questions of files without the columns
    QList<QPair<QString, QStringList>> firstDrilledIn; // level code -> ids first drilled there
};

QList<GradeReport> report(const BankSource &bank, const GrammarList &list);

struct Requirement
{
    int examGrade = 0;
    int points = 0;
};

enum Result { Covered = 0, Short = 1, Usage = 2 };

// Prints the report to out; faults of the source, an unmet requirement, a point above its
// grade or in no list make it Short, each said on err.
Result command(const QString &sourceDir, const QString &pointsFile, const QList<Requirement> &required,
               QTextStream &out, QTextStream &err);

} // namespace Coverage
