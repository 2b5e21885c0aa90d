#pragma once

#include <QString>

// A sound file held to what a player needs to start it: a RIFF/WAVE header, a format chunk
// and a data chunk whose length fits in the file.
namespace WaveCheck {

// What is wrong with the sound at file (a path of this system), or an empty string.
QString problem(const QString &file);

} // namespace WaveCheck
