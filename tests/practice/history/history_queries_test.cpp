// What the progress view reads: accuracy and median time per position and
// per note over a period, and the whole history as CSV.

#include <QTextStream>

#include "history_support.h"

namespace fretlab::practice {
namespace {

using namespace testing;

class HistoryQueries : public HistoryTest {
 protected:
  void SetUp() override {
    store_ = std::make_unique<HistoryStore>(File());
    // String 3 fret 5: answers at 2, 10 and 40 days ago; string 1 fret 0 today.
    Add(Answer(3, 5, true, 900), kNow - 2 * kDay);
    Add(Answer(3, 5, false, 3000), kNow - 2 * kDay + 1);
    Add(Answer(3, 5, true, 1200), kNow - 10 * kDay);
    Add(Answer(3, 5, true, 400), kNow - 40 * kDay);
    Add(Answer(1, 0, true, 700, "find-note", "E"), kNow);
    Add(Answer(1, 0, false, 1700, "find-note", "F"), kNow - 1);
    AnswerRecord other = Answer(1, 0, true, 100);
    other.tuning = "D2 A2 D3 G3 B3 E4";
    Add(other, kNow);
    AnswerRecord typed = Answer(kNoPosition, kNoPosition, true, 650, "name-note", "C");
    typed.input = AnswerInput::kKeyboard;
    Add(typed, kNow);
  }
  void Add(const AnswerRecord& a, long long at) { ASSERT_TRUE(store_->Record(a, {}, at)); }

  std::unique_ptr<HistoryStore> store_;
};

TEST_F(HistoryQueries, HeatmapCountsAndMediansPerPositionOverThePeriod) {
  auto all = store_->Heatmap("E2 A2 D3 G3 B3 E4", Period::kAll, kNow);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].string, 1);
  EXPECT_EQ(all[0].fret, 0);
  EXPECT_EQ(all[0].answers, 2);
  EXPECT_EQ(all[0].right, 1);
  EXPECT_EQ(all[0].medianMs, 705);  // over the whole history: to 10 ms
  EXPECT_EQ(all[1].string, 3);
  EXPECT_EQ(all[1].fret, 5);
  EXPECT_EQ(all[1].answers, 4);
  EXPECT_EQ(all[1].right, 3);
  EXPECT_EQ(all[1].medianMs, 905);  // 400 900 1200 3000: the lower middle

  auto month = store_->Heatmap("E2 A2 D3 G3 B3 E4", Period::kLast30Days, kNow);
  ASSERT_EQ(month.size(), 2u);
  EXPECT_EQ(month[1].answers, 3);
  EXPECT_EQ(month[1].medianMs, 1200);
  auto week = store_->Heatmap("E2 A2 D3 G3 B3 E4", Period::kLast7Days, kNow);
  ASSERT_EQ(week.size(), 2u);
  EXPECT_EQ(week[1].answers, 2);
  EXPECT_EQ(week[1].right, 1);
  EXPECT_EQ(week[1].medianMs, 900);

  auto drop = store_->Heatmap("D2 A2 D3 G3 B3 E4", Period::kAll, kNow);
  ASSERT_EQ(drop.size(), 1u);
  EXPECT_EQ(drop[0].medianMs, 105);
  EXPECT_EQ(store_->Heatmap("D2 A2 D3 G3 B3 E4", Period::kLast7Days, kNow)[0].medianMs, 100);
}

TEST_F(HistoryQueries, TablePerNoteAsked) {
  const auto rows = store_->AskedTable("find-note", Period::kAll, kNow);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].asked, "E");
  EXPECT_EQ(rows[0].answers, 1);
  EXPECT_EQ(rows[0].right, 1);
  EXPECT_EQ(rows[0].medianMs, 700);
  EXPECT_EQ(rows[1].asked, "F");
  EXPECT_EQ(rows[1].right, 0);
  const auto named = store_->AskedTable("name-note", Period::kLast7Days, kNow);
  ASSERT_EQ(named.size(), 1u);
  EXPECT_EQ(named[0].answers, 4);  // two at string 3 fret 5, one in the other tuning, one typed
  EXPECT_EQ(named[0].medianMs, 650);
}

TEST_F(HistoryQueries, OneDrillOrEveryDrillForTheHeatmapAndTheTable) {
  // String 1 fret 0 was answered only in find-note; string 3 fret 5 only in name-note.
  for (Period period : {Period::kAll, Period::kLast30Days}) {
    const auto found = store_->Heatmap("E2 A2 D3 G3 B3 E4", period, kNow, "find-note");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].string, 1);
    EXPECT_EQ(found[0].answers, 2);
    EXPECT_EQ(found[0].medianMs, 700) << "exact from the answers of one drill";
    const auto named = store_->Heatmap("E2 A2 D3 G3 B3 E4", period, kNow, "name-note");
    ASSERT_EQ(named.size(), 1u);
    EXPECT_EQ(named[0].string, 3);
  }
  EXPECT_TRUE(store_->Heatmap("E2 A2 D3 G3 B3 E4", Period::kAll, kNow, "ear").empty());

  const auto every = store_->AskedTable("", Period::kAll, kNow);
  ASSERT_EQ(every.size(), 3u);
  EXPECT_EQ(every[0].drill, "find-note");
  EXPECT_EQ(every[0].asked, "E");
  EXPECT_EQ(every[1].drill, "find-note");
  EXPECT_EQ(every[1].asked, "F");
  EXPECT_EQ(every[2].drill, "name-note");
  EXPECT_EQ(every[2].asked, "C");
  EXPECT_EQ(every[2].answers, 6);
  EXPECT_EQ(every[2].medianMs, 650);  // 100 400 650 900 1200 3000: the lower middle
}

TEST_F(HistoryQueries, CsvHasEveryAnswerOldestFirstWithFieldsQuoted) {
  AnswerRecord odd = Answer(2, 1, true, 5, "name-note", "C, \"odd\"");
  odd.input = AnswerInput::kAudio;
  Add(odd, kNow);
  const QString csv = dir_.filePath("history.csv");
  QString error;
  ASSERT_TRUE(store_->ExportCsv(csv.toStdString(), &error)) << error.toStdString();
  QStringList lines = QString::fromUtf8(Bytes(csv)).split('\n');
  ASSERT_EQ(lines.size(), 11);  // header, nine answers, and the empty rest after the last newline
  EXPECT_EQ(lines[0], "id,at,drill,tuning,string,fret,asked,answered,correct,ms,input");
  EXPECT_EQ(lines[1], "1,2024-12-30T00:00:00.000Z,name-note,E2 A2 D3 G3 B3 E4,3,5,C,C,1,900,mouse");
  EXPECT_EQ(lines[8], "8,2025-01-01T00:00:00.000Z,name-note,E2 A2 D3 G3 B3 E4,,,C,C,1,650,keyboard");
  EXPECT_EQ(lines[9], "9,2025-01-01T00:00:00.000Z,name-note,E2 A2 D3 G3 B3 E4,2,1,\"C, \"\"odd\"\"\","
                      "\"C, \"\"odd\"\"\",1,5,audio");
  EXPECT_EQ(lines[10], "");

  EXPECT_FALSE(store_->ExportCsv(dir_.filePath("no/such/folder/x.csv").toStdString(), &error));
  EXPECT_TRUE(error.contains("could not export")) << error.toStdString();
}

}  // namespace
}  // namespace fretlab::practice
