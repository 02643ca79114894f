// The built-in sounds "SE11" to "SE18": short effects synthesised here, each a complete RIFF
// WAVE file of 8-bit PCM in the format and length the game's sound table gives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorpo::artwork {

struct SoundEffect {
  std::string name;
  std::vector<std::uint8_t> wave;
};

std::vector<SoundEffect> SynthesiseSounds();

}  // namespace vorpo::artwork
