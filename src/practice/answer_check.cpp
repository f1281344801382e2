#include "practice/answer_check.h"

#include <algorithm>
#include <cctype>

namespace fretlab::practice {

namespace {

constexpr std::string_view kSharp = "♯";
constexpr std::string_view kFlat = "♭";

// Reads the accidentals at the start of `text` and returns their sum in
// semitones; `text` is left at the first other character.
int TakeAccidentals(std::string_view& text) {
  int shift = 0;
  for (;;) {
    if (text.starts_with('#')) {
      ++shift, text.remove_prefix(1);
    } else if (text.starts_with('x')) {
      shift += 2, text.remove_prefix(1);
    } else if (text.starts_with(kSharp)) {
      ++shift, text.remove_prefix(kSharp.size());
    } else if (text.starts_with('b')) {
      --shift, text.remove_prefix(1);
    } else if (text.starts_with(kFlat)) {
      --shift, text.remove_prefix(kFlat.size());
    } else {
      return shift;
    }
  }
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

bool IsFindQuestion(QuestionKind kind) {
  return kind != QuestionKind::kNameNote && kind != QuestionKind::kNameDegree;
}

Checked CheckPosition(const Question& q, const DrillSetup& setup, Position p,
                      const std::vector<bool>& found) {
  Checked c;
  c.position = p;
  const auto allowed = AllowedPositions(setup);
  const bool inRange = std::find(allowed.begin(), allowed.end(), p) != allowed.end();
  const int note = inRange ? PitchAt(setup, p) : -1;
  c.answered = note < 0 ? "off range" : std::to_string(p.string + 1) + "/" + std::to_string(p.fret);
  const auto it = std::find(q.targets.begin(), q.targets.end(), p);
  if (it != q.targets.end()) {
    c.target = static_cast<int>(it - q.targets.begin());
    c.verdict = found[c.target] ? Verdict::kAgain : Verdict::kRight;
  } else if (q.kind == QuestionKind::kEarToNeck && note >= 0 &&
             PitchClass(note) == PitchClass(q.pitch)) {
    c.verdict = Verdict::kOctave;
  } else {
    c.verdict = Verdict::kWrong;
  }
  return c;
}

Checked CheckPitch(const Question& q, const DrillSetup& setup, int note,
                   const std::vector<bool>& found) {
  Checked c;
  c.answered = std::to_string(note);
  bool seenFound = false;
  for (std::size_t i = 0; i < q.targets.size(); ++i) {
    if (PitchAt(setup, q.targets[i]) != note) continue;
    if (found[i]) {
      seenFound = true;
      continue;
    }
    c.verdict = Verdict::kRight;
    c.position = q.targets[i];
    c.target = static_cast<int>(i);
    return c;
  }
  if (seenFound) {
    c.verdict = Verdict::kAgain;
  } else if (q.kind == QuestionKind::kEarToNeck && PitchClass(note) == PitchClass(q.pitch)) {
    c.verdict = Verdict::kOctave;
  } else {
    c.verdict = Verdict::kWrong;
  }
  // A wrong note still stands for a position when the range has one of it.
  for (const Position& p : AllowedPositions(setup)) {
    if (!c.position && PitchAt(setup, p) == note) c.position = p;
  }
  return c;
}

// Name drills: the answer's pitch class (note) or interval (degree).
Checked CheckName(const Question& q, const DrillSetup& setup, const Answer& a) {
  Checked c;
  const bool degree = q.kind == QuestionKind::kNameDegree;
  std::optional<int> value;
  if (a.kind == Answer::kPitch) {
    value = PitchClass(degree ? a.pitch - setup.root : a.pitch);
    c.answered = degree ? setup.degreeName(*value) : setup.noteName(*value);
  } else {
    const std::string_view text = Trimmed(a.text);
    value = degree ? ParseDegree(text) : ParseNoteName(text);
    c.answered = std::string(text);
  }
  if (!value) return c;
  const int expected = degree ? q.semitones : PitchClass(q.pitch);
  c.verdict = *value == expected ? Verdict::kRight : Verdict::kWrong;
  if (c.verdict == Verdict::kRight && a.kind == Answer::kText) {
    // Same sound, other spelling: "D♭" where the key has "C♯", "♯4" for "♭5".
    const auto spelled = degree ? ParseDegree(q.asked) : ParseNoteName(q.asked);
    std::string_view text = Trimmed(a.text);
    std::string_view asked = q.asked;
    const bool sameLetter = !text.empty() && !asked.empty() &&
                            std::toupper(static_cast<unsigned char>(text[0])) == asked[0];
    if (degree) {
      TakeAccidentals(text), TakeAccidentals(asked);
      const bool root = (text == "R" || text == "1") && (asked == "R" || asked == "1");
      c.enharmonic = spelled && !root && text != asked;
    } else {
      c.enharmonic = !sameLetter;
    }
  }
  c.position = q.shown;
  return c;
}

}  // namespace

std::optional<int> ParseNoteName(std::string_view text) {
  text = Trimmed(text);
  static constexpr int kLetterPc[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (text.empty()) return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  if (letter < 'A' || letter > 'G') return std::nullopt;
  text.remove_prefix(1);
  const int shift = TakeAccidentals(text);
  if (!text.empty()) return std::nullopt;
  return PitchClass(kLetterPc[letter - 'A'] + shift);
}

std::optional<int> ParseDegree(std::string_view text) {
  text = Trimmed(text);
  if (text == "R" || text == "r") return 0;
  const int shift = TakeAccidentals(text);
  if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), ::isdigit)) {
    return std::nullopt;
  }
  const int number = std::stoi(std::string(text));
  if (number < 1 || number > 13) return std::nullopt;
  static constexpr int kMajorSteps[7] = {0, 2, 4, 5, 7, 9, 11};
  return PitchClass(kMajorSteps[(number - 1) % 7] + shift);
}

Checked Check(const Question& question, const DrillSetup& setup, const Answer& answer,
              const std::vector<bool>& found) {
  if (!IsFindQuestion(question.kind)) {
    if (answer.kind == Answer::kPosition) return {};
    return CheckName(question, setup, answer);
  }
  switch (answer.kind) {
    case Answer::kPosition:
      return CheckPosition(question, setup, answer.position, found);
    case Answer::kPitch:
      return CheckPitch(question, setup, answer.pitch, found);
    case Answer::kText:
      break;
  }
  return {};
}

}  // namespace fretlab::practice
