// The outlines of the shapes a view picks out: a line through each triad's
// notes, a box around each position's frets, and their captions.

#include <QFont>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/practice/neck_picture.h"

namespace fretlab {

namespace {

namespace c = neck_colours;

// Left and right edges of the frets `frets` spans (the open column for 0).
std::pair<double, double> FretEdges(const NeckLayout& layout, FretRange frets) {
  const auto edges = [&](FretIndex f) {
    if (f <= 0) return std::pair(layout.FretLineX(0), 2 * layout.PositionX(0) - layout.FretLineX(0));
    return std::pair(layout.FretLineX(f - 1), layout.FretLineX(f));
  };
  const auto [a, b] = edges(frets.from);
  const auto [d, e] = edges(frets.to);
  return {std::min({a, b, d, e}), std::max({a, b, d, e})};
}

QFont CaptionFont(double pixelSize) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(true);
  return font;
}

void Caption(QPainter& p, QPointF centre, double size, const std::string& text) {
  p.setFont(CaptionFont(size));
  p.setPen(c::kShape);
  p.drawText(QRectF(centre.x() - 8 * size, centre.y() - size, 16 * size, 2 * size), Qt::AlignCenter,
             QString::fromStdString(text));
}

}  // namespace

void PaintShapeLines(QPainter& p, const NeckLayout& layout, const NeckPicture& picture) {
  for (const NeckShape& shape : picture.shapes) {
    if (!shape.triad || shape.positions.empty()) continue;
    QPainterPath path(QPointF(layout.Centre(shape.positions.front()).x,
                              layout.Centre(shape.positions.front()).y));
    for (const Position& pos : shape.positions) {
      path.lineTo(layout.Centre(pos).x, layout.Centre(pos).y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::kTriadLine, std::max(2.0, layout.StringGap() * 0.22), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
  }
}

void PaintShapeBoxes(QPainter& p, const NeckLayout& layout, const NeckPicture& picture) {
  const NeckRect board = layout.Board();
  const double gap = layout.StringGap();
  for (const NeckShape& shape : picture.shapes) {
    const auto [left, right] = FretEdges(layout, shape.frets);
    if (shape.triad) {
      // Below the triad's lowest string, or above its highest on the lowest strings.
      StringIndex low = 0, high = layout.StringCount();
      for (const Position& pos : shape.positions) low = std::max(low, pos.string), high = std::min(high, pos.string);
      const double y = low + 1 < layout.StringCount() ? layout.StringY(low) + gap * 0.7
                                                     : layout.StringY(high) - gap * 0.7;
      Caption(p, QPointF((left + right) / 2, y), gap * 0.28, shape.caption);
      continue;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::kShape, std::max(1.5, gap * 0.07)));
    p.drawRoundedRect(QRectF(left, board.top, right - left, board.height), gap * 0.15, gap * 0.15);
    Caption(p, QPointF((left + right) / 2, board.top / 2), std::min(gap * 0.36, board.top * 0.7),
            shape.caption);
  }
}

}  // namespace fretlab
