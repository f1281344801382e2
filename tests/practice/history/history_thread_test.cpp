// The history on its own thread: answers are queued and stored in order
// without the caller waiting for the disk, reads see every answer queued
// before them, nothing queued is lost when the history closes, and a
// history that cannot be used is reported once, on the caller's thread,
// with a damaged file kept aside.

#include "practice/history/history_thread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include "history_support.h"

namespace fretlab::practice {
namespace {

using namespace testing;

struct Messages {
  std::vector<QString> texts;
  std::vector<QThread*> threads;
  HistoryThread::MessageHandler Handler() {
    return [this](const QString& m) {
      texts.push_back(m);
      threads.push_back(QThread::currentThread());
    };
  }
};

TEST_F(HistoryTest, QueuedAnswersAreStoredInOrderAndReadsSeeThem) {
  {
    HistoryThread history(File());
    for (int i = 0; i < 50; ++i) history.Record(Answer(1, i % 13, i % 5 != 0, 400 + i), {}, kNow + i);
    // No Flush: the read waits behind the answers queued before it.
    EXPECT_EQ(history.AnswerCount(), 50);
    const QThread* on = history.Read<QThread*>([](HistoryStore&) { return QThread::currentThread(); });
    EXPECT_NE(on, QThread::currentThread()) << "the store runs on a thread of its own";
    for (int i = 50; i < 80; ++i) history.Record(Answer(2, i % 13, true, 400 + i), {}, kNow + i);
  }
  // Closed with answers still queued: every one is in the file, in order.
  EXPECT_EQ(RawQuery(File(), "SELECT COUNT(*) FROM answers").toInt(), 80);
  EXPECT_EQ(RawQuery(File(), "SELECT COUNT(*) FROM answers WHERE ms - 400 != id - 1").toInt(), 0);
  EXPECT_EQ(RawQuery(File(), "SELECT SUM(correct) FROM answers").toInt(), 70);
}

TEST_F(HistoryTest, StoringDoesNotWaitForAnotherProgramsLock) {
  { HistoryStore make(File()); }
  {
    OtherProgram other(File());
    // The store would wait up to a minute for the lock; the caller must not.
    HistoryThread history(File(), {.busyTimeoutMs = 60'000});
    history.Flush();  // opened
    ASSERT_TRUE(other.Hold("BEGIN IMMEDIATE"));
    history.Record(Answer(1, 3, true, 800), {}, kNow);
    history.Record(Answer(1, 4, false, 900), {}, kNow + 1);
    // Reached at once: had Record waited for the lock, this line would
    // only run after a minute, with the answers refused.
    other.Release();
    EXPECT_EQ(history.AnswerCount(), 2);
  }
  EXPECT_EQ(RawQuery(File(), "SELECT COUNT(*) FROM answers").toInt(), 2);
}

TEST_F(HistoryTest, AHistoryInUseIsReportedOnceOnTheCallersThread) {
  { HistoryStore make(File()); }
  Messages m;
  {
    OtherProgram other(File());
    ASSERT_TRUE(other.Hold("BEGIN EXCLUSIVE"));
    HistoryThread history(File(), {.busyTimeoutMs = 10});
    history.SetMessageHandler(m.Handler());
    for (int i = 0; i < 4; ++i) history.Record(Answer(1, i, true, 500), {}, kNow + i);
    history.Flush();
    QCoreApplication::processEvents();
  }
  ASSERT_EQ(m.texts.size(), 1u);
  EXPECT_TRUE(m.texts[0].contains("in use")) << m.texts[0].toStdString();
  EXPECT_EQ(m.threads[0], QThread::currentThread());
}

TEST_F(HistoryTest, ADamagedHistoryIsKeptAsideAndANewOneTakesTheAnswers) {
  QDir().mkpath(QFileInfo(File()).absolutePath());
  QByteArray junk(8192, '\x5a');
  junk.replace(0, 16, "not a database!!");
  {
    QFile f(File());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(junk);
  }
  Messages m;
  HistoryThread history(File());
  // A message given before there is a handler waits for it.
  history.Flush();
  history.SetMessageHandler(m.Handler());
  ASSERT_EQ(m.texts.size(), 1u);
  EXPECT_TRUE(m.texts[0].contains("was damaged")) << m.texts[0].toStdString();
  const QStringList aside =
      QDir(QFileInfo(File()).absolutePath()).entryList({"practice.sqlite.damaged-*"}, QDir::Files);
  ASSERT_EQ(aside.size(), 1);
  EXPECT_EQ(Bytes(QFileInfo(File()).absolutePath() + "/" + aside[0]), junk);
  history.Record(Answer(3, 5, true, 650), {}, kNow);
  EXPECT_EQ(history.AnswerCount(), 1);
  history.Flush();
  EXPECT_EQ(m.texts.size(), 1u) << "one message";
}

TEST_F(HistoryTest, AReadLaterComesOnTheCallersThreadOrNotAtAll) {
  HistoryThread history(File());
  history.Record(Answer(1, 1, true, 500), {}, kNow);
  std::vector<long long> counts;
  QObject context;
  history.ReadLater<long long>(
      &context, [](HistoryStore& s) { return s.AnswerCount(); },
      [&](long long n) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        counts.push_back(n);
      });
  auto gone = std::make_unique<QObject>();
  history.ReadLater<long long>(
      gone.get(), [](HistoryStore& s) { return s.AnswerCount(); },
      [&](long long n) { counts.push_back(-n); });
  history.Flush();
  EXPECT_TRUE(counts.empty()) << "handed over through the event loop, not on the history's thread";
  gone.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(counts, std::vector<long long>{1});
}

}  // namespace
}  // namespace fretlab::practice
