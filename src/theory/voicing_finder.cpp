#include "theory/voicing_finder.h"

#include <algorithm>
#include <bit>

#include "theory/voicing_kinds.h"

namespace fretlab {

namespace {

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
  }

  // Every voicing whose lowest pressed fret is `lowest` (or, for -1, that
  // presses none).
  void From(int lowest, std::vector<std::vector<FretIndex>>& out) {
    m_lowest = lowest;
    m_out = &out;
    Next(m_tuning.StringCount() - 1, 0, 0);
  }

 private:
  void Next(StringIndex s, unsigned sounding, int strings) {
    if (s < 0) return Leaf(sounding, strings);
    // Not enough strings left for the tones still missing.
    if (std::popcount(m_rules.required & ~sounding) > s + 1) return;
    m_frets[s] = kMuted;
    Next(s - 1, sounding, strings);
    const int capo = m_rules.Capo();
    const auto play = [&](FretIndex f) {
      const int pc = PitchClass(m_tuning.NoteAt(s, f));
      if (!m_rules.FretInRange(f) || !((m_rules.allowed >> pc) & 1u)) return;
      m_frets[s] = f;
      Next(s - 1, sounding | (1u << pc), strings + 1);
    };
    play(capo);
    if (m_lowest > capo) {
      for (FretIndex f = m_lowest; f < m_lowest + m_rules.Span(); ++f) play(f);
    }
    m_frets[s] = kMuted;
  }

  void Leaf(unsigned sounding, int strings) {
    if (strings < m_rules.minStrings || (m_rules.required & ~sounding) != 0) return;
    if (m_lowest > m_rules.Capo() &&
        std::find(m_frets.begin(), m_frets.end(), m_lowest) == m_frets.end()) {
      return;
    }
    if (!voicing_kinds::Fingerable(m_frets, m_rules.Capo())) return;
    if (m_rules.chord.bass) {
      NoteNumber lowest = 999;
      for (StringIndex s = 0; s < m_tuning.StringCount(); ++s) {
        if (m_frets[s] != kMuted) lowest = std::min(lowest, m_tuning.NoteAt(s, m_frets[s]));
      }
      if (PitchClass(lowest) != m_rules.chord.bass->PitchClass()) return;
    }
    m_out->push_back(m_frets);
  }

  const Rules& m_rules;
  const Tuning& m_tuning;
  std::vector<FretIndex> m_frets;
  int m_lowest = -1;
  std::vector<std::vector<FretIndex>>* m_out = nullptr;
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

}  // namespace

Voicing DescribeVoicing(const ChordSymbol& chord, const VoicingQuery& query,
                        const std::vector<FretIndex>& frets) {
  Voicing v;
  v.frets = frets;
  const Tuning& tuning = query.tuning;
  const int capo = std::clamp(query.capo, 0, kMaxCapo);
  int highest = 0;
  v.lowestFret = 0;
  unsigned sounding = 0;
  for (StringIndex s = tuning.StringCount() - 1; s >= 0; --s) {
    if (frets[s] == kMuted) continue;
    const NoteNumber note = tuning.NoteAt(s, frets[s]);
    sounding |= 1u << PitchClass(note - chord.root.PitchClass());
    v.notes.push_back({s, frets[s], note, chord.Spell(PitchClass(note)), chord.DegreeOf(PitchClass(note))});
    if (frets[s] > capo) {
      v.lowestFret = v.lowestFret == 0 ? frets[s] : std::min(v.lowestFret, frets[s]);
      highest = std::max(highest, frets[s]);
    }
  }
  v.span = v.lowestFret == 0 ? 0 : highest - v.lowestFret + 1;
  v.missing = std::popcount(chord.Intervals() & ~sounding);
  const auto bass = std::min_element(v.notes.begin(), v.notes.end(),
                                     [](const VoicedNote& a, const VoicedNote& b) { return a.note < b.note; });
  v.inversion = !chord.bass && bass != v.notes.end() && PitchClass(bass->note) != chord.root.PitchClass();
  for (std::size_t i = 0; i < v.notes.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) v.unisons += v.notes[i].note == v.notes[j].note;
  }
  voicing_kinds::Classify(v, chord, tuning, capo);
  v.score = voicing_kinds::Score(v, tuning.StringCount(), capo);
  return v;
}

VoicingResult FindVoicings(const ChordSymbol& chord, const VoicingQuery& query) {
  const Rules rules(chord, query);
  Search search(rules);
  std::vector<std::vector<FretIndex>> found;
  search.From(-1, found);
  for (int lowest = rules.Capo() + 1; lowest <= query.tuning.HighestFret(); ++lowest) {
    search.From(lowest, found);
  }
  VoicingResult result;
  result.voicings.reserve(found.size());
  for (const auto& frets : found) result.voicings.push_back(DescribeVoicing(chord, query, frets));
  voicing_kinds::Rank(result.voicings);
  if (result.voicings.empty()) {
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
  VoicingResult result = FindVoicings(chord, query);
  if (result.voicings.empty()) return std::nullopt;
  return std::move(result.voicings.front());
}

}  // namespace fretlab
