#pragma once
// Test material for listening, made at run time and never stored: notes
// rendered by FluidSynth from a named soundfont, and what a room and a
// cable add to them (noise, mains hum, reverb, a quiet or a loud player).
// Mono float samples at kMaterialRate.

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/soundfonts.h"

namespace fretlab::testing {

inline constexpr int kMaterialRate = 44100;
// Single guitar notes at velocity 100 peak near -12 dBFS, as the built-in
// synthesizer's own do, and as a guitar's pickup or a microphone gives them.
inline constexpr double kMaterialGain = 1.2;

struct PlayedNote {
  int note = 0;          // MIDI
  double onset = 0;      // seconds from the track's start
  double length = 1.0;   // seconds until the note-off
  int velocity = 100;    // 1..127
};

inline std::size_t FrameAt(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * kMaterialRate));
}

// The notes of `program` (General MIDI, 0-based: 24 nylon guitar), rendered
// frame-exactly: a note-on takes effect at its onset's frame. `reverb`: the
// synthesizer's room reverb at a generous level, else a dry sound.
inline std::vector<float> RenderNotes(int program, const std::vector<PlayedNote>& notes,
                                      double seconds, bool reverb = false) {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kMaterialRate);
  fluid_settings_setint(settings, "synth.reverb.active", reverb ? 1 : 0);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  fluid_settings_setnum(settings, "synth.gain", kMaterialGain);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (fluid_synth_sfload(synth, kTimGM6mb.path, 1) == FLUID_FAILED) {
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    throw std::runtime_error(std::string("cannot load ") + kTimGM6mb.path);
  }
  if (reverb) {
    fluid_synth_set_reverb_group_roomsize(synth, -1, 0.7);
    fluid_synth_set_reverb_group_damp(synth, -1, 0.3);
    fluid_synth_set_reverb_group_width(synth, -1, 0.8);
    fluid_synth_set_reverb_group_level(synth, -1, 0.6);
  }
  fluid_synth_program_change(synth, 0, program);

  struct Event { std::size_t frame; bool on; int note; int velocity; };
  std::vector<Event> events;
  for (const PlayedNote& n : notes) {
    events.push_back({FrameAt(n.onset), true, n.note, n.velocity});
    events.push_back({FrameAt(n.onset + n.length), false, n.note, 0});
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.frame < b.frame; });
  const std::size_t total = FrameAt(seconds);
  std::vector<float> left(total), right(total), mono(total);
  std::size_t done = 0;
  auto renderTo = [&](std::size_t frame) {
    frame = std::min(frame, total);
    if (frame <= done) return;
    fluid_synth_write_float(synth, static_cast<int>(frame - done), left.data(), done, 1,
                            right.data(), done, 1);
    done = frame;
  };
  for (const Event& e : events) {
    renderTo(e.frame);
    if (e.on) fluid_synth_noteon(synth, 0, e.note, e.velocity);
    else fluid_synth_noteoff(synth, 0, e.note);
  }
  renderTo(total);
  for (std::size_t i = 0; i < total; ++i) mono[i] = 0.5f * (left[i] + right[i]);
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return mono;
}

inline double Gain(double db) { return std::pow(10.0, db / 20.0); }

inline void Scale(std::vector<float>& track, double db) {
  const float gain = static_cast<float>(Gain(db));
  for (float& s : track) s *= gain;
}

// Scales so that the loudest sample reaches `peakDb` dBFS.
inline void ScaleToPeak(std::vector<float>& track, double peakDb) {
  float peak = 0;
  for (float s : track) peak = std::max(peak, std::fabs(s));
  if (peak <= 0) return;
  const float gain = static_cast<float>(Gain(peakDb) / peak);
  for (float& s : track) s *= gain;
}

// White noise of RMS `db` dBFS, Gaussian, from `seed`.
inline void AddWhiteNoise(std::vector<float>& track, double db, std::uint32_t seed = 1) {
  std::mt19937 random(seed);
  std::normal_distribution<float> normal(0.f, static_cast<float>(Gain(db)));
  for (float& s : track) s += normal(random);
}

// Pink noise (-3 dB an octave) of RMS `db` dBFS: white noise through Paul
// Kellet's economical filter, which is within 0.5 dB of 1/f above 9 Hz.
inline void AddPinkNoise(std::vector<float>& track, double db, std::uint32_t seed = 2) {
  std::mt19937 random(seed);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::vector<double> pink(track.size());
  double b0 = 0, b1 = 0, b2 = 0, sum = 0;
  for (double& p : pink) {
    const double white = normal(random);
    b0 = 0.99765 * b0 + white * 0.0990460;
    b1 = 0.96300 * b1 + white * 0.2965164;
    b2 = 0.57000 * b2 + white * 1.0526913;
    p = b0 + b1 + b2 + white * 0.1848;
    sum += p * p;
  }
  const double gain = Gain(db) / std::sqrt(sum / std::max<std::size_t>(1, pink.size()));
  for (std::size_t i = 0; i < track.size(); ++i) track[i] += static_cast<float>(pink[i] * gain);
}

// Mains hum: 50 Hz with its harmonics up to 1 kHz falling 3 dB each (odd
// ones stronger, as a transformer's are), RMS `db` dBFS in all.
inline void AddHum(std::vector<float>& track, double db, double hz = 50.0) {
  std::vector<double> amplitudes;
  double power = 0;
  for (int k = 1; k * hz <= 1000; ++k) {
    const double a = Gain(-3.0 * (k - 1)) * (k % 2 == 1 ? 1.0 : 0.5);
    amplitudes.push_back(a);
    power += a * a / 2;
  }
  const double gain = Gain(db) / std::sqrt(power);
  for (std::size_t i = 0; i < track.size(); ++i) {
    const double t = double(i) / kMaterialRate;
    double s = 0;
    for (std::size_t k = 0; k < amplitudes.size(); ++k) {
      s += amplitudes[k] * std::sin(2 * M_PI * hz * (k + 1) * t + 0.3 * k);
    }
    track[i] += static_cast<float>(s * gain);
  }
}

// A steady tone at `hz` with `harmonics` partials falling 1/k, as a string's
// do, peaking near `peakDb` dBFS.
inline std::vector<float> HarmonicTone(double hz, double seconds, int harmonics = 8,
                                       double peakDb = -12) {
  std::vector<float> track(FrameAt(seconds));
  for (std::size_t i = 0; i < track.size(); ++i) {
    const double t = double(i) / kMaterialRate;
    double s = 0;
    for (int k = 1; k <= harmonics && k * hz < kMaterialRate / 2.0; ++k) {
      s += std::sin(2 * M_PI * hz * k * t + 0.7 * k) / k;
    }
    track[i] = static_cast<float>(s);
  }
  ScaleToPeak(track, peakDb);
  return track;
}

}  // namespace fretlab::testing
