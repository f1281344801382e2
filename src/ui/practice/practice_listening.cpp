#include "ui/practice/practice_listening.h"

#include <QSettings>
#include <algorithm>

#include "ui/practice/playback_driver.h"

namespace fretlab {

namespace {

const QString kListenKey = QStringLiteral("Practice/listen");
const QString kInputKey = QStringLiteral("Practice/listenInput");

}  // namespace

PracticeListening::PracticeListening(AudioCapture& capture, QSettings& settings, PlaybackDriver& player,
                                     QObject* parent)
    : QObject(parent),
      m_capture(capture),
      m_settings(settings),
      m_live(capture, {[this](const LiveNote& note) { post([this, note] { emit noteHeard(note); }); },
                       [this](const TunerReading& r) { post([this, r] { emit tunerRead(r); }); },
                       [this](double db) { post([this, db] { emit levelChanged(db); }); },
                       [this](const std::string& line) {
                         post([this, text = QString::fromStdString(line)] { failed(text); });
                       }}),
      m_range(ListenSettings::ForStrings(kSampleRate, 40, 64)) {
  connect(&player, &PlaybackDriver::soundingUntil, this, &PracticeListening::setSoundingUntil);
}

PracticeListening::~PracticeListening() { stop(); }

bool PracticeListening::setListening(bool on) {
  const bool listening = on ? start() : (stop(), false);
  m_settings.setValue(kListenKey, listening);
  emit listeningChanged(listening);
  return listening;
}

void PracticeListening::restore() {
  if (m_settings.value(kListenKey, false).toBool()) setListening(true);
}

std::vector<CaptureSource> PracticeListening::sources(QString* failure) {
  std::string line;
  std::vector<CaptureSource> found = m_capture.Sources(line);
  if (failure != nullptr) *failure = QString::fromStdString(line);
  return found;
}

QString PracticeListening::source() const { return m_settings.value(kInputKey).toString(); }

void PracticeListening::chooseSource(const QString& name) {
  m_settings.setValue(kInputKey, name);
  restart();
}

void PracticeListening::setStrings(const Tuning& tuning) {
  int lowest = 127, highest = 0;
  for (const TunedString& s : tuning.strings) {
    lowest = std::min<int>(lowest, s.open);
    highest = std::max<int>(highest, s.open);
  }
  if (tuning.StringCount() == 0) return;
  const ListenSettings range = ListenSettings::ForStrings(kSampleRate, lowest, highest);
  if (range.lowestNote == m_range.lowestNote && range.highestNote == m_range.highestNote) return;
  m_range = range;
  restart();
}

void PracticeListening::setSoundingUntil(SoundClock::time_point end) {
  m_live.SetSoundingUntil(end + kOutputDelay);
}

bool PracticeListening::start() {
  stop();
  ++m_generation;
  std::string failure;
  if (!m_live.Start(source().toStdString(), m_range, failure)) {
    emit message(QString::fromStdString(failure));
    return false;
  }
  emit message({});
  return true;
}

void PracticeListening::restart() {
  if (isListening() && !start()) setListening(false);
}

void PracticeListening::stop() {
  ++m_generation;
  m_live.Stop();
}

void PracticeListening::failed(const QString& line) {
  setListening(false);
  emit message(line);
}

void PracticeListening::post(std::function<void()> event) {
  QMetaObject::invokeMethod(
      this,
      [this, generation = m_generation.load(), event = std::move(event)] {
        if (generation == m_generation.load()) event();
      },
      Qt::QueuedConnection);
}

}  // namespace fretlab
