#pragma once
// Where everything of the Practice window's neck lies for a given size:
// strings, fret lines, position centres, marker sizes, the mute column, and
// the hit test from a point back to a position. Pure arithmetic in the
// drawing's own units (logical pixels of the widget, or of a picture), so
// the same layout serves the screen, SVG and PNG pictures, and the tests.
//
// How to use it:
//   NeckLayout layout(width, height, tuning.StringCount(), FretSpacing::kReal, leftHanded);
//   NeckPoint c = layout.Centre({2, 5});          // where string 3, fret 5 is drawn
//   layout.MarkerRadius(5)                         // its circle's radius
//   std::optional<NeckHit> hit = layout.HitTest(x, y);
//   hit->mute      // the column left of the open strings (right, left-handed)
//   hit->position  // otherwise the string and fret under the point
// Left to right the neck reads: mute column, open strings, nut, frets 1..24;
// left-handed, the same mirrored. Strings run from 0 at the top.

#include <optional>
#include <vector>

#include "practice/practice_view.h"
#include "theory/tuning.h"

namespace fretlab {

struct NeckPoint {
  double x = 0, y = 0;
};

struct NeckRect {
  double left = 0, top = 0, width = 0, height = 0;
  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
};

struct NeckHit {
  Position position;  // position.fret is 0 for a hit on the mute column
  bool mute = false;
  friend bool operator==(const NeckHit&, const NeckHit&) = default;
};

// Frets with inlays; 12 and 24 have two dots.
inline constexpr int kInlayFrets[] = {3, 5, 7, 9, 12, 15, 17, 19, 21, 24};

class NeckLayout {
 public:
  NeckLayout(double width, double height, int stringCount, FretSpacing spacing, bool leftHanded);

  double Width() const { return m_width; }
  double Height() const { return m_height; }
  int StringCount() const { return m_strings; }
  bool LeftHanded() const { return m_leftHanded; }

  double StringY(StringIndex s) const;
  // Distance between neighbouring strings.
  double StringGap() const { return m_gap; }
  // Line width of string s: the lowest string is the thickest.
  double StringThickness(StringIndex s) const;
  // x of fret line n (0 = the nut, 1..kFretPositions - 1), mirrored when
  // left-handed.
  double FretLineX(int n) const;
  // x of the centre of fret f's cell (f = 0: the open strings' column).
  double PositionX(FretIndex f) const;
  double MuteX() const;
  NeckPoint Centre(Position p) const { return {PositionX(p.fret), StringY(p.string)}; }
  // Fits the cell of fret f and the string gap; smaller up the neck.
  double MarkerRadius(FretIndex f) const;
  // From the nut to the last fret, the strings' full height.
  NeckRect Board() const;
  // The row under the board for the fret numbers.
  double FretNumberY() const;

  // The position (or the mute column of a string) under a point; nothing
  // beyond the last fret or outside the strings' bands (half a gap each way).
  std::optional<NeckHit> HitTest(double x, double y) const;

 private:
  double Mirror(double x) const { return m_leftHanded ? m_width - x : x; }
  double RawLineX(int n) const;   // unmirrored
  double RawCellX(FretIndex f) const;

  double m_width, m_height;
  int m_strings;
  FretSpacing m_spacing;
  bool m_leftHanded;
  double m_top = 0, m_gap = 0;
  double m_muteWidth = 0, m_openWidth = 0, m_boardWidth = 0;
};

}  // namespace fretlab
