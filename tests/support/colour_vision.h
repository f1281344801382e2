#pragma once
// Colour difference as people see it, for checking the interval palette:
// sRGB to CIELAB (D65), the CIEDE2000 difference, and the three common
// colour-vision deficiencies simulated by Machado, Oliveira & Fernandes
// (2009), "A Physiologically-based Model for Simulation of Color Vision
// Deficiency", at severity 1.0 (their matrices for linear RGB).
//
//   const Lab a = SeenAs({0xD5, 0x5E, 0x00}, Vision::kDeutan);
//   DeltaE2000(a, SeenAs({0xE6, 0x9F, 0x00}, Vision::kDeutan))  -> about 13
// CIEDE2000 follows Sharma, Wu & Dalal (2005), "The CIEDE2000 Color-Difference
// Formula: Implementation Notes, Supplementary Test Data, and Mathematical
// Observations"; its test pairs are in tests/theory/colour_vision_test.cpp.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "theory/intervals.h"

namespace fretlab::testing {

struct Lab {
  double l = 0, a = 0, b = 0;  // L* 0..100, a* and b* around 0
};

enum class Vision { kNormal, kProtan, kDeutan, kTritan };
inline constexpr std::array<Vision, 4> kVisions = {Vision::kNormal, Vision::kProtan,
                                                   Vision::kDeutan, Vision::kTritan};

inline std::string_view VisionName(Vision v) {
  constexpr std::string_view kNames[] = {"normal", "protan", "deutan", "tritan"};
  return kNames[static_cast<int>(v)];
}

using Matrix3 = std::array<std::array<double, 3>, 3>;

// Machado et al. (2009), Table 1, severity 1.0; identity for normal vision.
inline const Matrix3& DeficiencyMatrix(Vision v) {
  static const Matrix3 kMatrices[] = {
      {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
      {{{0.152286, 1.052583, -0.204868},
        {0.114503, 0.786281, 0.099216},
        {-0.003882, -0.048116, 1.051998}}},
      {{{0.367322, 0.860646, -0.227968},
        {0.280085, 0.672501, 0.047413},
        {-0.011820, 0.042940, 0.968881}}},
      {{{1.255528, -0.076749, -0.178779},
        {-0.078411, 0.930809, 0.147602},
        {0.004733, 0.691367, 0.303900}}},
  };
  return kMatrices[static_cast<int>(v)];
}

// One sRGB channel, 0..255, as linear light 0..1.
inline double LinearChannel(int value) {
  const double s = value / 255.0;
  return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

using Linear = std::array<double, 3>;

// What an eye with deficiency `v` receives of `colour`, in linear RGB held
// to the displayable range.
inline Linear Simulate(Rgb colour, Vision v) {
  const Linear in = {LinearChannel(colour.red), LinearChannel(colour.green),
                     LinearChannel(colour.blue)};
  const Matrix3& m = DeficiencyMatrix(v);
  Linear out{};
  for (int i = 0; i < 3; ++i) {
    const double sum = m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2];
    out[i] = std::clamp(sum, 0.0, 1.0);
  }
  return out;
}

// Linear sRGB to CIELAB with the D65 white of sRGB.
inline Lab LabFromLinear(const Linear& rgb) {
  const double x = 0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2];
  const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
  const double z = 0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2];
  const auto f = [](double t) {
    return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
  };
  const double fx = f(x / 0.95047), fy = f(y), fz = f(z / 1.08883);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

inline Lab SeenAs(Rgb colour, Vision v) { return LabFromLinear(Simulate(colour, v)); }

// CIEDE2000 with kL = kC = kH = 1.
inline double DeltaE2000(const Lab& x, const Lab& y) {
  constexpr double kPi = std::numbers::pi;
  const auto rad = [](double deg) { return deg * kPi / 180; };
  const auto pow7 = [](double v) { return std::pow(v, 7); };
  const double cBar = (std::hypot(x.a, x.b) + std::hypot(y.a, y.b)) / 2;
  const double g = 0.5 * (1 - std::sqrt(pow7(cBar) / (pow7(cBar) + pow7(25))));
  const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
  const double c1 = std::hypot(a1, x.b), c2 = std::hypot(a2, y.b);
  const auto hue = [kPi](double a, double b) {
    if (a == 0 && b == 0) return 0.0;
    const double h = std::atan2(b, a) * 180 / kPi;
    return h < 0 ? h + 360 : h;
  };
  const double h1 = hue(a1, x.b), h2 = hue(a2, y.b);
  double dh = 0;
  if (c1 * c2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
  }
  const double dL = y.l - x.l, dC = c2 - c1;
  const double dH = 2 * std::sqrt(c1 * c2) * std::sin(rad(dh / 2));
  const double lBar = (x.l + y.l) / 2, cBarP = (c1 + c2) / 2;
  double hBar = h1 + h2;
  if (c1 * c2 != 0) {
    if (std::abs(h1 - h2) <= 180) hBar = (h1 + h2) / 2;
    else hBar = h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
  }
  const double t = 1 - 0.17 * std::cos(rad(hBar - 30)) + 0.24 * std::cos(rad(2 * hBar)) +
                   0.32 * std::cos(rad(3 * hBar + 6)) - 0.20 * std::cos(rad(4 * hBar - 63));
  const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
  const double rc = 2 * std::sqrt(pow7(cBarP) / (pow7(cBarP) + pow7(25)));
  const double sl = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
  const double sc = 1 + 0.045 * cBarP, sh = 1 + 0.015 * cBarP * t;
  const double rt = -std::sin(rad(2 * dTheta)) * rc;
  const double l = dL / sl, c = dC / sc, h = dH / sh;
  return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

// The difference between two colours as an eye with `v` sees them.
inline double SeenDifference(Rgb x, Rgb y, Vision v) {
  return DeltaE2000(SeenAs(x, v), SeenAs(y, v));
}

}  // namespace fretlab::testing
