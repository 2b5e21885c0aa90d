#pragma once

#include "BankSource.h"
#include "SourceError.h"

#include <QString>

// Reads a bank source folder: grades.csv (code,title,button, the seven grades in order) and one
// grade file <code>.csv per grade (question,choice1..choice4,answer, and optionally
// point,meaning,note after it: all three in a file, or none). Checks everything that the text of
// one row decides: the headers, the fields, the right choice, the number of questions, the blank
// of each question, the readings and the length limits. What the grammar list and the other rows
// decide is NoteCheck's; whether the lettering can be drawn and fits its picture is BankPainter's.
namespace SourceReader {

// Files are named in messages as sourceDir + "/" + name, so a relative sourceDir gives
// relative names ("content/g4_1.csv:12: ..."). Returns false when anything is wrong; every
// fault found is in errors.
bool read(const QString &sourceDir, BankSource &bank, SourceErrors &errors);

// The question's blank: full-width parentheses around one ideographic space.
const QString &blank();

} // namespace SourceReader
