// The game's four sound cues, synthesised.
#include "tools/datagen/sounds.h"

#include "tools/datagen/image.h"

#include <algorithm>
#include <cmath>

namespace crv::datagen {

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr double rate = soundSampleRate;

std::vector<float> silence(double seconds) {
    return std::vector<float>(static_cast<std::size_t>(std::lround(seconds * rate)), 0.0f);
}

/// Scales to the given peak and fades the first and last `fade` seconds, so no cue starts or
/// stops with a jump that the ear hears as a crack.
void finish(std::vector<float>& samples, float peak, double fadeIn, double fadeOut) {
    float loudest = 0;
    for (float s : samples) {
        loudest = std::max(loudest, std::fabs(s));
    }
    const float gain = loudest > 0 ? peak / loudest : 0;
    const double n = static_cast<double>(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i);
        double envelope = 1;
        envelope = std::min(envelope, t / (fadeIn * rate));
        envelope = std::min(envelope, (n - 1 - t) / (fadeOut * rate));
        samples[i] = static_cast<float>(samples[i] * gain * std::clamp(envelope, 0.0, 1.0));
    }
}

} // namespace

std::vector<float> makeMoveSound() {
    std::vector<float> samples = silence(0.045);
    Random random(11);
    double phase = 0;
    double noise = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = i / rate;
        // A woody knock: a pitch that drops quickly, with a breath of low-passed noise at the
        // onset.
        const double frequency = 520 + 380 * std::exp(-t / 0.006);
        phase += twoPi * frequency / rate;
        noise += 0.35 * (random.range(-1, 1) - noise);
        const double body = std::sin(phase) * std::exp(-t / 0.010);
        const double tap = noise * std::exp(-t / 0.002);
        samples[i] = static_cast<float>(body + 0.6 * tap);
    }
    finish(samples, 0.45f, 0.0008, 0.008);
    return samples;
}

std::vector<float> makeFallSound() {
    std::vector<float> samples = silence(0.028);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = i / rate;
        const double decay = std::exp(-t / 0.0045);
        samples[i] = static_cast<float>(
            (std::sin(twoPi * 1750 * t) + 0.25 * std::sin(twoPi * 2630 * t)) * decay);
    }
    finish(samples, 0.22f, 0.0006, 0.006);
    return samples;
}

std::vector<float> makeGameOverSound() {
    std::vector<float> samples = silence(1.5);
    struct Note {
        double start, length, frequency;
    };
    // G4, E4, C4 and a long, low G3: a falling, closing phrase.
    const Note notes[] = {
        {0.00, 0.34, 392.00}, {0.26, 0.34, 329.63}, {0.52, 0.34, 261.63}, {0.78, 0.72, 196.00}};
    for (const Note& note : notes) {
        const std::size_t first = static_cast<std::size_t>(std::lround(note.start * rate));
        const std::size_t count = static_cast<std::size_t>(std::lround(note.length * rate));
        for (std::size_t k = 0; k < count && first + k < samples.size(); ++k) {
            const double t = k / rate;
            const double attack = std::min(1.0, t / 0.012);
            const double release = std::min(1.0, (note.length - t) / 0.08);
            const double envelope = attack * release * std::exp(-t / (note.length * 0.7));
            // A slight vibrato on the held last note makes it sound sung rather than beeped.
            const double vibrato = note.length > 0.5 ? 0.004 * std::sin(twoPi * 5.5 * t) : 0;
            const double phase = twoPi * note.frequency * t * (1 + vibrato);
            const double tone =
                std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
            samples[first + k] += static_cast<float>(tone * envelope);
        }
    }
    finish(samples, 0.5f, 0.002, 0.05);
    return samples;
}

std::vector<float> makeWhooshSound() {
    constexpr double length = 0.6;
    std::vector<float> samples = silence(length);
    Random random(23);
    // White noise through two band-pass stages (state-variable filters) whose centre sweeps up
    // and back down: the rise and fall of air rushing past.
    double low[2] = {0, 0};
    double band[2] = {0, 0};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = i / rate / length;
        const double sweep = std::sin(3.14159265 * std::pow(t, 0.8));
        const double centre = 300 + 1500 * sweep;
        const double f = 2 * std::sin(3.14159265 * centre / rate);
        constexpr double damping = 0.6;
        double signal = random.range(-1, 1);
        for (int stage = 0; stage < 2; ++stage) {
            const double high = signal - low[stage] - damping * band[stage];
            band[stage] += f * high;
            low[stage] += f * band[stage];
            signal = band[stage];
        }
        const double envelope = std::pow(std::sin(3.14159265 * std::pow(t, 0.7)), 2.0);
        samples[i] = static_cast<float>(signal * envelope);
    }
    finish(samples, 0.5f, 0.005, 0.02);
    return samples;
}

} // namespace crv::datagen
