#pragma once

#include <QString>

#include <array>

// The plain text that a question or choices picture carries for screen readers: what the
// picture shows, on one line, without reading marks (経済《けいざい》 and ｜日本語《にほんご》 keep
// only their base).
namespace ScreenReaderText {

QString question(const QString &question);
// "１ に、２ で、３ を、４ が"
QString choices(const std::array<QString, 4> &choices);

} // namespace ScreenReaderText
