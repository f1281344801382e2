// Whether frets a student gives are a voicing of the chord, by the
// finder's rules, and if not, the first rule they break.

#include <algorithm>
#include <bit>

#include "theory/voicing_finder.h"
#include "theory/voicing_kinds.h"

namespace fretlab {

namespace {

std::string StringWord(StringIndex s) { return "string " + std::to_string(s + 1); }

}  // namespace

std::string VoicingFault(const ChordSymbol& chord, const VoicingQuery& query,
                         const std::vector<FretIndex>& frets) {
  const Tuning& tuning = query.tuning;
  const int capo = std::clamp(query.capo, 0, kMaxCapo);
  const std::string symbol = chord.Symbol();
  if (static_cast<int>(frets.size()) != tuning.StringCount()) {
    return "the voicing has " + std::to_string(frets.size()) + " strings; " + tuning.name +
           " has " + std::to_string(tuning.StringCount());
  }
  int sounding = 0, lowestFret = 99, highestFret = -1, inner = 0, gap = 0;
  unsigned heard = 0;
  NoteNumber bass = 999;
  for (StringIndex s = 0; s < tuning.StringCount(); ++s) {
    const FretIndex f = frets[s];
    if (f == kMuted) {
      gap += sounding > 0;
      continue;
    }
    inner += gap, gap = 0;
    if (f < capo) return StringWord(s) + " is behind the capo";
    if (f > tuning.HighestFret() || !query.frets.Contains(f)) {
      return StringWord(s) + " is played at fret " + std::to_string(f) + ", outside frets " +
             std::to_string(std::max(query.frets.from, capo)) + "\u2013" +
             std::to_string(std::min(query.frets.to, tuning.HighestFret()));
    }
    const NoteNumber note = tuning.NoteAt(s, f);
    const int pc = PitchClass(note);
    const bool isBass = chord.bass && chord.bass->PitchClass() == pc;
    if (!chord.DegreeOf(pc) && !isBass) {
      return StringWord(s) + " plays " + NoteName(chord.Spell(pc), SignStyle::kAscii) +
             ", which is not in " + symbol;
    }
    ++sounding;
    heard |= 1u << PitchClass(pc - chord.root.PitchClass());
    bass = std::min(bass, note);
    if (f > capo) lowestFret = std::min(lowestFret, f), highestFret = std::max(highestFret, f);
  }
  const int needed = chord.tones.size() == 2 ? 2 : 3;
  if (sounding < needed) {
    return std::string(sounding == 1 ? "one string sounds" : std::to_string(sounding) + " strings sound") +
           "; a chord needs " + (needed == 2 ? "two" : "three");
  }
  for (const ChordTone& t : chord.tones) {
    if (t.optional || ((heard >> t.degree.Semitones()) & 1u)) continue;
    const int pc = chord.root.PitchClass() + t.degree.Semitones();
    return symbol + " needs its " + IntervalLabel(t.degree, SignStyle::kAscii) + " (" +
           NoteName(chord.Spell(pc), SignStyle::kAscii) + ")";
  }
  if (chord.bass && PitchClass(bass) != chord.bass->PitchClass()) {
    return "the lowest note of " + symbol + " must be " + NoteName(*chord.bass, SignStyle::kAscii);
  }
  if (inner > 1) return "more than one muted string lies between the strings that sound";
  const int span = std::clamp(query.span, kMinVoicingSpan, kMaxVoicingSpan);
  if (highestFret >= 0 && highestFret - lowestFret + 1 > span) {
    return "the fretted notes cover " + std::to_string(highestFret - lowestFret + 1) +
           " frets; " + std::to_string(span) + " is the most";
  }
  if (!voicing_kinds::Fingerable(frets, capo)) return "four fingers cannot hold it";
  return {};
}

}  // namespace fretlab
