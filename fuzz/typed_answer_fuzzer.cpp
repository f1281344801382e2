// libFuzzer target for typed answers: note names and degrees, checked
// against every question of the naming drills in a few keys. An answer is
// right, wrong or unreadable; what is stored for a readable one reads back
// as the same answer; a degree printed and read again is the same degree.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "practice/answer_check.h"
#include "practice/drill.h"
#include "theory/intervals.h"
#include "theory/scale_catalogue.h"

namespace {

using namespace fretlab;
using namespace fretlab::practice;

void Require(bool condition) {
  if (!condition) std::abort();
}

struct Drills {
  std::vector<DrillSetup> setups;
  std::vector<std::vector<Question>> questions;  // per setup: naming notes, then degrees
};

const Drills& AllDrills() {
  static const Drills drills = [] {
    Drills d;
    const std::pair<int, const CatalogueEntry*> keys[] = {
        {0, &Scales()[1]}, {1, &Scales()[1]}, {6, &Scales()[3]}, {10, &ChordFormulas()[7]}};
    for (const auto& [root, entry] : keys) {
      NeckArea area;
      area.frets = {0, 12};
      d.setups.emplace_back(*FindPresetTuning("Standard"), area,
                            KeySpelling::Automatic(root, *entry, Accidentals::kFlats), "key");
      std::vector<Question> asked = AllQuestions(QuestionKind::kNameNote, d.setups.back());
      for (Question& q : AllQuestions(QuestionKind::kNameDegree, d.setups.back())) asked.push_back(q);
      d.questions.push_back(std::move(asked));
    }
    return d;
  }();
  return drills;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Drills& drills = AllDrills();
  // The first byte chooses the key and the question; the rest is typed.
  const std::size_t setup = data[0] % drills.setups.size();
  const std::vector<Question>& questions = drills.questions[setup];
  Require(!questions.empty());
  const Question& question = questions[(data[0] / drills.setups.size()) % questions.size()];
  const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);

  const Checked checked = Check(question, drills.setups[setup], Answer::Text(typed), {});
  if (checked.verdict == Verdict::kUnreadable) return 0;
  Require(checked.verdict == Verdict::kRight || checked.verdict == Verdict::kWrong);
  Require(!checked.answered.empty());
  // What the history stores is itself an answer that reads the same way.
  const Checked again =
      Check(question, drills.setups[setup], Answer::Text(checked.answered), {});
  Require(again.verdict == checked.verdict && again.answered == checked.answered);

  if (const auto degree = ParseDegree(typed)) {
    Require(degree->number >= 1 && degree->number <= 13);
    Require(degree->Semitones() >= 0 && degree->Semitones() < 12);
    for (const SignStyle style : {SignStyle::kAscii, SignStyle::kUnicode}) {
      const auto read = ParseDegree(IntervalLabel(*degree, style));
      Require(read.has_value() && read->Semitones() == degree->Semitones());
    }
  }
  return 0;
}
