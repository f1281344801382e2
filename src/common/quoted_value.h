#pragma once
// A user's value (an option's value, a file name, a typed text) inside a
// message, so that the message stays one readable line on a terminal and in
// a window whatever the value holds.
//
//   QuotedValue("Dorian")           -> "\"Dorian\""
//   QuotedValue("a\x1b[31mb")       -> "\"a\\x1B[31mb\""   (the escape shown, not obeyed)
//   QuotedValue("caf\xe9.svg")      -> "\"caf\\xE9.svg\""  (a byte that is not UTF-8)
//   QuotedValue(200 + n characters) -> the first 200, then "…", inside the quotes
//
// Shown escaped: control characters (C0, DEL, C1: \n, \t, \r and \xNN for the
// rest of C0 and DEL, \u{0085} for C1), the characters that reorder or hide
// text on a display (bidirectional controls, zero-width joiners, line and
// paragraph separators: \u{202E}, ...) and every byte that is not part of
// valid UTF-8 (\xNN). Everything else, backslashes and quotes included,
// appears as it is, so a plain value reads exactly as typed.

#include <cstddef>
#include <string>
#include <string_view>

namespace fretlab {

// The most characters of a value a message shows; an escape counts as one.
inline constexpr std::size_t kQuotedValueChars = 200;

// The value between double quotes, made safe as above. The result is valid
// UTF-8.
std::string QuotedValue(std::string_view value);

// True when QuotedValue shows `value` exactly as it is (no escape, no cut).
bool IsPlainValue(std::string_view value);

}  // namespace fretlab
