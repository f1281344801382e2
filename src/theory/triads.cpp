#include "theory/triads.h"

#include <algorithm>
#include <charconv>

namespace fretlab {

namespace {

constexpr int kMostFrets = 5;  // a hand's reach for a triad: lowest to highest fret

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string InversionName(int inversion) {
  switch (inversion) {
    case 0: return "root position";
    case 1: return "first inversion";
    case 2: return "second inversion";
  }
  return {};
}

std::string TriadVoicing::Label() const { return InversionName(inversion); }

std::vector<TriadVoicing> TriadsOnStrings(const Tuning& tuning, int capo, const ChordSymbol& chord,
                                          StringIndex top) {
  std::vector<TriadVoicing> out;
  if (chord.tones.size() != 3 || top < 0 || top + 2 >= tuning.StringCount()) return out;
  // The tones by their pitch above the root: R, third or suspension, fifth.
  std::array<int, 3> above{};
  for (int i = 0; i < 3; ++i) above[i] = chord.tones[i].degree.Semitones();
  const int root = chord.root.PitchClass();
  for (int inversion = 0; inversion < 3; ++inversion) {
    for (FretIndex bassFret = capo; bassFret <= tuning.HighestFret(); ++bassFret) {
      TriadVoicing t;
      t.top = top;
      t.inversion = inversion;
      NoteNumber note = tuning.NoteAt(top + 2, bassFret);
      if (PitchClass(note - root) != above[inversion]) continue;
      bool fits = true;
      for (int i = 0; i < 3 && fits; ++i) {
        const int tone = (inversion + i) % 3;
        if (i > 0) note += PitchClass(root + above[tone] - note);  // the next tone above
        const StringIndex s = top + 2 - i;
        const FretIndex fret = note - tuning.OpenNote(s);
        fits = fret >= capo && fret <= tuning.HighestFret();
        t.notes[i] = {{s, fret}, note, tone};
      }
      if (!fits) continue;
      const auto [low, high] = std::minmax({t.notes[0].position.fret, t.notes[1].position.fret,
                                            t.notes[2].position.fret});
      t.span = {low, high};
      if (high - low + 1 <= kMostFrets) out.push_back(t);
    }
  }
  std::stable_sort(out.begin(), out.end(), [](const TriadVoicing& a, const TriadVoicing& b) {
    return a.notes[0].position.fret < b.notes[0].position.fret;
  });
  return out;
}

std::optional<StringIndex> ParseTriadStrings(std::string_view text, int strings) {
  std::string plain(text);
  for (std::size_t at; (at = plain.find("\u2013")) != std::string::npos;) plain.replace(at, 3, "-");
  const std::size_t dash = plain.find('-');
  if (dash == std::string::npos) return std::nullopt;
  const auto first = Number(std::string_view(plain).substr(0, dash));
  const auto last = Number(std::string_view(plain).substr(dash + 1));
  if (!first || !last || *last != *first + 2 || *first < 1 || *last > strings) return std::nullopt;
  return *first - 1;
}

std::string TriadStringsText(StringIndex top) {
  return std::to_string(top + 1) + "\u2013" + std::to_string(top + 3);
}

}  // namespace fretlab
