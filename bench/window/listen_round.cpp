// End to end: find-the-note rounds answered by a guitar heard through a
// real sound server. ./scripts/bench-listen starts a private PulseAudio
// server whose null sink's monitor is the default input. The Practice
// window (offscreen, silent itself) listens to that input through the
// program's own capture, as a user has it; a second synthesizer, FluidSynth
// with TimGM6mb's nylon guitar (named, not the system default), plays each
// note asked for into the null sink. A note's onset at the sink is its
// stamp plus that synthesizer's fixed latency; its answer's time is read
// back from the history the round wrote. Prints every answer, then the
// figures over all of them, and every note heard that was not played.
//
//   listen_round [ROUNDS [QUESTIONS [NOTE_MS]]]
//
// Default 3 rounds of 10 questions, a note a second, each let go after
// 700 ms as a player lets a string go before the next; NOTE_MS 0 lets each
// ring until the next is played.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <vector>

#include "practice/drill.h"
#include "sound/backends/capture_backends.h"
#include "sound/backends/fluid_synth_output.h"
#include "sound/backends/silent_output.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/practice_listening.h"
#include "ui/practice/practice_window.h"

namespace fretlab {
namespace {

using namespace std::chrono;

const char* const kGuitarSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kVelocity = 100;
constexpr milliseconds kGap{1000};       // from one note's start to the next
constexpr milliseconds kAnswerWait{2500};  // a note not answered by then is missed

struct Played {
  int note = 0;
  SoundClock::time_point onset{};          // at the sink
  std::optional<LiveNote> heard;           // the listener's report of it
  bool answered = false;
};

// Runs the window's event loop until `done` or `until`.
template <typename Done>
void RunUntil(Done done, SoundClock::time_point until) {
  while (!done() && SoundClock::now() < until) {
    QApplication::processEvents();
    QThread::usleep(500);
  }
}

double Ms(SoundClock::duration d) { return duration<double, std::milli>(d).count(); }

class Round {
 public:
  Round(QSettings& settings, const QString& history, AudioCapture& capture, FluidSynthOutput& guitar,
        milliseconds noteLength)
      : m_guitar(guitar), m_noteLength(noteLength) {
    DrillServices services;
    services.openHistory = [history] { return std::make_unique<practice::HistoryThread>(history); };
    m_parts = BuildPracticeWindow(m_silent, capture, settings, &SoundClock::now, std::move(services));
    m_parts.window->show();
    QObject::connect(&m_parts.window->listening(), &PracticeListening::levelChanged, [this] { ++m_levels; });
    QObject::connect(&m_parts.window->listening(), &PracticeListening::noteHeard, [this](const LiveNote& n) {
      // A note's report starts within 50 ms of it at the sink; anything
      // else heard was not played.
      if (!m_played.empty() && !m_played.back().heard && n.heard.note == m_played.back().note &&
          n.onset > m_played.back().onset - milliseconds(50)) {
        m_played.back().heard = n;
      } else {
        char line[96];
        std::snprintf(line, sizeof line, "%d heard %.0f ms after %d was played", n.heard.note,
                      m_played.empty() ? 0.0 : Ms(n.onset - m_played.back().onset),
                      m_played.empty() ? 0 : m_played.back().note);
        m_extra.push_back(line);
      }
    });
  }

  // Notes heard that were not played, one line each.
  const std::vector<std::string>& extra() const { return m_extra; }

