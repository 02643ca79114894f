#include "sound_effects.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace vorpo::artwork {

namespace {

constexpr double kTau = 2 * std::numbers::pi;

struct Format {
  int channels;
  int rate;
  int dataBytes;

  int Frames() const { return dataBytes / channels; }
  double Length() const { return static_cast<double>(Frames()) / rate; }
};

// Noise that is the same on every run, so that the files can be remade byte for byte.
class Noise {
 public:
  double Next() {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<double>(state_ >> 8 & 0xFFFF) / 32768.0 - 1.0;
  }

 private:
  std::uint32_t state_ = 20240601u;
};

// One mono sample per frame of signal(t), t in seconds.
std::vector<double> Render(const Format& format, const std::function<double(double)>& signal) {
  std::vector<double> samples;
  for (int i = 0; i < format.Frames(); ++i)
    samples.push_back(signal(static_cast<double>(i) / format.rate));
  return samples;
}

// Brings a sound to zero over its last 3 ms, so that it never ends in a click.
double Tail(double t, double length) {
  return std::clamp((length - t) / 0.003, 0.0, 1.0);
}

// A fade in over attack seconds, then an exponential fall with the given time constant.
double Envelope(double t, double attack, double decay) {
  double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  return rise * std::exp(-t / decay);
}

double Tone(double frequency, double t) {
  return std::sin(kTau * frequency * t);
}

// A soft bell: the fundamental with a quieter octave that dies away faster.
double Bell(double frequency, double t) {
  return 0.8 * Tone(frequency, t) + 0.2 * Tone(2 * frequency, t) * std::exp(-t / 0.02);
}

// A pass: two low, soft notes falling a fourth.
std::vector<double> Pass(const Format& format) {
  double half = format.Length() / 2;
  return Render(format, [half](double t) {
    bool second = t >= half;
    double local = second ? t - half : t;
    return 0.55 * Tone(second ? 392.0 : 523.25, t) * Envelope(local, 0.003, 0.03) *
           Tail(local, half);
  });
}

// Drawing a card: a breathy swish whose brightness rises as the card slides off the stock.
std::vector<double> Swish(const Format& format) {
  double length = format.Length();
  Noise noise;
  double low = 0, slow = 0;
  return Render(format, [&](double t) {
    double progress = t / length;
    low += (0.08 + 0.35 * progress) * (noise.Next() - low);
    slow += 0.02 * (low - slow);
    double shape = std::sin(std::numbers::pi * std::min(1.0, progress * 1.1));
    return 1.6 * (low - slow) * shape * Tail(t, length);
  });
}

// A number card laid down: a crisp snap, a click of noise over a quickly fading high note.
std::vector<double> Snap(const Format& format) {
  double length = format.Length();
  Noise noise;
  return Render(format, [&](double t) {
    double click = noise.Next() * std::exp(-t / 0.003);
    double note = Bell(1174.66, t) * Envelope(t, 0.001, 0.018);
    return (0.35 * click + 0.55 * note) * Tail(t, length);
  });
}

// A Reverse: a tone that glides down and back up again, like a turn.
std::vector<double> Turn(const Format& format) {
  double length = format.Length();
  double phase = 0;
  return Render(format, [&](double t) {
    double middle = length / 2;
    phase += kTau * (560 + 420 * std::abs(t - middle) / middle) / format.rate;
    return 0.5 * (0.75 * std::sin(phase) + 0.25 * std::sin(2 * phase)) * Envelope(t, 0.005, 0.2) *
           Tail(t, length);
  });
}

// A Skip: a single tiny high tick.
std::vector<double> Tick(const Format& format) {
  double length = format.Length();
  return Render(format, [length](double t) {
    return 0.6 * Tone(2093.0, t) * Envelope(t, 0.0005, 0.004) * Tail(t, length);
  });
}

// A Draw card: two quick rising notes, bright and insistent.
std::vector<double> Alarm(const Format& format) {
  double half = format.Length() / 2;
  return Render(format, [half](double t) {
    bool second = t >= half;
    double local = second ? t - half : t;
    double frequency = second ? 987.77 : 659.25;
    double square = Tone(frequency, t) + Tone(3 * frequency, t) / 3 + Tone(5 * frequency, t) / 5;
    return 0.55 * square * Envelope(local, 0.002, 0.05) * Tail(local, half);
  });
}

// A Wild: a rising arpeggio of four bell notes, each ringing on under the next.
std::vector<double> Chime(const Format& format) {
  double length = format.Length();
  return Render(format, [length](double t) {
    const double notes[] = {1046.5, 1318.51, 1567.98, 2093.0};
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
      double local = t - i * 0.032;
      if (local >= 0) sum += Bell(notes[i], local) * Envelope(local, 0.002, 0.05);
    }
    return 0.4 * sum * Tail(t, length);
  });
}

