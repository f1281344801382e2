#include "practice/answer_record.h"

#include "practice/drill.h"

namespace fretlab::practice {

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