  // The played notes with what came of them; empty when listening failed.
  std::vector<Played> Run(int questions) {
    PracticeWindow& window = *m_parts.window;
    PracticeChoices c = window.controls()->choices();
    c.wholeNeck = false;
    c.fretBox = {0, 12};
    window.controls()->setChoices(c);
    emit window.controls()->choicesChanged();
    if (!window.listening().setListening(true)) return {};
    // A null sink's monitor may begin to deliver a second or two after the
    // stream is made (a microphone delivers at once): the round waits for
    // half a second of sound, as a player would wait for the meter to move.
    RunUntil([this] { return m_levels >= 10; }, SoundClock::now() + seconds(5));
    window.modeArea()->setCurrentIndex(2);
    DrillMode& drills = *m_parts.drills;
    drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(practice::QuestionKind::kFindNote));
    drills.ui().choice()->stringsField()->setText(QStringLiteral("1-3"));
    drills.ui().choice()->questionsBox()->setValue(questions);
    drills.ui().choice()->startButton()->click();
    SoundClock::time_point next = SoundClock::now() + kGap;
    while (drills.session().Running()) {
      const practice::Question& q = drills.session().round()->Current();
      const auto& found = drills.session().round()->Found();
      const auto target = std::find(found.begin(), found.end(), false) - found.begin();
      const int note = practice::PitchAt(drills.session().round()->Setup(), q.targets[target]);
      RunUntil([] { return false; }, next);
      const int answers = drills.session().round()->Summarize().answers;
      Play(note);
      next = SoundClock::now() + kGap;
      // The round's last answer ends it.
      const auto answered = [&] {
        return !drills.session().Running() || drills.session().round()->Summarize().answers > answers;
      };
      RunUntil(answered, SoundClock::now() + kAnswerWait);
      m_played.back().answered = answered();
      if (!m_played.back().answered) break;  // the round would wait for ever
    }
    drills.closing();  // every answer written
    window.listening().setListening(false);
    m_guitar.close();  // nothing rings into the next round
    return m_played;
  }

 private:
  void Play(int note) {
    m_guitar.close();  // the note before ends
    m_guitar.open();
    const SoundClock::time_point sent = SoundClock::now();
    m_guitar.send(0x90u | static_cast<std::uint32_t>(note) << 8 | static_cast<std::uint32_t>(kVelocity) << 16);
    Played played;
    played.note = note;
    played.onset = sent + duration_cast<SoundClock::duration>(
                              duration<double, std::milli>(FluidSynthOutput::ConfiguredLatencyMs()));
    m_played.push_back(played);
    // Tied to this round, so that a note let go after its round does not
    // reach into the next.
    if (m_noteLength.count() > 0) QTimer::singleShot(m_noteLength, &m_timers, [this] { m_guitar.close(); });
  }

  FluidSynthOutput& m_guitar;
  SilentOutput m_silent;
  PracticeParts m_parts;
  std::vector<Played> m_played;
  milliseconds m_noteLength;         // 0: until the next note
  int m_levels = 0;  // level readings since the window was made
  std::vector<std::string> m_extra;  // notes heard that were not played
  QObject m_timers;
};

struct Stored {
  long long atMs;  // ms since the Unix epoch
  bool correct;
  std::string input;
};

std::vector<Stored> ReadAnswers(const QString& path) {
  std::vector<Stored> rows;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
    db.setDatabaseName(path);
    if (db.open()) {
      QSqlQuery q(QStringLiteral("SELECT at, correct, input FROM answers ORDER BY id"), db);
      while (q.next()) {
        rows.push_back({QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs).toMSecsSinceEpoch(),
                        q.value(1).toInt() != 0, q.value(2).toString().toStdString()});
      }
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("bench"));
  return rows;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * double(v.size() - 1) + 0.5)];
}

void Report(const char* what, const std::vector<double>& v, const char* target = "") {
  std::printf("  %-44s median %7.1f  95th %7.1f  largest %7.1f ms  %s\n", what, Percentile(v, 0.5),
              Percentile(v, 0.95), Percentile(v, 1.0), target);
}

// What the rounds came to, note by note.
struct Tally {
  std::vector<double> toStored, toDecided, decidedToStored, listenerOnset;
  std::vector<std::string> extra;
  int played = 0, answered = 0, right = 0, audio = 0, stored = 0;

