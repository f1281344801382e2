#pragma once
// The same loudness from every soundfont and every key. A soundfont's guitar
// plays louder or softer than another's (FluidR3's by 3 dB over TimGM6mb's),
// and its samples differ by up to 4 dB across the neck. So the preset's
// level is measured once when it is loaded: the peak of each key, alone, at
// velocity 64, in its first 100 ms. The synthesizer's gain brings the median
// key to kTargetDbfs, and each key is played on one of 16 channels per MIDI
// channel whose attenuation (in 0.5 dB steps) brings it to the median too.

#include <array>
#include <cstdint>

struct _fluid_synth_t;

namespace fretlab {

struct KeyLevels {
  static constexpr double kTargetDbfs = -12.0;  // a single note's peak
  static constexpr int kClasses = 16;           // channels per MIDI channel
  static constexpr int kUnchanged = 8;          // the class of the median key
  static constexpr double kStepDb = 0.5;        // between classes; class 9 is 0.5 dB softer
  static constexpr int kSynthChannels = 16 * kClasses;
  // MIDI channel 10 (9 from 0) keeps its drums, unlevelled, on this one.
  static constexpr int kDrumChannel = 9 * kClasses;

  double gain = 1.0;  // FluidSynth's synth.gain
  std::array<std::uint8_t, 128> levelClass;  // by key, 0..kClasses-1

  KeyLevels() { levelClass.fill(kUnchanged); }
  // The synthesizer's channel that plays `key` sent on `midiChannel` (0..15).
  int Channel(int midiChannel, int key) const {
    return midiChannel == 9 ? kDrumChannel : midiChannel * kClasses + levelClass[key & 127];
  }
};

// Measures the preset on channel 0 of `synth` (made with kSynthChannels
// channels), which plays nothing else meanwhile; its gain and reverb are
// restored after.
KeyLevels MeasureKeyLevels(_fluid_synth_t* synth);

// Sets every channel of `synth` to play `program` at its class's attenuation,
// MIDI channel 10's to drums, and the gain. Nothing may sound.
bool ApplyKeyLevels(_fluid_synth_t* synth, const KeyLevels& levels, int program);

}  // namespace fretlab
