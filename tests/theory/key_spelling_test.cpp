// Spelling a key: every scale note on its own letter, checked against the
// written key signatures; the enharmonic root; borrowed spellings.

#include "theory/key_spelling.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace fretlab {
namespace {

constexpr int kMajor = 1, kMinor = 4, kHarmonicMinor = 7;

std::string Names(const KeySpelling& key) {
  std::string text;
  for (int i = 0; i < key.Size(); ++i) {
    if (i > 0) text += ' ';
    text += NoteName(key.NoteAt(i), SignStyle::kAscii);
  }
  return text;
}

KeySpelling Explicit(const char* root, int scale) {
  return KeySpelling(*ParseNoteName(root), Scales()[scale], Accidentals::kSharps);
}

// The key signatures as printed: the number of sharps (F C G D A E B) or
// flats (B E A D G C F) of each of the 15 major and 15 minor keys.
struct Signature {
  const char* root;
  int scale;
  int accidentals;  // > 0 sharps, < 0 flats
};
constexpr Signature kSignatures[] = {
    {"C", kMajor, 0},   {"G", kMajor, 1},   {"D", kMajor, 2},   {"A", kMajor, 3},
    {"E", kMajor, 4},   {"B", kMajor, 5},   {"F#", kMajor, 6},  {"C#", kMajor, 7},
    {"F", kMajor, -1},  {"Bb", kMajor, -2}, {"Eb", kMajor, -3}, {"Ab", kMajor, -4},
    {"Db", kMajor, -5}, {"Gb", kMajor, -6}, {"Cb", kMajor, -7},
    {"A", kMinor, 0},   {"E", kMinor, 1},   {"B", kMinor, 2},   {"F#", kMinor, 3},
    {"C#", kMinor, 4},  {"G#", kMinor, 5},  {"D#", kMinor, 6},  {"A#", kMinor, 7},
    {"D", kMinor, -1},  {"G", kMinor, -2},  {"C", kMinor, -3},  {"F", kMinor, -4},
    {"Bb", kMinor, -5}, {"Eb", kMinor, -6}, {"Ab", kMinor, -7},
};

TEST(KeySpelling, EveryKeyMatchesItsWrittenSignature) {
  const std::string sharpOrder = "FCGDAEB", flatOrder = "BEADGCF";
  for (const Signature& sig : kSignatures) {
    const KeySpelling key = Explicit(sig.root, sig.scale);
    std::set<char> sharpened, flattened, letters;
    for (int i = 0; i < 7; ++i) {
      const std::string name = NoteName(key.NoteAt(i), SignStyle::kAscii);
      letters.insert(name[0]);
      if (key.NoteAt(i).accidental == 1) sharpened.insert(name[0]);
      if (key.NoteAt(i).accidental == -1) flattened.insert(name[0]);
      EXPECT_LE(std::abs(key.NoteAt(i).accidental), 1) << sig.root << " " << name;
    }
    EXPECT_EQ(letters.size(), 7u) << sig.root << ": " << Names(key);
    const int n = sig.accidentals;
    const std::string expected = n > 0 ? sharpOrder.substr(0, n) : flatOrder.substr(0, -n);
    const std::set<char> wanted(expected.begin(), expected.end());
    EXPECT_EQ(n >= 0 ? sharpened : flattened, wanted) << sig.root << ": " << Names(key);
    EXPECT_TRUE(n >= 0 ? flattened.empty() : sharpened.empty()) << sig.root << ": " << Names(key);
    EXPECT_EQ(key.AccidentalCount(), std::abs(n)) << sig.root;
  }
}

TEST(KeySpelling, AutomaticRootTakesTheKeyWithFewerAccidentals) {
  const char* major[12] = {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
  const char* minor[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
  for (int pc = 0; pc < 12; ++pc) {
    const SpelledNote m = AutomaticRoot(pc, Scales()[kMajor], Accidentals::kFlats);
    const SpelledNote n = AutomaticRoot(pc, Scales()[kMinor], Accidentals::kFlats);
    EXPECT_EQ(NoteName(m, SignStyle::kAscii), major[pc]) << "major on " << pc;
    EXPECT_EQ(NoteName(n, SignStyle::kAscii), minor[pc]) << "minor on " << pc;
  }
}

TEST(KeySpelling, WrittenExamples) {
  EXPECT_EQ(Names(KeySpelling::Automatic(5, Scales()[kMajor], Accidentals::kSharps)),
            "F G A Bb C D E");
  EXPECT_EQ(Names(KeySpelling::Automatic(4, Scales()[kHarmonicMinor], Accidentals::kFlats)),
            "E F# G A B C D#");
  EXPECT_EQ(Names(Explicit("Gb", kMajor)), "Gb Ab Bb Cb Db Eb F");
  EXPECT_EQ(Names(KeySpelling::Automatic(6, Scales()[kMajor], Accidentals::kFlats)),
            "F# G# A# B C# D# E#");
  EXPECT_EQ(Names(Explicit("G#", kHarmonicMinor)), "G# A# B C# D# E F##");
  EXPECT_EQ(Names(KeySpelling::Automatic(2, Scales()[3], Accidentals::kSharps)),
            "D E F G A B C");  // Dorian
  EXPECT_EQ(Names(KeySpelling::Automatic(5, Scales()[0], Accidentals::kSharps)),
            "F G A B C D E");  // Lydian
}

TEST(KeySpelling, EverySevenNoteScaleOnEveryRootUsesEachLetterOnce) {
  for (int scale = 0; scale < 9; ++scale) {
    for (int pc = 0; pc < 12; ++pc) {
      const KeySpelling key = KeySpelling::Automatic(pc, Scales()[scale], Accidentals::kSharps);
      std::set<int> letters;
      for (int i = 0; i < 7; ++i) {
        letters.insert(key.NoteAt(i).letter);
        EXPECT_EQ(key.NoteAt(i).PitchClass(), (pc + Scales()[scale].Steps()[i]) % 12);
      }
      EXPECT_EQ(letters.size(), 7u) << Scales()[scale].name << " on " << pc << ": " << Names(key);
      // The automatic root is never worse than its enharmonic twin.
      const KeySpelling twin(OtherEnharmonic(key.Root()), Scales()[scale], Accidentals::kSharps);
      EXPECT_LE(key.AccidentalCount(), twin.AccidentalCount()) << Names(key) << " / " << Names(twin);
    }
  }
}

TEST(KeySpelling, PentatonicsBluesAndChordsBorrowTheirParentKey) {
  EXPECT_EQ(Names(KeySpelling::Automatic(1, Scales()[10], Accidentals::kFlats)),
            "C# E F# G# B");  // minor pentatonic: C♯ minor, not D♭
  EXPECT_EQ(Names(KeySpelling::Automatic(1, Scales()[9], Accidentals::kSharps)),
            "Db Eb F Ab Bb");  // major pentatonic: D♭ major, not C♯
  EXPECT_EQ(Names(KeySpelling::Automatic(9, Scales()[11], Accidentals::kSharps)),
            "A C D Eb E G");  // blues, its ♭5 on the fifth's letter
  EXPECT_EQ(Names(KeySpelling::Automatic(0, ChordFormulas()[21], Accidentals::kSharps)),
            "C Eb Gb Bb");  // m7♭5
  EXPECT_EQ(Names(KeySpelling::Automatic(8, ChordFormulas()[4], Accidentals::kSharps)),
            "Ab C Eb G");  // maj7 on A♭, not G♯
  EXPECT_EQ(Names(KeySpelling::Automatic(0, ChordFormulas()[30], Accidentals::kSharps)),
            "C Eb Gb Bbb");  // dim7 keeps the seventh's letter
  EXPECT_EQ(Names(KeySpelling::Automatic(2, ChordFormulas()[13], Accidentals::kSharps)),
            "D F# A C# E G");  // maj11 in the order of the formula
  // Every chord tone that belongs to the parent key is written as the key
  // writes it, on every root.
  for (int row = 0; row < 34; ++row) {
    const CatalogueEntry& chord = ChordFormulas()[row];
    const CatalogueEntry& parent = Scales()[chord.parent == ParentKey::kMinor ? kMinor : kMajor];
    for (int pc = 0; pc < 12; ++pc) {
      const KeySpelling key = KeySpelling::Automatic(pc, chord, Accidentals::kSharps);
      const KeySpelling home(key.Root(), parent, Accidentals::kSharps);
      EXPECT_EQ(key.Root(), AutomaticRoot(pc, parent, Accidentals::kFlats)) << chord.name;
      for (int i = 0; i < key.Size(); ++i) {
        const int at = home.IndexOfPitchClass(key.NoteAt(i).PitchClass());
        if (at >= 0 && home.DegreeAt(at).LetterSteps() == key.DegreeAt(i).LetterSteps()) {
          EXPECT_EQ(key.NoteAt(i), home.NoteAt(at)) << chord.name << " on " << pc;
        }
      }
    }
  }
}

TEST(KeySpelling, TheBlueNoteTakesTheSimplerOfFlatFiveAndSharpFour) {
  const CatalogueEntry& blues = Scales()[11];
  const auto automatic = [&](int pc) { return KeySpelling::Automatic(pc, blues, Accidentals::kSharps); };
  EXPECT_EQ(Names(automatic(5)), "F Ab Bb B C Eb");  // not C♭
  EXPECT_EQ(IntervalLabel(automatic(5).DegreeAt(3)), "\u266F4");
  EXPECT_EQ(Names(automatic(9)), "A C D Eb E G");  // a tie keeps the ♭5
  EXPECT_EQ(IntervalLabel(automatic(9).DegreeAt(3)), "\u266D5");
  EXPECT_EQ(Names(automatic(10)), "Bb Db Eb E F Ab");  // not F♭
  EXPECT_EQ(Names(automatic(4)), "E G A Bb B D");
  EXPECT_EQ(Names(automatic(3)), "D# F# G# A A# C#");  // not G𝄪
  // Every root, in either spelling: the blue note is never written with
  // more signs than its other name would need.
  for (int letter = 0; letter < kLetterCount; ++letter) {
    for (int accidental = -1; accidental <= 1; ++accidental) {
      const SpelledNote root{letter, accidental};
      const KeySpelling key(root, blues, Accidentals::kFlats);
      const Degree blue = key.DegreeAt(3);
      EXPECT_EQ(blue.Semitones(), 6);
      const Degree other = blue.number == 5 ? Degree{4, 1} : Degree{5, -1};
      const auto otherNote = SpellOnLetter(LetterAbove(letter, other.LetterSteps()),
                                           key.NoteAt(3).PitchClass());
      const int otherSigns = otherNote ? std::abs(otherNote->accidental) : 3;
      EXPECT_LE(std::abs(key.NoteAt(3).accidental), otherSigns) << NoteName(root) << ": " << Names(key);
      EXPECT_EQ(key.NoteAt(3).letter, LetterAbove(letter, blue.LetterSteps())) << Names(key);
    }
  }
}

// C♭, F♭, E♯, B♯ or a double accidental.
bool OddSpelling(SpelledNote n) {
  return std::abs(n.accidental) > 1 || (n.accidental == -1 && (n.letter == 0 || n.letter == 3)) ||
         (n.accidental == 1 && (n.letter == 2 || n.letter == 6));
}

TEST(KeySpelling, PentatonicBluesAndChromaticViewsNeedNoOddSpellingTheKeyDoesNotHave) {
  for (int entry : {9, 10, 11, kCatalogueChromatic}) {
    const CatalogueEntry& e = Scales()[entry];
    const CatalogueEntry& parent = Scales()[e.parent == ParentKey::kMinor ? kMinor : kMajor];
    for (Accidentals preference : {Accidentals::kSharps, Accidentals::kFlats}) {
      // The roots the window chooses by itself: no odd name at all, neither
      // on the marks nor for any other note of the neck.
      for (int pc = 0; pc < 12; ++pc) {
        const KeySpelling key = KeySpelling::Automatic(pc, e, preference);
        for (int other = 0; other < 12; ++other) {
          EXPECT_FALSE(OddSpelling(key.Spell(other))) << e.name << " on " << pc << ": " << Names(key);
        }
      }
      // A root spelled by hand: only what its own key writes (C♭ major
      // pentatonic has C♭; G♭ minor pentatonic B𝄫).
      for (int letter = 0; letter < kLetterCount; ++letter) {
        for (int accidental = -1; accidental <= 1; ++accidental) {
          const SpelledNote root{letter, accidental};
          const KeySpelling key(root, e, preference);
          const KeySpelling home(root, parent, preference);
          for (int other = 0; other < 12; ++other) {
            const SpelledNote n = key.Spell(other);
            if (!OddSpelling(n)) continue;
            const bool keyHasIt = e.chromatic ? n == root : home.Spell(other) == n;
            EXPECT_TRUE(keyHasIt) << e.name << " on " << NoteName(root) << ": " << NoteName(n);
          }
        }
      }
    }
  }
  const KeySpelling cFlat(SpelledNote{0, -1}, Scales()[9], Accidentals::kSharps);
  EXPECT_EQ(Names(cFlat), "Cb Db Eb Gb Ab");
}

TEST(KeySpelling, ChromaticViewFollowsThePreference) {
  const CatalogueEntry& chromatic = Scales()[kCatalogueChromatic];
  const KeySpelling sharps = KeySpelling::Automatic(0, chromatic, Accidentals::kSharps);
  const KeySpelling flats = KeySpelling::Automatic(0, chromatic, Accidentals::kFlats);
  EXPECT_EQ(Names(sharps), "C C# D D# E F F# G G# A A# B");
  EXPECT_EQ(Names(flats), "C Db D Eb E F Gb G Ab A Bb B");
  EXPECT_EQ(IntervalLabel(sharps.DegreeAt(6)), "\u266F4");
  EXPECT_EQ(IntervalLabel(flats.DegreeAt(6)), "\u266D5");
  EXPECT_EQ(IntervalLabel(sharps.DegreeAt(8)), "\u266F5");
  EXPECT_EQ(IntervalLabel(flats.DegreeAt(8)), "\u266D6");
  EXPECT_EQ(NoteName(KeySpelling::Automatic(3, chromatic, Accidentals::kFlats).Root()), "E\u266D");
  EXPECT_EQ(NoteName(KeySpelling::Automatic(3, chromatic, Accidentals::kSharps).Root()), "D\u266F");
}

TEST(KeySpelling, NotesOutsideTheChoiceFollowTheKeySignature) {
  const KeySpelling fMajor = KeySpelling::Automatic(5, Scales()[kMajor], Accidentals::kSharps);
  EXPECT_EQ(NoteName(fMajor.Spell(8), SignStyle::kAscii), "Ab");
  EXPECT_EQ(NoteName(fMajor.Spell(10), SignStyle::kAscii), "Bb");  // its own note
  const KeySpelling gMajor = KeySpelling::Automatic(7, Scales()[kMajor], Accidentals::kFlats);
  EXPECT_EQ(NoteName(gMajor.Spell(10), SignStyle::kAscii), "A#");
  const KeySpelling cMajor = KeySpelling::Automatic(0, Scales()[kMajor], Accidentals::kFlats);
  EXPECT_EQ(NoteName(cMajor.Spell(1), SignStyle::kAscii), "Db");
  const KeySpelling cSharps = KeySpelling::Automatic(0, Scales()[kMajor], Accidentals::kSharps);
  EXPECT_EQ(NoteName(cSharps.Spell(1), SignStyle::kAscii), "C#");
  EXPECT_EQ(cMajor.IndexOfPitchClass(1), -1);
  EXPECT_EQ(cMajor.IndexOfPitchClass(7), 4);
  EXPECT_EQ(cMajor.IndexOfPitchClass(19), 4);  // pitch classes fold
}

}  // namespace
}  // namespace fretlab
