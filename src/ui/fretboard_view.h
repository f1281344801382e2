#pragma once
// The fretboard picture and the markers drawn over it.
//
// The picture is 609 x 166 pixels and sits unscaled at client pixel (11, 11),
// so client pixel = picture pixel + (11, 11); the pixel tables of the neck
// (g_stringY, g_fretX) are client pixels and land on its strings and fret
// spaces. The view keeps every marker drawn since the last clear and paints
// them over the picture on every repaint, so a window passing over the neck
// no longer wipes a display.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <vector>

#include "theory/fretboard.h"

namespace fretlab {

inline constexpr QPoint kPictureOrigin{11, 11};  // client pixel of the picture's top-left
inline constexpr QSize kPictureSize{609, 166};

// Picture geometry, in picture pixels.
inline constexpr int kNeckLeft = 49;
inline constexpr int kNeckRight = 602;
inline constexpr int kNeckTop = 11;
inline constexpr int kNeckBottom = 132;
inline constexpr int kStringStart = 28;  // strings begin in the margin left of the nut
constexpr int WireCentreX(int k) { return 51 + 23 * k; }         // wire k = 0..23
constexpr int StringCentreRow(StringIndex s) { return 18 + 21 * s; }
constexpr int FretSpaceLeft(int k) { return 31 + 23 * k; }       // space k = 1..23, 18 wide

inline const QColor kLightGrey{189, 189, 189};
inline const QColor kDarkGrey{123, 123, 123};
inline const QColor kStringRed{255, 0, 0};

// The bare picture, painted once from the geometry above and kept.
const QImage& FretboardPicture();

struct Marker {
  StringIndex string = 0;
  FretIndex fret = 0;
  bool root = false;  // "R" over the circle
  friend bool operator==(const Marker&, const Marker&) = default;
};

class CFretboardView : public QWidget {
  Q_OBJECT

 public:
  explicit CFretboardView(QWidget* parent = nullptr);

  // Adds the marker of (s, f), lettered when rootFlag > 0; positions outside
  // the neck are ignored. The caller decides when to repaint.
  void AddMarker(StringIndex s, FretIndex f, int rootFlag);
  void RemoveAllMarkers();

  // The markers in drawing order. Drawing a marker that is already there
  // moves it to the end: a marker covers an earlier identical one exactly,
  // so the picture is the same and the list stays within 2 x 144 entries.
  const std::vector<Marker>& Markers() const { return m_markers; }
  // Counts changes of the marker list; PaintedGeneration() is the count that
  // the last paint showed, so the two are equal once the screen is current.
  unsigned Generation() const { return m_generation; }
  unsigned PaintedGeneration() const { return m_paintedGeneration; }

  // Paints one marker with its centre at client pixel `centre`, `origin`
  // being the client pixel of the painter's (0, 0).
  static void PaintMarker(QPainter& painter, QPoint centre, bool root, QPoint origin);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Marker> m_markers;
  unsigned m_generation = 0;
  unsigned m_paintedGeneration = 0;
};

}  // namespace fretlab
