#include "theory/voicing_finder.h"

#include <algorithm>
#include <array>
#include <bit>

#include "theory/voicing_kinds.h"

namespace fretlab {

namespace {

constexpr int kMostInnerMutes = 1;

// Pitch classes as bits (bit 0 = C).
unsigned Absolute(unsigned intervals, int root) {
  unsigned out = 0;
  for (int i = 0; i < 12; ++i) {
    if ((intervals >> i) & 1u) out |= 1u << PitchClass(root + i);
  }
  return out;
}

struct Rules {
  const ChordSymbol& chord;
  const VoicingQuery& query;
  unsigned allowed = 0;   // pitch classes that may sound
  unsigned required = 0;  // pitch classes that must
  int minStrings = 3;

  Rules(const ChordSymbol& c, const VoicingQuery& q) : chord(c), query(q) {
    const int root = c.root.PitchClass();
    allowed = Absolute(c.Intervals(), root);
    required = Absolute(c.RequiredIntervals(), root);
    if (c.bass) allowed |= 1u << c.bass->PitchClass(), required |= 1u << c.bass->PitchClass();
    if (c.tones.size() == 2) minStrings = 2;
  }
  int Capo() const { return std::clamp(query.capo, 0, kMaxCapo); }
  int Span() const { return std::clamp(query.span, kMinVoicingSpan, kMaxVoicingSpan); }
  bool FretInRange(FretIndex f) const {
    return f >= Capo() && f <= query.tuning.HighestFret() && query.frets.Contains(f);
  }
};

class Search {
 public:
  explicit Search(const Rules& rules) : m_rules(rules), m_tuning(rules.query.tuning) {
    m_frets.assign(m_tuning.StringCount(), kMuted);
    // Which frets of each string may sound: in range and a tone of the chord.
    for (StringIndex s = 0; s < m_tuning.StringCount(); ++s) {
      for (FretIndex f = 0; f < kFretPositions; ++f) {
        m_pitchClass[s][f] = static_cast<std::int8_t>(PitchClass(m_tuning.NoteAt(s, f)));
        m_playable[s][f] = rules.FretInRange(f) && ((rules.allowed >> m_pitchClass[s][f]) & 1u);
      }
    }
    bool rising = true;
    for (StringIndex s = 0; s + 1 < m_tuning.StringCount(); ++s) {
      rising = rising && m_tuning.OpenNote(s) > m_tuning.OpenNote(s + 1);
    }
    if (rules.chord.bass && rising) m_bass = rules.chord.bass->PitchClass();
  }

  // Every voicing whose lowest pressed fret is `lowest` (or, for -1, that
  // presses none).
  void From(int lowest, std::vector<voicing_kinds::Candidate>& out) {
    m_lowest = lowest;
    // The pitch classes each string and those above it can still give.
    unsigned above = 0;
    for (StringIndex s = 0; s < m_tuning.StringCount(); ++s) {
      const auto add = [&](FretIndex f) {
        if (f < kFretPositions && m_playable[s][f]) above |= 1u << m_pitchClass[s][f];
      };
      add(m_rules.Capo());
      for (FretIndex f = std::max(lowest, 0); lowest > m_rules.Capo() && f < lowest + m_rules.Span(); ++f) add(f);
      m_reachable[s] = above;
    }
    m_out = &out;
    Next(m_tuning.StringCount() - 1, State{});
  }

 private:
  // What the strings below have played so far.
  struct State {
    unsigned sounding = 0;  // pitch classes
    int strings = 0;        // strings that sound
    int gap = 0;            // strings muted since the last that sounds
    int inner = 0;          // muted strings between sounding ones
    int above = 0;          // notes pressed above the lowest fret
    bool atLowest = false;  // a note pressed on the lowest fret
  };

  void Next(StringIndex s, State state) {
    if (s < 0) return Leaf(state);
    // Not enough strings left for the tones still missing, or none to give one.
    const unsigned missing = m_rules.required & ~state.sounding;
    if (std::popcount(missing) > s + 1 || (missing & ~m_reachable[s]) != 0) return;
    m_frets[s] = kMuted;
    State muted = state;
    muted.gap += state.strings > 0;
    Next(s - 1, muted);
    if (state.inner + state.gap > kMostInnerMutes) return;
    const int capo = m_rules.Capo();
    const auto play = [&](FretIndex f) {
      if (f >= kFretPositions || !m_playable[s][f]) return;
      const int pc = m_pitchClass[s][f];
      // On a tuning that rises string by string the first string to sound is the bass.
      if (m_bass >= 0 && state.strings == 0 && pc != m_bass) return;
      State next = state;
      next.sounding |= 1u << pc;
      ++next.strings;
      next.inner += next.gap;
      next.gap = 0;
      next.above += f > m_lowest;
      next.atLowest = next.atLowest || f == m_lowest;
      // With a note on the lowest fret, four fingers hold at most three above it.
      if (m_lowest > capo && next.above > 3) return;
      m_frets[s] = f;
      Next(s - 1, next);
    };
    play(capo);
    if (m_lowest > capo) {
      for (FretIndex f = m_lowest; f < m_lowest + m_rules.Span(); ++f) play(f);
    }
    m_frets[s] = kMuted;
  }

