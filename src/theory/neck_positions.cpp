#include "theory/neck_positions.h"

namespace fretlab {

std::vector<Position> AreaPositions(const Tuning& tuning, const NeckArea& area) {
  std::vector<Position> positions;
  for (StringIndex s = 0; s < tuning.StringCount(); ++s) {
    for (FretIndex f = 0; f < tuning.fretPositions; ++f) {
      if (area.Admits({s, f})) positions.push_back({s, f});
    }
  }
  return positions;
}

std::vector<MarkedPosition> ChoicePositions(const Tuning& tuning, const NeckArea& area,
                                            const KeySpelling& key) {
  std::vector<MarkedPosition> marked;
  for (const Position& p : AreaPositions(tuning, area)) {
    const NoteNumber note = tuning.NoteAt(p.string, p.fret);
    const int degree = key.IndexOfPitchClass(PitchClass(note));
    if (degree >= 0) marked.push_back({p, note, degree});
  }
  return marked;
}

std::vector<Position> PositionsOfNote(const Tuning& tuning, const NeckArea& area, NoteNumber note) {
  std::vector<Position> positions;
  for (const Position& p : AreaPositions(tuning, area)) {
    if (tuning.NoteAt(p.string, p.fret) == note) positions.push_back(p);
  }
  return positions;
}

std::vector<Position> PositionsOfPitchClass(const Tuning& tuning, const NeckArea& area,
                                            int pitchClass) {
  const int pc = PitchClass(pitchClass);
  std::vector<Position> positions;
  for (const Position& p : AreaPositions(tuning, area)) {
    if (PitchClass(tuning.NoteAt(p.string, p.fret)) == pc) positions.push_back(p);
  }
  return positions;
}

std::string DescribePosition(const Tuning& tuning, Position position) {
  std::string text = "string " + std::to_string(position.string + 1) + ", " +
                     StringName(tuning, position.string) + " string, ";
  text += position.fret == 0 ? std::string("open") : "fret " + std::to_string(position.fret);
  return text;
}

}  // namespace fretlab
