#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Breaks a Japanese sentence onto at most two lines of a given width, the way a typesetter
// would: where the writer put a line break; else at the most natural place that lets both
// lines fit (a space, or after 、。」; else where a word likely begins; else between any two
// characters), the lines as even as that allows. The usual rules always hold: no 。、）」 or
// small kana at a line's start, no （「 at its end, no break inside Latin letters or digits,
// so the blank （　） stays whole.
namespace LineBreaker {

using Measure = std::function<qreal(const QString &)>;

// The lines, or an empty list when the text does not fit on two lines.
QStringList twoLines(const QString &text, qreal maxWidth, const Measure &width);

} // namespace LineBreaker
