// The game's sound cues through SDL2_mixer.
//
// Does: loads the four cue files once at start-up; plays each cue at once on a single
// channel, so a new cue cuts off the one still playing; plays a short built-in beep for
// a cue whose file is missing, as a desktop's default sound would.
// Does not: report anything. Without an audio device the game is silent.
#pragma once

#include "game/rules/game.h"

#include <cstdint>
#include <vector>

struct Mix_Chunk;

namespace crv {

struct SoundCues {
    bool open = false;
    Mix_Chunk* chunks[soundCueCount] = {};
    Mix_Chunk* beep = nullptr;
    /// The beep's samples in the device's format; the beep chunk plays from them in place.
    std::vector<std::uint8_t> beepSamples;
};

/// Opens the audio device and loads the cues from the working directory; false means silence.
bool openSoundCues(SoundCues& cues);

/// Starts the cue without waiting; the beep when its file could not be loaded.
void playCue(SoundCues& cues, SoundCue cue);

/// Stops playback and releases the device.
void closeSoundCues(SoundCues& cues);

} // namespace crv
