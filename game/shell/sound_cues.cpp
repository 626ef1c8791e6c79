// The game's sound cues through SDL2_mixer.
#include "game/shell/sound_cues.h"

#include "common/file_io.h"
#include "data/assets.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstring>

namespace crv {

static_assert(soundFileCount == soundCueCount, "one file per sound cue");

namespace {

// The beep is made at the rate of the game's own sounds and converted to the device's.
constexpr int beepRate = 22050;
constexpr int beepSampleCount = beepRate / 8; // 1/8 s

/// A soft two-tone beep, 880 then 660 Hz, fading out: the stand-in for a missing cue file.
void makeBeep(std::int16_t* samples) {
    for (int i = 0; i < beepSampleCount; ++i) {
        const float t = static_cast<float>(i) / beepRate;
        const float frequency = i < beepSampleCount / 2 ? 880.0f : 660.0f;
        const float fade = 1.0f - static_cast<float>(i) / beepSampleCount;
        const float value = 6000.0f * fade * std::sin(2.0f * 3.14159265f * frequency * t);
        samples[i] = static_cast<std::int16_t>(value);
    }
}

/// The beep as a chunk in the format the device was opened with, or null. The chunk does not
/// own its samples: `buffer` holds them and must outlive it.
Mix_Chunk* loadBeep(std::vector<std::uint8_t>& buffer) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
        return nullptr;
    }
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, 1, beepRate, format, channels, frequency) < 0) {
        return nullptr;
    }
    cvt.len = beepSampleCount * static_cast<int>(sizeof(std::int16_t));
    // The conversion works in place and may need room for more bytes than it ends with.
    buffer.assign(static_cast<std::size_t>(cvt.len) * cvt.len_mult, 0);
    std::int16_t samples[beepSampleCount];
    makeBeep(samples);
    std::memcpy(buffer.data(), samples, sizeof samples);
    int length = cvt.len;
    if (cvt.needed) {
        cvt.buf = buffer.data();
        if (SDL_ConvertAudio(&cvt) != 0) {
            return nullptr;
        }
        length = cvt.len_cvt;
    }
    return Mix_QuickLoad_RAW(buffer.data(), static_cast<Uint32>(length));
}

/// A cue file decoded, or null with a line on standard error. Read through the shared reader
/// so that a FIFO in its place cannot hold the game before its window opens.
Mix_Chunk* loadCue(const char* fileName) {
    const FileText file = readFile(fileName);
    if (file.error != 0) {
        reportLoadProblem(fileName, describeFileError(file.error));
        return nullptr;
    }
    // The chunk holds its own decoded copy, so the file's bytes may go.
    Mix_Chunk* chunk =
        Mix_LoadWAV_RW(SDL_RWFromConstMem(file.text.data(), static_cast<int>(file.text.size())), 1);
    if (chunk == nullptr) {
        reportLoadProblem(fileName, Mix_GetError());
    }
    return chunk;
}

} // namespace

bool openSoundCues(SoundCues& cues) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // One channel: a new cue always replaces the one still playing.
    Mix_AllocateChannels(1);
    for (int i = 0; i < soundCueCount; ++i) {
        cues.chunks[i] = loadCue(soundCueFiles[i]);
    }
    cues.beep = loadBeep(cues.beepSamples);
    cues.open = true;
    return true;
}

void playCue(SoundCues& cues, SoundCue cue) {
    if (!cues.open) {
        return;
    }
    Mix_Chunk* chunk = cues.beep;
    if (cue >= 0 && cue < soundCueCount && cues.chunks[cue] != nullptr) {
        chunk = cues.chunks[cue];
    }
    if (chunk != nullptr) {
        Mix_PlayChannel(0, chunk, 0);
    }
}

void closeSoundCues(SoundCues& cues) {
    if (!cues.open) {
        return;
    }
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : cues.chunks) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    // The beep's chunk first: it plays from the buffer freed after it.
    Mix_FreeChunk(cues.beep);
    cues.beep = nullptr;
    cues.beepSamples.clear();
    cues.beepSamples.shrink_to_fit();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    cues.open = false;
}

} // namespace crv
