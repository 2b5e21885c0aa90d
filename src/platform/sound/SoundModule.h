#pragma once

// The entry point of the sound module, a library the program loads once it has shown its first
// screen: Qt Multimedia and the audio libraries it brings are loaded with it, not at start-up.

class SoundPlayer;

// The name the program looks the maker up by.
#define BUNPO_SOUND_MODULE_ENTRY "bunpoCreateSoundPlayer"

// Makes the module's sound player (Qt's audio output, our WAV reader); the caller owns it.
using CreateSoundPlayer = SoundPlayer *(*)();
