// Every note E2..E6 in every condition; legato and repeated notes; bass and
// the 7-string's low B.

#include <cstdio>
#include <random>

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

namespace {

// A melody of `count` notes within 40..88, steps of up to a fifth, each note
// held until the next begins (legato) or released `gap` seconds before it.
std::vector<PlayedNote> Melody(std::mt19937& random, int count, double gap) {
  std::uniform_int_distribution<int> step(-7, 7), length(200, 400);
  std::vector<PlayedNote> notes;
  int note = 60;
  double at = 0.5;
  for (int i = 0; i < count; ++i) {
    int next = note + step(random);
    while (next == note || next < 40 || next > 88) next = note + step(random);
    note = next;
    const double seconds = length(random) / 1000.0;
    notes.push_back({note, at, seconds - gap, 100});
    at += seconds;
  }
  return notes;
}

// Runs of 4 to 8 plucks of one note, 200 to 400 ms apart, each held until
// the next, the runs 1 s apart, over the whole range.
std::vector<PlayedNote> RepeatedNotes(std::mt19937& random, int runs) {
  std::uniform_int_distribution<int> note(40, 88), count(4, 8), length(200, 400);
  std::vector<PlayedNote> notes;
  double at = 0.5;
  for (int r = 0; r < runs; ++r) {
    const int n = note(random), plucks = count(random);
    for (int i = 0; i < plucks; ++i) {
      const double seconds = length(random) / 1000.0;
      notes.push_back({n, at, i + 1 < plucks ? seconds : 0.6, 100});
      at += seconds;
    }
    at += 1.0;
  }
  return notes;
}

}  // namespace

std::vector<PlayedNote> SequenceNotes(int program, bool legato) {
  std::mt19937 random(program * 10 + (legato ? 1 : 2));
  return legato ? Melody(random, 150, 0) : RepeatedNotes(random, 25);
}

namespace {

Score ScoreTrack(int program, const std::vector<PlayedNote>& notes, const ListenSettings& settings,
                 const std::string& label, bool reverb = false) {
  const std::vector<float> track =
      testing::RenderNotes(program, notes, notes.back().onset + notes.back().length + 1.0, reverb);
  return ScoreNotes(notes, Listen(track, settings), label);
}

}  // namespace

bool SequenceSection(const Options& options) {
  std::printf("Legato melodies and repeated notes, 200 to 400 ms a note\n");
  Score legato, repeated;
  for (int program : options.programs) {
    const std::string name = "program " + std::to_string(program);
    const Score l = ScoreTrack(program, SequenceNotes(program, true), GuitarSettings(),
                               name + ", legato");
    PrintScore((name + ", legato").c_str(), l, options.showFailures);
    const Score r = ScoreTrack(program, SequenceNotes(program, false), GuitarSettings(),
                               name + ", repeated notes");
    PrintScore((name + ", repeated notes").c_str(), r, options.showFailures);
    legato.Add(l);
    repeated.Add(r);
  }
  bool ok = true;
  ok &= Target("legato: reported exactly once (%)", 100.0 * legato.onceOnly / legato.notes, ">=", 99);
  ok &= Target("legato: reported twice (notes)", legato.twice, "<=", 0);
  ok &= Target("repeated: reported exactly once (%)", 100.0 * repeated.onceOnly / repeated.notes,
               ">=", 99);
  ok &= Target("repeated: reported twice (notes)", repeated.twice, "<=", 0);
  return ok;
}

// Pairs of notes, the second struck while the first still rings (a string
// let go as the next is struck, 50 ms or 150 ms later): an octave, a twelfth
// or two octaves above it share its period, a fifth or a fourth above it
// the one below it. Figures for the second notes; no target of their own.
bool RingingSection(const Options& options) {
  std::printf("A note struck while the one before still rings: the second notes\n");
  struct Kind {
    const char* name;
    std::vector<int> steps;
  };
  const Kind kinds[] = {{"octave, twelfth, two octaves above", {12, 19, 24}},
                        {"fifth or fourth above or below", {7, 5, -5, -7}},
                        {"octave or two below", {-12, -24}}};
  for (const Kind& kind : kinds) {
    Score total;
    for (int program : options.programs) {
      std::vector<PlayedNote> notes;
      double at = 0.5;
      for (int low = 40; low <= 88; low += 3) {
        for (int step : kind.steps) {
          if (low + step < 40 || low + step > 88) continue;
          for (double ringing : {0.0, 0.05, 0.15}) {
            notes.push_back({low, at, 0.4 + ringing, 100});
            notes.push_back({low + step, at + 0.4, 0.8, 100});
            at += 2.0;
          }
        }
      }
      const std::vector<HeardNote> heard =
          Listen(testing::RenderNotes(program, notes, at + 1.0), GuitarSettings());
      const std::string label = "program " + std::to_string(program) + ", " + kind.name;
      Score seconds;
      for (std::size_t i = 1; i < notes.size(); i += 2) {
        const double from = notes[i].onset - 0.02, to = notes[i - 1].onset + 2.0 - 0.02;
        std::vector<HeardNote> mine;
        for (const HeardNote& h : heard) {
          if (h.decided >= from && h.decided < to) mine.push_back(h);
        }
        seconds.Add(ScoreNotes({notes[i]}, mine, label));
      }
      PrintScore(label.c_str(), seconds, options.showFailures);
      total.Add(seconds);
    }
    std::printf("%-58s %8.2f\n", (std::string(kind.name) + ": exactly once (%)").c_str(),
                100.0 * total.onceOnly / std::max(1, total.notes));
  }
  return true;
}

