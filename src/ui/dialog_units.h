#pragma once
// The main window's layout is written in dialog units, which scale with the
// window's 8-point font: its base units are 6 x 13 pixels, so a horizontal
// unit is 6/4 pixel and a vertical unit 13/8 pixel, each coordinate rounded
// to the nearest pixel (halves up, all values being positive).

#include <QRect>

namespace fretlab {

constexpr int DialogUnitsToPixelsX(int units) { return (units * 6 + 2) / 4; }
constexpr int DialogUnitsToPixelsY(int units) { return (units * 13 + 4) / 8; }

// x, y, width and height each converted and rounded on their own, not the
// right and bottom edges: that is how the controls come to their places.
constexpr QRect DialogRect(int x, int y, int width, int height) {
  return QRect(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(width),
               DialogUnitsToPixelsY(height));
}

}  // namespace fretlab
