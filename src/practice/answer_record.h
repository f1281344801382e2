#pragma once
// One answer as the history keeps it, and the schedule's memory of one item.
// Plain data, shared by the drills (which make them), the weighting (which
// learns from them) and the history store (which writes them to disk).

#include <optional>
#include <string>
#include <string_view>

namespace fretlab::practice {

inline constexpr int kNoPosition = -1;

// How an answer was given: a click or a name button pressed with the
// pointer, a key (Enter on the neck's cursor, a typed name, a name button
// pressed from the keyboard), a MIDI instrument's note, or a note played
// and heard through the sound input.
enum class AnswerInput { kMouse, kKeyboard, kMidi, kAudio };

// "mouse", "keyboard", "midi", "audio": as the history stores them.
std::string_view InputWord(AnswerInput input);
std::optional<AnswerInput> InputFromWord(std::string_view word);

struct AnswerRecord {
  std::string drill;   // the drill's key, e.g. "name-note" (see drill.h)
  std::string tuning;  // the open notes low to high, e.g. "E2 A2 D3 G3 B3 E4"
  // 1 = the highest string, as guitarists count; fret 0 = the open string
  // (absolute, not counted from a capo). kNoPosition for an answer given
  // without a position (a name typed, a MIDI note outside the range).
  int string = kNoPosition;
  int fret = kNoPosition;
  std::string asked;     // what the question asked for: "C♯", "♭3", "E4", "3/5"
  std::string answered;  // what the user gave: "C♯", "D♭", "2/6", …
  bool correct = false;
  int ms = 0;  // response time in milliseconds, >= 0
  AnswerInput input = AnswerInput::kMouse;
};

// What the weighting counts an answer against: for the drills that show a
// position and ask for its name or degree, the position ("3/5" = string 3,
// fret 5); for the others what was asked (a note, a degree, a pitch, a
// chord). Derived, so the history can rebuild the schedule from its answers.
std::string ItemKey(const AnswerRecord& record);
std::string PositionItem(int string, int fret);

// What the schedule remembers of one item of one drill in one tuning.
struct ItemState {
  int box = 0;             // Leitner box 0..kTopBox, 0 = not known yet
  int seen = 0;            // answers counted
  int errors = 0;          // wrong ones among them
  double meanMs = 0;       // running mean of the response time, milliseconds
  long long lastSeen = 0;  // when last answered, ms since the Unix epoch; 0 = never
};

}  // namespace fretlab::practice
