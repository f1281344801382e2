// The --render command line: each option into the view, and one line for
// every value that cannot be used.

#include "practice/render_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fretlab {
namespace {

std::variant<RenderRequest, std::string> Parse(std::vector<std::string> args) {
  return ParseRenderArguments(args);
}

RenderRequest Accepted(std::vector<std::string> args) {
  auto result = Parse(args);
  if (auto* error = std::get_if<std::string>(&result)) {
    ADD_FAILURE() << *error;
    return {};
  }
  return std::get<RenderRequest>(result);
}

std::string Refused(std::vector<std::string> args) {
  auto result = Parse(args);
  if (!std::holds_alternative<std::string>(result)) {
    ADD_FAILURE() << "accepted";
    return {};
  }
  return std::get<std::string>(result);
}

TEST(RenderOptions, EveryOptionReachesTheView) {
  const RenderRequest r = Accepted({"--render", "a.svg", "--tuning", "dadgad", "--capo", "2",
                                    "--root", "A", "--scale", "dorian", "--labels", "intervals",
                                    "--frets", "3-9", "--left-handed"});
  EXPECT_EQ(r.output, "a.svg");
  EXPECT_EQ(r.format, PictureFormat::kSvg);
  EXPECT_EQ(r.view.tuning.name, "DADGAD");
  EXPECT_EQ(r.view.capo, 2);
  EXPECT_EQ(r.view.rootPitchClass, 9);
  EXPECT_EQ(r.view.kind, ChoiceKind::kScale);
  EXPECT_EQ(r.view.entry, 3);
  EXPECT_EQ(r.view.labels, LabelMode::kIntervals);
  EXPECT_EQ(r.view.frets, (FretRange{3, 9}));
  EXPECT_TRUE(r.view.leftHanded);
  EXPECT_EQ(r.view.Title(), "A Dorian \u2014 DADGAD");
}

TEST(RenderOptions, DefaultsAndOtherForms) {
  const RenderRequest plain = Accepted({"--render", "OUT.PNG"});
  EXPECT_EQ(plain.format, PictureFormat::kPng);
  EXPECT_EQ(plain.view.Title(), "C major \u2014 Standard");
  EXPECT_FALSE(plain.view.leftHanded);
  EXPECT_EQ(plain.view.frets, (FretRange{0, 24}));

  const RenderRequest eq = Accepted({"--chord=Minor 7 b5", "--render=x.svg", "--root=Bb",
                                     "--tuning=D2 A2 D3 G3 B3 E4"});
  EXPECT_EQ(eq.view.kind, ChoiceKind::kChord);
  EXPECT_EQ(eq.view.entry, 21);
  EXPECT_EQ(eq.view.Title(), "B\u266Dm7\u266D5 chord \u2014 Drop D");
  const RenderRequest arp = Accepted({"--render", "x.svg", "--arpeggio", "MAJ7", "--root", "gb"});
  EXPECT_EQ(arp.view.kind, ChoiceKind::kArpeggio);
  EXPECT_EQ(arp.view.ChoiceText(), "G\u266Dmaj7 arpeggio");  // the typed spelling is kept
  EXPECT_EQ(Accepted({"--render", "x.svg", "--frets", "7-7"}).view.frets, (FretRange{7, 7}));
  EXPECT_EQ(Accepted({"--render", "x.svg", "--labels", "names"}).view.labels,
            LabelMode::kIntervalNames);
  const RenderRequest uke = Accepted({"--render", "x.svg", "--tuning", "G4 C4 E4 A4"});
  EXPECT_EQ(uke.view.Title(), "C major \u2014 G4 C4 E4 A4");  // re-entrant: a tuning
}

TEST(RenderOptions, EachBadValueGetsOneLineNamingWhatIsAllowed) {
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> mentions;
  };
  const std::vector<Case> cases = {
      {{"--render", "x.svg", "--capo", "13"}, {"--capo", "\"13\"", "0 to 12"}},
      {{"--render", "x.svg", "--capo", "two"}, {"--capo", "0 to 12"}},
      {{"--render", "x.svg", "--root", "H"}, {"--root", "\"H\"", "A to G"}},
      {{"--render", "x.svg", "--root", "C##"}, {"--root"}},
      {{"--render", "x.svg", "--scale", "ionic"}, {"--scale", "\"ionic\"", "Lydian", "Blues",
                                                   "Chromatic (all notes)"}},
      {{"--render", "x.svg", "--chord", "maj13"}, {"--chord", "Major triad", "Augmented add 9"}},
      {{"--render", "x.svg", "--arpeggio", "Dorian"}, {"--arpeggio", "Minor 7"}},
      {{"--render", "x.svg", "--labels", "name"},
       {"--labels", "\"name\"", "notes, intervals, degrees, names or none"}},
      {{"--render", "x.svg", "--frets", "9-3"}, {"--frets", "0 <= A <= B <= 24"}},
      {{"--render", "x.svg", "--frets", "0-25"}, {"--frets"}},
      {{"--render", "x.svg", "--frets", "5"}, {"--frets"}},
      {{"--render", "x.svg", "--frets", "-3-4"}, {"--frets"}},
      {{"--render", "x.svg", "--tuning", "E2 A2"}, {"--tuning", "Standard", "DADGAD", "4 to 8"}},
      {{"--render", "x.svg", "--tuning", "E4 B3 G3 D3 A2 E2"},
       {"--tuning", "lowest string first", "\"E2 A2 D3 G3 B3 E4\""}},
      {{"--render", "x.svg", "--scale", "Dorian", "--chord", "m7"}, {"--chord", "--scale"}},
      {{"--render", "x.jpg"}, {"x.jpg", ".svg or .png"}},
      {{"--render", ".svg"}, {".svg or .png"}},
      {{"--render"}, {"--render"}},
      {{"--scale", "Dorian"}, {"--render needs a file"}},
      {{"--render", "x.svg", "--size", "3"}, {"--size", "--tuning", "--left-handed"}},
      {{"--render", "x.svg", "--capo"}, {"--capo needs a value"}},
      {{"--render", "x.svg", "--left-handed=yes"}, {"--left-handed=yes"}},
  };
  for (const Case& c : cases) {
    const std::string line = Refused(c.args);
    EXPECT_EQ(line.rfind("fretlab: ", 0), 0u) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    for (const std::string& m : c.mentions) EXPECT_NE(line.find(m), std::string::npos) << m << " in: " << line;
  }
}

