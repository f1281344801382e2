#include "ui/practice/neck_picture.h"

#include <QFont>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <cmath>

namespace fretlab {

namespace {

namespace c = neck_colours;

QColor ToQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

constexpr double kNotchDegrees = 70;  // the width of an altered mark's notch

// The cell of a position: between its fret lines (the open column for 0),
// one string gap high.
QRectF CellRect(const NeckLayout& layout, Position p) {
  const double y = layout.StringY(p.string) - layout.StringGap() / 2;
  double a, b;
  if (p.fret == 0) {
    a = layout.FretLineX(0);
    b = layout.PositionX(0) * 2 - a;
  } else {
    a = layout.FretLineX(p.fret - 1);
    b = layout.FretLineX(p.fret);
  }
  return QRectF(std::min(a, b), y, std::abs(b - a), layout.StringGap());
}

QFont LabelFont(double pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  return font;
}

void PaintBoard(QPainter& p, const NeckLayout& layout, const NeckPicture& picture) {
  const NeckRect b = layout.Board();
  p.fillRect(QRectF(b.left, b.top, b.width, b.height), c::kBoard);
  const double midY = b.top + b.height / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(c::kInlay);
  // The double dots sit between strings, a quarter of the way in from
  // each edge (between strings 2–3 and 4–5 of six).
  const int strings = layout.StringCount();
  const int firstGap = (strings - 1) / 4;
  const int lastGap = strings - 2 - firstGap;
  auto gapY = [&](int gap) { return (layout.StringY(gap) + layout.StringY(gap + 1)) / 2; };
  for (int fret : kInlayFrets) {
    const double x = layout.PositionX(fret);
    const double r = layout.MarkerRadius(fret) * 0.45;
    if (fret % 12 == 0) {
      p.drawEllipse(QPointF(x, gapY(firstGap)), r, r);
      p.drawEllipse(QPointF(x, gapY(lastGap)), r, r);
    } else {
      p.drawEllipse(QPointF(x, midY), r, r);
    }
  }
  // Frets outside the range in use, and everything behind the capo.
  for (int f = 0; f < kFretPositions; ++f) {
    if (picture.frets.Contains(f) && f >= picture.capo) continue;
    const QRectF cell = CellRect(layout, {0, f});
    p.fillRect(QRectF(cell.left(), b.top, cell.width(), b.height), c::kShade);
  }
  // Strings outside the set in play.
  for (StringIndex s = 0; s < strings; ++s) {
    if (((picture.strings >> s) & 1u) != 0) continue;
    const double gap = layout.StringGap();
    p.fillRect(QRectF(b.left, layout.StringY(s) - gap / 2, b.width, gap), c::kShade);
  }
}

void PaintStringsAndFrets(QPainter& p, const NeckLayout& layout, const NeckPicture& picture) {
  const NeckRect b = layout.Board();
  for (int n = 1; n < kFretPositions; ++n) {
    p.setPen(QPen(c::kFret, std::max(1.0, layout.StringGap() * 0.06)));
    p.drawLine(QPointF(layout.FretLineX(n), b.top), QPointF(layout.FretLineX(n), b.Bottom()));
  }
  const double nutWidth = std::max(2.0, layout.StringGap() * 0.18);
  p.fillRect(QRectF(layout.FretLineX(0) - nutWidth / 2, b.top, nutWidth, b.height), c::kNut);
  p.setPen(QPen(c::kFret, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(layout.FretLineX(0) - nutWidth / 2, b.top, nutWidth, b.height));
  if (picture.capo > 0) {
    // The bar sits just behind its fret, across all strings.
    const QRectF cell = CellRect(layout, {0, picture.capo});
    const double w = cell.width() * 0.28;
    const double x = layout.LeftHanded() ? cell.left() : cell.right() - w;
    p.setPen(Qt::NoPen);
    p.setBrush(c::kCapo);
    p.drawRoundedRect(QRectF(x, b.top - layout.StringGap() * 0.12, w,
                             b.height + layout.StringGap() * 0.24), w / 3, w / 3);
  }
  const double left = std::min(layout.PositionX(0), layout.FretLineX(kFretPositions - 1));
  const double right = std::max(layout.PositionX(0), layout.FretLineX(kFretPositions - 1));
  for (StringIndex s = 0; s < layout.StringCount(); ++s) {
    p.setPen(QPen(c::kString, layout.StringThickness(s), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(left, layout.StringY(s)), QPointF(right, layout.StringY(s)));
  }
}

void PaintFretNumbers(QPainter& p, const NeckLayout& layout) {
  p.setPen(c::kString);
  const double size = std::min(layout.StringGap() * 0.42, layout.Height() * 0.07);
  p.setFont(LabelFont(size, false));
  for (int fret : kInlayFrets) {
    const QPointF at(layout.PositionX(fret), layout.FretNumberY());
    p.drawText(QRectF(at.x() - 3 * size, at.y() - size, 6 * size, 2 * size), Qt::AlignCenter,
               QString::number(fret));
  }
}

// An altered degree's notch: a wedge from the ring towards the centre, at
// the bottom for a lowered degree and at the top for a raised one, in the
// label's colour (which stands out from the fill), so that a ♭3 and a 3
// differ for an eye that cannot tell their colours apart.
void PaintNotch(QPainter& p, const QRectF& circle, const NeckMark& mark) {
  if (mark.shape != IntervalShape::kLowered && mark.shape != IntervalShape::kRaised) return;
  const bool raised = mark.shape == IntervalShape::kRaised;
  const double r = circle.width() / 2;
  // Qt's angles run counter-clockwise from three o'clock: 90 is the top.
  const double middle = raised ? 90 : 270;
  QPainterPath wedge;
  wedge.moveTo(circle.center() + QPointF(0, (raised ? -1 : 1) * r * 0.5));
  wedge.arcTo(circle, middle - kNotchDegrees / 2, kNotchDegrees);
  wedge.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(ToQColor(mark.text));
  p.drawPath(wedge);
}

void PaintMark(QPainter& p, const NeckLayout& layout, const NeckMark& mark) {
  const QRectF circle = MarkRect(layout, mark.position);
  const double r = circle.width() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(ToQColor(mark.fill));
  p.drawEllipse(circle);
  PaintNotch(p, circle, mark);
  // The root's ring is doubled: it stands apart by shape as well as colour.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c::kOutline, std::max(1.0, r * (mark.root ? 0.22 : 0.09))));
  p.drawEllipse(circle);
  if (mark.label.empty()) return;
  p.setFont(MarkLabelFont(layout, mark));
  p.setPen(ToQColor(mark.text));
  p.drawText(circle, Qt::AlignCenter, QString::fromStdString(mark.label));
}

}  // namespace

QFont MarkLabelFont(const NeckLayout& layout, const NeckMark& mark) {
  const double r = MarkRect(layout, mark.position).width() / 2;
  const int length = QString::fromStdString(mark.label).size();
  return LabelFont(r * (length > 2 ? 0.8 : length > 1 ? 1.08 : 1.2), true);
}

namespace {

void PaintOverlays(QPainter& p, const NeckLayout& layout, const NeckPicture& picture) {
  for (const auto& [pos, colour] : picture.highlights) {
    const QRectF circle = MarkRect(layout, pos);
    const double grow = circle.width() * 0.18;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, std::max(1.5, circle.width() * 0.12)));
    p.drawEllipse(circle.adjusted(-grow, -grow, grow, grow));
  }
  for (const auto& [pos, colour] : picture.flashes) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(MarkRect(layout, pos));
  }
  if (picture.hover) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::kOutline, 1, Qt::DotLine));
    p.drawEllipse(MarkRect(layout, *picture.hover));
  }
  if (picture.cursor) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c::kCursor, std::max(1.5, layout.StringGap() * 0.06), Qt::DashLine));
    p.drawRect(CellRect(layout, *picture.cursor).adjusted(1, 1, -1, -1));
  }
}

