#pragma once
// The Practice window's ear: a guitar heard through the sound input, on
// request only. It starts and stops the capture (LiveListening over the
// AudioCapture seam, which practice_app.cpp builds), brings what the
// capture's thread hears onto the window's thread as signals, keeps the
// program's own notes out, and remembers the switch and the input chosen.
//
// While it does not listen, nothing is captured and nothing is woken for
// it. A capture that cannot start or that ends (no server, no input, an
// input unplugged, a refused stream) gives one line in message(); the
// window goes on without it.

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

#include "listen/live_listening.h"

class QSettings;

namespace fretlab {

class PlaybackDriver;

class PracticeListening : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSampleRate = 44100;
  // From a note's end on the player's clock to its end at the speaker: the
  // synthesizer's fixed latency (27.5 ms) and the sound server's buffer,
  // with room to spare. The listener's own release tail follows it.
  static constexpr SoundClock::duration kOutputDelay = std::chrono::milliseconds(60);

  // What `player` plays is kept out of what is heard. All three must
  // outlive this object.
  PracticeListening(AudioCapture& capture, QSettings& settings, PlaybackDriver& player,
                    QObject* parent = nullptr);
  ~PracticeListening() override;

  bool isListening() const { return m_live.Listening(); }
  // Starts or stops listening, and remembers it; false when it cannot
  // start (the line is in message()).
  bool setListening(bool on);
  // Listens again if it did when the window last closed.
  void restore();

  // The inputs to offer, the default first; empty, with one line in
  // `failure`, when there is none.
  std::vector<CaptureSource> sources(QString* failure);
  // The input by the server's name (empty: the system's default), remembered;
  // listening moves to it at once.
  QString source() const;
  void chooseSource(const QString& name);

  // The notes expected are those of `tuning`'s strings (a bass needs a
  // longer window than a guitar): listening restarts when they change.
  void setStrings(const Tuning& tuning);
  // The program itself sounds until `end` on the player's clock.
  void setSoundingUntil(SoundClock::time_point end);
  // Readings for `tuning` with `capo` from now on, or none.
  void setTuner(const Tuning& tuning, int capo) { m_live.SetTuner(tuning, capo); }
  void clearTuner() { m_live.ClearTuner(); }

 signals:
  void noteHeard(const fretlab::LiveNote& note);
  void tunerRead(const fretlab::TunerReading& reading);
  // The input's level in dBFS, about 20 times a second.
  void levelChanged(double db);
  void listeningChanged(bool listening);
  // One plain line: why listening did not start or ended; empty when it is well.
  void message(const QString& line);

 private:
  bool start();
  // Listening again with what changed; off, with the line, if it cannot.
  void restart();
  void stop();
  void failed(const QString& line);
  // Runs `event` on the window's thread, unless listening has stopped or
  // started again meanwhile.
  void post(std::function<void()> event);

  AudioCapture& m_capture;
  QSettings& m_settings;
  LiveListening m_live;
  ListenSettings m_range;
  std::atomic<int> m_generation{0};  // counts starts and stops
};

}  // namespace fretlab
