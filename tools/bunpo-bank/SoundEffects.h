#pragma once

#include "bank/DataPaths.h"

#include <QByteArray>
#include <QList>

// The five sound effects of the sound folder, synthesised from a few sine partials and a
// seeded noise source: the same bytes on every build, no recordings to license.
//   o.wav      a bright two-note chime (high, then a major third lower)
//   x.wav      a short low buzzer
//   pan.wav    a balloon's pop: a crack of noise over a dull thump
//   dame.wav   "da-me": two falling sung notes, the second sagging
//   gokaku.wav a short brass fanfare ending on a held major chord
// 16-bit PCM mono at SampleRate, each well under two seconds.
namespace SoundEffects {

constexpr int SampleRate = 22050;

QList<qint16> samples(Sound sound);

// The whole file, header and samples.
QByteArray wav(Sound sound);

} // namespace SoundEffects
