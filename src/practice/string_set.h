#pragma once
// The strings a drill practises, as the student types them: numbers from 1
// (the thinnest string) and ranges, separated by commas: "1-3, 5" (an en
// dash "–" serves as well as "-"). Empty or "all", in any case, is every
// string.

#include <cstdint>
#include <optional>
#include <string_view>

namespace fretlab::practice {

// A mask for NeckArea::strings (bit 0 = string 1); nothing when the text
// cannot be read or names a string the tuning does not have.
std::optional<std::uint32_t> ParseStringSet(std::string_view text, int stringCount);

}  // namespace fretlab::practice
