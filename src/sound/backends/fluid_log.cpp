#include "sound/backends/fluid_log.h"

#include <fluidsynth.h>
#include <glib.h>

#include <mutex>

namespace fretlab {

namespace {

std::mutex g_fluidLogMutex;
std::string g_lastFluidError;  // guarded by g_fluidLogMutex

void KeepFluidError(int level, const char* message, void*) {
  if (level > FLUID_ERR || message == nullptr) {
    return;
  }
  std::lock_guard lock(g_fluidLogMutex);
  g_lastFluidError = message;
}

void DropGlibMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

}  // namespace

// The default handler is process-wide: while a load runs, GLib messages from
// other threads are dropped too. Nothing else in the program logs through
// GLib.
QuietGlibLog::QuietGlibLog()
    : previous_(reinterpret_cast<void (*)()>(g_log_set_default_handler(DropGlibMessage, nullptr))) {}

QuietGlibLog::~QuietGlibLog() {
  // GLib's own default handler takes no data.
  g_log_set_default_handler(reinterpret_cast<GLogFunc>(previous_), nullptr);
}

void QuietFluidLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
      fluid_set_log_function(level, KeepFluidError, nullptr);
    }
  });
}

std::string TakeFluidError() {
  std::lock_guard lock(g_fluidLogMutex);
  std::string error;
  error.swap(g_lastFluidError);
  return error;
}

}  // namespace fretlab
