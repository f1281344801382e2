#pragma once
// Where a drill session keeps what the student answered: every answer with
// its item's new schedule state, and each drill's saved schedule to start
// from. The practice history (history/history_thread.h) is one; a session
// without one practises without saving.

#include <string>
#include <utility>
#include <vector>

#include "practice/answer_record.h"

namespace fretlab::practice {

class AnswerLog {
 public:
  using SavedSchedule = std::vector<std::pair<std::string, ItemState>>;

  virtual ~AnswerLog() = default;

  // Keeps one answer given at `at` (ms since the Unix epoch) and the state
  // its item is in afterwards. Must not keep the caller waiting for a disk.
  virtual void Record(const AnswerRecord& answer, const ItemState& item, long long at) = 0;
  // The saved schedule of one drill (its key, "find-note") in one tuning
  // (its notes, "E2 A2 D3 G3 B3 E4"); every answer recorded before counts.
  virtual SavedSchedule Schedule(const std::string& drill, const std::string& tuning) = 0;
};

}  // namespace fretlab::practice
