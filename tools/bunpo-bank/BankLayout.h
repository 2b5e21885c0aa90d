#pragma once

#include "GradeButtonFace.h"

#include <QRgb>

// Where the data pictures go on the screens, in pixels, and what the builder may put in them.
// The builder draws to these sizes and the checker holds a data folder to them; the pictures
// for screens of twice the density ("q1@2x.gif") are exactly twice these sizes.
namespace BankLayout {

// The board's colours: navy panels, the bright blue field, the yellow of the lettering.
constexpr QRgb Navy = 0xff000080;
constexpr QRgb BoardBlue = 0xff0402fc;
constexpr QRgb Yellow = 0xfffcfe04;
constexpr QRgb White = 0xffffffff;

// Question picture: the question panel, one or two lines of text.
constexpr int QuestionWidth = 578;
constexpr int QuestionLineHeight = 36;
constexpr int QuestionMaxLines = 2;
constexpr int QuestionMaxHeight = QuestionLineHeight * QuestionMaxLines;
constexpr int QuestionMargin = 14;
constexpr int QuestionFontPixels = 20;

// Choices picture: four rows; the right-answer ring (40 x 40, 28.67 px steps) is placed for a
// number centred NumberTop + RowPitch * (n - 1) below the top and NumberCentreX from the left.
constexpr int ChoicesWidth = 578;
constexpr int ChoicesHeight = 113;
constexpr int ChoiceRows = 4;
constexpr int RowPitch = 28;
constexpr int NumberTop = 15;
constexpr int NumberCentreX = 13;
constexpr int ChoiceTextLeft = 40;
constexpr int ChoiceRightMargin = 10;
constexpr int ChoiceFontPixels = 20;
// The choices' size when a row carries readings: 18 px text under 9 px readings fits a row.
constexpr int ChoiceRubyFontPixels = 18;

// Title picture: the top of the Drill screen, over the board's blue field.
constexpr int TitleMaxWidth = 327;
constexpr int TitleMaxHeight = 37;
constexpr int TitleFontPixels = 22;

// Note picture: shown under the board after an answer. A yellow heading (the grammar point's
// name and gloss, one line), then the sentence's meaning and the note in white, at most two
// lines each, each line in a band that also holds its readings.
constexpr int NoteWidth = 744;
constexpr int NoteHeight = 120;
constexpr int NoteMargin = 12;
constexpr int NoteTop = 4;
constexpr int NoteHeadingHeight = 22;
constexpr int NoteHeadingFontPixels = 14;
constexpr int NoteLineHeight = 23;
constexpr int NoteFontPixels = 15;
constexpr int NoteMaxLines = 2;
constexpr int NoteGap = 2; // between the meaning and the note
static_assert(NoteTop + NoteHeadingHeight + 2 * NoteMaxLines * NoteLineHeight + NoteGap <= NoteHeight);

// Grade buttons: exactly the ladder's slots with their frame lines.
constexpr int GradeButtonWidth = GradeButtonFace::Width;
constexpr int GradeButtonHeight = GradeButtonFace::Height;
constexpr int GradeButtonFontPixels = GradeButtonFace::LargestPixels;

// The bank: what the answer file and the program's tables hold.
constexpr int MinQuestions = 2;
constexpr int MaxQuestions = 60;

// What the source format promises its writers.
constexpr int QuestionMaxCharacters = 48;
constexpr int ChoiceMaxCharacters = 22;
constexpr int TitleMaxCharacters = 14;

} // namespace BankLayout
