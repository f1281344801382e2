#pragma once
// Score time for notation: lengths in ticks (480 a quarter note) brought to
// values a score can write, and spans split into tied notes at bar lines.

#include <string_view>
#include <vector>

namespace fretlab {

// The finest value a score writes: a 64th note, 30 ticks.
inline constexpr int kScoreGrid = 30;

// The nearest multiple of kScoreGrid, halves rounded up.
int ToScoreGrid(int ticks);

// A note type with its dots, as MusicXML names it ("quarter", "16th").
struct NotatedValue {
  int ticks = 0;
  std::string_view type;
  int dots = 0;
  friend bool operator==(const NotatedValue&, const NotatedValue&) = default;
};

// The values that together fill [start, end) (ticks, multiples of
// kScoreGrid, start < end), in order, to be tied: never across a bar line
// (bars of `barTicks`), and within a bar the longest value that fits first.
std::vector<NotatedValue> NotatedValues(int start, int end, int barTicks);

}  // namespace fretlab
