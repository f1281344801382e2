// The history file: created, written one answer at a time, reopened, and
// brought up from an earlier layout with its answers and schedule intact.

#include <QDir>
#include <QSqlError>

#include "history_support.h"
#include "practice/weak_spot_schedule.h"

namespace fretlab::practice {
namespace {

using namespace testing;

TEST_F(HistoryTest, ANewHistoryLivesInTheDataFolderInWalModeAtTheCurrentVersion) {
  EXPECT_EQ(HistoryStore::DefaultPath(), qEnvironmentVariable("XDG_DATA_HOME") + "/fretlab/practice.sqlite");
  {
    HistoryStore store(File());
    EXPECT_TRUE(store.saving()) << store.message().toStdString();
    EXPECT_TRUE(store.message().isEmpty());
    EXPECT_TRUE(store.Record(Answer(3, 5, true, 800), {1, 1, 0, 800, kNow}, kNow));
    // Stored at once: another connection sees it before the store closes.
    EXPECT_EQ(RawQuery(File(), "SELECT COUNT(*) FROM answers").toInt(), 1);
  }
  EXPECT_EQ(RawQuery(File(), "PRAGMA user_version").toInt(), HistoryStore::kSchemaVersion);
  EXPECT_EQ(RawQuery(File(), "PRAGMA journal_mode").toString(), "wal");
  EXPECT_EQ(RawQuery(File(), "SELECT group_concat(name || ' ' || type, ', ') FROM pragma_table_info('answers')")
                .toString(),
            "id INTEGER, at TEXT, drill TEXT, tuning TEXT, string INTEGER, fret INTEGER, "
            "asked TEXT, answered TEXT, correct INTEGER, ms INTEGER, input TEXT");
  EXPECT_EQ(RawQuery(File(), "SELECT at || ' ' || drill || ' ' || string || '/' || fret || ' ' || "
                             "asked || ' ' || answered || ' ' || correct || ' ' || ms || ' ' || "
                             "input FROM answers")
                .toString(),
            "2025-01-01T00:00:00.000Z name-note 3/5 C C 1 800 mouse");
}

TEST_F(HistoryTest, ReopenedItKeepsTheAnswersAndTheSchedule) {
  WeakSpotSchedule schedule(1);
  {
    HistoryStore store(File());
    for (int i = 0; i < 4; ++i) {
      const AnswerRecord a = Answer(2, i, i != 1, 1000 + i);
      ASSERT_TRUE(store.Record(a, schedule.Learn(ItemKey(a), a.correct, a.ms, kNow + i), kNow + i));
    }
  }
  HistoryStore again(File());
  EXPECT_TRUE(again.saving());
  EXPECT_EQ(again.AnswerCount(), 4);
  const auto items = again.Schedule("name-note", "E2 A2 D3 G3 B3 E4");
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[1].first, "2/1");
  EXPECT_EQ(items[1].second.box, 0);
  EXPECT_EQ(items[1].second.errors, 1);
  EXPECT_EQ(items[1].second.lastSeen, kNow + 1);
  EXPECT_EQ(items[2].second.box, 1);
  EXPECT_TRUE(again.Schedule("name-note", "D2 A2 D3 G3 B3 E4").empty());
  EXPECT_TRUE(again.Schedule("find-note", "E2 A2 D3 G3 B3 E4").empty());
}

TEST_F(HistoryTest, AFirstLayoutHistoryIsMigratedAndItsScheduleRebuiltFromItsAnswers) {
  QDir().mkpath(dir_.filePath("fretlab"));
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
    db.setDatabaseName(File());
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT, drill TEXT, "
                       "tuning TEXT, string INTEGER, fret INTEGER, asked TEXT, answered TEXT, "
                       "correct INTEGER, ms INTEGER)"));
    ASSERT_TRUE(q.exec("INSERT INTO answers VALUES "
                       "(1, '2024-12-30T10:00:00.000Z', 'find-note', 'E2 A2 D3 G3 B3 E4', 1, 8, 'C', '1/8', 1, 900), "
                       "(2, '2024-12-30T10:00:02.000Z', 'find-note', 'E2 A2 D3 G3 B3 E4', 2, 3, 'C', '2/3', 0, 1500), "
                       "(3, '2024-12-30T10:00:05.000Z', 'find-note', 'E2 A2 D3 G3 B3 E4', 2, 1, 'C', '2/1', 1, 700), "
                       "(4, '2024-12-30T10:00:09.000Z', 'name-note', 'E2 A2 D3 G3 B3 E4', 6, 3, 'G', 'G', 1, 1200)"));
    ASSERT_TRUE(q.exec("PRAGMA user_version = 1"));
    db.close();
  }
  QSqlDatabase::removeDatabase("v1");

  HistoryStore store(File());
  ASSERT_TRUE(store.saving()) << store.message().toStdString();
  EXPECT_EQ(RawQuery(File(), "PRAGMA user_version").toInt(), HistoryStore::kSchemaVersion);
  EXPECT_EQ(store.AnswerCount(), 4);
  // The note drill counts against the note asked, the naming drill against the position.
  const auto find = store.Schedule("find-note", "E2 A2 D3 G3 B3 E4");
  ASSERT_EQ(find.size(), 1u);
  EXPECT_EQ(find[0].first, "C");
  EXPECT_EQ(find[0].second.seen, 3);
  EXPECT_EQ(find[0].second.errors, 1);
  EXPECT_EQ(find[0].second.box, 1);
  EXPECT_NEAR(find[0].second.meanMs, (900 + 1500 + 700) / 3.0, 1e-9);
  EXPECT_EQ(find[0].second.lastSeen, kNow - 2 * kDay + 10 * 3'600'000 + 5'000);
  // The all-time times per position come from the earlier answers too.
  const auto migrated = store.Heatmap("E2 A2 D3 G3 B3 E4", Period::kAll, kNow);
  ASSERT_EQ(migrated.size(), 4u);
  EXPECT_EQ(migrated[3].string, 6);
  EXPECT_EQ(migrated[3].medianMs, 1205);
  const auto name = store.Schedule("name-note", "E2 A2 D3 G3 B3 E4");
  ASSERT_EQ(name.size(), 1u);
  EXPECT_EQ(name[0].first, "6/3");
  // New answers go on after the old ones.
  EXPECT_TRUE(store.Record(Answer(1, 1, true, 500), {}, kNow));
  EXPECT_EQ(RawQuery(File(), "SELECT MAX(id) FROM answers").toInt(), 5);
  EXPECT_EQ(store.RebuildSummaries(), 5);
  EXPECT_EQ(store.Schedule("find-note", "E2 A2 D3 G3 B3 E4")[0].second.seen, 3);
  const auto heat = store.Heatmap("E2 A2 D3 G3 B3 E4", Period::kAll, kNow);
  ASSERT_EQ(heat.size(), 5u);  // 1/1, 1/8, 2/1, 2/3, 6/3
  EXPECT_EQ(heat[3].answers, 1);
  EXPECT_EQ(heat[3].right, 0);
  EXPECT_EQ(heat[3].medianMs, 1505);
}

