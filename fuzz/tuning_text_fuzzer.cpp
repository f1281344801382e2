// libFuzzer target for the tuning text (--tuning, the window's notes field).
// Any text is either a tuning or refused with a reason; a tuning printed
// and read again is the same tuning, in either sign style; a refusal as
// the program shows it is one line of bounded length.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "practice/render_options.h"
#include "theory/tuning.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// One line a terminal shows as it is: no control character in it.
bool OneSafeLine(const std::string& line) {
  for (const unsigned char c : line) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return !line.empty() && line.size() < 4096;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fretlab;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool presets : {true, false}) {
    std::string why;
    const auto tuning = presets ? TuningFromText(text, &why) : ParseTuning(text, &why);
    const std::string shown = TuningProblem(text, presets);
    if (!tuning) {
      Check(!why.empty());
      Check(OneSafeLine(shown));
      continue;
    }
    Check(shown.empty());
    Check(tuning->StringCount() >= kMinStrings && tuning->StringCount() <= kMaxStrings);
    for (int s = 0; s < tuning->StringCount(); ++s) {
      Check(tuning->OpenNote(s) >= 0 && tuning->OpenNote(s) + tuning->HighestFret() <= 127);
    }
    for (const SignStyle style : {SignStyle::kAscii, SignStyle::kUnicode}) {
      const auto again = ParseTuning(TuningNotesText(*tuning, style));
      Check(again.has_value());
      Check(*again == *tuning);
    }
  }
  return 0;
}
