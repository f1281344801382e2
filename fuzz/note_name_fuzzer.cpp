// libFuzzer target for note names (--root, the name buttons, typed names).
// A name read is a letter with at most a double accidental; printed in
// either sign style and read again it is the same name, and its pitch class
// is the letter's moved by the accidental.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "theory/spelling.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fretlab;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto name = ParseNoteName(text);
  if (!name) return 0;
  Check(name->letter >= 0 && name->letter < kLetterCount);
  Check(name->accidental >= -2 && name->accidental <= 2);
  Check(name->PitchClass() == ((NaturalPitchClass(name->letter) + name->accidental) % 12 + 12) % 12);
  for (const SignStyle style : {SignStyle::kAscii, SignStyle::kUnicode}) {
    const auto again = ParseNoteName(NoteName(*name, style));
    Check(again.has_value() && *again == *name);
  }
  // Unicode signs read as their ASCII forms.
  const auto ascii = ParseNoteName(AsciiSigns(text));
  Check(ascii.has_value() && *ascii == *name);
  return 0;
}
