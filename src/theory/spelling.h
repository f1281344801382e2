#pragma once
// Note names as a musician writes them: a letter and an accidental, so that
// the same pitch class can be C♯ in one key and D♭ in another.
//
// How to use it:
//   SpelledNote n = SpellPitchClass(1, Accidentals::kFlats);  // D♭
//   NoteName(n)                      -> "D♭"   (NoteName(n, SignStyle::kAscii) -> "Db")
//   ParseNoteName("c#")              -> C♯     (letter case ignored, # b ♯ ♭ accepted)
//   NoteNameWithOctave(61, n)        -> "D♭4"  (scientific pitch: 60 = C4)
// A key's spelling (which letter each scale note gets) is in key_spelling.h.

#include <optional>
#include <string>
#include <string_view>

namespace fretlab {

// Which accidental a black key gets where no key decides (the chromatic view).
enum class Accidentals { kSharps, kFlats };

// Unicode signs (♯ ♭, doubled for double accidentals) for the screen and the
// pictures; ASCII (# b) for the terminal and file names.
enum class SignStyle { kUnicode, kAscii };

inline constexpr int kLetterCount = 7;

// Pitch class 0..11 (0 = C) of a MIDI note number, or of any number of
// semitones above C, negative ones included (-1 is B).
constexpr int PitchClass(int semitones) { return ((semitones % 12) + 12) % 12; }

struct SpelledNote {
  int letter = 0;      // 0..6 = C D E F G A B
  int accidental = 0;  // semitones, -2..+2: -1 = flat, +1 = sharp

  int PitchClass() const;  // 0..11, 0 = C
  friend bool operator==(const SpelledNote&, const SpelledNote&) = default;
};

// Pitch class 0..11 of a letter without accidental (C = 0, D = 2, ... B = 11).
int NaturalPitchClass(int letter);

// The letter `steps` letters above `letter` (0..6), wrapping after B.
int LetterAbove(int letter, int steps);

// The spelling of `pitchClass` on `letter`: the accidental, -6..+5 folded to
// the nearest, that takes the letter to the pitch class. Returns nothing when
// that needs more than a double accidental.
std::optional<SpelledNote> SpellOnLetter(int letter, int pitchClass);

// A white key as its letter; a black key as a sharp or a flat.
SpelledNote SpellPitchClass(int pitchClass, Accidentals preference);

// A black key's other name (C♯ <-> D♭); any other pitch class gets its
// natural letter back, whatever it was spelled as.
SpelledNote OtherEnharmonic(SpelledNote note);

std::string AccidentalSigns(int accidental, SignStyle style = SignStyle::kUnicode);
std::string NoteName(SpelledNote note, SignStyle style = SignStyle::kUnicode);
// With the octave of scientific pitch notation; B♯3 is note 60, C♭4 is 59.
std::string NoteNameWithOctave(int noteNumber, SpelledNote note,
                               SignStyle style = SignStyle::kUnicode);

// A letter A..G in either case, then any number of #, b, ♯, ♭ (at most two
// in all). Nothing else, not even blanks.
std::optional<SpelledNote> ParseNoteName(std::string_view text);

// Replaces the Unicode signs ♯ and ♭ by # and b, for matching typed names.
std::string AsciiSigns(std::string_view text);

}  // namespace fretlab
