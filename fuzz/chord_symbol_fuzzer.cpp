// libFuzzer target for the texts a user types in the Practice window and for
// --voicings: the first byte chooses the reader (0: a chord symbol, 1: a scale
// of the user's own, 2: a note name in each naming system), the rest is the
// text. Every text is read (and writes itself as text again) or refused with
// a sentence, one line for plain text (callers quote any other text whole);
// a note name read in any system reads the same in English letters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/quoted_value.h"
#include "theory/chord_symbol.h"
#include "theory/note_naming.h"
#include "theory/user_scale.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool OneLine(const std::string& text) { return text.find('\n') == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fretlab;
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string why;
  switch (data[0] % 3) {
    case 0:
      if (const auto chord = ParseChordSymbol(text, &why)) {
        Check(!chord->Symbol().empty());
      } else {
        Check(!why.empty() && (!IsPlainValue(text) || OneLine(why)));
      }
      break;
    case 1:
      if (const auto mine = ParseUserScale("Mine", text, &why)) {
        Check(!mine->DegreesText().empty());
      } else {
        Check(!why.empty() && (!IsPlainValue(text) || OneLine(why)));
      }
      break;
    default:
      for (const NamingSystem system : {NamingSystem::kEnglish, NamingSystem::kGerman, NamingSystem::kSolfege}) {
        if (const auto note = ParseNoteName(text, system)) {
          Check(ParseNoteName(AsEnglishName(text, system), NamingSystem::kEnglish) == note);
        }
      }
      break;
  }
  return 0;
}
