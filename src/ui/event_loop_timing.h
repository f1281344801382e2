#pragma once
// The window's way of waiting while a note sounds: the Qt event loop runs
// until the deadline, so the window keeps painting (markers appear one by one)
// and answers the desktop, while clicks and keys stay queued by the window
// system and are handled, in order, once the operation has returned.

#include "sound/sound_clock.h"

namespace fretlab {

// Returns at the deadline, having run every event but user input meanwhile.
// Sleeps in the event loop (a timer at the deadline); never spins. Returns
// true: nothing stops a display yet.
bool WaitRunningEvents(SoundClock::time_point deadline);

// The monotonic clock with WaitRunningEvents.
Timing EventLoopTiming();

}  // namespace fretlab
