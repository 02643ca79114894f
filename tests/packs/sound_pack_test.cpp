#include "sound_pack.h"

#include <gtest/gtest.h>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "builtin_resources.h"
#include "pack_fixtures.h"
#include "pe_writer.h"

namespace vorpo {
namespace {

using namespace packs_test;

class FakeMenu : public SoundMenu {
 public:
  FakeMenu(bool checked, bool enabled) : checked_(checked), enabled_(enabled) {}
  bool IsChecked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const { return enabled_; }

 private:
  bool checked_, enabled_;
};

Bytes BuiltIn(const char* name) {
  QByteArray wave = resources::BuiltInSound(name);
  return Bytes(wave.begin(), wave.end());
}

Bytes SoundPack(const std::vector<std::pair<const char*, Bytes>>& sounds) {
  std::vector<pe::ResourceToWrite> resources;
  for (const auto& [name, wave] : sounds) resources.push_back({"WAVE", name, 0, wave});
  return pe::WriteResourceModule(resources);
}

// A RIFF WAVE file of 16-bit stereo at 44100 Hz, the output's own format: what it plays must
// reach the device unchanged.
Bytes DeviceFormatWave(const Bytes& samples) {
  Bytes wave;
  auto put = [&wave](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) wave.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  auto tag = [&wave](const char* text) { wave.insert(wave.end(), text, text + 4); };
  tag("RIFF");
  put(static_cast<std::uint32_t>(36 + samples.size()), 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);
  put(2, 2);
  put(44100, 4);
  put(44100 * 4, 4);
  put(4, 2);
  put(16, 2);
  tag("data");
  put(static_cast<std::uint32_t>(samples.size()), 4);
  wave.insert(wave.end(), samples.begin(), samples.end());
  return wave;
}

Bytes SineSamples(int frames) {
  Bytes samples;
  for (int i = 0; i < frames; ++i) {
    auto value = static_cast<std::int16_t>(std::lround(9000 * std::sin(i * 0.07)) + 1);
    for (int channel = 0; channel < 2; ++channel) {
      samples.push_back(static_cast<std::uint8_t>(value & 0xFF));
      samples.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
    }
  }
  return samples;
}

// The samples of a WAVE file as the output hands them to the device (16-bit stereo 44100 Hz).
Bytes AsDeviceSamples(const Bytes& wave) {
  SDL_AudioSpec spec{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  EXPECT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1, &spec,
                           &samples, &length),
            nullptr);
  SDL_AudioCVT cvt{};
  SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 2, 44100);
  Bytes converted(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
  std::copy(samples, samples + length, converted.begin());
  SDL_FreeWAV(samples);
  cvt.buf = converted.data();
  cvt.len = static_cast<int>(length);
  if (cvt.needed) SDL_ConvertAudio(&cvt);
  converted.resize(cvt.needed ? static_cast<std::size_t>(cvt.len_cvt) : length);
  return converted;
}

std::ptrdiff_t Find(const Bytes& haystack, const Bytes& needle) {
  auto found = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end());
  return found == haystack.end() ? -1 : found - haystack.begin();
}

TEST(SoundPlayer, LoadingSetsTheSoundMenuAsThePackAllows) {
  FakeMenu menu(false, false);
  SoundPlayer player(menu);
  player.LoadSoundPack(false, "/no/such/pack.vsf");
  EXPECT_TRUE(menu.Enabled());
  EXPECT_FALSE(menu.IsChecked()) << "the tick is the player's setting";
  EXPECT_FALSE(player.PackLoaded());

  menu.SetChecked(true);
  player.LoadSoundPack(true, "/no/such/pack.vsf");
  EXPECT_FALSE(menu.IsChecked());
  EXPECT_FALSE(menu.Enabled());
  EXPECT_FALSE(player.PackLoaded());
}

