#include "audio_output.h"

#include <climits>
#include <cstring>
#include <vector>

#include "sdl_audio_library.h"

namespace vorpo {

namespace {

// The device format: every sound is converted to it, whatever the pack's files hold.
constexpr int kFrequency = 44100;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 2;
constexpr Uint16 kBufferFrames = 512;  // about 12 ms: a new sound starts with little delay

// A sound effect is a fraction of a second; a longer one is played for this long at most, so
// that a pack cannot make the conversion below take gigabytes.
constexpr Uint32 kMaxSeconds = 30;

// The samples of a WAVE file in the device format; empty when SDL cannot decode or convert it.
std::vector<Uint8> Decode(const SdlAudioLibrary& sdl, std::span<const std::uint8_t> wave) {
  if (wave.size() > INT_MAX) return {};
  SDL_RWops* source = sdl.RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
  if (!source) return {};
  SDL_AudioSpec spec{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!sdl.LoadWAV_RW(source, 1, &spec, &samples, &length)) return {};

  std::vector<Uint8> converted;
  Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  SDL_AudioCVT cvt{};
  if (frameBytes > 0 && sdl.BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, kFormat,
                                          kChannels, kFrequency) >= 0) {
    Uint64 limit = Uint64{kMaxSeconds} * static_cast<Uint64>(spec.freq) * frameBytes;
    if (length > limit) length = static_cast<Uint32>(limit);
    length -= length % frameBytes;
    converted.resize(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
    if (length > 0) std::memcpy(converted.data(), samples, length);
    cvt.buf = converted.data();
    cvt.len = static_cast<int>(length);
    if (cvt.needed && sdl.ConvertAudio(&cvt) != 0) {
      converted.clear();
    } else {
      converted.resize(cvt.needed ? static_cast<std::size_t>(cvt.len_cvt) : length);
    }
  }
  sdl.FreeWAV(samples);
  return converted;
}

}  // namespace

AudioOutput::~AudioOutput() {
  if (state_ != Device::Open) return;
  sdl_->CloseAudioDevice(device_);
  sdl_->QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioOutput::Ready() {
  if (state_ == Device::NotTried) {
    state_ = Device::Unavailable;
    sdl_ = LoadSdlAudio();
    if (sdl_ == nullptr) return false;
    sdl_->SetMainReady();
    if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kFrequency;
    wanted.format = kFormat;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    // No changes allowed: SDL converts to whatever the hardware takes, so the samples queued
    // here are always in the format above.
    device_ = sdl_->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
      sdl_->QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    sdl_->PauseAudioDevice(device_, 0);
    state_ = Device::Open;
  }
  return state_ == Device::Open;
}

void AudioOutput::Play(std::span<const std::uint8_t> wave) {
  if (!Ready()) return;
  std::vector<Uint8> samples = Decode(*sdl_, wave);
  if (samples.empty()) return;
  sdl_->ClearQueuedAudio(device_);
  sdl_->QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size()));
}

void AudioOutput::Stop() {
  if (state_ == Device::Open) sdl_->ClearQueuedAudio(device_);
}

std::size_t AudioOutput::Pending() const {
  return state_ == Device::Open ? sdl_->GetQueuedAudioSize(device_) : 0;
}

}  // namespace vorpo