  // One round's notes against its history's rows, each note's answer the
  // first stored from its onset until the next note's; `wallOffset` turns
  // the monotonic clock into the history's wall clock.
  void Add(const std::vector<Played>& notes, const std::vector<Stored>& rows, SoundClock::duration wallOffset) {
    std::vector<bool> taken(rows.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
      const Played& n = notes[i];
      ++played;
      const double from = Ms(n.onset.time_since_epoch() + wallOffset);
      const double to = i + 1 < notes.size() ? Ms(notes[i + 1].onset.time_since_epoch() + wallOffset)
                                             : from + Ms(kAnswerWait);
      std::size_t row = 0;
      while (row < rows.size() && (taken[row] || rows[row].atMs < from || rows[row].atMs >= to)) ++row;
      if (row == rows.size()) {
        std::printf("  note %d: no answer\n", n.note);
        continue;
      }
      const Stored& s = rows[row];
      taken[row] = true;
      ++answered;
      right += s.correct;
      audio += s.input == "audio";
      toStored.push_back(double(s.atMs) - from);
      if (n.heard) {
        toDecided.push_back(Ms(n.heard->decided - n.onset));
        decidedToStored.push_back(toStored.back() - toDecided.back());
        listenerOnset.push_back(Ms(n.heard->onset - n.onset));
      }
      std::printf("  note %d: %s %s, onset to stored %.0f ms\n", n.note, s.correct ? "right" : "WRONG",
                  s.input.c_str(), toStored.back());
    }
    stored += static_cast<int>(rows.size());
  }
  bool AllRight() const {
    return answered == played && right == played && audio == played && stored == played && extra.empty();
  }
};

}  // namespace
}  // namespace fretlab

int main(int argc, char** argv) {
  using namespace fretlab;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const int questions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  const milliseconds noteLength{argc > 3 ? std::max(0, std::atoi(argv[3])) : 700};
  FluidSynthOutput guitar(kGuitarSoundfont, FluidSynthOutput::Mode::kAudioDevice, std::cerr);
  if (!guitar.WaitUntilLoaded() || guitar.AudioDriverName() != "pulseaudio") {
    std::printf("the guitar cannot play into the sound server (%s)\n", guitar.AudioDriverName().c_str());
    return 1;
  }
  const std::unique_ptr<AudioCapture> capture = CreateAudioCapture();
  const auto wallOffset = system_clock::now().time_since_epoch() - SoundClock::now().time_since_epoch();
  Tally tally;
  for (int r = 1; r <= rounds; ++r) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("fretlab.conf")), QSettings::IniFormat);
    const QString history = dir.filePath(QStringLiteral("practice.sqlite"));
    std::vector<Played> notes;
    {
      Round round(settings, history, *capture, guitar, noteLength);
      notes = round.Run(questions);
      tally.extra.insert(tally.extra.end(), round.extra().begin(), round.extra().end());
    }
    if (notes.empty()) {
      std::printf("round %d: the window could not listen to the default input\n", r);
      return 1;
    }
    const std::vector<Stored> rows = ReadAnswers(history);
    std::printf("round %d: %zu notes played, %zu answers stored\n", r, notes.size(), rows.size());
    tally.Add(notes, rows, duration_cast<SoundClock::duration>(wallOffset));
  }
  std::printf("%d rounds of %d find-the-note questions, strings 1-3, frets 0-12, notes %s: %d played, "
              "%d answered, %d stored, %d right, %d as audio; %zu heard that were not played\n",
              rounds, questions, noteLength.count() > 0 ? (std::to_string(noteLength.count()) + " ms").c_str()
                                                        : "ringing to the next",
              tally.played, tally.answered, tally.stored, tally.right, tally.audio, tally.extra.size());
  for (const std::string& e : tally.extra) std::printf("  not played: %s\n", e.c_str());
  Report("note's onset at the sink -> answer stored", tally.toStored);
  Report("note's onset -> listener's decision", tally.toDecided);
  Report("listener's decision -> answer stored", tally.decidedToStored);
  Report("listener's onset - onset at the sink", tally.listenerOnset);
  return tally.AllRight() ? 0 : 1;
}
