#pragma once
// Scoring what the listener heard against the notes the material holds.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "listen/note_decision.h"
#include "support/guitar_material.h"

namespace fretlab::bench {

struct Score {
  int notes = 0;
  int correct = 0;        // the first report after the onset: right semitone and octave
  int octaveErrors = 0;   // the first report: the right name in another octave
  int missed = 0;         // no report at all
  int onceOnly = 0;       // exactly one report, and the right one
  int twice = 0;          // more than one report
  int lowNotes = 0, lowCorrect = 0;  // E2..E3 (MIDI 40..52)
  std::vector<double> latenciesMs;   // decision after the onset, for correct notes
  std::vector<std::string> failures;

  void Add(const Score& o) {
    notes += o.notes; correct += o.correct; octaveErrors += o.octaveErrors; missed += o.missed;
    onceOnly += o.onceOnly; twice += o.twice; lowNotes += o.lowNotes; lowCorrect += o.lowCorrect;
    latenciesMs.insert(latenciesMs.end(), o.latenciesMs.begin(), o.latenciesMs.end());
    failures.insert(failures.end(), o.failures.begin(), o.failures.end());
  }
};

inline double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double index = p / 100.0 * (values.size() - 1);
  const std::size_t below = static_cast<std::size_t>(index);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (index - below) * (values[above] - values[below]);
}

// Each played note owns the reports decided from its onset (less 20 ms) up
// to the next note's.
inline Score ScoreNotes(const std::vector<testing::PlayedNote>& played,
                        const std::vector<HeardNote>& heard, const std::string& label) {
  Score score;
  for (std::size_t i = 0; i < played.size(); ++i) {
    const double from = played[i].onset - 0.02;
    const double to = i + 1 < played.size() ? played[i + 1].onset - 0.02 : 1e9;
    std::vector<HeardNote> mine;
    for (const HeardNote& h : heard) {
      if (h.decided >= from && h.decided < to) mine.push_back(h);
    }
    const int want = played[i].note;
    ++score.notes;
    const bool low = want >= 40 && want <= 52;
    if (low) ++score.lowNotes;
    char line[200];
    if (mine.empty()) {
      ++score.missed;
      std::snprintf(line, sizeof line, "%s: note %d at %.3f s: missed", label.c_str(), want,
                    played[i].onset);
      score.failures.push_back(line);
      continue;
    }
    if (mine.size() > 1) {
      ++score.twice;
      std::string notes;
      for (const HeardNote& h : mine) notes += " " + std::to_string(h.note) + "@" +
                                               std::to_string(int((h.decided - played[i].onset) * 1000));
      std::snprintf(line, sizeof line, "%s: note %d at %.3f s: %zu reports:%s", label.c_str(), want,
                    played[i].onset, mine.size(), notes.c_str());
      score.failures.push_back(line);
    }
    const HeardNote& first = mine.front();
    if (first.note == want) {
      ++score.correct;
      if (low) ++score.lowCorrect;
      if (mine.size() == 1) ++score.onceOnly;
      score.latenciesMs.push_back(1000.0 * (first.decided - played[i].onset));
    } else {
      if ((first.note - want) % 12 == 0) ++score.octaveErrors;
      std::snprintf(line, sizeof line, "%s: note %d at %.3f s: heard %d first", label.c_str(),
                    want, played[i].onset, first.note);
      score.failures.push_back(line);
    }
  }
  return score;
}

// Prints a figure with its target; true when it is met. `relation` is ">="
// or "<=".
inline bool Target(const char* what, double value, const char* relation, double target) {
  const bool met = relation[0] == '>' ? value >= target : value <= target;
  std::printf("%-58s %8.2f   [%s %g]%s\n", what, value, relation, target, met ? "" : "  MISSED");
  return met;
}

}  // namespace fretlab::bench
