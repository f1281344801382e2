#pragma once
// FluidSynth writes its errors to standard error. The program says what went
// wrong in one line of its own instead: every level of FluidSynth's log is
// kept quietly, and the last error serves as the reason.

#include <string>

namespace fretlab {

// Installs the quiet log for the whole process; called before FluidSynth is used.
void QuietFluidLog();
// The last error FluidSynth logged since the previous call, or empty.
std::string TakeFluidError();

// While one lives, GLib's log (which the libraries under FluidSynth use, such
// as libinstpatch when it tries a broken file as DLS) writes nothing.
class QuietGlibLog {
 public:
  QuietGlibLog();
  ~QuietGlibLog();
  QuietGlibLog(const QuietGlibLog&) = delete;
  QuietGlibLog& operator=(const QuietGlibLog&) = delete;

 private:
  void (*previous_)();  // GLib's handler before, kept without GLib's types
};

}  // namespace fretlab
