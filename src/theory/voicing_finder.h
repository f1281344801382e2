#pragma once
// Every playable voicing of a chord in a tuning with a capo, ranked as a
// guitarist looks chords up.
//
// A voicing plays one note per string at most (a string may be muted, but
// no more than one between the strings that sound); its fretted notes lie
// within `span` frets (3 to 6; open strings aside); four
// fingers can hold it, a barre across the lowest fret counting as one; at
// least three strings sound (two for a power chord). It holds every tone
// the chord requires (the root, the third or suspension, the seventh of a
// seventh chord, every named tension; see chord_symbol.h for the tones it
// may leave out) and no other note; a slash chord's bass is its lowest note.
//
// Ranking, as a guitarist looks chords up: common shapes first, then the
// more complete, the smaller span, the lower on the neck. Each voicing has a
// score, lower first:
//   kind   open chord (open strings in the first three frets above the capo,
//          complete, sounding up to the first string) 0; the grips learned
//          first: drop 3 with the root on the lowest string and drop 2 with
//          the root on the next 4, E- and A-shape barres 5; drop 2 on the
//          first four strings 8; other drop 2 and drop 3 voicings 10;
//          shells 12; anything else 24
//   bass   another than a plain symbol's root: 2 more for a drop voicing,
//          16 for any other
//   +1 for each fret the lowest pressed fret lies above the capo (open
//   chords aside), +2 for each fret of span beyond 3, +6 for each optional
//   tone left out and for each string doubling another's very pitch.
// The first rows show one voicing of each kind before a second of any: a
// kind already listed once costs 4 more, twice or more 8 more (E- and
// A-shape barres count as one kind). Ties go to more strings, then to fewer
// frets pressed in all.
//
// How to use it:
//   VoicingQuery query;                       // Standard, no capo, span 4, whole neck
//   VoicingResult found = FindVoicings(*ParseChordSymbol("Cmaj7"), query);
//   found.voicings[0].FretsText()             -> "x32000"
//   found.voicings[0].label                   -> "open"
//   found.none                                -> why nothing was found, when so
//   TopVoicing(chord, tuning)                  the first within frets 0..12
//   VoicingFault(chord, query, frets)          "" when the frets are a voicing, else why not

#include <optional>
#include <string>
#include <vector>

#include "theory/chord_symbol.h"
#include "theory/neck_positions.h"
#include "theory/voicing.h"

namespace fretlab {

inline constexpr int kMinVoicingSpan = 3;
inline constexpr int kMaxVoicingSpan = 6;
inline constexpr int kDefaultVoicingSpan = 4;

struct VoicingQuery {
  Tuning tuning = PresetTunings().front();
  int capo = 0;                     // 0..kMaxCapo
  int span = kDefaultVoicingSpan;   // kMinVoicingSpan..kMaxVoicingSpan frets
  FretRange frets;                  // every note, open strings included, within these frets
};

struct VoicingResult {
  std::vector<Voicing> voicings;  // ranked, best first; the first `limit` when given
  std::size_t total = 0;          // how many there are in all
  // One sentence when there is none: which tones could not be fitted.
  std::string none;
};

// Every voicing, or the first `limit` of them (0: all) with the count of all.
VoicingResult FindVoicings(const ChordSymbol& chord, const VoicingQuery& query,
                           std::size_t limit = 0);

// The finder's first voicing within frets 0..12 (or `frets`), with no capo:
// the chord as a guitarist would first play it.
std::optional<Voicing> TopVoicing(const ChordSymbol& chord, const Tuning& tuning,
                                  FretRange frets = {0, 12}, int span = kDefaultVoicingSpan);

// Whether `frets` (by string from the top, kMuted for a mute) is a voicing
// of the chord by the rules above: "" when it is, else one sentence naming
// the first rule it breaks ("string 3 plays A, which is not in C").
std::string VoicingFault(const ChordSymbol& chord, const VoicingQuery& query,
                         const std::vector<FretIndex>& frets);

// The voicing of `frets` with its notes, kind and label; `frets` must be
// one (VoicingFault empty).
Voicing DescribeVoicing(const ChordSymbol& chord, const VoicingQuery& query,
                        const std::vector<FretIndex>& frets);

}  // namespace fretlab
