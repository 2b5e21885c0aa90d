#pragma once

#include <QString>
#include <optional>

// The seven grades, easiest (1) to hardest (7), fixed in the program.
struct Grade
{
    int index;          // 1..7
    QString code;       // "g4_1" .. "g3_4": names the answer file and the picture folders
    QString answerFile; // relative data path, "\answer\g4_1.ans"
    QString tooltip;    // of its button on the Grade screen, "Grade 4-1"
    QString accessibleName; // of its button, as a screen reader says it: "４級 レベル１"
};

namespace GradeCatalogue {

constexpr int Count = 7;

// An index outside 1..7 matches no grade.
std::optional<Grade> lookup(int index);

} // namespace GradeCatalogue
