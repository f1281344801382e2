// Quoting a user's value for a message: UTF-8 read strictly, everything
// that could steer a terminal or reorder a line shown escaped, long values
// cut.

#include "common/quoted_value.h"

#include <cstdint>
#include <optional>

namespace fretlab {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

struct Decoded {
  char32_t code = 0;
  std::size_t length = 0;  // bytes taken, 1..4
};

// The character at the start of `text` when it is valid UTF-8 (no overlong
// form, no surrogate, nothing above U+10FFFF); nothing otherwise.
std::optional<Decoded> DecodeOne(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return Decoded{lead, 1};
  std::size_t length = 0;
  char32_t code = 0, least = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
  return Decoded{code, length};
}

// Characters that reorder or hide the text around them on a display.
bool Steers(char32_t c) {
  return c == 0x061C || (c >= 0x200B && c <= 0x200F) || c == 0x2028 || c == 0x2029 ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::string ByteEscape(std::uint8_t b) { return {'\\', 'x', kHex[b >> 4], kHex[b & 0xF]}; }

std::string CodeEscape(char32_t c) {
  std::string digits;
  for (char32_t rest = c; rest != 0 || digits.size() < 4; rest >>= 4) {
    digits.insert(digits.begin(), kHex[rest & 0xF]);
  }
  return "\\u{" + digits + "}";
}

// How the character at the start of `text` is shown, and how many bytes it
// takes.
std::pair<std::string, std::size_t> Shown(std::string_view text) {
  const std::optional<Decoded> d = DecodeOne(text);
  if (!d) return {ByteEscape(static_cast<std::uint8_t>(text[0])), 1};
  switch (d->code) {
    case '\n': return {"\\n", 1};
    case '\t': return {"\\t", 1};
    case '\r': return {"\\r", 1};
    default: break;
  }
  if (d->code < 0x20 || d->code == 0x7F) return {ByteEscape(static_cast<std::uint8_t>(d->code)), 1};
  if ((d->code >= 0x80 && d->code <= 0x9F) || Steers(d->code)) return {CodeEscape(d->code), d->length};
  return {std::string(text.substr(0, d->length)), d->length};
}

}  // namespace

std::string QuotedValue(std::string_view value) {
  std::string quoted = "\"";
  std::size_t shown = 0;
  std::size_t at = 0;
  while (at < value.size()) {
    if (shown == kQuotedValueChars) {
      quoted += "\u2026";
      break;
    }
    const auto [text, length] = Shown(value.substr(at));
    quoted += text;
    at += length;
    ++shown;
  }
  return quoted + "\"";
}

bool IsPlainValue(std::string_view value) {
  return QuotedValue(value) == "\"" + std::string(value) + "\"";
}

}  // namespace fretlab
