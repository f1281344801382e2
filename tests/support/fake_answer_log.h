#pragma once
// An answer log in memory: what a drill session keeps, in order, and a
// saved schedule handed back for each drill and tuning.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "practice/answer_log.h"

namespace fretlab::testing {

class FakeAnswerLog : public practice::AnswerLog {
 public:
  struct Kept {
    practice::AnswerRecord answer;
    practice::ItemState item;
    long long at = 0;
  };

  void Record(const practice::AnswerRecord& answer, const practice::ItemState& item,
              long long at) override {
    kept.push_back({answer, item, at});
  }
  SavedSchedule Schedule(const std::string& drill, const std::string& tuning) override {
    asked.emplace_back(drill, tuning);
    const auto it = saved.find({drill, tuning});
    return it == saved.end() ? SavedSchedule{} : it->second;
  }

  std::vector<Kept> kept;
  std::vector<std::pair<std::string, std::string>> asked;  // schedules asked for, in order
  std::map<std::pair<std::string, std::string>, SavedSchedule> saved;
};

}  // namespace fretlab::testing