TEST_F(HistoryTest, AHistoryFromANewerFretlabIsReadButNotChanged) {
  {
    HistoryStore store(File());
    ASSERT_TRUE(store.Record(Answer(1, 0, true, 600), {}, kNow));
  }
  RawQuery(File(), "PRAGMA user_version = 9");
  const QByteArray before = Bytes(File());
  HistoryStore store(File());
  EXPECT_FALSE(store.saving());
  EXPECT_TRUE(store.message().contains("newer Fretlab")) << store.message().toStdString();
  EXPECT_FALSE(store.Record(Answer(1, 0, true, 600), {}, kNow));
  EXPECT_EQ(store.AnswerCount(), 1);
  EXPECT_EQ(Bytes(File()), before);
}

TEST_F(HistoryTest, ManyAnswersImportedAtOnceGetTheirScheduleAsIfGivenOneByOne) {
  const std::vector<AnswerRecord> given = {Answer(2, 0, true, 900), Answer(2, 1, false, 1500),
                                           Answer(2, 1, true, 1200), Answer(4, 3, true, 700)};
  {
    WeakSpotSchedule schedule(1);
    HistoryStore oneByOne(File());
    for (std::size_t i = 0; i < given.size(); ++i) {
      const AnswerRecord& a = given[i];
      ASSERT_TRUE(oneByOne.Record(a, schedule.Learn(ItemKey(a), a.correct, a.ms, kNow + i), kNow + i));
    }
  }
  const QString imported = dir_.filePath("imported.sqlite");
  HistoryStore store(imported);
  std::size_t next = 0;
  EXPECT_EQ(store.ImportAnswers([&](AnswerRecord& a, long long& at) {
    if (next == given.size()) return false;
    a = given[next];
    at = kNow + static_cast<long long>(next++);
    return true;
  }),
            4);
  EXPECT_EQ(store.AnswerCount(), 4);
  HistoryStore reference(File());
  const auto expected = reference.Schedule("name-note", "E2 A2 D3 G3 B3 E4");
  const auto rebuilt = store.Schedule("name-note", "E2 A2 D3 G3 B3 E4");
  ASSERT_EQ(rebuilt.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(rebuilt[i].first, expected[i].first);
    EXPECT_EQ(rebuilt[i].second.box, expected[i].second.box);
    EXPECT_EQ(rebuilt[i].second.errors, expected[i].second.errors);
    EXPECT_EQ(rebuilt[i].second.lastSeen, expected[i].second.lastSeen);
  }
}

TEST_F(HistoryTest, AFolderThatCannotBeMadeLeavesPracticeUnsaved) {
  QFile blocker(dir_.filePath("fretlab"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  HistoryStore store(File());
  EXPECT_FALSE(store.saving());
  EXPECT_TRUE(store.message().contains("cannot create the folder")) << store.message().toStdString();
  EXPECT_FALSE(store.Record(Answer(1, 0, true, 600), {}, kNow));
  EXPECT_EQ(store.ImportAnswers([](AnswerRecord&, long long&) { return true; }), -1);
  EXPECT_TRUE(store.Heatmap("E2 A2 D3 G3 B3 E4", Period::kAll, kNow).empty());
}

}  // namespace
}  // namespace fretlab::practice
