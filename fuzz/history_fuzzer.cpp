// libFuzzer target for the practice history: the input is a file at the
// history's path, opened, brought up to date, read (the progress view's
// queries, the saved schedule, the answers replayed with their time
// stamps, the CSV export) and written to. Whatever the file holds: no
// crash, no word from Qt or SQLite on the terminal, every message one line,
// and an answer stored is there to read.

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "practice/history/history_store.h"

namespace {

namespace fs = std::filesystem;
using namespace fretlab::practice;

// A broken property: says which, with what Qt said last, and stops.
#define Check(condition) Require(condition, #condition)

QString g_qtSaid;

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "history_fuzzer: broken: %s (Qt said: %s)\n", what, qPrintable(g_qtSaid));
  std::abort();
}

bool OneSafeLine(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  }
  return true;
}

fs::path g_folder;
bool g_qtSpoke = false;

void QtSpoke(QtMsgType, const QMessageLogContext&, const QString& text) {
  g_qtSpoke = true;
  g_qtSaid = text;
}

void Empty(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication application(*argc, *argv);
  std::string pattern = (fs::temp_directory_path() / "fretlab-history-fuzz-XXXXXX").string();
  Check(::mkdtemp(pattern.data()) != nullptr);
  g_folder = pattern;
  std::atexit([] { fs::remove_all(g_folder); });
  qInstallMessageHandler(QtSpoke);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Empty(g_folder);
  const fs::path file = g_folder / "practice.sqlite";
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data),
                                              static_cast<std::streamsize>(size));
  g_qtSpoke = false;
  {
    HistoryStore store(QString::fromStdString(file.string()), {.busyTimeoutMs = 0});
    Check(OneSafeLine(store.message()));
    Check(store.saving() || !store.message().isEmpty());
    const long long before = store.AnswerCount();
    for (const Period period : {Period::kLast7Days, Period::kLast30Days, Period::kAll}) {
      for (const PositionCell& cell : store.Heatmap("E2 A2 D3 G3 B3 E4", period, 1'735'689'600'000)) {
        Check(cell.answers > 0 && cell.right <= cell.answers);
      }
      store.AskedTable("name-note", period, 1'735'689'600'000);
    }
    store.Schedule("find-note", "E2 A2 D3 G3 B3 E4");
    QString error;
    if (!store.ExportCsv(g_folder / "out.csv", &error)) Check(!error.isEmpty() && OneSafeLine(error));
    AnswerRecord answer;
    answer.drill = "name-note";
    answer.tuning = "E2 A2 D3 G3 B3 E4";
    answer.string = 2;
    answer.fret = 3;
    answer.asked = answer.answered = "D";
    answer.correct = true;
    answer.ms = 640;
    if (store.Record(answer, {1, 1, 0, 640.0, 1'735'689'600'000}, 1'735'689'600'000)) {
      // Into this file, or into a new one begun after setting a damaged one aside.
      const long long after = store.AnswerCount();
      Check(after == before + 1 || after == 1);
      const long long replayed = store.RebuildSummaries();
      // Or damage found while replaying: the file set aside, said in the message.
      Check(replayed == after || (replayed == -1 && !store.message().isEmpty()));
    }
    Check(OneSafeLine(store.message()));
  }
  Check(!g_qtSpoke);
  return 0;
}
