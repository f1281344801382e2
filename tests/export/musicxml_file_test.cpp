// The MusicXML score: the part and its instrument, tuning and clef, notes
// with string and fret, durations with ties over bar lines, chord symbols
// with diagrams, and lengths that are no note value.

#include "export/musicxml_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/export_test_support.h"
#include "export/score_durations.h"

namespace fretlab {
namespace {

using testing::Elements;
using testing::Has;
using testing::Image;
using testing::Inner;

// Duration and ties of every note (chord members included) and rest, in order.
struct Written {
  int duration;
  bool rest, chordMember, tieStop, tieStart;
  friend bool operator==(const Written&, const Written&) = default;
};
std::ostream& operator<<(std::ostream& os, const Written& w) {
  return os << (w.rest ? "rest " : w.chordMember ? "+note " : "note ") << w.duration
            << (w.tieStop ? " tie-stop" : "") << (w.tieStart ? " tie-start" : "");
}

std::vector<Written> Notes(const std::string& xml) {
  std::vector<Written> out;
  for (const std::string& note : Elements(xml, "note")) {
    out.push_back({std::stoi(Inner(note, "duration")), Has(note, "<rest"), Has(note, "<chord/>"),
                   Has(note, "<tie type=\"stop\"/>"), Has(note, "<tie type=\"start\"/>")});
  }
  return out;
}

// The start of every chord in ticks: the running sum of durations before
// each note that is not a chord member and not tied from before.
std::vector<int> ChordStarts(const std::string& xml) {
  std::vector<int> starts;
  int at = 0;
  for (const Written& w : Notes(xml)) {
    if (w.chordMember) continue;
    if (!w.rest && !w.tieStop) starts.push_back(at);
    at += w.duration;
  }
  return starts;
}

TEST(MusicXmlTest, TheGuitarPartWithItsInstrumentClefTuningAndTempo) {
  const std::string xml = WriteMusicXml(Image({testing::kOpenE}), "My <song> & \"more\"");
  EXPECT_TRUE(Has(xml, "<score-partwise version=\"4.0\">"));
  EXPECT_EQ(Inner(xml, "work-title"), "My &lt;song&gt; &amp; &quot;more&quot;");
  EXPECT_EQ(Inner(xml, "part-name"), "Guitar");
  EXPECT_TRUE(Has(xml, "<score-instrument id=\"P1-I1\">"));
  EXPECT_TRUE(Has(xml, "<midi-instrument id=\"P1-I1\">"));
  EXPECT_EQ(Inner(xml, "midi-program"), "25");
  EXPECT_EQ(Inner(xml, "divisions"), "480");
  EXPECT_EQ(Inner(xml, "time"), "<beats>4</beats><beat-type>4</beat-type>");
  EXPECT_EQ(Inner(xml, "clef"),
            "<sign>G</sign><line>2</line><clef-octave-change>-1</clef-octave-change>");
  const std::vector<std::string> tuning = Elements(xml, "staff-tuning");
  ASSERT_EQ(tuning.size(), 6u);
  const char* steps[6] = {"E2", "A2", "D3", "G3", "B3", "E4"};
  for (int line = 0; line < 6; ++line) {
    EXPECT_TRUE(Has(tuning[line], "line=\"" + std::to_string(line + 1) + "\"")) << line;
    EXPECT_EQ(Inner(tuning[line], "tuning-step") + Inner(tuning[line], "tuning-octave"),
              steps[line]);
  }
  EXPECT_TRUE(Has(xml, "<sound tempo=\"120\"/>"));
}

TEST(MusicXmlTest, TheExampleChordSoundsItsPitchesWithStringsAndFrets) {
  const std::string xml = WriteMusicXml(Image({testing::kOpenE}), "example");
  const std::vector<std::string> notes = Elements(xml, "note");
  ASSERT_EQ(notes.size(), 7u);  // six notes, then the rest of the bar
  const char* pitches[6] = {
      "<step>E</step><octave>2</octave>", "<step>B</step><octave>2</octave>",
      "<step>E</step><octave>3</octave>", "<step>G</step><alter>1</alter><octave>3</octave>",
      "<step>B</step><octave>3</octave>", "<step>E</step><octave>4</octave>"};
  const int frets[6] = {0, 2, 2, 1, 0, 0};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(Inner(notes[k], "pitch"), pitches[k]);
    EXPECT_EQ(Has(notes[k], "<chord/>"), k > 0);
    EXPECT_EQ(Inner(notes[k], "string"), std::to_string(6 - k));  // 1 = high E
    EXPECT_EQ(Inner(notes[k], "fret"), std::to_string(frets[k]));
    EXPECT_EQ(Inner(notes[k], "type"), "quarter");
  }
  EXPECT_EQ(Notes(xml).back(), (Written{1440, true, false, false, false}));
  EXPECT_EQ(Inner(notes[6], "type"), "half");
  EXPECT_TRUE(Has(notes[6], "<dot/>"));
  EXPECT_EQ(Elements(xml, "measure").size(), 1u);
}

TEST(MusicXmlTest, HarmonyNamesTheChordAndDrawsTheStoredFrets) {
  const std::string xml = WriteMusicXml(
      Image({testing::kAm7OverG,
             {{0, 46, 53, 58, 62, 65}, {0, 1, 3, 3, 3, 1}, 50},    // Bb, A-string barre
             {{48, 55, 60, 64, 67, 72}, {8, 10, 10, 9, 8, 8}, 50}}),  // C, E-form at 8
      "t");
  const std::vector<std::string> harmonies = Elements(xml, "harmony");
  ASSERT_EQ(harmonies.size(), 3u);
  EXPECT_EQ(Inner(harmonies[0], "root"), "<root-step>A</root-step>");
  EXPECT_TRUE(Has(harmonies[0], "<kind text=\"m7\">minor-seventh</kind>"));
  EXPECT_EQ(Inner(harmonies[0], "bass"), "<bass-step>G</bass-step>");
  // Muted strings have no frame-note: strings 6, 4, 3, 2, 1 only.
  const std::vector<std::string> dots = Elements(harmonies[0], "frame-note");
  ASSERT_EQ(dots.size(), 5u);
  EXPECT_EQ(dots[0], "<frame-note><string>6</string><fret>3</fret></frame-note>");
  EXPECT_EQ(dots[1], "<frame-note><string>4</string><fret>2</fret></frame-note>");
  EXPECT_EQ(Inner(harmonies[0], "frame-frets"), "4");
  EXPECT_FALSE(Has(harmonies[0], "<first-fret>"));

  EXPECT_EQ(Inner(harmonies[1], "root"), "<root-step>B</root-step><root-alter>-1</root-alter>");
  EXPECT_TRUE(Has(harmonies[1], "<kind text=\"\">major</kind>"));
  EXPECT_FALSE(Has(harmonies[1], "<bass>"));
  // High on the neck the diagram starts at the barre.
  EXPECT_EQ(Inner(harmonies[2], "first-fret"), "8");
  EXPECT_EQ(Inner(harmonies[2], "frame-frets"), "4");
  EXPECT_TRUE(Has(harmonies[2], "<string>5</string><fret>10</fret>"));
  // Each symbol stands right before its chord's first note.
  EXPECT_TRUE(Has(xml, "</harmony>\n<note><pitch><step>G</step>"));
}

TEST(MusicXmlTest, NotesAreSpelledAsTonesOfTheChord) {
  // Db7 (x43424): Db Ab Cb F Ab; Cb4 sounds as note 59 and sits in octave 4.
  const std::string xml =
      WriteMusicXml(Image({{{0, 49, 56, 59, 65, 68}, {0, 4, 6, 4, 6, 4}, 50}}), "t");
  const std::vector<std::string> notes = Elements(xml, "note");
  ASSERT_GE(notes.size(), 5u);
  EXPECT_EQ(Inner(notes[0], "pitch"), "<step>D</step><alter>-1</alter><octave>3</octave>");
  EXPECT_EQ(Inner(notes[2], "pitch"), "<step>C</step><alter>-1</alter><octave>4</octave>");
  EXPECT_EQ(Inner(notes[3], "pitch"), "<step>F</step><octave>4</octave>");
  EXPECT_TRUE(Has(xml, "<kind text=\"7\">dominant</kind>"));
}

TEST(MusicXmlTest, AnAlteredDominantIsWrittenOverItsRoot) {
  // x3232x: C E Bb Db over C is C7b9, a dominant with an added flat ninth.
  const std::string xml =
      WriteMusicXml(Image({{{0, 48, 52, 58, 61, 0}, {0, 3, 2, 3, 2, 0}, 50}}), "t");
  const std::vector<std::string> harmonies = Elements(xml, "harmony");
  ASSERT_EQ(harmonies.size(), 1u);
  EXPECT_EQ(Inner(harmonies[0], "root"), "<root-step>C</root-step>");
  EXPECT_TRUE(Has(harmonies[0], "<kind text=\"7b9\">dominant</kind>"));
  EXPECT_FALSE(Has(harmonies[0], "<bass>"));
  const std::vector<std::string> degrees = Elements(harmonies[0], "degree");
  ASSERT_EQ(degrees.size(), 1u);
  EXPECT_TRUE(Has(degrees[0], "<degree-value>9</degree-value><degree-alter>-1</degree-alter>"
                              "<degree-type>add</degree-type>"));
  // The notes are spelled as the chord's tones: the ninth is D flat.
  EXPECT_TRUE(Has(xml, "<step>D</step><alter>-1</alter><octave>4</octave>"));
}

TEST(MusicXmlTest, ChordsLongerThanTheirBarAreTiedOverTheBarLine) {
  // A dotted half, then a half that starts on beat 4: a quarter tied to a quarter.
  const std::string xml = WriteMusicXml(
      Image({{{0, 45, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, 150},
             {{0, 0, 52, 0, 0, 0}, {0, 0, 2, 0, 0, 0}, 100}}),
      "t");
  EXPECT_EQ(Notes(xml), (std::vector<Written>{{1440, false, false, false, false},
                                              {480, false, false, false, true},
                                              {480, false, false, true, false},
                                              {1440, true, false, false, false}}));
  EXPECT_EQ(Elements(xml, "measure").size(), 2u);
  EXPECT_TRUE(Has(xml, "<tied type=\"start\"/>"));
  EXPECT_EQ(Elements(xml, "harmony").size(), 0u);  // single notes get no symbol

  // Every note of a chord is tied, each keeping its string.
  const std::string chord =
      WriteMusicXml(Image({{{40, 47, 0, 0, 0, 0}, {0, 2, 0, 0, 0, 0}, 300}}), "t");
  const std::vector<Written> written = Notes(chord);
  ASSERT_EQ(written.size(), 5u);  // 2 notes x (whole, half), then a half rest
  EXPECT_EQ(written[1], (Written{1920, false, true, false, true}));
  EXPECT_EQ(written[3], (Written{960, false, true, true, false}));
}

TEST(MusicXmlTest, OddLengthsComeToTheNearestSixtyFourthWithoutDrift) {
  // 25 chords of length 33: 317 ticks each in the MIDI file, 7925 in all.
  SequenceImage image;
  for (int i = 0; i < 25; ++i) {
    image.chordRows.push_back({0, 45, 0, 0, 0, 0, 33});
    image.fretRows.push_back({0, 0, 0, 0, 0, 0});
  }
  const std::vector<int> starts = ChordStarts(WriteMusicXml(image, "t"));
  ASSERT_EQ(starts.size(), 25u);
  for (int i = 0; i < 25; ++i) {
    EXPECT_LE(std::abs(starts[i] - 317 * i), kScoreGrid / 2) << "chord " << i;
    EXPECT_EQ(starts[i] % kScoreGrid, 0);
  }
  // A chord too short for a 64th still gets one, and the next follows it.
  const std::vector<int> tiny = ChordStarts(WriteMusicXml(
      Image({{{0, 45, 0, 0, 0, 0}, {}, 1}, {{0, 47, 0, 0, 0, 0}, {0, 2, 0, 0, 0, 0}, 50}}), "t"));
  EXPECT_EQ(tiny, (std::vector<int>{0, 30}));
}

TEST(MusicXmlTest, SilentAndZeroLengthChordsWriteNothing) {
  const std::string xml = WriteMusicXml(Image({{{0, 0, 0, 0, 0, 0}, {}, 50},
                                               {{40, 0, 0, 0, 0, 0}, {}, 0},
                                               testing::kOpenE}),
                                        "t");
  EXPECT_EQ(ChordStarts(xml), (std::vector<int>{0}));
  EXPECT_EQ(Elements(xml, "harmony").size(), 1u);

  const std::string empty = WriteMusicXml(SequenceImage{}, "t");
  EXPECT_EQ(Elements(empty, "measure").size(), 1u);
  EXPECT_TRUE(Has(empty, "<rest measure=\"yes\"/><duration>1920</duration>"));
}

TEST(ScoreDurationsTest, SplitsAtBarLinesLongestValueFirst) {
  using V = NotatedValue;
  EXPECT_EQ(NotatedValues(0, 1920, 1920), (std::vector<V>{{1920, "whole", 0}}));
  EXPECT_EQ(NotatedValues(1440, 2400, 1920),
            (std::vector<V>{{480, "quarter", 0}, {480, "quarter", 0}}));
  EXPECT_EQ(NotatedValues(0, 330, 1920), (std::vector<V>{{240, "eighth", 0}, {90, "32nd", 1}}));
  EXPECT_EQ(NotatedValues(1800, 5790, 1920),
            (std::vector<V>{{120, "16th", 0}, {1920, "whole", 0}, {1920, "whole", 0},
                            {30, "64th", 0}}));
  EXPECT_EQ(ToScoreGrid(317), 330);
  EXPECT_EQ(ToScoreGrid(314), 300);
  EXPECT_EQ(ToScoreGrid(315), 330);
  EXPECT_EQ(ToScoreGrid(10), 0);
}

}  // namespace
}  // namespace fretlab
