// The practice history with a million answers: how long one answer holds
// the window's thread (queued for the history's thread) and how long that
// thread takes to write it, the progress view's queries, drawing the next
// weighted question, opening the history, and the file's size. Not part of
// the test suite.
//
// The history is made in a temporary folder (or at the path given as the
// first argument, kept afterwards): a year of answers over every drill, all
// positions of the first 13 frets, mostly in standard tuning, response times
// of 0.3 to 6 s.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "practice/history/history_store.h"
#include "practice/history/history_thread.h"
#include "practice/round.h"
#include "theory/scale_catalogue.h"

namespace fretlab::practice {
namespace {

constexpr long long kAnswers = 1'000'000;
constexpr int kStored = 2000;  // answers stored in each of the two timings
constexpr long long kNow = 1'767'225'600'000;  // 2026-01-01T00:00:00Z
constexpr long long kYearMs = 365LL * 86'400'000;
const char* const kStandard = "E2 A2 D3 G3 B3 E4";

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[(v.size() - 1) / 2];
}

double Percentile99(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() * 99 / 100];
}

// Imports the answers in one transaction; the store rebuilds the schedule
// from them.
void Fill(HistoryStore& store) {
  std::mt19937_64 random(2026);
  std::string names[12];
  for (int pc = 0; pc < 12; ++pc) names[pc] = NoteName(SpellPitchClass(pc, Accidentals::kMixed));
  const int open[6] = {64, 59, 55, 50, 45, 40};
  long long i = 0;
  store.ImportAnswers([&](AnswerRecord& a, long long& at) {
    if (i == kAnswers) return false;
    const int kind = static_cast<int>(random() % kQuestionKindCount);
    const int string = static_cast<int>(random() % 6);
    const int fret = static_cast<int>(random() % 13);
    const bool right = random() % 100 < 80;
    at = kNow - kYearMs + i * (kYearMs / kAnswers);
    a.drill = std::string(DrillKey(static_cast<QuestionKind>(kind)));
    a.tuning = i % 10 == 0 ? "D2 A2 D3 G3 B3 E4" : kStandard;
    a.string = string + 1;
    a.fret = fret;
    a.asked = names[(open[string] + fret) % 12];
    a.answered = right ? a.asked : names[(open[string] + fret + 1) % 12];
    a.correct = right;
    a.ms = 300 + static_cast<int>(random() % 5700);
    ++i;
    return true;
  });
}

template <typename F>
double TimeMs(F&& f) {
  QElapsedTimer t;
  t.start();
  f();
  return t.nsecsElapsed() / 1e6;
}

long long FileBytes(const QString& path) {
  long long total = 0;
  for (const char* suffix : {"", "-wal", "-shm"}) total += QFileInfo(path + suffix).size();
  return total;
}

