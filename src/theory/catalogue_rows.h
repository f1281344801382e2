#pragma once
// The rows of the scale catalogue as written, for scale_catalogue.cpp alone:
// the scales (scale_rows.cpp) and the chord formulas (chord_rows.cpp). Each
// list keeps its order for good: settings store a row's index, so new rows
// go at the end.

#include <string_view>
#include <vector>

#include "theory/scale_catalogue.h"

namespace fretlab::catalogue_rows {

// The degrees the rows are written in: R root, m minor, M major, P perfect,
// d diminished, A augmented.
inline constexpr Degree R{1, 0}, m2{2, -1}, M2{2, 0}, A2{2, 1}, m3{3, -1}, M3{3, 0}, d4{4, -1},
    P4{4, 0}, A4{4, 1}, d5{5, -1}, P5{5, 0}, A5{5, 1}, m6{6, -1}, M6{6, 0}, A6{6, 1}, d7{7, -2},
    m7{7, -1}, M7{7, 0}, m9{9, -1}, M9{9, 0}, A9{9, 1}, P11{11, 0}, A11{11, 1}, m13{13, -1},
    M13{13, 0};

// Scales in catalogue order, each marked with its main window text where the
// main window lists it.
std::vector<CatalogueEntry> ScaleRows();

struct ChordRow {
  std::string_view name;
  std::string_view symbol;
  std::vector<Degree> degrees;
  std::string_view mainWindowText = {};  // empty: the Practice window's alone
};

// Chord formulas in catalogue order, degrees in the order of marking and
// sounding.
std::vector<ChordRow> ChordRows();

}  // namespace fretlab::catalogue_rows
