// The game's sound cues through SDL2_mixer.
#include "game/shell/sound_cues.h"

#include "common/file_io.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace crv {

namespace {

const char* const cueFiles[cueCount] = {"MOVE.WAV", "FALL.WAV", "GAMEOVER.WAV", "WHOOSH.WAV"};

constexpr int beepRate = 22050;
constexpr int beepSamples = beepRate / 8;
constexpr int wavHeaderSize = 44;
std::uint8_t beepWav[wavHeaderSize + beepSamples * 2];

void putLittleEndian(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

/// A soft two-tone beep as a WAV image in memory: the stand-in for a missing cue file.
void makeBeepWav() {
    std::uint8_t* h = beepWav;
    const std::uint32_t dataSize = beepSamples * 2;
    std::memcpy(h, "RIFF", 4);
    putLittleEndian(h + 4, 36 + dataSize, 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    putLittleEndian(h + 16, 16, 4);
    putLittleEndian(h + 20, 1, 2); // PCM
    putLittleEndian(h + 22, 1, 2); // mono
    putLittleEndian(h + 24, beepRate, 4);
    putLittleEndian(h + 28, beepRate * 2, 4);
    putLittleEndian(h + 32, 2, 2);
    putLittleEndian(h + 34, 16, 2);
    std::memcpy(h + 36, "data", 4);
    putLittleEndian(h + 40, dataSize, 4);
    for (int i = 0; i < beepSamples; ++i) {
        const float t = static_cast<float>(i) / beepRate;
        const float frequency = i < beepSamples / 2 ? 880.0f : 660.0f;
        const float fade = 1.0f - static_cast<float>(i) / beepSamples;
        const float value = 6000.0f * fade * std::sin(2.0f * 3.14159265f * frequency * t);
        putLittleEndian(h + wavHeaderSize + 2 * i,
                        static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
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
    for (int i = 0; i < cueCount; ++i) {
        cues.chunks[i] = loadCue(cueFiles[i]);
    }
    makeBeepWav();
    cues.beep = Mix_LoadWAV_RW(SDL_RWFromConstMem(beepWav, sizeof beepWav), 1);
    cues.open = true;
    return true;
}

void playCue(SoundCues& cues, const char* fileName) {
    if (!cues.open) {
        return;
    }
    Mix_Chunk* chunk = cues.beep;
    for (int i = 0; i < cueCount; ++i) {
        if (std::strcmp(fileName, cueFiles[i]) == 0 && cues.chunks[i] != nullptr) {
            chunk = cues.chunks[i];
        }
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
    Mix_FreeChunk(cues.beep);
    cues.beep = nullptr;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    cues.open = false;
}

} // namespace crv
