#pragma once

#include "BankSource.h"
#include "KanjiDictionary.h"
#include "SourceError.h"

// Holds each bank to the kanji its learners have met: a grade-4 bank may use level-4 kanji,
// a grade-3 bank level-4 and level-3 kanji. Any other kanji needs a reading over it or the
// word in kana; one message a row names every such kanji once, in the order written.
namespace KanjiLevelCheck {

// The examination grade of a grade index: 4 for indices 1 to 3, 3 for 4 to 7.
int examinationGrade(int gradeIndex);

void check(const BankSource &bank, const KanjiDictionary &dictionary, SourceErrors &errors);

// Whether c is a kanji whose level the dictionary would tell (not 々 and the like).
bool isKanji(char32_t c);

} // namespace KanjiLevelCheck
