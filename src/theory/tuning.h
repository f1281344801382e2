#pragma once
// A neck: its tuning of 4 to 8 strings and its number of fret positions;
// the presets and tunings typed as notes for the Practice window, and the
// capo. The main window's six-string neck is one such tuning with 24
// positions (fretboard.h).
//
// Strings are counted from 0 at the top of the neck picture, which is the
// thinnest (first) string; a tuning is written from the lowest string up,
// as guitarists do: "E2 A2 D3 G3 B3 E4" has strings[0] = E4 (note 64) and
// strings[5] = E2 (note 40). Octaves are those of scientific pitch (C4 = 60).
//
// How to use it:
//   std::optional<Tuning> t = FindPresetTuning("dadgad");      // case ignored
//   std::optional<Tuning> c = ParseTuning("D2 A2 D3 G3 B3 E4", &error);
//   std::optional<Tuning> any = TuningFromText("Drop D", &error);   // preset or notes
//   t->StringCount(), t->OpenNote(0), t->NoteAt(2, 5)  // string 2 at fret 5
//   TuningNotesText(*t)            -> "D2 A2 D3 G3 A3 D4"
//   StringName(*t, 2)              -> "G"  (as the tuning writes it)
// Frets run from 0 (the open string) to fretPositions - 1, on the Practice
// window's neck 0..24; a capo (0..kMaxCapo) on fret c makes fret c the new
// nut, so nothing below it is played or marked.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "theory/spelling.h"

namespace fretlab {

using StringIndex = int;  // 0 = the top string of the picture (the thinnest)
using FretIndex = int;    // 0 = the open string
using NoteNumber = int;   // MIDI note number, 60 = middle C

struct Position {
  StringIndex string = 0;
  FretIndex fret = 0;
  friend bool operator==(const Position&, const Position&) = default;
};

inline constexpr int kMinStrings = 4;
inline constexpr int kMaxStrings = 8;
// Fret positions on each string, the open string included: the Practice
// window's neck has frets 0..24.
inline constexpr int kFretPositions = 25;
inline constexpr int kMaxCapo = 12;

struct TunedString {
  SpelledNote name;  // as the tuning writes it: E♭ in "Half step down"
  NoteNumber open = 0;
  friend bool operator==(const TunedString&, const TunedString&) = default;
};

struct Tuning {
  std::string name;                 // a preset's name, or the notes (with ♯ ♭) for any other
  std::vector<TunedString> strings;  // index 0 = top of the picture (thinnest string)
  int fretPositions = kFretPositions;  // frets 0..fretPositions - 1 on every string

  int StringCount() const { return static_cast<int>(strings.size()); }
  FretIndex HighestFret() const { return fretPositions - 1; }
  NoteNumber OpenNote(StringIndex s) const { return strings[s].open; }
  NoteNumber NoteAt(StringIndex s, FretIndex f) const { return strings[s].open + f; }
  friend bool operator==(const Tuning&, const Tuning&) = default;
};

// Standard, Drop D, Half step down, Whole step down, Drop C, DADGAD, Open G,
// Open D, Open E, 7-string, Bass; Standard first.
std::span<const Tuning> PresetTunings();
std::optional<Tuning> FindPresetTuning(std::string_view name);

// 4 to 8 notes with octaves, lowest string first, separated by blanks:
// "D2 A2 D3 G3 B3 E4", "Eb2 Ab2 Db3 Gb3 Bb3 Eb4", "B1 E2 A2 D3 G3 B3 E4"
// (♯ and ♭ are read too). Every open note must leave room for 24 frets
// within MIDI's 0..127. Notes that run from high to low (every string
// higher than the next, "E4 B3 G3 D3 A2 E2") are refused, since they would
// turn the neck upside down; a re-entrant tuning ("G4 C4 E4 A4") is a
// tuning. Notes that form a preset get that preset's name; others are named
// by their notes with ♯ and ♭ ("D2 A2 D3 F♯3 A3 C♯4"). On failure, `error`
// (when given) gets one sentence saying what is wrong.
std::optional<Tuning> ParseTuning(std::string_view notes, std::string* error = nullptr);

// Notes typed from the highest string down, turned round for ParseTuning:
// "E4 B3 G3 D3 A2 E2" -> "E2 A2 D3 G3 B3 E4". Nothing for any other text.
std::optional<std::string> LowestStringFirst(std::string_view notes);

// A preset's name, or else notes for ParseTuning.
std::optional<Tuning> TuningFromText(std::string_view text, std::string* error = nullptr);

// "D2 A2 D3 G3 B3 E4": lowest string first, parseable by ParseTuning.
std::string TuningNotesText(const Tuning& tuning, SignStyle style = SignStyle::kAscii);

// The open string's note name without octave: "G", "E♭".
std::string StringName(const Tuning& tuning, StringIndex s, SignStyle style = SignStyle::kUnicode);

// The preset names separated by ", ", for a message listing allowed values.
std::string PresetTuningNames();

}  // namespace fretlab
