#pragma once
// Appending XML text to a string without temporaries: a score of thousands
// of chords is built of hundreds of thousands of small pieces.

#include <charconv>
#include <string>
#include <string_view>

namespace fretlab {

inline void AppendInt(std::string& xml, int value) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  xml.append(digits, end);
}

// <name>value</name>
inline void AppendTag(std::string& xml, std::string_view name, int value) {
  xml += '<';
  xml += name;
  xml += '>';
  AppendInt(xml, value);
  xml += "</";
  xml += name;
  xml += '>';
}

inline void AppendTag(std::string& xml, std::string_view name, std::string_view text) {
  xml += '<';
  xml += name;
  xml += '>';
  xml += text;
  xml += "</";
  xml += name;
  xml += '>';
}

// `text` with &, <, >, " and ' replaced by entities.
inline std::string XmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace fretlab