void PaintMuted(QPainter& p, const NeckLayout& layout, const NeckPicture& picture) {
  const double size = std::min(layout.StringGap() * 0.7, layout.Width() * 0.03);
  p.setFont(LabelFont(size, true));
  p.setPen(c::kOutline);
  for (StringIndex s : picture.muted) {
    const QPointF at(layout.MuteX(), layout.StringY(s));
    p.drawText(QRectF(at.x() - size, at.y() - size, 2 * size, 2 * size), Qt::AlignCenter,
               QStringLiteral("\u00D7"));
  }
}

}  // namespace

QRectF MarkRect(const NeckLayout& layout, Position position) {
  const NeckPoint centre = layout.Centre(position);
  const double r = layout.MarkerRadius(position.fret);
  return QRectF(centre.x - r, centre.y - r, 2 * r, 2 * r);
}

void PaintNeck(QPainter& painter, QSizeF size, const NeckPicture& picture) {
  const NeckLayout layout = picture.Layout(size);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintBoard(painter, layout, picture);
  for (const auto& [pos, colour] : picture.heat) painter.fillRect(CellRect(layout, pos), colour);
  PaintStringsAndFrets(painter, layout, picture);
  PaintFretNumbers(painter, layout);
  for (const NeckMark& mark : picture.marks) PaintMark(painter, layout, mark);
  PaintMuted(painter, layout, picture);
  PaintOverlays(painter, layout, picture);
  painter.restore();
}

}  // namespace fretlab
