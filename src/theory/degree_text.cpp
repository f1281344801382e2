#include "theory/degree_text.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace fretlab {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<Degree> ParseDegree(std::string_view text) {
  text = Trimmed(text);
  if (text == "R" || text == "r") return Degree{1, 0};
  int alteration = 0;
  for (;;) {
    if (text.starts_with('#')) {
      ++alteration, text.remove_prefix(1);
    } else if (text.starts_with('b')) {
      --alteration, text.remove_prefix(1);
    } else if (text.starts_with("\u266F")) {
      ++alteration, text.remove_prefix(std::string_view("\u266F").size());
    } else if (text.starts_with("\u266D")) {
      --alteration, text.remove_prefix(std::string_view("\u266D").size());
    } else {
      break;
    }
  }
  if (text.empty() || text.size() > 2 || alteration < -2 || alteration > 2 ||
      !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) {
    return std::nullopt;
  }
  const int number = std::stoi(std::string(text));
  if (number < 1 || number > 13) return std::nullopt;
  return Degree{number, alteration};
}

}  // namespace fretlab
