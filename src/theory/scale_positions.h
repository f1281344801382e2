#pragma once
// Where guitarists play a scale: its positions in one of three systems.
//
// - CAGED: the five shapes C, A, G, E, D of the major scale and its modes,
//   of the major and minor pentatonic and of the blues scale, on six-string
//   tunings with standard tuning's intervals (Standard, Half step down,
//   Whole step down). A major-family shape is the parent major scale's notes
//   in a hand position (a window of 4 or 5 frets, from one fret below the
//   E-shape barre and so on up the neck); a pentatonic or blues shape is
//   its box. Each is named by the form of the scale's own root chord that
//   lies in it (A minor pentatonic's box 1 holds the E-form barre of Am on
//   fret 5: it is its E shape).
// - Three notes per string: the seven positions of any seven-note scale in
//   any tuning, position N starting on the lowest string with the scale's
//   N-th note, each string holding the next three notes.
// - Pentatonic boxes 1 to 5 of the major and minor pentatonic and the blues
//   scale: two notes per string, box N starting on the lowest string with
//   the N-th note of the minor pentatonic (for a major pentatonic, of its
//   relative minor's: box N of C major pentatonic is box N of A minor
//   pentatonic). The blues boxes add the blue note a fret above each 4.
//
// Positions repeat every octave; each instance on the neck is a position of
// its own, cut off at the capo and at the last fret, and listed up the neck
// by where it starts before the cut. Each joins the next in that list: they
// share notes, unless the cut took them. Together a system's positions cover
// every note of the scale from the capo (or nut) to the last fret.
//
// How to use it:
//   KeySpelling key = KeySpelling::Automatic(0, Scales()[1], Accidentals::kSharps);
//   PositionSet set = FindPositions(PositionSystem::kCaged, tuning, capo, key);
//   if (!set.unavailable.empty()) ... one sentence saying why not
//   for (const ScalePosition& p : set.positions) p.Name(), p.span, p.roots, p.joinsNext ...
//   PositionsOf(set, 3)      the instances of E shape (number 3)

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "theory/key_spelling.h"
#include "theory/neck_positions.h"
#include "theory/tuning.h"

namespace fretlab {

enum class PositionSystem { kCaged, kThreeNotesPerString, kPentatonicBox };

// CAGED shapes by number 0..4, in the order they follow up the neck.
inline constexpr char kCagedLetters[] = {'C', 'A', 'G', 'E', 'D'};

struct ScalePosition {
  PositionSystem system = PositionSystem::kCaged;
  // CAGED 0..4 (kCagedLetters); three notes per string 1..7; boxes 1..5.
  int number = 0;
  // From the lowest string up, each string's frets upwards.
  std::vector<MarkedPosition> notes;
  FretRange span;                  // lowest and highest fret of its notes
  std::vector<Position> roots;     // its notes of the scale's root
  std::vector<Position> joinsNext;  // its notes that the next position up also plays
  bool cut = false;  // some of its notes lie below the capo (or nut) or past the last fret

  bool Contains(Position p) const;
  // "E shape", "3NPS 2", "Box 1".
  std::string Name() const;
};

struct PositionSet {
  std::vector<ScalePosition> positions;  // up the neck
  // Why the system does not apply, in one sentence; empty when it does.
  std::string unavailable;
};

// The number of positions a system has: 5, 7, 5.
int PositionCount(PositionSystem system);
// "E shape", "3NPS 2", "Box 1" for a number of the system.
std::string PositionName(PositionSystem system, int number);

// The positions of `key`'s scale on the neck, the frets below `capo` left out.
PositionSet FindPositions(PositionSystem system, const Tuning& tuning, int capo,
                          const KeySpelling& key);
// The instances of one number, up the neck.
std::vector<const ScalePosition*> PositionsOf(const PositionSet& set, int number);

// "caged:E", "3nps:2", "box:1" (case ignored): the system and number that
// --position names; nothing when the text names none.
struct PositionChoice {
  PositionSystem system = PositionSystem::kCaged;
  int number = 0;
  friend bool operator==(const PositionChoice&, const PositionChoice&) = default;
};
std::optional<PositionChoice> ParsePositionChoice(std::string_view text);
std::string PositionChoiceWord(PositionChoice choice);  // "caged:E", back

}  // namespace fretlab
