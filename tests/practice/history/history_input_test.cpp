// How each answer was given: stored in the `input` column by every history,
// a new one and one of each earlier layout brought up to date; the answers
// of earlier layouts keep no word for it.

#include <QDir>
#include <QSqlError>

#include "history_support.h"

namespace fretlab::practice {
namespace {

using namespace testing;

const char* const kAnswersV1 =
    "CREATE TABLE answers (id INTEGER PRIMARY KEY, at TEXT, drill TEXT, tuning TEXT, "
    "string INTEGER, fret INTEGER, asked TEXT, answered TEXT, correct INTEGER, ms INTEGER)";
const char* const kOneAnswer =
    "INSERT INTO answers VALUES (1, '2024-12-30T10:00:00.000Z', 'find-note', "
    "'E2 A2 D3 G3 B3 E4', 1, 8, 'C', '1/8', 1, 900)";
// The second layout as that Fretlab made it, with its summaries of the answer above.
const std::vector<const char*> kLayout2 = {
    kAnswersV1,
    "CREATE INDEX answers_by_time ON answers (tuning, at, string, fret, ms, correct)",
    "CREATE INDEX answers_by_asked ON answers (drill, asked, ms, at, correct)",
    "CREATE TABLE schedule (drill TEXT, tuning TEXT, item TEXT, box INTEGER, seen INTEGER, "
    "errors INTEGER, mean_ms REAL, last_seen INTEGER, PRIMARY KEY (drill, tuning, item)) WITHOUT ROWID",
    "CREATE TABLE position_times (tuning TEXT, string INTEGER, fret INTEGER, step INTEGER, "
    "answers INTEGER, right INTEGER, PRIMARY KEY (tuning, string, fret, step)) WITHOUT ROWID",
    kOneAnswer,
    "INSERT INTO schedule VALUES ('find-note', 'E2 A2 D3 G3 B3 E4', 'C', 1, 1, 0, 900.0, 1735552800000)",
    "INSERT INTO position_times VALUES ('E2 A2 D3 G3 B3 E4', 1, 8, 90, 1, 1)",
    "PRAGMA user_version = 2",
};

class HistoryInput : public HistoryTest {
 protected:
  void SetUp() override { QDir().mkpath(dir_.filePath("fretlab")); }
  // A file made by `statements`, as an earlier Fretlab left it.
  void Make(const std::vector<const char*>& statements) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "earlier");
      db.setDatabaseName(File());
      ASSERT_TRUE(db.open());
      for (const char* statement : statements) {
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(statement)) << statement << ": " << q.lastError().text().toStdString();
      }
      db.close();
    }
    QSqlDatabase::removeDatabase("earlier");
  }
  // Stores one answer by each way of giving it, after what the file holds.
  void RecordEachInput(HistoryStore& store) {
    for (AnswerInput input : {AnswerInput::kMouse, AnswerInput::kKeyboard, AnswerInput::kMidi,
                              AnswerInput::kAudio}) {
      AnswerRecord a = Answer(2, 1, true, 700, "find-note", "C");
      a.input = input;
      ASSERT_TRUE(store.Record(a, {}, kNow)) << store.message().toStdString();
    }
  }
  // Every answer's input oldest first, "-" for none.
  QString Inputs() const {
    return RawQuery(File(), "SELECT group_concat(IFNULL(input, '-'), ' ') FROM "
                            "(SELECT input FROM answers ORDER BY id)").toString();
  }
};

TEST_F(HistoryInput, EveryLayoutGainsTheColumnAndEarlierAnswersSayNothing) {
  struct Earlier {
    const char* name;
    std::vector<const char*> statements;
    QString inputs;  // after four answers are recorded
  };
  const std::vector<Earlier> earlier = {
      {"a new file", {}, "mouse keyboard midi audio"},
      {"the first layout", {kAnswersV1, kOneAnswer, "PRAGMA user_version = 1"},
       "- mouse keyboard midi audio"},
      {"the second layout", kLayout2, "- mouse keyboard midi audio"},
  };
  for (const Earlier& e : earlier) {
    QFile::remove(File());
    if (e.statements.empty()) {
      QFile(File()).open(QIODevice::WriteOnly);
    } else {
      Make(e.statements);
    }
    {
      HistoryStore store(File());
      ASSERT_TRUE(store.saving()) << e.name << ": " << store.message().toStdString();
      RecordEachInput(store);
      EXPECT_EQ(store.AnswerCount(), e.inputs.count(' ') + 1) << e.name;
    }
    EXPECT_EQ(RawQuery(File(), "PRAGMA user_version").toInt(), HistoryStore::kSchemaVersion) << e.name;
    EXPECT_EQ(RawQuery(File(), "SELECT group_concat(name, ' ') FROM pragma_table_info('answers')").toString(),
              "id at drill tuning string fret asked answered correct ms input") << e.name;
    EXPECT_EQ(Inputs(), e.inputs) << e.name;
    // Reopened, it is ours as it is: nothing migrated twice.
    HistoryStore again(File());
    EXPECT_TRUE(again.saving()) << e.name << ": " << again.message().toStdString();
    EXPECT_EQ(Inputs(), e.inputs) << e.name;
  }
}

TEST_F(HistoryInput, TheSecondLayoutKeepsItsSummariesAsTheyWere) {
  Make(kLayout2);
  HistoryStore store(File());
  ASSERT_TRUE(store.saving()) << store.message().toStdString();
  const auto schedule = store.Schedule("find-note", "E2 A2 D3 G3 B3 E4");
  ASSERT_EQ(schedule.size(), 1u);
  EXPECT_EQ(schedule[0].first, "C");
  EXPECT_EQ(schedule[0].second.box, 1);
  EXPECT_EQ(schedule[0].second.lastSeen, 1'735'552'800'000);
  const auto heat = store.Heatmap("E2 A2 D3 G3 B3 E4", Period::kAll, kNow);
  ASSERT_EQ(heat.size(), 1u);
  EXPECT_EQ(heat[0].medianMs, 905);
  EXPECT_EQ(RawQuery(File(), "SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND "
                             "name LIKE 'answers_by_%'").toInt(), 2);
}

TEST_F(HistoryInput, ImportedAnswersKeepTheirInputAndTheCsvNamesIt) {
  HistoryStore store(File());
  long long n = 0;
  ASSERT_EQ(store.ImportAnswers([&n](AnswerRecord& a, long long& at) {
    a = Answer(1, static_cast<int>(n), true, 500);
    a.input = n % 2 ? AnswerInput::kMidi : AnswerInput::kAudio;
    at = kNow + n;
    return ++n <= 3;
  }), 3);
  EXPECT_EQ(Inputs(), "audio midi audio");
  const QString csv = dir_.filePath("history.csv");
  QString error;
  ASSERT_TRUE(store.ExportCsv(csv.toStdString(), &error)) << error.toStdString();
  const QStringList lines = QString::fromUtf8(Bytes(csv)).split('\n');
  ASSERT_EQ(lines.size(), 5);
  EXPECT_TRUE(lines[2].endsWith(",500,midi")) << lines[2].toStdString();
}

}  // namespace
}  // namespace fretlab::practice
