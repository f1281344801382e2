#include "ui/event_loop_timing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace fretlab {

bool WaitRunningEvents(SoundClock::time_point deadline) {
  for (;;) {
    const SoundClock::time_point now = SoundClock::now();
    if (now >= deadline) return true;
    if (QCoreApplication::instance() == nullptr || QCoreApplication::closingDown()) {
      std::this_thread::sleep_until(deadline);
      return true;
    }
    // Rounded up: the loop wakes at or after the deadline, never before it
    // and so never in a busy round of short waits.
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(remaining);
    // exec() waits for more events between rounds. A non-zero result means
    // the application is quitting and the loop would return at once: sleep.
    if (loop.exec(QEventLoop::ExcludeUserInputEvents) != 0) {
      std::this_thread::sleep_until(deadline);
      return true;
    }
  }
}

Timing EventLoopTiming() {
  return Timing{[] { return SoundClock::now(); }, &WaitRunningEvents};
}

}  // namespace fretlab
