// Sound output through SDL2's audio subsystem, loaded at the first sound. One sound plays at a
// time: a new sound clears what is still queued, so it cuts off the one playing. The device opens
// at the first sound and stays open; when none can be opened (no sound server), every sound is
// skipped silently and the device is not tried again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorpo {

struct SdlAudioLibrary;

class AudioOutput {
 public:
  AudioOutput() = default;
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Plays a complete RIFF WAVE file asynchronously: the call returns at once. Bytes that SDL
  // cannot decode play nothing and leave the sound playing alone.
  void Play(std::span<const std::uint8_t> wave);
  // Cuts off the sound playing.
  void Stop();
  // Bytes still waiting for the device; 0 when there is no device.
  std::size_t Pending() const;

 private:
  enum class Device { NotTried, Open, Unavailable };
  bool Ready();

  Device state_ = Device::NotTried;
  const SdlAudioLibrary* sdl_ = nullptr;
  std::uint32_t device_ = 0;
};

}  // namespace vorpo
