#pragma once

// What every screen is handed: the shared state, the platform services and the moves.

class Clock;
class MutableSoundPlayer;
class PictureLoader;
class RandomSource;
class ScreenMoves;
struct SharedState;

// What every screen is handed at start-up: the shared state, the platform services and the
// way to move to another screen. Tests hand in fakes.
struct ScreenContext
{
    SharedState &state;
    Clock &clock;
    RandomSource &random;
    MutableSoundPlayer &sound; // the program's sound, which the learner may mute
    PictureLoader &pictures;
    ScreenMoves &moves;
};
