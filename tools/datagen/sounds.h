// The game's four sound cues, synthesised.
#pragma once

#include <vector>

namespace crv::datagen {

constexpr int soundSampleRate = 22050;

/// A soft click for a sideways move or a turn.
std::vector<float> makeMoveSound();
/// A light tick for each row the piece falls; short and quiet, as it may repeat 14 times a second.
std::vector<float> makeFallSound();
/// A descending phrase of four notes, about 1.5 seconds, for the game over.
std::vector<float> makeGameOverSound();
/// An airy whoosh of about 0.6 seconds for a removal.
std::vector<float> makeWhooshSound();

} // namespace crv::datagen
