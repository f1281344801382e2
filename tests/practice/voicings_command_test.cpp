// fretlab --voicings: one voicing a line, and one line for anything it
// cannot use.

#include "practice/voicings_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace fretlab {
namespace {

struct Printed {
  int status = 0;
  std::vector<std::string> lines;
  std::string err;
};

Printed Voicings(std::vector<std::string> args) {
  std::ostringstream out, err;
  Printed run;
  run.status = RunVoicings(args, out, err);
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) run.lines.push_back(line);
  run.err = err.str();
  return run;
}

TEST(VoicingsCommand, OneVoicingALineBestFirst) {
  const Printed c = Voicings({"--voicings", "C"});
  EXPECT_EQ(c.status, 0);
  EXPECT_EQ(c.err, "");
  ASSERT_EQ(c.lines.size(), static_cast<std::size_t>(kDefaultVoicingLines));
  EXPECT_EQ(c.lines[0], "x32010  open  C E G C E");
  EXPECT_NE(std::find(c.lines.begin(), c.lines.end(), "8-10-10-9-8-8  E-shape barre at 8  C G C E G C"),
            c.lines.end());
  EXPECT_EQ(Voicings({"--voicings", "G7", "--limit", "1"}).lines,
            std::vector<std::string>{"320001  open  G B D G B F"});
  // Every voicing with --limit 0; a wider span finds more.
  const std::size_t all = Voicings({"--voicings", "C", "--limit", "0"}).lines.size();
  EXPECT_GT(all, 100u);
  EXPECT_GT(Voicings({"--voicings=C", "--limit=0", "--span=6"}).lines.size(), all);
}

TEST(VoicingsCommand, TuningAndCapo) {
  const Printed capo = Voicings({"--voicings", "D", "--capo", "2", "--limit", "1"});
  EXPECT_EQ(capo.lines, std::vector<std::string>{"x54232  open  D F# A D F#"});
  const Printed dadgad = Voicings({"--voicings", "Dsus4", "--tuning", "DADGAD", "--limit", "1"});
  ASSERT_EQ(dadgad.lines.size(), 1u);
  EXPECT_EQ(dadgad.lines[0].substr(0, 8), "000000  ");
  const Printed eight = Voicings({"--voicings", "Cmaj9", "--tuning", "F#1 B1 E2 A2 D3 G3 B3 E4", "--limit", "3"});
  ASSERT_EQ(eight.lines.size(), 3u);
  EXPECT_EQ(eight.lines[0].find('-'), std::string::npos);  // eight strings, frets below 10: no dashes
}

TEST(VoicingsCommand, EachRefusalIsOneLine) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* mention;
  };
  const std::vector<Case> cases = {
      {{"--voicings", "H7"}, 2, "cannot read the chord symbol \"H7\""},
      {{"--voicings", "Cxyz"}, 2, "\"xyz\""},
      {{"--voicings", "C\x1b[31m\n7"}, 2, "cannot read the chord symbol \"C\\x1B[31m\\n7\""},
      {{"--voicings", "C", "--span", "7"}, 2, "--span \"7\""},
      {{"--voicings", "C", "--capo", "13"}, 2, "0 to 12"},
      {{"--voicings", "C", "--limit", "-1"}, 2, "--limit"},
      {{"--voicings", "C", "--tuning", "E2 A2"}, 2, "--tuning"},
      {{"--voicings", "C", "--labels", "notes"}, 2, "does not take --labels"},
      {{"--voicings"}, 2, "--voicings needs a value"},
      {{"--voicings", "C13#11", "--tuning", "Bass"}, 1, "Bass has 4 strings"},
  };
  for (const Case& c : cases) {
    const Printed run = Voicings(c.args);
    EXPECT_EQ(run.status, c.status) << c.mention;
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(run.err.rfind("fretlab: ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(c.mention), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace fretlab
