#pragma once

#include "RubyText.h"

#include <QList>

#include <functional>

// Breaks a Japanese sentence onto at most two lines of a given width, the way a typesetter
// would: where the writer put a line break; else at the place that lets both lines fit with
// the shortest longer line, a break between sentences or quotations counting as the best, one
// at a space or comma as good, one inside a word as poor. The usual rules always hold: no
// 。、）」 or small kana at a line's start, no （「 at its end, no break inside Latin letters
// or digits, so the blank （　） stays whole, and a word with its reading is never cut.
namespace LineBreaker {

using Measure = std::function<qreal(const RubyText &)>;

// The lines, or an empty list when the text does not fit on two lines.
QList<RubyText> twoLines(const RubyText &text, qreal maxWidth, const Measure &width);

// English with Japanese words in it, filled line by line: each line takes as much as fits,
// broken at a space where one lets it fit, else where the rules above allow a break between
// Japanese characters, else (a word longer than a line) at the last character that fits. At
// most maxLines lines; what does not fit on them goes to *rest (empty when all fits). A line
// break in the text counts as a space.
QList<RubyText> fill(const RubyText &text, qreal maxWidth, int maxLines, const Measure &width, RubyText *rest);

} // namespace LineBreaker
