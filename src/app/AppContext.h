#pragma once

class Clock;
class Navigator;
class PictureLoader;
class RandomSource;
class SoundPlayer;
struct SharedState;

// What every screen is handed at start-up: the shared state, the platform services and the
// way to move to another screen. Tests hand in fakes.
struct AppContext
{
    SharedState &state;
    Clock &clock;
    RandomSource &random;
    SoundPlayer &sound;
    PictureLoader &pictures;
    Navigator &navigator;
};