// Paying a penalty: cards drawn one after another, four soft flicks with a low knock each,
// travelling from the left speaker to the right.
std::vector<double> Penalty(const Format& format) {
  double length = format.Length();
  Noise noise;
  double low = 0;
  std::vector<double> samples;
  for (int i = 0; i < format.Frames(); ++i) {
    double t = static_cast<double>(i) / format.rate;
    int flick = std::min(3, static_cast<int>(t / 0.065));
    double local = t - flick * 0.065;
    low += 0.3 * (noise.Next() - low);
    double sound =
        0.7 * low * std::exp(-local / 0.012) + 0.5 * Tone(196.0, local) * std::exp(-local / 0.025);
    sound *= std::min(1.0, local / 0.001) * Tail(t, length);
    double pan = (flick + 0.5) / 4 * std::numbers::pi / 2;
    samples.push_back(sound * std::cos(pan));
    samples.push_back(sound * std::sin(pan));
  }
  return samples;
}

std::vector<std::uint8_t> ToPcm8(const std::vector<double>& samples) {
  std::vector<std::uint8_t> pcm;
  for (double sample : samples) {
    pcm.push_back(
        static_cast<std::uint8_t>(std::lround(128 + 127 * std::clamp(sample, -1.0, 1.0))));
  }
  return pcm;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A RIFF WAVE file of 8-bit PCM; an odd-sized data chunk gets the pad byte RIFF asks for.
std::vector<std::uint8_t> Wave(const Format& format, const std::vector<std::uint8_t>& pcm) {
  std::uint32_t padded = static_cast<std::uint32_t>(pcm.size() + pcm.size() % 2);
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutU32(out, 4 + 8 + 16 + 8 + padded);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, static_cast<std::uint32_t>(format.channels));
  PutU32(out, static_cast<std::uint32_t>(format.rate));
  PutU32(out, static_cast<std::uint32_t>(format.rate * format.channels));
  PutU16(out, static_cast<std::uint32_t>(format.channels));
  PutU16(out, 8);
  PutTag(out, "data");
  PutU32(out, static_cast<std::uint32_t>(pcm.size()));
  out.insert(out.end(), pcm.begin(), pcm.end());
  if (pcm.size() % 2) out.push_back(128);
  return out;
}

}  // namespace

std::vector<SoundEffect> SynthesiseSounds() {
  struct Recipe {
    const char* name;
    Format format;
    std::vector<double> (*render)(const Format&);
  };
  const Recipe recipes[] = {
      {"SE11", {1, 22050, 1404}, Pass},    {"SE12", {1, 22050, 2465}, Swish},
      {"SE13", {1, 22050, 1665}, Snap},    {"SE14", {1, 22050, 2225}, Turn},
      {"SE15", {1, 22050, 284}, Tick},     {"SE16", {1, 22050, 1433}, Alarm},
      {"SE17", {2, 11025, 5976}, Penalty}, {"SE18", {1, 22050, 3508}, Chime},
  };
  std::vector<SoundEffect> sounds;
  for (const Recipe& recipe : recipes) {
    sounds.push_back({recipe.name, Wave(recipe.format, ToPcm8(recipe.render(recipe.format)))});
  }
  return sounds;
}

}  // namespace vorpo::artwork
