// The position and voicing drills' questions, and the rule that keeps every
// drill inside a chosen position.

#include <algorithm>

#include "practice/drill_questions.h"

namespace fretlab::practice {

namespace {

bool Inside(const std::vector<Position>& within, Position p) {
  return std::find(within.begin(), within.end(), p) != within.end();
}

bool StringInPlay(const DrillSetup& setup, StringIndex s) {
  return ((setup.area.strings >> s) & 1u) != 0;
}

}  // namespace

VoicingQuery VoicingQueryOf(const DrillSetup& setup) {
  VoicingQuery query;
  query.tuning = setup.tuning;
  query.capo = setup.area.capo;
  query.frets = setup.area.frets;
  query.span = setup.span;
  return query;
}

void AddPositionNotes(const DrillSetup& setup, std::vector<Question>& out) {
  Question q;
  q.kind = QuestionKind::kFindPositionNotes;
  for (const Position& p : setup.within) {
    if (setup.area.Admits(p)) q.targets.push_back(p);
  }
  if (q.targets.empty()) return;
  q.asked = setup.withinName;
  q.item = q.asked;
  q.prompt = "Find every note of " + setup.withinName + " of " + setup.keyName;
  q.every = true;
  out.push_back(std::move(q));
}

std::optional<Voicing> FirstVoicingInPlay(const ChordSymbol& chord, const DrillSetup& setup) {
  const std::uint32_t every = (1u << setup.tuning.StringCount()) - 1;
  const bool allStrings = (setup.area.strings & every) == every;
  const VoicingResult found = FindVoicings(chord, VoicingQueryOf(setup), allStrings ? 1 : 0);
  const auto fits = std::find_if(found.voicings.begin(), found.voicings.end(), [&](const Voicing& v) {
    return std::all_of(v.notes.begin(), v.notes.end(),
                       [&](const VoicedNote& n) { return StringInPlay(setup, n.string); });
  });
  if (fits == found.voicings.end()) return std::nullopt;
  return *fits;
}

void AddVoicings(const DrillSetup& setup, std::vector<Question>& out) {
  const auto formulas = ChordFormulas();
  if (setup.formula < 0 || setup.formula >= static_cast<int>(formulas.size())) return;
  const CatalogueEntry& formula = formulas[setup.formula];
  for (int root = 0; root < 12; ++root) {
    const SpelledNote name = AutomaticRoot(root, formula, Accidentals::kSharps);
    const ChordSymbol chord = ChordOfFormula(name, formula);
    // The first voicing on the strings in play is the one shown after a miss.
    const std::optional<Voicing> first = FirstVoicingInPlay(chord, setup);
    if (!first) continue;
    Question q;
    q.kind = QuestionKind::kPlayVoicing;
    q.asked = chord.Symbol();
    q.item = q.asked;
    q.prompt = "Play a voicing of " + NoteName(name) + std::string(formula.shortName) +
               RangeText(setup);
    for (const VoicedNote& n : first->notes) q.targets.push_back({n.string, n.fret});
    out.push_back(std::move(q));
  }
}

std::string VoicingFaultInPlay(const ChordSymbol& chord, const DrillSetup& setup,
                               const std::vector<FretIndex>& frets) {
  if (static_cast<int>(frets.size()) != setup.tuning.StringCount()) {
    return "a voicing needs a fret or a mute on each of the " +
           std::to_string(setup.tuning.StringCount()) + " strings";
  }
  for (StringIndex s = 0; s < setup.tuning.StringCount(); ++s) {
    if (frets[s] != kMuted && !StringInPlay(setup, s)) {
      return "string " + std::to_string(s + 1) + " is not in play";
    }
  }
  return VoicingFault(chord, VoicingQueryOf(setup), frets);
}

Checked CheckVoicing(const Question& question, const DrillSetup& setup,
                     const std::vector<FretIndex>& frets) {
  Checked c;
  c.given = Answer::kVoicing;
  c.frets = frets;
  Voicing given;
  given.frets = frets;
  c.answered = given.FretsText();
  const auto chord = ParseChordSymbol(question.asked);
  if (!chord || static_cast<int>(frets.size()) != setup.tuning.StringCount()) return c;
  c.fault = VoicingFaultInPlay(*chord, setup, frets);
  c.verdict = c.fault.empty() ? Verdict::kRight : Verdict::kWrong;
  return c;
}

std::vector<Question> KeepWithin(std::vector<Question> questions, const DrillSetup& setup) {
  if (setup.within.empty()) return questions;
  std::vector<Question> kept;
  for (Question& q : questions) {
    if (AsksForVoicing(q.kind)) {
      kept.push_back(std::move(q));
      continue;
    }
    if (q.shown) {
      if (Inside(setup.within, *q.shown)) kept.push_back(std::move(q));
      continue;
    }
    std::erase_if(q.targets, [&](Position p) { return !Inside(setup.within, p); });
    if (!q.targets.empty()) kept.push_back(std::move(q));
  }
  return kept;
}

}  // namespace fretlab::practice
