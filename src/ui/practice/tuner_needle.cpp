#include "ui/practice/tuner_needle.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace fretlab {

namespace {

// Okabe–Ito colours, as the neck's palette: told apart by every eye.
const QColor kInTune(0x00, 0x9E, 0x73);
const QColor kNeedle(0xD5, 0x5E, 0x00);
const QColor kScale(0x33, 0x33, 0x33);
const QColor kIdle(0xAA, 0xAA, 0xAA);
constexpr double kHalfAngle = 60;  // degrees each side of upright at ±kRangeCents

}  // namespace

TunerNeedle::TunerNeedle(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Tuning needle"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  setCents(std::nullopt);
}

void TunerNeedle::setCents(std::optional<double> cents) {
  m_cents = cents;
  setAccessibleDescription(cents ? tr("%1 cents").arg(std::lround(*cents)) : tr("nothing heard"));
  update();
}

void TunerNeedle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The pivot below the middle of the bottom edge; the scale an arc above it.
  const double radius = std::min(width() / (2 * std::sin(kHalfAngle * M_PI / 180) + 0.2), height() - 8.0);
  const QPointF pivot(width() / 2.0, height() - 4.0);
  const auto at = [&](double cents, double r) {
    const double a = (std::clamp(cents, -kRangeCents, kRangeCents) / kRangeCents * kHalfAngle) * M_PI / 180;
    return pivot + QPointF(r * std::sin(a), -r * std::cos(a));
  };
  QPainterPath band;
  band.moveTo(at(-kInTuneCents, radius * 0.55));
  for (double c = -kInTuneCents; c <= kInTuneCents + 1e-9; c += 0.5) band.lineTo(at(c, radius));
  band.lineTo(at(kInTuneCents, radius * 0.55));
  band.closeSubpath();
  p.fillPath(band, QColor(kInTune.red(), kInTune.green(), kInTune.blue(), 90));
  p.setPen(QPen(kScale, 1.5));
  for (int c = -50; c <= 50; c += 10) {
    const double inner = c % 50 == 0 || c == 0 ? 0.78 : 0.86;
    p.drawLine(at(c, radius * inner), at(c, radius));
  }
  p.setPen(QPen(m_cents ? kNeedle : kIdle, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(pivot, at(m_cents.value_or(0), radius * 0.95));
  if (m_cents && std::fabs(*m_cents) < kInTuneCents) {
    p.setBrush(kInTune);
    p.setPen(Qt::NoPen);
    p.drawEllipse(pivot, 7, 7);
  }
}

}  // namespace fretlab