TEST(RenderOptions, ValuesInTheLineAreShownEscapedAndCut) {
  EXPECT_EQ(Refused({"--render", "x.svg", "--root", "\x1b[31mC"}),
            "fretlab: --root \"\\x1B[31mC\" is not allowed; use a letter A to G with # or b, such "
            "as C, F# or Bb");
  EXPECT_EQ(Refused({"--render", "x.svg", "--labels=one\ntwo"}),
            "fretlab: --labels \"one\\ntwo\" is not allowed; use notes, intervals, degrees, names or none");
  EXPECT_EQ(Refused({"--render", "x.svg", "--bad\roption"}).rfind(
                "fretlab: --render does not take \"--bad\\roption\"; its options are", 0),
            0u);
  EXPECT_EQ(Refused({"--render", "caf\xe9.jpg"}),
            "fretlab: --render \"caf\\xE9.jpg\" is not allowed; the picture's name must end in "
            ".svg or .png");
  // A tuning's own reason names a word of a plain value; any other value is
  // quoted whole.
  EXPECT_EQ(Refused({"--render", "x.svg", "--tuning", "E2 A2 X3"}).rfind(
                "fretlab: --tuning: unknown tuning \"E2 A2 X3\" (\"X3\" is not a note", 0),
            0u);
  EXPECT_EQ(Refused({"--render", "x.svg", "--tuning", "E2\x1b]0;x\x07 A2"}).rfind(
                "fretlab: --tuning: unknown tuning \"E2\\x1B]0;x\\x07 A2\"; choose Standard, ", 0),
            0u);
  // 128 KiB of a value gives a line of a few hundred bytes.
  for (const char* option : {"--scale", "--tuning", "--capo", "--render"}) {
    const std::string line = Refused({"--render", "x.svg", option, std::string(128 * 1024, 'y')});
    EXPECT_NE(line.find(std::string(200, 'y') + "\u2026\""), std::string::npos) << option;
    EXPECT_LT(line.size(), 1200u) << option;
  }
}

TEST(RenderOptions, TuningProblemIsEmptyForATuningAndOneSafeLineOtherwise) {
  EXPECT_EQ(TuningProblem("DADGAD", true), "");
  EXPECT_EQ(TuningProblem("D2 A2 D3 G3 A3 D4", false), "");
  EXPECT_NE(TuningProblem("DADGAD", false), "");  // a preset's name is no notes
  EXPECT_EQ(TuningProblem("C2 G2 X3", false), "\"X3\" is not a note with an octave such as E2, F#3 or Bb1");
  EXPECT_EQ(TuningProblem("C2\tG2\vX3", false),
            "not a tuning \"C2\\tG2\\x0BX3\"; choose 4 to 8 notes, lowest string first, such as "
            "\"D2 A2 D3 G3 B3 E4\"");
}

}  // namespace
}  // namespace fretlab
