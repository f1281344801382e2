#include "practice/neck_layout.h"

#include <algorithm>
#include <cmath>

namespace fretlab {

namespace {

// Shares of the drawing. The bottom row holds the fret numbers.
constexpr double kTopShare = 0.06;
constexpr double kBottomShare = 0.14;
constexpr double kMuteShare = 0.035;   // of the width
constexpr double kOpenShare = 0.05;
constexpr double kRightShare = 0.015;

// Fret lines: 0 is the nut, n the wire of fret n, the last one that of the
// highest fret.
constexpr int kLastFretLine = kFretPositions - 1;

// Distance from the nut to fret n as a share of the distance to the last
// fret: the 12-TET rule puts fret n at 1 - 2^(-n/12) of the scale length.
double RealShare(int n) {
  return (1.0 - std::pow(2.0, -n / 12.0)) / (1.0 - std::pow(2.0, -kLastFretLine / 12.0));
}

}  // namespace

NeckLayout::NeckLayout(double width, double height, int stringCount, FretSpacing spacing,
                       bool leftHanded)
    : m_width(std::max(width, 1.0)),
      m_height(std::max(height, 1.0)),
      m_strings(std::max(stringCount, 1)),
      m_spacing(spacing),
      m_leftHanded(leftHanded) {
  m_top = m_height * kTopShare;
  m_gap = m_height * (1.0 - kTopShare - kBottomShare) / m_strings;
  m_muteWidth = m_width * kMuteShare;
  m_openWidth = m_width * kOpenShare;
  m_boardWidth = m_width * (1.0 - kMuteShare - kOpenShare - kRightShare);
}

double NeckLayout::StringY(StringIndex s) const { return m_top + m_gap * (s + 0.5); }

double NeckLayout::StringThickness(StringIndex s) const {
  // From a fortieth of the gap for the top string to three times that for
  // the lowest, whatever the number of strings.
  const double share = m_strings > 1 ? static_cast<double>(s) / (m_strings - 1) : 0.0;
  return std::max(0.6, m_gap * (0.025 + 0.05 * share));
}

double NeckLayout::RawLineX(int n) const {
  const double nut = m_muteWidth + m_openWidth;
  const double share = m_spacing == FretSpacing::kReal ? RealShare(n)
                                                       : static_cast<double>(n) / kLastFretLine;
  return nut + m_boardWidth * share;
}

double NeckLayout::RawCellX(FretIndex f) const {
  if (f <= 0) return m_muteWidth + m_openWidth / 2;
  return (RawLineX(f - 1) + RawLineX(f)) / 2;
}

double NeckLayout::FretLineX(int n) const { return Mirror(RawLineX(n)); }
double NeckLayout::PositionX(FretIndex f) const { return Mirror(RawCellX(f)); }
double NeckLayout::MuteX() const { return Mirror(m_muteWidth / 2); }

double NeckLayout::MarkerRadius(FretIndex f) const {
  const double cell = f <= 0 ? m_openWidth : RawLineX(f) - RawLineX(f - 1);
  return std::max(1.0, 0.42 * std::min(cell, m_gap));
}

NeckRect NeckLayout::Board() const {
  const double left = std::min(FretLineX(0), FretLineX(kLastFretLine));
  return {left, m_top, m_boardWidth, m_gap * m_strings};
}

double NeckLayout::FretNumberY() const {
  return m_top + m_gap * m_strings + m_height * kBottomShare / 2;
}

std::optional<NeckHit> NeckLayout::HitTest(double x, double y) const {
  const double band = (y - m_top) / m_gap;
  if (band < 0 || band >= m_strings) return std::nullopt;
  const StringIndex s = static_cast<StringIndex>(band);
  const double raw = Mirror(x);
  if (raw < 0) return std::nullopt;
  if (raw < m_muteWidth) return NeckHit{{s, 0}, true};
  if (raw < RawLineX(0)) return NeckHit{{s, 0}, false};
  for (FretIndex f = 1; f < kFretPositions; ++f) {
    if (raw < RawLineX(f)) return NeckHit{{s, f}, false};
  }
  return std::nullopt;
}

}  // namespace fretlab