int Run(const QString& path) {
  std::printf("history at %s\n", qPrintable(path));
  const QString emptyPath = QFileInfo(path).absolutePath() + "/empty.sqlite";
  {
    HistoryStore empty(emptyPath);
  }
  {
    HistoryStore store(path);
    if (!store.saving()) {
      std::printf("cannot write the history: %s\n", qPrintable(store.message()));
      return 1;
    }
    if (store.AnswerCount() < kAnswers) {
      std::printf("filling %lld answers: %.1f s\n", kAnswers, TimeMs([&] { Fill(store); }) / 1e3);
    }
  }
  // Closing folds the log into the file. The fill leaves far more unwritten
  // data in memory than a day's practice does: let the disk take it first,
  // as it would have long before the user opens the history again.
  { HistoryStore closing(path); }
  sync();
  std::printf("size: %.1f MB for %lld answers (%.0f bytes an answer)\n", FileBytes(path) / 1e6,
              kAnswers, static_cast<double>(FileBytes(path)) / kAnswers);

  std::vector<double> opens, emptyOpens;
  for (int i = 0; i < 5; ++i) {
    opens.push_back(TimeMs([&] { HistoryStore s(path); }));
    emptyOpens.push_back(TimeMs([&] { HistoryStore s(emptyPath); }));
  }
  std::printf("open and close: median %.2f ms (empty history %.2f ms)\n", Median(opens),
              Median(emptyOpens));

  const Period periods[] = {Period::kLast7Days, Period::kLast30Days, Period::kAll};
  const char* const periodNames[] = {"7 days", "30 days", "all"};
  HistoryStore store(path);
  for (int p = 0; p < 3; ++p) {
    std::vector<double> times;
    std::size_t cells = 0;
    for (int i = 0; i < 5; ++i) {
      times.push_back(TimeMs([&] { cells = store.Heatmap(kStandard, periods[p], kNow).size(); }));
    }
    std::vector<double> tables;
    for (int i = 0; i < 5; ++i) {
      tables.push_back(TimeMs([&] { store.AskedTable("find-note", periods[p], kNow); }));
    }
    std::printf("heatmap %-7s median %.1f ms, largest %.1f ms (%zu positions; target <= 200); "
                "note table %.1f ms\n",
                periodNames[p], Median(times), *std::max_element(times.begin(), times.end()),
                cells, Median(tables));
  }

  // The next weighted question: the schedule as the window loads it, then
  // the draw over every position of a 24-fret neck with each answer.
  WeakSpotSchedule schedule(1);
  const double load = TimeMs([&] {
    for (const auto& [item, state] : store.Schedule("name-note", kStandard)) schedule.Restore(item, state);
  });
  NeckArea area;
  DrillSetup setup(*FindPresetTuning("Standard"), area,
                   KeySpelling::Automatic(0, Scales()[kCatalogueChromatic], Accidentals::kSharps));
  Round round(QuestionKind::kNameNote, setup, {5000, 0}, kStandard, schedule);
  round.Start(kNow);
  std::vector<double> draws, queued;
  long long at = kNow;
  {
    // As the window stores answers: queued for the history's thread, which
    // writes them meanwhile. Answers come 5 ms apart here, far faster than
    // anyone answers, so that the thread's writes overlap the next answer.
    HistoryThread history(path);
    history.Flush();  // opened
    for (int i = 0; i < kStored; ++i) {
      Feedback fb;
      draws.push_back(TimeMs([&] { fb = round.Give(Answer::Text(round.Current().asked), at += 1500); }));
      queued.push_back(TimeMs([&] { history.Record(*fb.record, fb.item, at); }));
      usleep(5000);
    }
    const double rest = TimeMs([&] { history.Flush(); });
    std::printf("schedule load %.2f ms; next weighted question (answer checked, %zu positions "
                "weighed) over %zu: median %.3f ms, 99th percentile %.3f ms, largest %.3f ms "
                "(target <= 5)\n",
                load, AllQuestions(QuestionKind::kNameNote, setup).size(), draws.size(),
                Median(draws), Percentile99(draws), *std::max_element(draws.begin(), draws.end()));
    std::printf("one answer stored, window's thread, over %zu: median %.3f ms, 99th percentile "
                "%.3f ms, largest %.3f ms, the session's first %.3f ms (target <= 5); the last "
                "written %.2f ms after it was queued\n",
                queued.size(), Median(queued), Percentile99(queued),
                *std::max_element(queued.begin(), queued.end()), queued[0], rest);
  }
  {
    // The history's thread itself: one transaction per answer, timed there.
    HistoryThread history(path);
    std::vector<double> commits;
    for (int i = 0; i < kStored; ++i) {
      const Feedback fb = round.Give(Answer::Text(round.Current().asked), at += 1500);
      commits.push_back(history.Read<double>([&](HistoryStore& s) {
        return TimeMs([&] { s.Record(*fb.record, fb.item, at); });
      }));
    }
    const bool saving = history.Read<bool>([](HistoryStore& s) { return s.saving(); });
    // The first answer of a session starts the write-ahead log, whose header
    // SQLite syncs to the disk once.
    const auto slowest = std::max_element(commits.begin(), commits.end());
    std::printf("one answer written, history's thread, over %zu: median %.2f ms, 99th percentile "
                "%.2f ms, largest %.2f ms (answer %td), the session's first %.2f ms%s\n",
                commits.size(), Median(commits), Percentile99(commits), *slowest,
                slowest - commits.begin(), commits[0], saving ? "" : " — NOT SAVED");
  }
  return 0;
}

}  // namespace
}  // namespace fretlab::practice

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath("practice.sqlite");
  return fretlab::practice::Run(path);
}
