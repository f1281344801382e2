#include "listen/struck_harmonic.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace fretlab {

namespace {

constexpr int kHarmonicCount = 8;
constexpr int kSemitones[kHarmonicCount] = {0, 12, 19, 24, 28, 31, 34, 36};
// Seconds between the two windows that measure how a partial rings on.
constexpr double kBaseline = 0.023;
// A note struck over a string still ringing brings at least kOwnShare of
// the onset's new power to its own odd harmonics (those the octave above it
// lacks; the fundamental alone for the period heard) and at most
// kForeignShare to harmonics that are not its own; a note struck at all
// brings at least kStruckPart of the power sounding after it.
constexpr double kOwnShare = 0.1;
constexpr double kForeignShare = 0.15;
constexpr double kStruckPart = 0.2;

// What the onset brought to each harmonic of `pitch`: the power sounding
// now less the partial that rang before, carried on at the turn and fading
// it had between two windows before the onset. `sounding`: the power of
// all of them now.
std::array<double, kHarmonicCount> NewPower(const HarmonicSource& harmonics, double pitch,
                                            double before, double now, double& sounding) {
  const double earlier = before - kBaseline, ahead = now - before;
  std::array<double, kHarmonicCount> power{};
  for (int k = 0; k < kHarmonicCount; ++k) {
    const std::complex<double> a0 = harmonics.Harmonic(pitch, k + 1, earlier);
    const std::complex<double> a1 = harmonics.Harmonic(pitch, k + 1, before);
    const std::complex<double> a = harmonics.Harmonic(pitch, k + 1, now);
    std::complex<double> carried = 0;
    if (std::abs(a0) > 0 && std::abs(a1) > 0) {
      const std::complex<double> change = a1 / a0;
      const double turn = std::arg(change) / kBaseline;  // radians a second
      const double fade = std::min(1.0, std::pow(std::abs(change), 1.0 / kBaseline));
      carried = a1 * std::polar(std::pow(fade, ahead), turn * ahead);
    }
    power[std::size_t(k)] = std::norm(a - carried);
    sounding += std::norm(a);
  }
  return power;
}

}  // namespace

int HarmonicSemitones(int harmonic) {
  return harmonic >= 1 && harmonic <= kHarmonicCount ? kSemitones[harmonic - 1] : -1;
}

int HarmonicIndex(int upper, int lower) {
  for (int k = 0; k < kHarmonicCount; ++k) {
    if (upper - lower == kSemitones[k]) return k + 1;
  }
  return 0;
}

// A string struck again brings power to all its harmonics, the octave above
// a string still ringing to the even ones, a fifth above it to every third
// harmonic of the octave below; the string before only rings on. The
// lowest harmonic whose multiples took the new power is the new note.
StruckHarmonic FindStruckHarmonic(const HarmonicSource& harmonics, double pitch, double before,
                                  double now) {
  double sounding = 0;
  const std::array<double, kHarmonicCount> brought =
      NewPower(harmonics, pitch, before, now, sounding);
  double total = 0;
  for (double power : brought) total += power;
  StruckHarmonic struck;
  if (total < kStruckPart * sounding) {
    struck.little = true;
    return struck;
  }
  for (int j = 1; j <= kHarmonicCount; ++j) {
    // `own`: on the harmonics of j that are not those of 2j, the octave
    // above; for the period itself, on its fundamental.
    double elsewhere = 0, own = 0;
    for (int k = 1; k <= kHarmonicCount; ++k) {
      if (k % j != 0) {
        elsewhere += brought[std::size_t(k - 1)];
      } else if (k % (2 * j) != 0 && (j > 1 || k == 1)) {
        own += brought[std::size_t(k - 1)];
      }
    }
    if (elsewhere <= kForeignShare * total && own >= kOwnShare * total) {
      struck.harmonic = j;
      break;
    }
  }
  return struck;
}

}  // namespace fretlab
