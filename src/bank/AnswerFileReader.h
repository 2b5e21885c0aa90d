#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Entry k is the right choice of question k, for k = 1 to the question count; 0 is never used.
using AnswerTable = std::array<qint16, 61>;

namespace AnswerFileReader {

// Reads an answer file: item 1 is the question count C, items 2..C+1 the right choices of
// questions 1..C. Items are separated by commas or line breaks (CR LF, LF or CR), with blanks
// or tabs before an item; a UTF-8 byte-order mark is skipped; anything after item C+1 is never
// read. Stores the count in questionCount and answer k in answers[k]; other entries keep their
// values. Keeps no file open.
// A whole number is an optional sign and decimal digits, blanks around it ignored ("+3", " 3 ",
// "007"); "3.0", "3 4" and an empty item (",,") are type mismatches. Blank lines, and a comma
// at the end of a line, make one separator.
//
// Throws RuntimeError naming the file: FileNotFound; InputPastEndOfFile when an item is missing;
// SubscriptOutOfRange at the 61st answer of a count above 60 (answers 1..60 stored first);
// TypeMismatch for an item that is not a whole number and Overflow for one outside
// -32768..32767, each with the item's position.
void read(const QString &dataPath, qint16 &questionCount, AnswerTable &answers);

} // namespace AnswerFileReader
