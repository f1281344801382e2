// libFuzzer target for the drills' strings field ("1-3, 5", "all", empty).
// A set read is every string, or names at least one and only strings the
// tuning has; written back as numbers and ranges it reads as the same set.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "practice/string_set.h"
#include "theory/neck_positions.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The set as a student would type it: "1, 3-5".
std::string Written(std::uint32_t mask) {
  std::string text;
  for (int s = 0; s < 32; ++s) {
    if (((mask >> s) & 1u) == 0) continue;
    int last = s;
    while (last + 1 < 32 && ((mask >> (last + 1)) & 1u) != 0) ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(s + 1);
    if (last > s) text += "-" + std::to_string(last + 1);
    s = last;
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fretlab::practice;
  if (size == 0) return 0;
  // The first byte chooses the number of strings, 4..8; the rest is typed.
  const int strings = 4 + data[0] % 5;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto mask = ParseStringSet(text, strings);
  if (!mask || *mask == fretlab::kAllStrings) return 0;  // empty or "all": every string
  Check(*mask != 0 && (*mask >> strings) == 0);
  const auto again = ParseStringSet(Written(*mask), strings);
  Check(again.has_value() && *again == *mask);
  return 0;
}
