#include "practice/drill_marks.h"

#include <algorithm>

namespace fretlab::practice {

namespace {

NeckMark MarkAt(const DrillSetup& setup, Position p, Rgb fill) {
  NeckMark m;
  m.position = p;
  m.note = PitchAt(setup, p);
  m.name = setup.key.Spell(PitchClass(m.note));
  m.label = NoteName(m.name, NoteNaming{SignStyle::kUnicode, setup.noteNames});
  m.fill = fill;
  return m;
}

}  // namespace

std::vector<NeckMark> QuestionMarks(const Question& question, const DrillSetup& setup,
                                    const std::vector<Position>& found) {
  std::vector<NeckMark> marks;
  if (question.shown) {
    NeckMark asked = MarkAt(setup, *question.shown, kAskedColour);
    // An interval's first note is given, named; elsewhere the mark is asked about.
    if (!IsEarTraining(question.kind)) asked.label.assign(1, '?');
    marks.push_back(std::move(asked));
  }
  for (const Position& p : found) marks.push_back(MarkAt(setup, p, kAskedColour));
  return marks;
}

std::vector<NeckMark> MissMarks(const Miss& miss, const DrillSetup& setup) {
  std::vector<NeckMark> marks;
  auto add = [&](Position p, Rgb fill) {
    NeckMark m = MarkAt(setup, p, fill);
    // A voicing's notes are spelled as tones of the chord asked.
    if (miss.chord) m.name = miss.chord->Spell(PitchClass(m.note)), m.label = NoteName(m.name);
    m.text = {255, 255, 255};
    marks.push_back(std::move(m));
  };
  if (miss.given == Miss::Given::kVoicing) {
    for (const Position& p : miss.rightAt) add(p, kRightColour);
    for (const SoundedPosition& p : miss.answeredVoicing) {
      if (std::find(miss.rightAt.begin(), miss.rightAt.end(), p.position) == miss.rightAt.end()) {
        add(p.position, kWrongColour);
      }
    }
    return marks;
  }
  for (const Position& p : miss.rightAt) add(p, kRightColour);
  if (miss.answeredAt && std::find(miss.rightAt.begin(), miss.rightAt.end(), *miss.answeredAt) ==
                             miss.rightAt.end()) {
    add(*miss.answeredAt, kWrongColour);
  }
  return marks;
}

}  // namespace fretlab::practice
