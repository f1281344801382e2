#include "practice/answer_record.h"

#include "practice/drill.h"

namespace fretlab::practice {

namespace {

constexpr std::string_view kInputWords[] = {"mouse", "keyboard", "midi", "audio"};

}  // namespace

std::string_view InputWord(AnswerInput input) { return kInputWords[static_cast<int>(input)]; }

std::optional<AnswerInput> InputFromWord(std::string_view word) {
  for (int i = 0; i < 4; ++i) {
    if (kInputWords[i] == word) return static_cast<AnswerInput>(i);
  }
  return std::nullopt;
}

std::string PositionItem(int string, int fret) {
  return std::to_string(string) + "/" + std::to_string(fret);
}

std::string ItemKey(const AnswerRecord& record) {
  if (IsPositionItemDrill(record.drill)) {
    return PositionItem(record.string, record.fret);
  }
  return record.asked;
}

}  // namespace fretlab::practice
