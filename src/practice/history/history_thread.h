#pragma once
// The practice history on a thread of its own, so that storing an answer
// never holds up the window: the window only queues the answer, and the
// thread, which opens the store and owns its SQLite connection, writes it
// (one transaction per answer, in the order given).
//
// Reads run on that thread too, after every answer queued before them, so
// they always see what the user has answered. The store's one message (a
// locked, read-only, full or damaged history) is handed to the thread that
// made this object, once. Taking it down stores every answer still queued.
//
//   HistoryThread history(path);
//   history.SetMessageHandler([](const QString& m) { show(m); });
//   history.Record(answer, item, now);           // returns at once
//   long long n = history.Read<long long>([](const HistoryStore& s) { return s.AnswerCount(); });

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <functional>
#include <memory>

#include "practice/answer_log.h"
#include "practice/history/history_store.h"

namespace fretlab::practice {

class HistoryThread : public AnswerLog {
 public:
  using MessageHandler = std::function<void(const QString&)>;

  // Opens the store at `path` on the new thread (the caller does not wait).
  explicit HistoryThread(const QString& path, const StoreOptions& options = {});
  ~HistoryThread() override;
  HistoryThread(const HistoryThread&) = delete;
  HistoryThread& operator=(const HistoryThread&) = delete;

  const QString& path() const { return path_; }

  // Called on this object's thread with the store's message, once; set it
  // on that thread. A message given before it is set waits for it.
  void SetMessageHandler(MessageHandler handler);

  // Queues one answer given at `at` (ms since the Unix epoch) with its
  // item's new schedule state.
  void Record(const AnswerRecord& answer, const ItemState& item, long long at) override;
  // Read on the history's thread after every answer queued before.
  SavedSchedule Schedule(const std::string& drill, const std::string& tuning) override;

  // Waits until every answer queued so far is stored (or refused), then
  // hands over a message the store gave meanwhile.
  void Flush();

  // Runs `read` on the history's thread once every answer queued before it
  // is stored, and waits for its result.
  template <typename R>
  R Read(const std::function<R(HistoryStore&)>& read) {
    R result{};
    RunAndWait([&](HistoryStore& store) { result = read(store); });
    DeliverMessage();
    return result;
  }

  // The same without waiting: `then` gets the result on the thread of
  // `context`, unless `context` is gone by then.
  template <typename R>
  void ReadLater(QObject* context, std::function<R(HistoryStore&)> read,
                 std::function<void(R)> then) {
    // The result goes by way of results_, which outlives the thread's work;
    // whether `context` still lives is asked on its own thread.
    Post([this, guard = QPointer<QObject>(context), read = std::move(read),
          then = std::move(then)](HistoryStore& store) mutable {
      auto result = std::make_shared<R>(read(store));
      QMetaObject::invokeMethod(
          &results_,
          [guard = std::move(guard), then = std::move(then), result] {
            if (guard) then(std::move(*result));
          },
          Qt::QueuedConnection);
    });
  }

  long long AnswerCount() {
    return Read<long long>([](HistoryStore& s) { return s.AnswerCount(); });
  }

 private:
  // Queues `work` for the history's thread; `work` gets the open store.
  void Post(std::function<void(HistoryStore&)> work);
  void RunAndWait(const std::function<void(HistoryStore&)>& work);
  // On the history's thread, after each piece of work: passes a new
  // message on to the owner's thread.
  void NoteMessage();
  // On the owner's thread: what NoteMessage() passed on, delivered now.
  void DeliverMessage();

  QString path_;
  MessageHandler onMessage_;  // the caller's thread only
  QString waiting_;           // the caller's thread only: a message with no handler yet
  std::unique_ptr<HistoryStore> store_;  // made, used and closed on thread_ only
  bool noted_ = false;                   // thread_ only: the message went out
  QThread thread_;
  std::unique_ptr<QObject> worker_;  // lives on thread_: work is queued to it
  // On the caller's thread: the message, and ReadLater's results, go to them.
  QObject messages_;
  QObject results_;
};

}  // namespace fretlab::practice
