// The game's sound cues through SDL2_mixer.
//
// Does: loads the four cue files once at start-up; plays each cue at once on a single
// channel, so a new cue cuts off the one still playing; plays a short built-in beep for
// a cue whose file is missing, as a desktop's default sound would.
// Does not: report anything. Without an audio device the game is silent.
#pragma once

struct Mix_Chunk;

namespace crv {

constexpr int cueCount = 4;

struct SoundCues {
    bool open = false;
    Mix_Chunk* chunks[cueCount] = {};
    Mix_Chunk* beep = nullptr;
};

/// Opens the audio device and loads the cues from the working directory; false means silence.
bool openSoundCues(SoundCues& cues);

/// Starts the named cue ("MOVE.WAV", "FALL.WAV", "GAMEOVER.WAV", "WHOOSH.WAV") without waiting.
void playCue(SoundCues& cues, const char* fileName);

/// Stops playback and releases the device.
void closeSoundCues(SoundCues& cues);

} // namespace crv
