#pragma once
// The window's way of waiting while a note sounds: the Qt event loop runs
// until the deadline, so the window keeps painting (markers appear one by one)
// and answers the desktop, while the user's clicks and keys wait and are
// handled, in order, once the operation has returned. They wait in the window
// system's queue, or, while a window holds its own input (input_hold.h), in
// that window's hold, where an Escape can stop the wait.

#include "sound/sound_clock.h"

namespace fretlab {

// Returns at the deadline, true, having run every event but user input
// meanwhile (all events while a window holds its input); or earlier, false,
// once StopWaiting() has ended the wait. Sleeps in the event loop (a timer at
// the deadline); never spins.
bool WaitRunningEvents(SoundClock::time_point deadline);

// Ends the wait that is running now, if any, so that WaitRunningEvents
// returns false; a later wait is not affected.
void StopWaiting();

// The monotonic clock with WaitRunningEvents.
Timing EventLoopTiming();

}  // namespace fretlab
