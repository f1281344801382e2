// The finder's rules, exhaustively: everything it finds is a voicing by
// VoicingFault, everything VoicingFault allows within a few frets is found,
// and every formula on every root has a voicing within 4 frets in standard
// tuning or a sentence saying why not.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "theory/voicing_finder.h"

namespace fretlab {
namespace {

ChordSymbol Chord(std::string_view symbol) {
  const auto chord = ParseChordSymbol(symbol);
  EXPECT_TRUE(chord) << symbol;
  return chord ? *chord : ChordSymbol{};
}

// Every combination of a mute or frets from..to on each string.
std::set<std::vector<FretIndex>> AllowedByTheRules(const ChordSymbol& chord, const VoicingQuery& q) {
  std::set<std::vector<FretIndex>> allowed;
  const int strings = q.tuning.StringCount();
  std::vector<FretIndex> frets(strings, kMuted);
  const int choices = q.frets.to - q.frets.from + 2;
  long total = 1;
  for (int s = 0; s < strings; ++s) total *= choices;
  for (long n = 0; n < total; ++n) {
    long rest = n;
    for (int s = 0; s < strings; ++s, rest /= choices) {
      const int c = static_cast<int>(rest % choices);
      frets[s] = c == 0 ? kMuted : q.frets.from + c - 1;
    }
    if (VoicingFault(chord, q, frets).empty()) allowed.insert(frets);
  }
  return allowed;
}

TEST(VoicingRules, TheFinderFindsExactlyWhatTheRulesAllow) {
  struct Case {
    const char* symbol;
    const char* tuning;
    int capo;
    FretRange frets;
    int span;
  };
  const Case cases[] = {
      {"C", "Standard", 0, {0, 5}, 4},      {"G7", "Standard", 0, {0, 5}, 4},
      {"D/F#", "Standard", 0, {0, 5}, 4},   {"Cmaj7", "Standard", 0, {7, 12}, 4},
      {"Em", "DADGAD", 2, {2, 7}, 3},       {"A5", "Drop D", 0, {0, 6}, 5},
      {"Bbm7b5", "Standard", 0, {4, 9}, 6}, {"F13", "Standard", 0, {6, 11}, 4},
  };
  for (const Case& c : cases) {
    VoicingQuery q;
    q.tuning = *FindPresetTuning(c.tuning);
    q.capo = c.capo;
    q.frets = c.frets;
    q.span = c.span;
    const ChordSymbol chord = Chord(c.symbol);
    std::set<std::vector<FretIndex>> found;
    for (const Voicing& v : FindVoicings(chord, q).voicings) {
      EXPECT_TRUE(found.insert(v.frets).second) << c.symbol << " twice: " << v.FretsText();
      EXPECT_EQ(VoicingFault(chord, q, v.frets), "") << c.symbol << " " << v.FretsText();
    }
    EXPECT_EQ(found, AllowedByTheRules(chord, q)) << c.symbol;
    EXPECT_FALSE(found.empty()) << c.symbol;
  }
}

// The whole neck in an eight-string tuning: all by the rules, ranked
// with the best scores first within each kind.
TEST(VoicingRules, EveryVoicingOnAnEightStringNeckKeepsTheRules) {
  VoicingQuery q;
  q.tuning = *ParseTuning("F#1 B1 E2 A2 D3 G3 B3 E4");
  for (const char* symbol : {"Cmaj9", "G7b9", "Am7/G", "F#m11"}) {
    const ChordSymbol chord = Chord(symbol);
    const VoicingResult found = FindVoicings(chord, q);
    ASSERT_FALSE(found.voicings.empty()) << symbol;
    for (const Voicing& v : found.voicings) {
      ASSERT_EQ(VoicingFault(chord, q, v.frets), "") << symbol << " " << v.FretsText();
    }
  }
}

// Each of the catalogue's formulas (the main window's 34 and the others)
// on each root in standard tuning within 4 frets.
TEST(VoicingRules, EveryFormulaOnEveryRootHasAVoicingOrSaysWhy) {
  int found = 0, refused = 0;
  std::string refusals;
  for (const CatalogueEntry& formula : ChordFormulas()) {
    for (int root = 0; root < 12; ++root) {
      const ChordSymbol chord =
          ChordOfFormula(SpellPitchClass(root, Accidentals::kKeyNames), formula);
      const VoicingResult result = FindVoicings(chord, {});
      if (result.voicings.empty()) {
        ++refused;
        EXPECT_NE(result.none.find(chord.Symbol()), std::string::npos) << result.none;
        EXPECT_EQ(result.none.find('\n'), std::string::npos);
        refusals += result.none + "\n";
        continue;
      }
      ++found;
      EXPECT_TRUE(result.none.empty());
      EXPECT_LE(result.voicings.front().span, 4);
    }
  }
  // The 34 formulas of the main window have voicings on every root.
  EXPECT_EQ(found + refused, static_cast<int>(ChordFormulas().size()) * 12);
  EXPECT_EQ(refused, 0) << refusals;
}

TEST(VoicingRules, EachFaultIsOneSentenceNamingTheRuleBroken) {
  const ChordSymbol c = Chord("C");
  const VoicingQuery q;
  const auto fault = [&](const ChordSymbol& chord, const char* frets, const VoicingQuery& query) {
    return VoicingFault(chord, query, *ParseFretsText(frets, query.tuning.StringCount()));
  };
  EXPECT_EQ(fault(c, "x32010", q), "");
  EXPECT_EQ(fault(c, "x32210", q), "string 3 plays A, which is not in C");
  EXPECT_EQ(fault(c, "x3x010", q), "");
  EXPECT_EQ(fault(c, "x3x0x0", q), "more than one muted string lies between the strings that sound");
  EXPECT_EQ(fault(c, "x30010", q), "string 4 plays D, which is not in C");
  EXPECT_EQ(fault(c, "xxx010", q), "");
  EXPECT_EQ(fault(c, "xxx013", q), "C needs its 3 (E)");
  EXPECT_EQ(fault(c, "xxxx10", q), "2 strings sound; a chord needs three");
  EXPECT_EQ(fault(Chord("Cmaj7"), "x32010", q), "Cmaj7 needs its 7 (B)");
  EXPECT_EQ(fault(Chord("C/G"), "x32010", q), "the lowest note of C/G must be G");
  EXPECT_EQ(fault(c, "x-3-5-5-5-8", q), "the fretted notes cover 6 frets; 4 is the most");
  EXPECT_EQ(fault(c, "8-10-10-9-8-8", q), "");
  EXPECT_EQ(fault(Chord("G7"), "323431", q), "four fingers cannot hold it");
  VoicingQuery capo = q;
  capo.capo = 2;
  EXPECT_EQ(fault(Chord("D"), "x32010", capo), "string 1 is behind the capo");
  VoicingQuery low = q;
  low.frets = {0, 5};
  EXPECT_EQ(fault(c, "8-10-10-9-8-8", low), "string 1 is played at fret 8, outside frets 0\u20135");
}

}  // namespace
}  // namespace fretlab
