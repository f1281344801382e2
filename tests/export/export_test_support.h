#pragma once
// Sequences for the export suites, built as a sequence file would hold them.

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "sequence/sequence_file.h"

namespace fretlab::testing {

struct TestChord {
  Chord notes;  // by chord slot, 0 = low E; 0 = muted
  std::array<FretIndex, kStringCount> frets;
  int length;  // units of 10 ms
};

inline SequenceImage Image(std::initializer_list<TestChord> chords) {
  SequenceImage image;
  for (const TestChord& c : chords) {
    std::array<int, kChordColumns> row{};
    for (int k = 0; k < kStringCount; ++k) row[k] = c.notes[k];
    row[kNoteLengthColumn] = c.length;
    image.chordRows.push_back(row);
    image.fretRows.push_back(c.frets);
  }
  return image;
}

// The open E major shape of the 60-byte example file, as a quarter note.
inline const TestChord kOpenE = {{40, 47, 52, 56, 59, 64}, {0, 2, 2, 1, 0, 0}, 50};
// Am7 over G, 3x2210.
inline const TestChord kAm7OverG = {{43, 0, 52, 57, 60, 64}, {3, 0, 2, 2, 1, 0}, 50};

// Every <tag ...>...</tag> element of `xml`, in order (not nested in itself).
inline std::vector<std::string> Elements(const std::string& xml, const std::string& tag) {
  std::vector<std::string> found;
  const std::string open = "<" + tag, close = "</" + tag + ">";
  for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
    const char next = at + open.size() < xml.size() ? xml[at + open.size()] : '\0';
    if (next != '>' && next != ' ') continue;
    const std::size_t end = xml.find(close, at);
    if (end == std::string::npos) break;
    found.push_back(xml.substr(at, end + close.size() - at));
  }
  return found;
}

// The text inside the first <tag> of `xml`, or "" when there is none.
inline std::string Inner(const std::string& xml, const std::string& tag) {
  const std::string open = "<" + tag + ">", close = "</" + tag + ">";
  const std::size_t at = xml.find(open);
  if (at == std::string::npos) return "";
  const std::size_t from = at + open.size();
  return xml.substr(from, xml.find(close, from) - from);
}

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace fretlab::testing
