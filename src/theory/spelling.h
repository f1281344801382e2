#pragma once
// Note names as a musician writes them: a letter and an accidental, so that
// the same pitch class can be C♯ in one key and D♭ in another. This is the
// one place that knows the letters and their pitches; every other room names
// a note through NoteName and reads one through ParseNoteName.
//
// How to use it:
//   SpelledNote n = SpellPitchClass(1, Accidentals::kFlats);  // D♭
//   NoteName(n)                      -> "D♭"   (Unicode signs, for the screen)
//   NoteName(n, SignStyle::kAscii)   -> "Db"   (for chord symbols, files, the terminal)
//   ParseNoteName("c#")              -> C♯     (letter case ignored, # b ♯ ♭ accepted)
//   NoteNameWithOctave(61, n)        -> "D♭4"  (scientific pitch: 60 = C4)
//   PitchClass(-1)                   -> 11     (any note or number of semitones)
// A key's spelling (which letter each scale note gets) is in key_spelling.h.

#include <optional>
#include <string>
#include <string_view>

namespace fretlab {

// Which accidental a black key gets where no key decides. The Practice
// window's ♯/♭ preference is one of the first two.
enum class Accidentals {
  kSharps,    // C♯ D♯ F♯ G♯ A♯
  kFlats,     // D♭ E♭ G♭ A♭ B♭
  kKeyNames,  // D♭ E♭ F♯ A♭ B♭: the usual names of the keys on them
  kMixed,     // C♯ E♭ F♯ A♭ B♭: sharps for C♯ and F♯, flats for the others
};

// Unicode signs (♯ ♭, doubled for double accidentals) for the screen and the
// pictures; ASCII (# b) for chord symbols, the terminal and file names.
enum class SignStyle { kUnicode, kAscii };

// The letters a name is written in: English (C D E F G A B), German (C D E
// F G A H, with B for B♭, Cis and Des) or fixed solfège (Do Ré Mi Fa Sol La
// Si); see note_naming.h, which also reads them back.
enum class NamingSystem { kEnglish, kGerman, kSolfege };

// How NoteName writes a note. A bare SignStyle converts to English names in
// that style, so NoteName(n, SignStyle::kAscii) reads as it means.
struct NoteNaming {
  SignStyle signs = SignStyle::kUnicode;
  NamingSystem system = NamingSystem::kEnglish;

  constexpr NoteNaming() = default;
  // Not explicit, on purpose: see above.
  constexpr NoteNaming(SignStyle style, NamingSystem names = NamingSystem::kEnglish)
      : signs(style), system(names) {}
};

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

// A white key as its letter; a black key as a sharp or a flat, as
// `preference` has it.
SpelledNote SpellPitchClass(int pitchClass, Accidentals preference);

// A black key's other name (C♯ <-> D♭); any other pitch class gets its
// natural letter back, whatever it was spelled as.
SpelledNote OtherEnharmonic(SpelledNote note);

// The signs alone: "♯", "♭♭", "" (-2..+2; "#", "bb" in ASCII).
std::string AccidentalSigns(int accidental, SignStyle style = SignStyle::kUnicode);
// The one way a note's name is written: "D♭", "Db", "F♯♯".
std::string NoteName(SpelledNote note, NoteNaming naming = {});
// With the octave of scientific pitch notation; B♯3 is note 60, C♭4 is 59.
std::string NoteNameWithOctave(int noteNumber, SpelledNote note, NoteNaming naming = {});

// A letter A..G in either case, then any number of #, b, ♯, ♭ (at most two
// in all). Nothing else, not even blanks.
std::optional<SpelledNote> ParseNoteName(std::string_view text);

// Replaces the Unicode signs ♯ and ♭ by # and b, for matching typed names.
std::string AsciiSigns(std::string_view text);

}  // namespace fretlab
