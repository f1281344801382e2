#include "ui/event_loop_timing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <thread>

#include "ui/input_hold.h"

namespace fretlab {

namespace {

constexpr int kStopped = 2;            // the loop's result when StopWaiting ended it
QEventLoop* g_waitLoop = nullptr;      // the innermost wait running now

}  // namespace

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
    const QEventLoop::ProcessEventsFlags flags =
        CInputHold::AnyHolding() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    QEventLoop* const outer = g_waitLoop;
    g_waitLoop = &loop;
    const int result = loop.exec(flags);
    g_waitLoop = outer;
    if (result == kStopped) return false;
    // exec() waits for more events between rounds. Another non-zero result
    // means the application is quitting and the loop would return at once:
    // sleep.
    if (result != 0) {
      std::this_thread::sleep_until(deadline);
      return true;
    }
  }
}

void StopWaiting() {
  if (g_waitLoop != nullptr) g_waitLoop->exit(kStopped);
}

Timing EventLoopTiming() {
  return Timing{[] { return SoundClock::now(); }, &WaitRunningEvents};
}

}  // namespace fretlab
