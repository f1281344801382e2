#pragma once
// The window's layout is given in dialog units of its 8-point template font,
// whose base units are 6 x 13 pixels: a horizontal unit is 6/4 pixel and a
// vertical unit 13/8 pixel, each coordinate rounded to the nearest pixel
// (halves up, all values being positive).

#include <QRect>

namespace fretlab {

constexpr int DialogUnitsToPixelsX(int units) { return (units * 6 + 2) / 4; }
constexpr int DialogUnitsToPixelsY(int units) { return (units * 13 + 4) / 8; }

// x, y, width and height each converted on their own, as the template does.
constexpr QRect DialogRect(int x, int y, int width, int height) {
  return QRect(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(width),
               DialogUnitsToPixelsY(height));
}

}  // namespace fretlab
