// Scales of the user's own, typed as degrees or as notes.

#include "theory/user_scale.h"

#include <gtest/gtest.h>

#include "theory/degree_text.h"
#include "theory/key_spelling.h"

namespace fretlab {
namespace {

std::string Names(const CatalogueEntry& entry, int root) {
  const KeySpelling key = KeySpelling::Automatic(root, entry, Accidentals::kSharps);
  std::string out;
  for (int i = 0; i < key.Size(); ++i) out += (i ? " " : "") + NoteName(key.NoteAt(i), SignStyle::kAscii);
  return out;
}

TEST(UserScale, DegreesAndNotesGiveTheSameScale) {
  std::string why;
  const auto byDegrees = ParseUserScale("Gypsy", "1 b2 3 4 5 b6 b7", &why);
  ASSERT_TRUE(byDegrees) << why;
  const auto byNotes = ParseUserScale("Gypsy", "E F G# A B C D", &why);
  ASSERT_TRUE(byNotes) << why;
  EXPECT_EQ(byDegrees->Entry().degrees, byNotes->Entry().degrees);
  EXPECT_EQ(byDegrees->Entry().Steps(), (std::vector<int>{0, 1, 4, 5, 7, 8, 10}));
  EXPECT_EQ(byDegrees->Entry().name, "Gypsy");
  EXPECT_EQ(byDegrees->Entry().parent, ParentKey::kOwn);
  EXPECT_EQ(byDegrees->DegreesText(), "1 b2 3 4 5 b6 b7");
  EXPECT_EQ(Names(byNotes->Entry(), 4), "E F G# A B C D");
  // Its text reads back as the same scale.
  const auto again = ParseUserScale("Gypsy", byDegrees->DegreesText());
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Entry().degrees, byDegrees->Entry().degrees);
}

TEST(UserScale, TheUsersOwnSpellingIsKept) {
  // A♯ rather than B♭ over C, as typed: the scale's letters follow.
  const auto sharp = ParseUserScale("Mine", "C D E F# G A# B");
  ASSERT_TRUE(sharp);
  EXPECT_EQ(sharp->DegreesText(), "1 2 3 #4 5 #6 7");
  EXPECT_EQ(Names(sharp->Entry(), 0), "C D E F# G A# B");
  const auto flat = ParseUserScale("Mine", "R, 2, 3, #4, 5, b7, 7");
  ASSERT_TRUE(flat);
  EXPECT_EQ(Names(flat->Entry(), 0), "C D E F# G Bb B");
  // ♯/♭ signs, any order, ninths read an octave down, the root added.
  const auto loose = ParseUserScale(" Loose ", "\u266D7 9 \u266F11 5 3");
  ASSERT_TRUE(loose);
  EXPECT_EQ(loose->Name(), "Loose");
  EXPECT_EQ(loose->DegreesText(), "1 2 3 #4 5 b7");
}

TEST(UserScale, EachRefusalIsOneSentenceNamingTheFault) {
  struct Case {
    const char* name;
    const char* notes;
    const char* mention;
  };
  const Case cases[] = {
      {"", "1 2 3", "name"},
      {"Dorian", "1 2 b3 4 5 6 b7", "Fretlab's own"},
      {"natural MINOR (aeolian)", "1 2 3", "another name"},
      {"x", "", "type the scale's notes"},
      {"x", "1 2 h3", "\"h3\""},
      {"x", "C D 3", "\"3\""},
      {"x", "1 b3 #2 5", "b3 and #2 are the same note"},
      {"x", "C E", "at least 3 notes"},
      {"x", "C E c", "C and c are the same note"},
      {"x", "1 14", "\"14\""},
      {"This name is far too long for any list to show", "1 2 3", "40"},
  };
  for (const Case& c : cases) {
    std::string why;
    EXPECT_FALSE(ParseUserScale(c.name, c.notes, &why)) << c.notes;
    EXPECT_NE(why.find(c.mention), std::string::npos) << why;
    EXPECT_EQ(why.find('\n'), std::string::npos) << why;
  }
}

TEST(DegreeText, ReadsDegreesAsMusiciansTypeThem) {
  EXPECT_EQ(ParseDegree("R"), (Degree{1, 0}));
  EXPECT_EQ(ParseDegree(" b3 "), (Degree{3, -1}));
  EXPECT_EQ(ParseDegree("\u266F4"), (Degree{4, 1}));
  EXPECT_EQ(ParseDegree("bb7"), (Degree{7, -2}));
  EXPECT_EQ(ParseDegree("b13"), (Degree{13, -1}));
  for (const char* bad : {"", "b", "14", "0", "3b", "x3", "bbb7"}) {
    EXPECT_FALSE(ParseDegree(bad)) << bad;
  }
}

}  // namespace
}  // namespace fretlab
