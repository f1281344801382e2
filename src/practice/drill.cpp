#include "practice/drill.h"

#include <algorithm>
#include <array>

#include "practice/answer_record.h"
#include "practice/drill_questions.h"
#include "practice/ear_drills.h"

namespace fretlab::practice {

namespace {

constexpr std::array<std::string_view, kQuestionKindCount> kKeys = {
    "find-note", "name-note", "find-degree", "name-degree",
    "ear", "chord-tone", "chord-tones", "position-notes", "play-voicing",
    "ear-interval", "ear-chord-quality", "ear-scale"};

bool StringAllowed(const DrillSetup& setup, int string) { return ((setup.area.strings >> string) & 1u) != 0; }

}  // namespace

// " — strings 1–3, frets 0–7", " — string 2, frets 2–7", " — strings 1–2
// and 5, frets 0–12"; without the strings when every string is allowed;
// within a position " in box 2", " in the E shape — strings 1–3".
// Guitarists' numbers: 1 = the highest string; frets from the capo on.
std::string RangeText(const DrillSetup& setup) {
  const QuestionRange range = RangeOf(setup);
  std::string strings;
  if (!range.stringRuns.empty()) {
    const bool one = range.stringRuns.size() == 1 && range.stringRuns[0].first == range.stringRuns[0].second;
    strings = one ? "string " : "strings ";
    for (std::size_t i = 0; i < range.stringRuns.size(); ++i) {
      const auto [first, last] = range.stringRuns[i];
      strings += (i == 0 ? "" : i + 1 == range.stringRuns.size() ? " and " : ", ") + std::to_string(first);
      if (last != first) strings += "–" + std::to_string(last);
    }
  }
  if (!setup.within.empty()) return " in " + setup.withinName + (strings.empty() ? "" : " — " + strings);
  return " — " + (strings.empty() ? "" : strings + ", ") + "frets " + std::to_string(range.fromFret) + "–" +
         std::to_string(range.toFret);
}

namespace {

// One question per note of the key (or chord) that has a position in range.
void AddPerStep(QuestionKind kind, const DrillSetup& setup, std::vector<Question>& out) {
  for (int i = 0; i < setup.key.Size(); ++i) {
    Question q;
    q.kind = kind;
    q.degree = setup.key.DegreeAt(i);
    const int pc = setup.key.NoteAt(i).PitchClass();
    q.targets = PositionsOfPitchClass(setup.tuning, setup.area, pc);
    if (q.targets.empty()) continue;
    if (!AsksForDegree(kind)) {
      q.asked = NoteName(setup.key.NoteAt(i));
      q.prompt = "Find every " + q.asked + RangeText(setup);
      q.every = true;
    } else {
      q.asked = IntervalLabel(q.degree);
      q.prompt = (kind == QuestionKind::kFindDegree ? "Where is the " + q.asked + "?"
                                                    : "Click the " + q.asked + " of " + setup.keyName) +
                 RangeText(setup);
    }
    q.item = q.asked;
    out.push_back(std::move(q));
  }
}

// One question per allowed position in the key: name its note or degree.
void AddPerPosition(QuestionKind kind, const DrillSetup& setup, std::vector<Question>& out) {
  for (const MarkedPosition& m : ChoicePositions(setup.tuning, setup.area, setup.key)) {
    const Position p = m.position;
    Question q;
    q.kind = kind;
    q.shown = p;
    q.pitch = m.note;
    q.degree = setup.key.DegreeAt(m.degreeIndex);
    const bool name = !AsksForDegree(kind);
    q.asked = name ? NoteName(setup.key.NoteAt(m.degreeIndex)) : IntervalLabel(q.degree);
    q.prompt = name ? "Name this note" : "Which degree is this?";
    q.item = PositionItem(p.string + 1, p.fret);
    out.push_back(std::move(q));
  }
}

}  // namespace

QuestionRange RangeOf(const DrillSetup& setup) {
  QuestionRange range;
  const int count = setup.tuning.StringCount();
  int allowed = 0;
  for (int s = 0; s < count; ++s) {
    if (!StringAllowed(setup, s)) continue;
    int end = s;
    while (end + 1 < count && StringAllowed(setup, end + 1)) ++end;
    allowed += end - s + 1;
    range.stringRuns.emplace_back(s + 1, end + 1);
    s = end;  // the run's last string; the next is one past it
  }
  if (allowed == count) range.stringRuns.clear();
  range.fromFret = std::max(setup.area.frets.from, setup.area.capo);
  range.toFret = setup.area.frets.to;
  return range;
}

std::string_view DrillKey(QuestionKind kind) { return kKeys[static_cast<int>(kind)]; }

std::optional<QuestionKind> KindOfKey(std::string_view key) {
  const auto it = std::find(kKeys.begin(), kKeys.end(), key);
  if (it == kKeys.end()) return std::nullopt;
  return static_cast<QuestionKind>(it - kKeys.begin());
}

bool IsPositionItemDrill(std::string_view key) {
  // The name drills mark a position and ask its name.
  const std::optional<QuestionKind> kind = KindOfKey(key);
  return kind && AsksForName(*kind);
}

bool InKey(const DrillSetup& setup, int note) {
  return setup.key.IndexOfPitchClass(PitchClass(note)) >= 0;
}

int PitchAt(const DrillSetup& setup, Position position) {
  return setup.tuning.NoteAt(position.string, position.fret);
}

std::string NoteNameInKey(const DrillSetup& setup, int note) {
  return NoteName(setup.key.Spell(PitchClass(note)));
}

std::string DegreeNameInKey(const DrillSetup& setup, int note) {
  const int index = setup.key.IndexOfPitchClass(PitchClass(note));
  return index < 0 ? std::string() : IntervalLabel(setup.key.DegreeAt(index));
}

std::vector<Question> AllQuestions(QuestionKind kind, const DrillSetup& setup) {
  std::vector<Question> out;
  switch (kind) {
    case QuestionKind::kFindNote:
    case QuestionKind::kFindDegree:
    case QuestionKind::kFindChordTone:
      AddPerStep(kind, setup, out);
      break;
    case QuestionKind::kNameNote:
    case QuestionKind::kNameDegree:
      AddPerPosition(kind, setup, out);
      break;
    case QuestionKind::kEarToNeck: {
      std::vector<int> pitches;
      for (const MarkedPosition& m : ChoicePositions(setup.tuning, setup.area, setup.key)) {
        pitches.push_back(m.note);
      }
      std::sort(pitches.begin(), pitches.end());
      pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
      for (int note : pitches) {
        Question q;
        q.kind = kind;
        q.pitch = note;
        q.degree = setup.key.DegreeAt(setup.key.IndexOfPitchClass(PitchClass(note)));
        q.asked = NoteNameWithOctave(note, setup.key.Spell(PitchClass(note)));
        q.item = q.asked;
        q.prompt = "Find the note you hear" + RangeText(setup);
        q.targets = PositionsOfNote(setup.tuning, setup.area, note);
        out.push_back(std::move(q));
      }
      break;
    }
    case QuestionKind::kFindChordTones: {
      Question q;
      q.kind = kind;
      for (const MarkedPosition& m : ChoicePositions(setup.tuning, setup.area, setup.key)) {
        q.targets.push_back(m.position);
      }
      if (q.targets.empty()) break;
      q.asked = setup.keyName;
      q.item = q.asked;
      q.prompt = "Click every chord tone of " + setup.keyName + RangeText(setup);
      q.every = true;
      out.push_back(std::move(q));
      break;
    }
    case QuestionKind::kFindPositionNotes:
      AddPositionNotes(setup, out);
      break;
    case QuestionKind::kPlayVoicing:
      AddVoicings(setup, out);
      break;
    case QuestionKind::kEarInterval:
    case QuestionKind::kEarChordQuality:
    case QuestionKind::kEarScale:
      // What is heard is not kept to a position.
      AddEarQuestions(kind, setup, out);
      return out;
  }
  return KeepWithin(std::move(out), setup);
}

}  // namespace fretlab::practice
