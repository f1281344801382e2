// The painter's marks: an altered degree's ring carries a notch (below for a
// lowered degree, above for a raised one) in its label's colour, so that it
// differs from its natural neighbour by shape as well as colour; a natural
// degree has none. The window, the SVG and the PNG all use this painter.

#include "ui/practice/neck_picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

namespace fretlab {
namespace {

QColor Colour(Rgb c) { return QColor(c.red, c.green, c.blue); }

class NotchTest : public ::testing::Test {
 protected:
  NotchTest() : image(1000, 300, QImage::Format_RGB32) {}

  // Paints the marks and returns the colour at `fraction` of the radius
  // above (negative) or below (positive) the centre of the mark at `at`.
  QColor Sample(const std::vector<NeckMark>& marks, Position at, double fraction) {
    NeckPicture picture;
    picture.marks = marks;
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintNeck(painter, image.size(), picture);
    painter.end();
    const NeckLayout layout = picture.Layout(image.size());
    const QRectF circle = MarkRect(layout, at);
    const QPointF point = circle.center() + QPointF(0, fraction * circle.height() / 2);
    return image.pixelColor(static_cast<int>(std::floor(point.x())),
                            static_cast<int>(std::floor(point.y())));
  }

  QImage image;
};

NeckMark Mark(Position p, Degree d) {
  return MakeMark(LabelMode::kNone, p, 60, SpelledNote{}, d);
}

TEST_F(NotchTest, AlteredMarksCarryANotchOnTheSideOfTheirAlteration) {
  const Position at{2, 5};
  const NeckMark flatThree = Mark(at, {3, -1});
  const NeckMark third = Mark(at, {3, 0});
  const NeckMark sharpFour = Mark(at, {4, 1});
  ASSERT_NE(Colour(flatThree.text), Colour(flatThree.fill));
  // Lowered: the notch below the centre, none above.
  EXPECT_EQ(Sample({flatThree}, at, 0.75), Colour(flatThree.text));
  EXPECT_EQ(Sample({flatThree}, at, -0.75), Colour(flatThree.fill));
  // Raised: above, not below.
  EXPECT_EQ(Sample({sharpFour}, at, -0.75), Colour(sharpFour.text));
  EXPECT_EQ(Sample({sharpFour}, at, 0.75), Colour(sharpFour.fill));
  // A natural degree and the root: the fill all the way across.
  for (const NeckMark& plain : {third, Mark(at, {1, 0})}) {
    EXPECT_EQ(Sample({plain}, at, 0.75), Colour(plain.fill));
    EXPECT_EQ(Sample({plain}, at, -0.75), Colour(plain.fill));
  }
  // The notch stays inside the ring: the middle of the mark keeps its fill.
  EXPECT_EQ(Sample({flatThree}, at, 0.3), Colour(flatThree.fill));
}

}  // namespace
}  // namespace fretlab
