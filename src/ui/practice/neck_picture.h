#pragma once
// Everything the neck drawing shows, and the painter that draws it at any
// size: the widget paints from it, and so do the SVG and PNG pictures, which
// therefore match the screen.
//
// Layers, from the back: the board and its inlays, shading outside the
// frets and strings in use and behind the capo, heat colours per position,
// frets and strings, the marks with their labels (the root's ring doubled,
// an altered degree's notched below for ♭ and above for ♯), highlight rings
// (the notes playing), flashes, the hover ring and the keyboard cursor.

#include <QColor>
#include <QPainter>
#include <QSizeF>
#include <map>
#include <optional>
#include <vector>

#include "practice/neck_layout.h"
#include "practice/practice_view.h"

namespace fretlab {

struct PositionLess {
  bool operator()(const Position& a, const Position& b) const {
    return a.string != b.string ? a.string < b.string : a.fret < b.fret;
  }
};

using PositionColours = std::map<Position, QColor, PositionLess>;

struct NeckPicture {
  Tuning tuning = PresetTunings().front();
  int capo = 0;
  FretRange frets;  // outside it the board is shaded
  std::uint32_t strings = kAllStrings;  // bit s: string s in play; the others are shaded
  FretSpacing spacing = FretSpacing::kReal;
  bool leftHanded = false;
  std::vector<NeckMark> marks;
  std::vector<StringIndex> muted;  // drawn as × in the mute column
  PositionColours heat;            // the cell behind a position
  PositionColours highlights;      // a ring around the position
  PositionColours flashes;         // a disc over the position
  std::optional<Position> hover;
  std::optional<Position> cursor;  // drawn only when set

  NeckLayout Layout(QSizeF size) const {
    return NeckLayout(size.width(), size.height(), tuning.StringCount(), spacing, leftHanded);
  }
};

// The colours of the drawing, for tests and for part-specific overlays.
namespace neck_colours {
inline const QColor kBoard{0xEC, 0xDC, 0xB8};
inline const QColor kShade{0x30, 0x2A, 0x20, 0x55};  // outside the frets in use
inline const QColor kCapo{0x2B, 0x2B, 0x2B};
inline const QColor kFret{0x8E, 0x86, 0x7A};
inline const QColor kNut{0xF7, 0xF3, 0xE8};
inline const QColor kString{0x4A, 0x4A, 0x4A};
inline const QColor kInlay{0xC4, 0xAE, 0x86};
inline const QColor kOutline{0x22, 0x22, 0x22};
inline const QColor kHighlight{0x00, 0x00, 0x00};
inline const QColor kCursor{0x00, 0x3D, 0xA5};
}  // namespace neck_colours

// Draws `picture` into the rectangle (0, 0, size) of `painter`, in the
// painter's logical units.
void PaintNeck(QPainter& painter, QSizeF size, const NeckPicture& picture);

// The circle of a mark, its centre and radius in the drawing's units.
QRectF MarkRect(const NeckLayout& layout, Position position);
// The font of a mark's label: as large as fits its circle.
QFont MarkLabelFont(const NeckLayout& layout, const NeckMark& mark);

}  // namespace fretlab
