#include "ui/fretboard_view.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>

namespace fretlab {

namespace {

constexpr std::array<const char*, kStringCount> kStringNames = {"E", "B", "G", "D", "A", "E"};
constexpr std::array<int, 8> kSingleDotSpaces = {3, 5, 7, 9, 15, 17, 19, 21};
constexpr int kDoubleDotSpace = 12;
constexpr int kWireCount = 24;
constexpr int kLastWire = kWireCount - 1;

QFont PictureFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // Hard edges: the picture is a fixed bitmap, the same on every machine.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// A white disc whose lower half is shaded light grey.
void PaintInlayDot(QPainter& painter, const QRect& box) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(box.adjusted(0, 0, -1, -1));
  painter.save();
  painter.setClipRect(QRect(box.left(), box.top() + box.height() / 2, box.width(), box.height()));
  painter.setBrush(kLightGrey);
  painter.drawEllipse(box.adjusted(1, 0, -2, -2));
  painter.restore();
}

QImage PaintPicture() {
  QImage image(kPictureSize, QImage::Format_RGB32);
  image.fill(kLightGrey);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int width = kPictureSize.width();

  // A dark line along the top, row 1.
  painter.fillRect(QRect(0, 1, width, 1), kDarkGrey);

  // The neck with its black border.
  const QRect neck(QPoint(kNeckLeft, kNeckTop), QPoint(kNeckRight, kNeckBottom));
  painter.fillRect(neck, Qt::black);
  painter.fillRect(neck.adjusted(1, 1, -1, -1), kDarkGrey);

  // Inlay dots, under the strings.
  const int dotRowTop = 67;  // midway between the G (60) and D (81) strings
  for (int space : kSingleDotSpaces) {
    PaintInlayDot(painter, QRect(FretSpaceLeft(space) + 4, dotRowTop, 10, 10));
  }
  for (StringIndex s : {1, 4}) {  // the B and A strings
    PaintInlayDot(painter, QRect(FretSpaceLeft(kDoubleDotSpace) + 5, StringCentreRow(s) - 4, 8, 8));
  }

  // Fret wires from the neck's top border to its bottom border: three white
  // columns with a black one on each side. Wire 0 is the nut.
  for (int k = 0; k < kWireCount; ++k) {
    const int c = WireCentreX(k);
    painter.fillRect(QRect(c - 2, kNeckTop, 5, kNeckBottom - kNeckTop + 1), Qt::black);
    painter.fillRect(QRect(c - 1, kNeckTop, 3, kNeckBottom - kNeckTop + 1), Qt::white);
  }

  // Strings: black, three red, black rows, from the margin to wire 23; where
  // a band crosses a wire it shows a two-pixel black mark. Right of wire 23 a
  // white centre line between black rows runs to the neck's right border.
  const int bandEnd = WireCentreX(kLastWire) + 2;
  for (StringIndex s = 0; s < kStringCount; ++s) {
    const int row = StringCentreRow(s);
    painter.fillRect(QRect(kStringStart, row - 2, bandEnd - kStringStart + 1, 5), Qt::black);
    painter.fillRect(QRect(kStringStart, row - 1, bandEnd - kStringStart + 1, 3), kStringRed);
    for (int k = 0; k < kWireCount; ++k) {
      painter.fillRect(QRect(WireCentreX(k) - 1, row - 1, 2, 3), Qt::black);
    }
    const int stubLeft = bandEnd + 1;
    const int stubWidth = kNeckRight - stubLeft;
    painter.fillRect(QRect(stubLeft, row - 1, stubWidth, 3), Qt::black);
    painter.fillRect(QRect(stubLeft, row, stubWidth, 1), Qt::white);
  }

  painter.setPen(Qt::black);
  // String names, left of the strings, each centred on its string's row.
  painter.setFont(PictureFont(18, true));
  const QFontMetrics nameMetrics(painter.font());
  for (StringIndex s = 0; s < kStringCount; ++s) {
    const int baseline = StringCentreRow(s) + (nameMetrics.capHeight() + 1) / 2;
    painter.drawText(QPoint(9, baseline), QString::fromLatin1(kStringNames[s]));
  }

  // Fret numbers 1..23 under the middle of their fret spaces, rows 140..149.
  painter.setFont(PictureFont(14, false));
  const QFontMetrics numberMetrics(painter.font());
  for (int k = 1; k <= kLastWire; ++k) {
    const QString text = QString::number(k);
    const int centre = FretSpaceLeft(k) + 9;
    const int left = centre - numberMetrics.horizontalAdvance(text) / 2;
    painter.drawText(QPoint(left, 150), text);
  }
  return image;
}

QFont RootLetterFont() {
  // The letter is written in the platform's general font, not the window's.
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace

const QImage& FretboardPicture() {
  static const QImage picture = PaintPicture();
  return picture;
}

CFretboardView::CFretboardView(QWidget* parent) : QWidget(parent) {
  setFixedSize(kPictureSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Clicks and moves over the picture belong to the window, in its client
  // coordinates: the neck is clicked through the picture.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAccessibleName(tr("Fretboard"));
  setAccessibleDescription(tr("Six strings, frets 0 to 23; marked positions show the current choice"));
}

void CFretboardView::AddMarker(StringIndex s, FretIndex f, int rootFlag) {
  if (!IsPosition(s, f)) return;
  const Marker marker{s, f, rootFlag > 0};
  std::erase(m_markers, marker);
  m_markers.push_back(marker);
  ++m_generation;
}

void CFretboardView::RemoveAllMarkers() {
  m_markers.clear();
  ++m_generation;
}

void CFretboardView::PaintMarker(QPainter& painter, QPoint centre, bool root, QPoint origin) {
  const QPoint corner = centre - QPoint(kMarkerHalfSize, kMarkerHalfSize) - origin;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  // Aliased, an 11 x 11 box with a one-pixel pen fills exactly the 12 x 12
  // pixels corner .. corner + 11.
  painter.drawEllipse(QRect(corner, QSize(11, 11)));
  if (root) {
    painter.setFont(RootLetterFont());
    const QFontMetrics metrics(painter.font());
    const QString letter = QStringLiteral("R");
    // An opaque white character cell with its top-left corner at the
    // circle box's top-left corner, the letter in black on it.
    painter.fillRect(QRect(corner, QSize(metrics.horizontalAdvance(letter), metrics.height())),
                     Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(corner + QPoint(0, metrics.ascent()), letter);
  }
}

void CFretboardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), FretboardPicture(), event->rect());
  for (const Marker& marker : m_markers) {
    PaintMarker(painter, QPoint(g_fretX[marker.fret], g_stringY[marker.string]), marker.root,
                kPictureOrigin);
  }
  m_paintedGeneration = m_generation;
}

}  // namespace fretlab
