#include "practice/history/history_thread.h"

#include <QCoreApplication>
#include <utility>

namespace fretlab::practice {

HistoryThread::HistoryThread(const QString& path, const StoreOptions& options)
    : path_(path), worker_(std::make_unique<QObject>()) {
  thread_.setObjectName(QStringLiteral("fretlab-history"));
  worker_->moveToThread(&thread_);
  thread_.start();
  // A Qt SQL connection serves only the thread that opened it.
  QMetaObject::invokeMethod(
      worker_.get(),
      [this, path, options] {
        store_ = std::make_unique<HistoryStore>(path, options);
        NoteMessage();
      },
      Qt::QueuedConnection);
}

HistoryThread::~HistoryThread() {
  // Queued after every answer, so those are stored before the store closes.
  QMetaObject::invokeMethod(
      worker_.get(), [this] { store_.reset(); }, Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
  worker_.reset();
}

void HistoryThread::Post(std::function<void(HistoryStore&)> work) {
  QMetaObject::invokeMethod(
      worker_.get(),
      [this, work = std::move(work)] {
        work(*store_);
        NoteMessage();
      },
      Qt::QueuedConnection);
}

void HistoryThread::RunAndWait(const std::function<void(HistoryStore&)>& work) {
  QMetaObject::invokeMethod(
      worker_.get(),
      [this, &work] {
        work(*store_);
        NoteMessage();
      },
      Qt::BlockingQueuedConnection);
}

void HistoryThread::Record(const AnswerRecord& answer, const ItemState& item, long long at) {
  Post([answer, item, at](HistoryStore& store) { store.Record(answer, item, at); });
}

AnswerLog::SavedSchedule HistoryThread::Schedule(const std::string& drill, const std::string& tuning) {
  return Read<SavedSchedule>([&](HistoryStore& s) { return s.Schedule(drill, tuning); });
}

void HistoryThread::Flush() {
  RunAndWait([](HistoryStore&) {});
  DeliverMessage();
}

void HistoryThread::NoteMessage() {
  if (noted_ || !store_ || store_->message().isEmpty()) return;
  noted_ = true;
  QMetaObject::invokeMethod(
      &messages_,
      [this, message = store_->message()] {
        if (onMessage_) {
          onMessage_(message);
        } else {
          waiting_ = message;
        }
      },
      Qt::QueuedConnection);
}

void HistoryThread::SetMessageHandler(MessageHandler handler) {
  onMessage_ = std::move(handler);
  if (onMessage_ && !waiting_.isEmpty()) onMessage_(std::exchange(waiting_, QString()));
}

void HistoryThread::DeliverMessage() {
  QCoreApplication::sendPostedEvents(&messages_, QEvent::MetaCall);
}

}  // namespace fretlab::practice
