// Note names: letters and accidentals, typed names, octaves, the ♯/♭ choice.

#include "theory/spelling.h"

#include <gtest/gtest.h>

#include <string>

namespace fretlab {
namespace {

constexpr int C = 0, D = 1, E = 2, F = 3, G = 4, A = 5, B = 6;

TEST(Spelling, PitchClassFoldsAnyNumberOfSemitones) {
  EXPECT_EQ(PitchClass(0), 0);
  EXPECT_EQ(PitchClass(60), 0);    // middle C
  EXPECT_EQ(PitchClass(61), 1);
  EXPECT_EQ(PitchClass(127), 7);   // G9, the highest MIDI note
  EXPECT_EQ(PitchClass(-1), 11);   // a semitone below C is B
  EXPECT_EQ(PitchClass(-12), 0);
  EXPECT_EQ(PitchClass(-13), 11);
  for (int n = -30; n <= 30; ++n) {
    EXPECT_GE(PitchClass(n), 0) << n;
    EXPECT_LT(PitchClass(n), 12) << n;
    EXPECT_EQ(PitchClass(n + 12), PitchClass(n)) << n;
  }
}

TEST(Spelling, PitchClassOfLetterAndAccidental) {
  EXPECT_EQ((SpelledNote{C, 0}).PitchClass(), 0);
  EXPECT_EQ((SpelledNote{B, 1}).PitchClass(), 0);    // B♯
  EXPECT_EQ((SpelledNote{C, -1}).PitchClass(), 11);  // C♭
  EXPECT_EQ((SpelledNote{F, 2}).PitchClass(), 7);    // F double sharp
  EXPECT_EQ((SpelledNote{B, -2}).PitchClass(), 9);   // B double flat
  EXPECT_EQ((SpelledNote{E, 1}).PitchClass(), 5);    // E♯
}

TEST(Spelling, NamesInBothSignStyles) {
  EXPECT_EQ(NoteName({D, -1}), "D\u266D");
  EXPECT_EQ(NoteName({F, 1}), "F\u266F");
  EXPECT_EQ(NoteName({G, 0}), "G");
  EXPECT_EQ(NoteName({C, 2}), "C\u266F\u266F");
  EXPECT_EQ(NoteName({B, -2}), "B\u266D\u266D");
  EXPECT_EQ(NoteName({D, -1}, SignStyle::kAscii), "Db");
  EXPECT_EQ(NoteName({C, 2}, SignStyle::kAscii), "C##");
}

TEST(Spelling, OctaveBelongsToTheLetter) {
  EXPECT_EQ(NoteNameWithOctave(60, {C, 0}), "C4");
  EXPECT_EQ(NoteNameWithOctave(40, {E, 0}), "E2");
  EXPECT_EQ(NoteNameWithOctave(60, {B, 1}, SignStyle::kAscii), "B#3");
  EXPECT_EQ(NoteNameWithOctave(59, {C, -1}, SignStyle::kAscii), "Cb4");
  EXPECT_EQ(NoteNameWithOctave(61, {D, -1}, SignStyle::kAscii), "Db4");
  EXPECT_EQ(NoteNameWithOctave(0, {C, 0}), "C-1");
}

TEST(Spelling, ParsesTypedNames) {
  EXPECT_EQ(ParseNoteName("C"), (SpelledNote{C, 0}));
  EXPECT_EQ(ParseNoteName("c#"), (SpelledNote{C, 1}));
  EXPECT_EQ(ParseNoteName("Db"), (SpelledNote{D, -1}));
  EXPECT_EQ(ParseNoteName("bb"), (SpelledNote{B, -1}));  // the letter b, then a flat
  EXPECT_EQ(ParseNoteName("E\u266D"), (SpelledNote{E, -1}));
  EXPECT_EQ(ParseNoteName("F\u266F"), (SpelledNote{F, 1}));
  EXPECT_EQ(ParseNoteName("G##"), (SpelledNote{G, 2}));
  EXPECT_EQ(ParseNoteName("Abb"), (SpelledNote{A, -2}));
  for (const char* bad : {"", "H", "#", "C###", "Cbbb", "C#b", "C #", " C", "C4", "Do", "cis"}) {
    EXPECT_FALSE(ParseNoteName(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(Spelling, EveryNameParsesBack) {
  for (int letter = 0; letter < 7; ++letter) {
    for (int accidental = -2; accidental <= 2; ++accidental) {
      const SpelledNote note{letter, accidental};
      EXPECT_EQ(ParseNoteName(NoteName(note)), note);
      EXPECT_EQ(ParseNoteName(NoteName(note, SignStyle::kAscii)), note);
    }
  }
}

TEST(Spelling, PreferenceSpellsBlackKeysOnly) {
  const char* sharps[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  const char* flats[12] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
  for (int pc = 0; pc < 12; ++pc) {
    const SpelledNote s = SpellPitchClass(pc, Accidentals::kSharps);
    const SpelledNote f = SpellPitchClass(pc, Accidentals::kFlats);
    EXPECT_EQ(NoteName(s, SignStyle::kAscii), sharps[pc]);
    EXPECT_EQ(NoteName(f, SignStyle::kAscii), flats[pc]);
    EXPECT_EQ(s.PitchClass(), pc);
    EXPECT_EQ(f.PitchClass(), pc);
  }
  EXPECT_EQ(SpellPitchClass(-1, Accidentals::kFlats), (SpelledNote{B, 0}));
  EXPECT_EQ(SpellPitchClass(13, Accidentals::kFlats), (SpelledNote{D, -1}));
}

TEST(Spelling, KeyNamesAndMixedNamesForTheBlackKeys) {
  const char* keys[12] = {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
  const char* mixed[12] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
  for (int pc = 0; pc < 12; ++pc) {
    const SpelledNote k = SpellPitchClass(pc, Accidentals::kKeyNames);
    const SpelledNote m = SpellPitchClass(pc, Accidentals::kMixed);
    EXPECT_EQ(NoteName(k, SignStyle::kAscii), keys[pc]);
    EXPECT_EQ(NoteName(m, SignStyle::kAscii), mixed[pc]);
    EXPECT_EQ(k.PitchClass(), pc);
    EXPECT_EQ(m.PitchClass(), pc);
  }
  EXPECT_EQ(NoteName(SpellPitchClass(13, Accidentals::kMixed)), "C\u266F");
  EXPECT_EQ(NoteName(SpellPitchClass(-2, Accidentals::kKeyNames)), "B\u266D");
}

// The naming options: English letters in either sign style; a bare style
// and the full options write the same.
TEST(Spelling, NamingOptions) {
  const SpelledNote dFlat{D, -1};
  EXPECT_EQ(NoteName(dFlat, NoteNaming{}), "D\u266D");
  EXPECT_EQ(NoteName(dFlat, NoteNaming{SignStyle::kAscii, NamingSystem::kEnglish}), "Db");
  EXPECT_EQ(NoteNameWithOctave(61, dFlat, NoteNaming{SignStyle::kAscii}), "Db4");
  for (int letter = 0; letter < 7; ++letter) {
    for (int accidental = -2; accidental <= 2; ++accidental) {
      const SpelledNote note{letter, accidental};
      for (SignStyle style : {SignStyle::kUnicode, SignStyle::kAscii}) {
        const std::string name = NoteName(note, NoteNaming{style, NamingSystem::kEnglish});
        EXPECT_EQ(NoteName(note, style), name);
        EXPECT_EQ(name.substr(0, 1), std::string(1, "CDEFGAB"[letter]));
        EXPECT_EQ(name.substr(1), AccidentalSigns(accidental, style));
      }
    }
  }
  EXPECT_EQ(AccidentalSigns(-2), "\u266D\u266D");
  EXPECT_EQ(AccidentalSigns(1, SignStyle::kAscii), "#");
  EXPECT_EQ(AccidentalSigns(0), "");
}

TEST(Spelling, OtherEnharmonicSwapsBlackKeysAndNaturalisesTheRest) {
  EXPECT_EQ(OtherEnharmonic({C, 1}), (SpelledNote{D, -1}));
  EXPECT_EQ(OtherEnharmonic({D, -1}), (SpelledNote{C, 1}));
  EXPECT_EQ(OtherEnharmonic({G, -1}), (SpelledNote{F, 1}));
  EXPECT_EQ(OtherEnharmonic({A, 1}), (SpelledNote{B, -1}));
  EXPECT_EQ(OtherEnharmonic({E, 0}), (SpelledNote{E, 0}));
  EXPECT_EQ(OtherEnharmonic({C, -1}), (SpelledNote{B, 0}));
  EXPECT_EQ(OtherEnharmonic({F, 2}), (SpelledNote{G, 0}));
}

TEST(Spelling, SpellOnLetterStopsAtDoubleAccidentals) {
  EXPECT_EQ(SpellOnLetter(B, 0), (SpelledNote{B, 1}));
  EXPECT_EQ(SpellOnLetter(D, 0), (SpelledNote{D, -2}));
  EXPECT_EQ(SpellOnLetter(E, 3), (SpelledNote{E, -1}));
  EXPECT_FALSE(SpellOnLetter(C, 3).has_value());  // would need three sharps
  EXPECT_FALSE(SpellOnLetter(F, 2).has_value());  // would need three flats
  EXPECT_EQ(LetterAbove(A, 2), C);
  EXPECT_EQ(LetterAbove(C, 8), D);  // the ninth
}

TEST(Spelling, AsciiSignsReplacesOnlyTheSigns) {
  EXPECT_EQ(AsciiSigns("Minor 7 \u266D5"), "Minor 7 b5");
  EXPECT_EQ(AsciiSigns("F\u266F \u2014 B\u266D"), "F# \u2014 Bb");
  EXPECT_EQ(AsciiSigns("plain"), "plain");
}

}  // namespace
}  // namespace fretlab