class SoundOutput : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", Path("out.raw").c_str(), 1);
  }

  std::string Pack(const Bytes& bytes) {
    WriteFile(Path("sounds.vsf"), bytes);
    return Path("sounds.vsf").string();
  }

  // The disk driver writes in real time: waits until it has written at least bytes, plus
  // enough silence that nothing queued is still on its way.
  void WaitForOutput(std::size_t bytes) {
    std::error_code error;
    for (int i = 0; i < 2000; ++i) {
      if (std::filesystem::exists(Path("out.raw")) &&
          std::filesystem::file_size(Path("out.raw"), error) >= bytes + 65536) {
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    FAIL() << "the disk audio driver wrote too little";
  }
};

TEST_F(SoundOutput, PlaysTheNamedSoundToTheDevice) {
  FakeMenu menu(true, true);
  Bytes expected = AsDeviceSamples(BuiltIn("SE13"));
  ASSERT_GT(expected.size(), 6000u);
  {
    SoundPlayer player(menu);
    player.LoadSoundPack(false, "");
    player.PlayTurnSound("SE13");
    WaitForOutput(expected.size());
  }
  EXPECT_GE(Find(ReadFile(Path("out.raw")), expected), 0);
}

TEST_F(SoundOutput, ANewSoundCutsOffTheOneStillPlaying) {
  FakeMenu menu(true, true);
  Bytes long17 = AsDeviceSamples(BuiltIn("SE17"));
  Bytes short13 = AsDeviceSamples(BuiltIn("SE13"));
  {
    SoundPlayer player(menu);
    player.LoadSoundPack(false, "");
    player.PlayTurnSound("SE17");
    player.PlayTurnSound("SE13");
    WaitForOutput(long17.size() + short13.size());
  }
  Bytes written = ReadFile(Path("out.raw"));
  std::ptrdiff_t at = Find(written, short13);
  ASSERT_GE(at, 0);
  EXPECT_LT(Find(written, long17), 0) << "SE17 was not played to its end";
  auto after = written.begin() + at + static_cast<std::ptrdiff_t>(short13.size());
  EXPECT_TRUE(std::all_of(after, written.end(), [](std::uint8_t b) { return b == 0; }))
      << "nothing of SE17 follows";
}

TEST_F(SoundOutput, NothingPlaysWhileSoundIsOff) {
  FakeMenu menu(false, true);
  SoundPlayer player(menu);
  player.LoadSoundPack(false, "");
  player.PlayTurnSound("SE13");
  player.PlayTurnSound("SE18");
  EXPECT_FALSE(std::filesystem::exists(Path("out.raw"))) << "the device was not even opened";
}

TEST_F(SoundOutput, APackPlaysItsOwnSoundsAndNothingForANameItLacks) {
  Bytes samples = SineSamples(6000);
  FakeMenu menu(true, false);
  {
    SoundPlayer player(menu);
    player.LoadSoundPack(true, Pack(SoundPack({{"SE13", DeviceFormatWave(samples)}})));
    EXPECT_TRUE(menu.Enabled());
    ASSERT_TRUE(player.PackLoaded());
    player.PlayTurnSound("se13");
    WaitForOutput(samples.size());
    player.PlayTurnSound("SE18");
    player.ReleaseSoundPack();
    EXPECT_FALSE(player.PackLoaded());
    player.PlayTurnSound("SE13");
  }
  Bytes written = ReadFile(Path("out.raw"));
  std::ptrdiff_t at = Find(written, samples);
  ASSERT_GE(at, 0);
  written.erase(written.begin() + at,
                written.begin() + at + static_cast<std::ptrdiff_t>(samples.size()));
  EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](std::uint8_t b) { return b == 0; }))
      << "only the pack's SE13 was heard";
}

TEST_F(SoundOutput, WithoutADeviceSoundsAreSkippedSilently) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  FakeMenu menu(true, true);
  SoundPlayer player(menu);
  player.LoadSoundPack(false, "");
  player.PlayTurnSound("SE13");
  player.PlayTurnSound("SE14");
  EXPECT_TRUE(menu.IsChecked());
  EXPECT_FALSE(std::filesystem::exists(Path("out.raw")));
}

}  // namespace
}  // namespace vorpo