  void Leaf(const State& state) {
    if (state.strings < m_rules.minStrings || (m_rules.required & ~state.sounding) != 0) return;
    if (m_lowest > m_rules.Capo() && !state.atLowest) return;
    if (!voicing_kinds::Fingerable(m_frets, m_rules.Capo())) return;
    if (m_rules.chord.bass) {
      NoteNumber lowest = 999;
      for (StringIndex s = 0; s < m_tuning.StringCount(); ++s) {
        if (m_frets[s] != kMuted) lowest = std::min(lowest, m_tuning.NoteAt(s, m_frets[s]));
      }
      if (PitchClass(lowest) != m_rules.chord.bass->PitchClass()) return;
    }
    voicing_kinds::Candidate c;
    for (StringIndex s = 0; s < m_tuning.StringCount(); ++s) c.frets[s] = static_cast<std::int8_t>(m_frets[s]);
    m_out->push_back(c);
  }

  const Rules& m_rules;
  const Tuning& m_tuning;
  std::vector<FretIndex> m_frets;
  int m_lowest = -1;
  std::vector<voicing_kinds::Candidate>* m_out = nullptr;
  std::array<std::array<bool, kFretPositions>, kMaxStrings> m_playable{};
  std::array<unsigned, kMaxStrings> m_reachable{};
  int m_bass = -1;  // a slash chord's bass pitch class when the strings rise in pitch
  std::array<std::array<std::int8_t, kFretPositions>, kMaxStrings> m_pitchClass{};
};

std::string ToneList(const ChordSymbol& chord) {
  std::vector<std::string> names;
  for (const ChordTone& t : chord.tones) {
    if (!t.optional) names.push_back(NoteName(chord.Spell(chord.root.PitchClass() + t.degree.Semitones()), SignStyle::kAscii));
  }
  if (chord.bass) names.insert(names.begin(), NoteName(*chord.bass, SignStyle::kAscii));
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  }
  return text;
}

// The voicing with its texts.
Voicing Described(voicing_kinds::Candidate c, const voicing_kinds::Context& x) {
  const voicing_kinds::Measures m = voicing_kinds::Evaluate(c, x);
  Voicing v;
  const int strings = x.tuning.StringCount();
  v.frets.assign(c.frets.begin(), c.frets.begin() + strings);
  for (StringIndex s = strings - 1; s >= 0; --s) {
    if (v.frets[s] == kMuted) continue;
    const NoteNumber note = x.tuning.NoteAt(s, v.frets[s]);
    v.notes.push_back({s, v.frets[s], note, x.chord.Spell(PitchClass(note)),
                       x.chord.DegreeOf(PitchClass(note))});
  }
  v.kind = c.kind;
  v.label = voicing_kinds::Label(c.kind, m);
  v.lowestFret = m.lowestFret;
  v.span = m.span;
  v.missing = m.missing;
  v.inversion = m.inversion;
  v.unisons = m.unisons;
  v.score = c.score;
  return v;
}

}  // namespace

Voicing DescribeVoicing(const ChordSymbol& chord, const VoicingQuery& query,
                        const std::vector<FretIndex>& frets) {
  const voicing_kinds::Context context(chord, query.tuning, std::clamp(query.capo, 0, kMaxCapo));
  voicing_kinds::Candidate c;
  for (std::size_t s = 0; s < frets.size() && s < c.frets.size(); ++s) {
    c.frets[s] = static_cast<std::int8_t>(frets[s]);
  }
  return Described(c, context);
}

VoicingResult FindVoicings(const ChordSymbol& chord, const VoicingQuery& query, std::size_t limit) {
  const Rules rules(chord, query);
  const voicing_kinds::Context context(chord, query.tuning, rules.Capo());
  Search search(rules);
  std::vector<voicing_kinds::Candidate> found;
  found.reserve(1u << 16);  // enough for most chords on eight strings without a copy
  search.From(-1, found);
  for (int lowest = rules.Capo() + 1; lowest <= query.tuning.HighestFret(); ++lowest) {
    search.From(lowest, found);
  }
  for (voicing_kinds::Candidate& c : found) voicing_kinds::Evaluate(c, context);
  VoicingResult result;
  result.total = found.size();
  const std::vector<std::uint32_t> order = voicing_kinds::Rank(found, limit);
  result.voicings.reserve(order.size());
  for (std::uint32_t i : order) result.voicings.push_back(Described(found[i], context));
  if (found.empty()) {
    const int needed = std::popcount(rules.required);
    const std::string symbol = chord.Symbol();
    result.none = needed > query.tuning.StringCount()
                      ? symbol + " needs " + std::to_string(needed) + " different notes; " +
                            query.tuning.name + " has " + std::to_string(query.tuning.StringCount()) +
                            " strings"
                      : "no voicing of " + symbol + " holds " + ToneList(chord) + " within " +
                            std::to_string(rules.Span()) + " frets with four fingers in " +
                            query.tuning.name + "; a wider span may find one";
  }
  return result;
}

std::optional<Voicing> TopVoicing(const ChordSymbol& chord, const Tuning& tuning, FretRange frets,
                                  int span) {
  VoicingQuery query;
  query.tuning = tuning;
  query.frets = frets;
  query.span = span;
  VoicingResult result = FindVoicings(chord, query, 1);
  if (result.voicings.empty()) return std::nullopt;
  return std::move(result.voicings.front());
}

}  // namespace fretlab
