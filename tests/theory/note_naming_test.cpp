// Note names in German and in fixed solfège, as musicians who read them
// write them, and read back from what they type.

#include "theory/note_naming.h"

#include <gtest/gtest.h>

namespace fretlab {
namespace {

constexpr NoteNaming kGermanNames{SignStyle::kUnicode, NamingSystem::kGerman};
constexpr NoteNaming kSolfegeNames{SignStyle::kUnicode, NamingSystem::kSolfege};

SpelledNote Note(int letter, int accidental) { return SpelledNote{letter, accidental}; }

TEST(NoteNamingTest, GermanHasHForBAndBForBFlatAndSuffixesForTheSigns) {
  EXPECT_EQ(NoteName(Note(6, 0), kGermanNames), "H");
  EXPECT_EQ(NoteName(Note(6, -1), kGermanNames), "B");
  EXPECT_EQ(NoteName(Note(6, -2), kGermanNames), "Heses");
  EXPECT_EQ(NoteName(Note(6, 1), kGermanNames), "His");
  EXPECT_EQ(NoteName(Note(0, 1), kGermanNames), "Cis");
  EXPECT_EQ(NoteName(Note(1, -1), kGermanNames), "Des");
  EXPECT_EQ(NoteName(Note(2, -1), kGermanNames), "Es");
  EXPECT_EQ(NoteName(Note(5, -1), kGermanNames), "As");
  EXPECT_EQ(NoteName(Note(2, -2), kGermanNames), "Eses");
  EXPECT_EQ(NoteName(Note(5, -2), kGermanNames), "Asas");
  EXPECT_EQ(NoteName(Note(3, 2), kGermanNames), "Fisis");
  EXPECT_EQ(NoteName(Note(4, -2), kGermanNames), "Geses");
  EXPECT_EQ(NoteName(Note(5, 0), kGermanNames), "A");
  // The octave follows the letter as in English: B♭3 is B3 in German.
  EXPECT_EQ(NoteNameWithOctave(58, Note(6, -1), kGermanNames), "B3");
}

TEST(NoteNamingTest, SolfegeIsFixedDoWithTheSigns) {
  const char* const names[] = {"Do", "R\u00E9", "Mi", "Fa", "Sol", "La", "Si"};
  for (int letter = 0; letter < kLetterCount; ++letter) {
    EXPECT_EQ(NoteName(Note(letter, 0), kSolfegeNames), names[letter]);
  }
  EXPECT_EQ(NoteName(Note(6, -1), kSolfegeNames), "Si\u266D");
  EXPECT_EQ(NoteName(Note(0, 1), kSolfegeNames), "Do\u266F");
  EXPECT_EQ(NoteName(Note(1, -1), NoteNaming{SignStyle::kAscii, NamingSystem::kSolfege}), "Reb");
}

// Every spelling, double accidentals included, reads back as written, in
// every system, in either letter case.
TEST(NoteNamingTest, EveryNameReadsBackInEverySystem) {
  for (NamingSystem system : {NamingSystem::kEnglish, NamingSystem::kGerman, NamingSystem::kSolfege}) {
    for (SignStyle style : {SignStyle::kUnicode, SignStyle::kAscii}) {
      for (int letter = 0; letter < kLetterCount; ++letter) {
        for (int accidental = -2; accidental <= 2; ++accidental) {
          const SpelledNote note{letter, accidental};
          std::string name = NoteName(note, NoteNaming{style, system});
          EXPECT_EQ(ParseNoteName(name, system), note) << name;
          for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
          EXPECT_EQ(ParseNoteName(name, system), note) << name;
        }
      }
    }
  }
}

TEST(NoteNamingTest, TypedAnswersReadAsTheSystemMeansThem) {
  using enum NamingSystem;
  EXPECT_EQ(ParseNoteName("h", kGerman), Note(6, 0));
  EXPECT_EQ(ParseNoteName("b", kGerman), Note(6, -1));
  EXPECT_EQ(ParseNoteName("b", kEnglish), Note(6, 0));
  EXPECT_EQ(ParseNoteName("F#", kGerman), Note(3, 1)) << "signs after a German letter";
  EXPECT_EQ(ParseNoteName("Eb", kGerman), Note(2, -1));
  EXPECT_EQ(ParseNoteName("Ases", kGerman), Note(5, -2));
  EXPECT_EQ(ParseNoteName("Bb", kGerman), std::nullopt) << "B is B♭ already";
  EXPECT_EQ(ParseNoteName("Fes", kGerman), Note(3, -1));
  EXPECT_EQ(ParseNoteName("Cs", kGerman), std::nullopt);
  EXPECT_EQ(ParseNoteName("sol#", kSolfege), Note(4, 1));
  EXPECT_EQ(ParseNoteName("Re", kSolfege), Note(1, 0));
  EXPECT_EQ(ParseNoteName("SIb", kSolfege), Note(6, -1));
  EXPECT_EQ(ParseNoteName("G", kSolfege), Note(4, 0)) << "the letters are read too";
  EXPECT_EQ(ParseNoteName("so", kSolfege), std::nullopt);
  EXPECT_EQ(ParseNoteName("do x", kSolfege), std::nullopt);
  EXPECT_EQ(ParseNoteName("", kGerman), std::nullopt);
}

}  // namespace
}  // namespace fretlab
