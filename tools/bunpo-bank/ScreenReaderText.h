#pragma once

#include <QString>

#include <array>

// The plain text that a question or choices picture carries for screen readers: what the
// picture shows, without reading marks (経済《けいざい》 and ｜日本語《にほんご》 keep only their
// base); the question on one line, the choices one a line.
namespace ScreenReaderText {

QString question(const QString &question);
// One choice a line, after its number and a wide space: "１　に\n２　で\n３　を\n４　が".
// The Drill screen reads it back in this form (DrillNarrator).
QString choices(const std::array<QString, 4> &choices);

} // namespace ScreenReaderText
