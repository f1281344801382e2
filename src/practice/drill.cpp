#include "practice/drill.h"

#include <algorithm>
#include <array>

namespace fretlab::practice {

namespace {

constexpr std::array<std::string_view, kQuestionKindCount> kKeys = {
    "find-note", "name-note", "find-degree", "name-degree",
    "ear", "chord-tone", "chord-tones"};

bool StringAllowed(const DrillSetup& setup, int string) {
  return setup.strings.empty() ||
         (string < static_cast<int>(setup.strings.size()) && setup.strings[string]);
}

// " on strings 1–3", " on string 2", " on strings 1–2 and 5"; empty when
// every string is allowed. Guitarists' numbers: 1 = the highest string.
std::string StringsText(const DrillSetup& setup) {
  const int count = static_cast<int>(setup.openNotes.size());
  std::vector<std::string> runs;
  int allowed = 0;
  for (int s = 0; s < count;) {
    if (!StringAllowed(setup, s)) {
      ++s;
      continue;
    }
    int end = s;
    while (end + 1 < count && StringAllowed(setup, end + 1)) ++end;
    allowed += end - s + 1;
    runs.push_back(end == s ? std::to_string(s + 1)
                            : std::to_string(s + 1) + "–" + std::to_string(end + 1));
    s = end + 1;
  }
  if (allowed == count) return "";
  std::string text = allowed == 1 ? " on string " : " on strings ";
  for (std::size_t i = 0; i < runs.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == runs.size() ? " and " : ", ") + runs[i];
  }
  return text;
}

int LowestFret(const DrillSetup& setup) { return std::max(setup.firstFret, setup.capo); }

std::string FretsText(const DrillSetup& setup) {
  return " between frets " + std::to_string(LowestFret(setup)) + " and " +
         std::to_string(setup.lastFret);
}

// "C♯4": the spelled name and the octave of its letter (60 = C4), so that
// C♭ sounding as B3 reads C♭4 and B♯ sounding as C4 reads B♯3.
std::string PitchName(const DrillSetup& setup, int note) {
  const std::string name = setup.noteName(PitchClass(note));
  int octave = note / 12 - 1;
  if (!name.empty() && name[0] == 'C' && PitchClass(note) == 11) ++octave;
  if (!name.empty() && name[0] == 'B' && PitchClass(note) == 0) --octave;
  return name + std::to_string(octave);
}

std::vector<Position> PositionsWhere(const DrillSetup& setup,
                                     const std::function<bool(int note)>& keep) {
  std::vector<Position> out;
  for (const Position& p : AllowedPositions(setup)) {
    if (keep(PitchAt(setup, p))) out.push_back(p);
  }
  return out;
}

// One question per step of the key (or chord) that has a position in range.
void AddPerStep(QuestionKind kind, const DrillSetup& setup, std::vector<Question>& out) {
  for (int step : setup.steps) {
    Question q;
    q.kind = kind;
    q.semitones = step;
    const int pc = PitchClass(setup.root + step);
    q.targets = PositionsWhere(setup, [pc](int note) { return PitchClass(note) == pc; });
    if (q.targets.empty()) continue;
    if (kind == QuestionKind::kFindNote) {
      q.asked = setup.noteName(pc);
      q.prompt = "Find every " + q.asked + StringsText(setup) + FretsText(setup);
      q.every = true;
    } else {
      q.asked = setup.degreeName(step);
      q.prompt = kind == QuestionKind::kFindDegree
                     ? "Where is the " + q.asked + "?"
                     : "Click the " + q.asked + " of " + setup.keyName;
    }
    q.item = q.asked;
    out.push_back(std::move(q));
  }
}

// One question per allowed position in the key: name its note or degree.
void AddPerPosition(QuestionKind kind, const DrillSetup& setup, std::vector<Question>& out) {
  for (const Position& p : AllowedPositions(setup)) {
    const int note = PitchAt(setup, p);
    if (!InKey(setup, note)) continue;
    Question q;
    q.kind = kind;
    q.shown = p;
    q.pitch = note;
    q.semitones = PitchClass(note - setup.root);
    const bool name = kind == QuestionKind::kNameNote;
    q.asked = name ? setup.noteName(PitchClass(note)) : setup.degreeName(q.semitones);
    q.prompt = name ? "Name this note" : "Which degree is this?";
    q.item = std::to_string(p.string + 1) + "/" + std::to_string(p.fret);
    out.push_back(std::move(q));
  }
}

}  // namespace

std::string_view DrillKey(QuestionKind kind) { return kKeys[static_cast<int>(kind)]; }

std::optional<QuestionKind> KindOfKey(std::string_view key) {
  const auto it = std::find(kKeys.begin(), kKeys.end(), key);
  if (it == kKeys.end()) return std::nullopt;
  return static_cast<QuestionKind>(it - kKeys.begin());
}

bool IsPositionItemDrill(std::string_view key) {
  return key == DrillKey(QuestionKind::kNameNote) || key == DrillKey(QuestionKind::kNameDegree);
}

std::vector<Position> AllowedPositions(const DrillSetup& setup) {
  std::vector<Position> out;
  for (int s = 0; s < static_cast<int>(setup.openNotes.size()); ++s) {
    if (!StringAllowed(setup, s)) continue;
    for (int f = LowestFret(setup); f <= setup.lastFret; ++f) out.push_back({s, f});
  }
  return out;
}

bool InKey(const DrillSetup& setup, int note) {
  const int step = PitchClass(note - setup.root);
  return std::find(setup.steps.begin(), setup.steps.end(), step) != setup.steps.end();
}

int PitchAt(const DrillSetup& setup, Position position) {
  return setup.openNotes[position.string] + position.fret;
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
      for (const Position& p : AllowedPositions(setup)) {
        const int note = PitchAt(setup, p);
        if (InKey(setup, note)) pitches.push_back(note);
      }
      std::sort(pitches.begin(), pitches.end());
      pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
      for (int note : pitches) {
        Question q;
        q.kind = kind;
        q.pitch = note;
        q.semitones = PitchClass(note - setup.root);
        q.asked = PitchName(setup, note);
        q.item = q.asked;
        q.prompt = "Find the note you hear";
        q.targets = PositionsWhere(setup, [note](int n) { return n == note; });
        out.push_back(std::move(q));
      }
      break;
    }
    case QuestionKind::kFindChordTones: {
      Question q;
      q.kind = kind;
      q.targets = PositionsWhere(setup, [&setup](int note) { return InKey(setup, note); });
      if (q.targets.empty()) break;
      q.asked = setup.keyName;
      q.item = q.asked;
      q.prompt = "Click every chord tone of " + setup.keyName + StringsText(setup);
      q.every = true;
      out.push_back(std::move(q));
      break;
    }
  }
  return out;
}

}  // namespace fretlab::practice
