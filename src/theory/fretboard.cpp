#include "theory/fretboard.h"

namespace fretlab {

namespace {

// A band is the open interval (centre - 6, centre + 6), i.e. centre +/- 5
// pixels. Neighbouring centres are at least 21 pixels apart, so at most one
// band of each kind contains a given coordinate.
constexpr bool InBand(int coordinate, int centre) {
  return centre - kMarkerHalfSize < coordinate && coordinate < centre + kMarkerHalfSize;
}

}  // namespace

const Tuning& MainWindowNeck() {
  static const Tuning neck = [] {
    Tuning t;
    t.name = "Standard";
    for (const NoteNumber open : g_openNote) {
      t.strings.push_back({SpellPitchClass(open, Accidentals::kSharps), open});
    }
    t.fretPositions = kMainWindowFretPositions;
    return t;
  }();
  return neck;
}

std::optional<Position> HitTest(int x, int y) {
  std::optional<StringIndex> string;
  for (StringIndex s = 0; s < kStringCount; ++s) {
    if (InBand(y, g_stringY[s])) string = s;
  }
  std::optional<FretIndex> fret;
  for (FretIndex f = 0; f < kMainWindowFretPositions; ++f) {
    if (InBand(x, g_fretX[f])) fret = f;
  }
  // A click between two frets, beside the strings or on a label touches no
  // position, so it must not pick the open high E string (or any other).
  if (!string || !fret) return std::nullopt;
  return Position{*string, *fret};
}

}  // namespace fretlab
