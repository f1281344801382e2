#include "listen/listen_settings.h"

#include <cmath>

namespace fretlab {

namespace {

// The rate's share of 44.1 kHz as a power of two: 1 up to 64 kHz, 2 for
// 88.2 and 96 kHz, so that windows keep their length in time.
int RateScale(int sampleRate) {
  int scale = 1;
  while (sampleRate > 64000 * scale) scale *= 2;
  return scale;
}

}  // namespace

double NoteHz(double midi) { return 440.0 * std::exp2((midi - 69.0) / 12.0); }

double HzNote(double hz) { return 69.0 + 12.0 * std::log2(hz / 440.0); }

int ListenSettings::PitchWindow() const {
  int window = 2048 * RateScale(sampleRate);
  // The lowest expected period, with a tenth to spare, within the half window
  // over which the detector compares the signal with itself.
  const double longestPeriod = 1.1 * sampleRate / NoteHz(lowestNote);
  while (window / 2 < longestPeriod) window *= 2;
  return window;
}

int ListenSettings::Hop() const { return 256 * RateScale(sampleRate) * hopFactor; }

ListenSettings ListenSettings::ForStrings(int sampleRate, int lowestOpen, int highestOpen) {
  ListenSettings settings;
  settings.sampleRate = sampleRate;
  settings.lowestNote = lowestOpen - 1;
  settings.highestNote = highestOpen + 24;
  return settings;
}

}  // namespace fretlab
