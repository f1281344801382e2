// The tuner: synthetic tones with harmonics at known deviations, and rendered
// notes against their pitch measured offline.

#include <cmath>
#include <cstdio>
#include <string>

#include "bench_sections.h"
#include "listen/tuner.h"
#include "material_variants.h"
#include "note_scoring.h"
#include "theory/tuning.h"

namespace fretlab::bench {

namespace {

Tuning StringsOf(std::initializer_list<int> opens) {
  Tuning tuning;
  for (int open : opens) tuning.strings.push_back({{}, open});
  return tuning;
}

std::vector<TunerReading> Tune(const std::vector<float>& track, const Tuning& tuning) {
  Tuner tuner(testing::kMaterialRate, tuning, 0);
  std::vector<TunerReading> readings;
  constexpr std::size_t kBlock = 1024;
  for (std::size_t i = 0; i < track.size(); i += kBlock) {
    tuner.Feed(track.data() + i, std::min(kBlock, track.size() - i), readings);
  }
  return readings;
}

// The frequency whose first five harmonics together are strongest in
// `track` between `from` and `to` seconds, near `hz`: the windowed spectrum
// evaluated exactly at each candidate (no bins), searched by golden section
// to a thousandth of a cent. Independent of YIN.
double OfflineHz(const std::vector<float>& track, double from, double to, double hz) {
  const std::size_t a = testing::FrameAt(from), b = std::min(track.size(), testing::FrameAt(to));
  auto strength = [&](double f) {
    double total = 0;
    for (int k = 1; k <= 5 && k * f < testing::kMaterialRate / 2.0; ++k) {
      double re = 0, im = 0;
      const double w = 2 * M_PI * k * f / testing::kMaterialRate;
      for (std::size_t i = a; i < b; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * double(i - a) / double(b - a));
        re += track[i] * hann * std::cos(w * double(i));
        im += track[i] * hann * std::sin(w * double(i));
      }
      total += re * re + im * im;
    }
    return total;
  };
  double lo = hz * std::exp2(-30 / 1200.0), hi = hz * std::exp2(30 / 1200.0);
  const double g = (std::sqrt(5.0) - 1) / 2;
  double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo);
  double f1 = strength(x1), f2 = strength(x2);
  while (1200 * std::log2(hi / lo) > 0.001) {
    if (f1 > f2) { hi = x2; x2 = x1; f2 = f1; x1 = hi - g * (hi - lo); f1 = strength(x1); }
    else { lo = x1; x1 = x2; f1 = f2; x2 = lo + g * (hi - lo); f2 = strength(x2); }
  }
  return (lo + hi) / 2;
}

}  // namespace

bool TunerSection(const Options& options) {
  std::printf("Tuner: %g readings a second, each the mean of %g s\n", Tuner::kUpdatesPerSecond,
              Tuner::kAveragedSeconds);
  // Every string of a bass, a 7-string and a guitar, and a note high up.
  const Tuning strings = StringsOf({76, 64, 59, 55, 50, 45, 40, 35, 33, 28});
  double worst = 0;
  int readings = 0;
  for (int note : {28, 33, 35, 40, 45, 50, 55, 59, 64, 76}) {
    double worstHere = 0;
    for (int cents = -30; cents <= 30; ++cents) {
      const double hz = NoteHz(note + cents / 100.0);
      const std::vector<float> tone = testing::HarmonicTone(hz, 1.0);
      for (const TunerReading& r : Tune(tone, strings)) {
        if (r.time < 0.3) continue;  // the window filling, the mean settling
        ++readings;
        const double error = r.heard && r.target.note == note ? std::fabs(r.target.cents - cents) : 99;
        worstHere = std::max(worstHere, error);
      }
    }
    if (options.showFailures || worstHere > 1) {
      std::printf("  note %d, -30..+30 cents: worst reading off by %.2f cents\n", note, worstHere);
    }
    worst = std::max(worst, worstHere);
  }
  std::printf("  %d readings of 610 tones (10 notes E1..E5, -30..+30 cents in steps of 1)\n",
              readings);
  bool ok = Target("synthetic tones: worst reading off by (cents)", worst, "<=", 1);

  // Rendered notes: the open strings of a guitar and a bass, and frets up
  // the neck, struck at 0.1 s and held 1.2 s. A plucked string is sharp for
  // the first few hundred milliseconds (the samples glide down by up to
  // 7 cents until 0.55 s), so the sustained part is compared: readings from
  // 0.8 s to 1.3 s, which average the sound from 0.5 s on, against the pitch
  // measured offline from 0.5 s to 1.3 s.
  double worstRendered = 0, widestSpread = 0;
  int notes = 0;
  auto check = [&](int program, int note, const Tuning& tuning) {
    const std::vector<testing::PlayedNote> played{{note, 0.1, 1.2, 100}};
    const std::vector<float> track = testing::RenderNotes(program, played, 1.5);
    const double offline = HzNote(OfflineHz(track, 0.5, 1.3, NoteHz(note)));
    double low = 1e9, high = -1e9, worstHere = 0;
    for (const TunerReading& r : Tune(track, tuning)) {
      if (r.time < 0.8 || r.time > 1.3) continue;
      const double heard = r.heard ? r.target.note + r.target.cents / 100 : 0;
      worstHere = std::max(worstHere, std::fabs(heard - offline) * 100);
      low = std::min(low, heard);
      high = std::max(high, heard);
    }
    ++notes;
    if (options.showFailures || worstHere > 2) {
      std::printf("  program %d note %d: offline %+.2f cents, worst reading off by %.2f, spread %.2f\n",
                  program, note, (offline - note) * 100, worstHere, (high - low) * 100);
    }
    worstRendered = std::max(worstRendered, worstHere);
    widestSpread = std::max(widestSpread, (high - low) * 100);
  };
  const Tuning guitar = StringsOf({64, 59, 55, 50, 45, 40});
  for (int program : options.programs) {
    for (int note : {40, 45, 50, 55, 59, 64, 47, 57, 69, 76}) check(program, note, guitar);
  }
  const Tuning bass = StringsOf({43, 38, 33, 28});
  for (int note : {28, 33, 38, 43, 31, 36}) check(33, note, bass);
  std::printf("  %d rendered notes\n", notes);
  ok &= Target("rendered notes: worst reading off the offline pitch (cents)", worstRendered, "<=", 2);
  ok &= Target("rendered notes: widest spread of readings, one note (cents)", widestSpread, "<=",
               2);
  return ok;
}

}  // namespace fretlab::bench