bool LowStringSection(const Options& options) {
  std::printf("Bass E1..G2 (program 33) and a 7-string's low B1 (B1..E2)\n");
  const std::vector<PlayedNote> bass = EveryNote(28, 43);
  const ListenSettings bassSettings = ListenSettings::ForStrings(testing::kMaterialRate, 28, 43);
  Score bassTotal;
  for (const Variant& variant : Variants()) {
    std::vector<float> track = testing::RenderNotes(33, bass, bass.back().onset + 2.0, variant.reverb);
    variant.apply(track);
    const std::string label = "bass, " + variant.name;
    const Score score = ScoreNotes(bass, Listen(track, bassSettings), label);
    PrintScore(label.c_str(), score, options.showFailures);
    bassTotal.Add(score);
  }
  const std::vector<PlayedNote> seven = EveryNote(35, 40);
  const ListenSettings sevenSettings = ListenSettings::ForStrings(testing::kMaterialRate, 35, 64);
  Score sevenTotal;
  for (int program : options.programs) {
    for (const Variant& variant : Variants()) {
      std::vector<float> track =
          testing::RenderNotes(program, seven, seven.back().onset + 2.0, variant.reverb);
      variant.apply(track);
      const std::string label = "7-string, program " + std::to_string(program) + ", " + variant.name;
      const Score score = ScoreNotes(seven, Listen(track, sevenSettings), label);
      if (options.showFailures) PrintScore(label.c_str(), score, true);
      sevenTotal.Add(score);
    }
  }
  PrintScore("7-string B1..E2, all programs and conditions", sevenTotal, false);
  bool ok = true;
  ok &= Target("bass: correct note (%)", 100.0 * bassTotal.correct / bassTotal.notes, ">=", 99);
  ok &= Target("bass: reported twice (notes)", bassTotal.twice, "<=", 0);
  ok &= Target("bass: decision after onset, median (ms)", Percentile(bassTotal.latenciesMs, 50),
               "<=", 150);
  ok &= Target("7-string B1..E2: correct note (%)", 100.0 * sevenTotal.correct / sevenTotal.notes,
               ">=", 99);
  // B1 is held to the bass's figure: its period is twice E2's.
  ok &= Target("7-string B1..E2: reported twice (notes)", sevenTotal.twice, "<=", 0);
  ok &= Target("7-string B1..E2: decision after onset, median (ms)",
               Percentile(sevenTotal.latenciesMs, 50), "<=", 150);
  return ok;
}

bool NoiseSection(const Options& options) {
  std::printf("Noise without notes, %.0f minutes each: notes reported\n", options.noiseMinutes);
  struct Noise {
    const char* name;
    void (*add)(std::vector<float>&);
  };
  const Noise noises[] = {
      {"white -40 dBFS", [](std::vector<float>& t) { testing::AddWhiteNoise(t, -40, 21); }},
      {"pink -40 dBFS", [](std::vector<float>& t) { testing::AddPinkNoise(t, -40, 22); }},
      {"pink -35 dBFS", [](std::vector<float>& t) { testing::AddPinkNoise(t, -35, 23); }},
      {"hum 50 Hz -40 dBFS", [](std::vector<float>& t) { testing::AddHum(t, -40); }},
      {"hum 50 Hz -20 dBFS", [](std::vector<float>& t) { testing::AddHum(t, -20); }},
  };
  const ListenSettings guitar = GuitarSettings();
  const ListenSettings bass = ListenSettings::ForStrings(testing::kMaterialRate, 28, 43);
  bool ok = true;
  for (const Noise& noise : noises) {
    std::vector<float> track(testing::FrameAt(options.noiseMinutes * 60));
    noise.add(track);
    const double perTen = 10.0 / options.noiseMinutes;
    const std::size_t onGuitar = Listen(track, guitar).size();
    const std::size_t onBass = Listen(track, bass).size();
    char what[120];
    std::snprintf(what, sizeof what, "%s: notes per 10 min, guitar range", noise.name);
    ok &= Target(what, onGuitar * perTen, "<=", 1);
    std::snprintf(what, sizeof what, "%s: notes per 10 min, bass range", noise.name);
    ok &= Target(what, onBass * perTen, "<=", 1);
  }
  return ok;
}

}  // namespace fretlab::bench
