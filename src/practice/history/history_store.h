#pragma once
// The practice history: every answer, stored the moment it is given, in a
// SQLite database (one transaction per answer, WAL journal). Beside the
// answers it keeps each item's weak-spot state, so that a drill's schedule
// loads in a few rows however long the history grows.
//
// A history that cannot be used never stops practice and never costs the
// user the file they had: the store says so once in message(), in plain
// words with what the user can do, and from then on practice goes on
// without saving. A damaged file is renamed aside with the date and time
// ("practice.sqlite.damaged-20250131-120000") and a new history is begun,
// the answer that found the damage its first; a locked, read-only or full
// one is left as it is. A history of any Fretlab is known by its
// user_version and its tables; another program's database at the path is
// refused and left untouched. Journal files left read-only by a read-only
// spell are readied at open (history_journal.h).
//
// The write-ahead log is folded into the file when the store opens and
// closes, never while an answer is being stored, so storing stays quick.

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "practice/answer_record.h"

namespace fretlab::practice {

enum class Period { kLast7Days, kLast30Days, kAll };

// One position of the heatmap. string: 1 = the highest; fret absolute.
struct PositionCell {
  int string = 0;
  int fret = 0;
  int answers = 0;
  int right = 0;
  // The lower middle answer time, milliseconds; over the whole history
  // read from 10 ms steps (the middle of the step), exact otherwise.
  int medianMs = 0;
};

// One row of the table per note or degree (what was asked), in one drill.
struct AskedRow {
  std::string drill;  // the drill's key ("find-note")
  std::string asked;
  int answers = 0;
  int right = 0;
  int medianMs = 0;
};

// How often one thing was answered for one thing asked, in one drill: a
// cell of the confusion table (the diagonal is the right answers).
struct ConfusionCell {
  std::string asked;     // "m3", "minor", "Dorian"
  std::string answered;  // "M3"
  int count = 0;
};

struct StoreOptions {
  int busyTimeoutMs = 200;  // how long a write waits for another program's lock
  int maxPageCount = 0;     // > 0: caps the file's size in pages (4 KiB each), as a full disk does
};

class HistoryStore {
 public:
  static constexpr int kSchemaVersion = 3;

  // `$XDG_DATA_HOME/fretlab/practice.sqlite` (default ~/.local/share/fretlab/).
  static QString DefaultPath();

  explicit HistoryStore(const QString& path, const StoreOptions& options = {});
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  // Answers are being written to disk.
  bool saving() const { return saving_; }
  // One line for the user when the history cannot be used as it should;
  // empty otherwise. Set at most once per failure.
  const QString& message() const { return message_; }
  const QString& path() const { return path_; }

  // Stores one answer given at `at` (ms since the Unix epoch) and its item's
  // new schedule state, in one transaction. False when not saved.
  bool Record(const AnswerRecord& answer, const ItemState& item, long long at);

  // The answers at each position of the tuning, of one drill (its key) or,
  // for "", of every drill; `now` is ms since the Unix epoch. Cells run by
  // string, then fret.
  std::vector<PositionCell> Heatmap(const std::string& tuning, Period period, long long now,
                                    const std::string& drill = {}) const;
  // Per drill and what was asked, of one drill or, for "", of every drill.
  std::vector<AskedRow> AskedTable(const std::string& drill, Period period, long long now) const;
  // What was answered for what was asked in one drill (its key), over every
  // tuning, ordered by what was asked, then answered.
  std::vector<ConfusionCell> ConfusionTable(const std::string& drill, Period period,
                                            long long now) const;
  // The saved schedule of one drill in one tuning.
  std::vector<std::pair<std::string, ItemState>> Schedule(const std::string& drill,
                                                          const std::string& tuning) const;
  // Every answer, oldest first, as CSV with a header line, to `file` (the
  // system's bytes); written whole or not at all, as sequence/output_file.h
  // writes (a pipe, device, folder or read-only file refused, every write
  // checked). Sets `error` to a line for the user when it fails.
  bool ExportCsv(const std::filesystem::path& file, QString* error) const;
  long long AnswerCount() const;

  // Works the saved schedule and the all-time times per position out anew
  // from the answers (after a migration, or a bulk import). Returns the
  // number of answers replayed; -1 on failure.
  long long RebuildSummaries();
  // Stores many answers in one transaction, then rebuilds the summaries:
  // `next` fills in one answer and when it was given (ms since the Unix
  // epoch) and returns false when there are no more. Returns the number
  // stored; -1 on failure (then none is).
  long long ImportAnswers(const std::function<bool(AnswerRecord& answer, long long& at)>& next);

 private:
  // The open connection, or an invalid one.
  QSqlDatabase Connection() const;
  // Opens the file when it is a history of any Fretlab; another program's
  // database is left untouched. Sets the message when it cannot be saved to.
  bool Open();
  // One answer's transaction; the error when it failed.
  QSqlError Write(const AnswerRecord& answer, const ItemState& item, long long at);
  // "<what, with %1 for the path> practice goes on without saving. <todo>"
  QString Problem(const char* what, const char* todo) const;
  bool Migrate(int from);
  // Handles a failed statement: sets the message and stops saving; a
  // damaged file is set aside and a new history begun. Returns false.
  bool Fail(const class QSqlError& error, const char* doing);
  bool SetAside(const QString& aside);
  // After a failed write: keeps the history readable for the progress view.
  void OpenForReading();
  void Close();

  QString path_;
  QString connection_;
  StoreOptions options_;
  bool saving_ = false;
  bool readable_ = false;
  bool replaced_ = false;
  QString message_;
};

}  // namespace fretlab::practice
