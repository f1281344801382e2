#include "practice/string_set.h"

#include "theory/neck_positions.h"

namespace fretlab::practice {

namespace {

constexpr std::string_view kBlanks = " \t\n\r\f\v";
constexpr std::string_view kEnDash = "\xE2\x80\x93";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsAll(std::string_view text) {
  if (text.size() != 3) return false;
  for (std::size_t i = 0; i < 3; ++i) {
    if ((text[i] | 0x20) != "all"[i]) return false;
  }
  return true;
}

// Reads a string number at the start of `text` and steps past it; -1 when
// there is none (or it is far beyond any tuning).
int TakeNumber(std::string_view& text) {
  std::size_t digits = 0;
  int value = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
    if (value > 1000) return -1;
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  if (digits == 0) return -1;
  text.remove_prefix(digits);
  return value;
}

// "3" or "1-3" (blanks allowed around the dash) as a first and last string.
bool ReadPart(std::string_view part, int& from, int& to) {
  from = TakeNumber(part);
  if (from < 0) return false;
  part = Trimmed(part);
  if (part.empty()) {
    to = from;
    return true;
  }
  if (part.front() == '-') {
    part.remove_prefix(1);
  } else if (part.substr(0, kEnDash.size()) == kEnDash) {
    part.remove_prefix(kEnDash.size());
  } else {
    return false;
  }
  part = Trimmed(part);
  to = TakeNumber(part);
  return to >= 0 && part.empty();
}

}  // namespace

std::optional<std::uint32_t> ParseStringSet(std::string_view text, int stringCount) {
  text = Trimmed(text);
  if (text.empty() || IsAll(text)) return kAllStrings;
  std::uint32_t mask = 0;
  while (true) {
    const std::size_t comma = text.find(',');
    int from = 0;
    int to = 0;
    if (!ReadPart(Trimmed(text.substr(0, comma)), from, to)) return std::nullopt;
    if (from < 1 || to > stringCount || from > to) return std::nullopt;
    for (int s = from; s <= to; ++s) mask |= 1u << (s - 1);
    if (comma == std::string_view::npos) return mask;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace fretlab::practice
