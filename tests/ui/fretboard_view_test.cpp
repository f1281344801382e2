// The picture and the markers, pixel by pixel, as the window shows them.

#include "ui_test_support.h"

namespace fretlab::testing {
namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kLight(189, 189, 189);
const QColor kDark(123, 123, 123);

class Picture : public DialogTest {};

TEST_F(Picture, SitsAtElevenElevenUnscaled) {
  EXPECT_EQ(FretboardPicture().size(), QSize(609, 166));
  EXPECT_EQ(PictureImage(), FretboardPicture().convertToFormat(QImage::Format_RGB32));
  // Just outside the picture is the window's own surface, not the picture.
  const QImage client = ClientImage();
  EXPECT_NE(At(client, 10, 40), kLight);
}

TEST_F(Picture, KeyPixels) {
  const QImage& p = FretboardPicture();
  EXPECT_EQ(At(p, 3, 60), kLight);    // the margin left of the string names
  EXPECT_EQ(At(p, 300, 0), kLight);   // top row
  EXPECT_EQ(At(p, 300, 1), kDark);    // the dark line of row 1
  EXPECT_EQ(At(p, 49, 70), kBlack);   // the neck's left border
  EXPECT_EQ(At(p, 602, 70), kBlack);  // its right border
  EXPECT_EQ(At(p, 300, 11), kBlack);  // top border
  EXPECT_EQ(At(p, 300, 132), kBlack); // bottom border
  // Wire 5 at x = 51 + 23 * 5 between two strings: white, black beside it.
  EXPECT_EQ(At(p, 166, 28), kWhite);
  EXPECT_EQ(At(p, 165, 28), kWhite);
  EXPECT_EQ(At(p, 167, 28), kWhite);
  EXPECT_EQ(At(p, 164, 28), kBlack);
  EXPECT_EQ(At(p, 168, 28), kBlack);
  // String 2's band: black, three red, black rows around row 60.
  EXPECT_EQ(At(p, 150, 58), kBlack);
  EXPECT_EQ(At(p, 150, 59), kRed);
  EXPECT_EQ(At(p, 150, 60), kRed);
  EXPECT_EQ(At(p, 150, 61), kRed);
  EXPECT_EQ(At(p, 150, 62), kBlack);
  // The strings start in the margin at x = 28; right of wire 23 a white line.
  EXPECT_EQ(At(p, 28, 18), kRed);
  EXPECT_EQ(At(p, 27, 18), kLight);
  EXPECT_EQ(At(p, 590, 18), kWhite);
  EXPECT_EQ(At(p, 590, 17), kBlack);
  // Fret space 4 between strings is neck.
  EXPECT_EQ(At(p, 31 + 23 * 4 + 9, 28), kDark);
}

TEST_F(Picture, TheNeckTablesMeetStringsAndFretSpaces) {
  const QImage client = ClientImage();
  for (StringIndex s = 0; s < kStringCount; ++s) {
    for (FretIndex f = 0; f < kMainWindowFretPositions; ++f) {
      // Each position's centre is on its string's red centre row...
      EXPECT_EQ(At(client, g_fretX[f], g_stringY[s]), kRed) << s << "," << f;
    }
  }
  const int betweenStrings = g_stringY[0] + 10;
  for (FretIndex f = 1; f < kMainWindowFretPositions; ++f) {
    // ...and a marker's width around it stays inside the fret space.
    for (int dx = -6; dx <= 5; ++dx) {
      EXPECT_NE(At(client, g_fretX[f] + dx, betweenStrings), kWhite) << "fret " << f << " dx " << dx;
    }
  }
  // The open string's place is left of the nut, in the margin.
  EXPECT_LT(g_fretX[0] + 5 - kPictureOrigin.x(), kNeckLeft);
}

TEST_F(Picture, FretNumbersAndStringNamesAreDrawn) {
  const QImage& p = FretboardPicture();
  auto blackIn = [&](QRect r) {
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) count += At(p, x, y) == kBlack;
    return count;
  };
  for (int k = 1; k <= 23; ++k) {
    const int centre = 31 + 23 * k + 9;
    EXPECT_GT(blackIn(QRect(centre - 9, 140, 18, 10)), 5) << "fret number " << k;
  }
  EXPECT_EQ(blackIn(QRect(0, 150, 609, 16)), 0);
  for (StringIndex s = 0; s < 6; ++s) {
    EXPECT_GT(blackIn(QRect(9, 18 + 21 * s - 6, 14, 13)), 10) << "string name " << s;
  }
}

class Markers : public DialogTest {
 protected:
  QImage Bare() const { return ClientImage(); }
  // Pixels of `after` that differ from `before`.
  static QRect ChangedArea(const QImage& before, const QImage& after) {
    QRect area;
    for (int y = 0; y < before.height(); ++y)
      for (int x = 0; x < before.width(); ++x)
        if (before.pixel(x, y) != after.pixel(x, y)) area |= QRect(x, y, 1, 1);
    return area;
  }
  static void ExpectPlainCircle(const QImage& image, int x, int y) {
    // The 12 x 12 box from (x - 6, y - 6) to (x + 5, y + 5): outline on its
    // edges' middles, white inside.
    EXPECT_EQ(At(image, x - 6, y), kBlack);
    EXPECT_EQ(At(image, x + 5, y), kBlack);
    EXPECT_EQ(At(image, x, y - 6), kBlack);
    EXPECT_EQ(At(image, x, y + 5), kBlack);
    EXPECT_EQ(At(image, x, y), kWhite);
    EXPECT_EQ(At(image, x - 3, y - 3), kWhite);
    EXPECT_EQ(At(image, x + 3, y + 3), kWhite);
  }
};

TEST_F(Markers, OpenHighEFillsExactlyItsBoxWithoutALetter) {
  const QImage before = Bare();
  dlg->DrawMarker(0, 0, 0);
  const QImage after = ClientImage();
  EXPECT_EQ(ChangedArea(before, after), QRect(QPoint(45, 23), QPoint(56, 34)));
  ExpectPlainCircle(after, 51, 29);
  // The circle's corners are left to the picture.
  EXPECT_EQ(At(after, 45, 23), At(before, 45, 23));
}

TEST_F(Markers, LastFretLowEWithTheRootLetter) {
  const QImage before = Bare();
  dlg->DrawMarker(5, 23, 0);
  const QImage plain = ClientImage();
  EXPECT_EQ(ChangedArea(before, plain), QRect(QPoint(573, 128), QPoint(584, 139)));
  ExpectPlainCircle(plain, 579, 134);
  dlg->ClearMarkers();
  dlg->DrawMarker(5, 23, 1);
  const QImage lettered = ClientImage();
  // The letter's opaque white cell starts at the box's top-left corner,
  // which the plain circle leaves to the picture.
  EXPECT_EQ(At(lettered, 573, 128), kWhite);
  EXPECT_NE(At(plain, 573, 128), kWhite);
  EXPECT_EQ(At(lettered, 572, 128), At(before, 572, 128));
  EXPECT_EQ(At(lettered, 573, 127), At(before, 573, 127));
  const QRect letterArea = ChangedArea(plain, lettered);
  EXPECT_EQ(letterArea.topLeft(), QPoint(573, 128));
  // Black letter strokes inside the cell, where the plain circle is white.
  int strokes = 0;
  for (int y = letterArea.top(); y <= letterArea.bottom(); ++y)
    for (int x = letterArea.left(); x <= letterArea.right(); ++x)
      strokes += At(lettered, x, y) == kBlack && At(plain, x, y) == kWhite;
  EXPECT_GT(strokes, 5);
  // The right edge of the circle is outside the cell.
  EXPECT_EQ(At(lettered, 584, 134), kBlack);
}

TEST_F(Markers, GStringTwelfthFretBetweenTheInlayDots) {
  const QImage before = Bare();
  dlg->DrawMarker(2, 12, 1);
  const QImage after = ClientImage();
  EXPECT_EQ(At(after, 326 + 5, 71), kBlack);
  EXPECT_EQ(At(after, 320, 65), kWhite);  // the letter cell's corner
  const QRect changed = ChangedArea(before, after);
  EXPECT_EQ(changed.left(), 320);
  EXPECT_EQ(changed.top(), 65);
  EXPECT_EQ(changed.right(), 331);
  // The dots of fret space 12 on the B and A strings are untouched.
  EXPECT_EQ(At(after, 326, 50), At(before, 326, 50));
  EXPECT_EQ(At(after, 326, 113), At(before, 326, 113));
}

class RootFlag : public Markers, public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(RootFlag, LetterOnlyAboveZero) {
  const auto [flag, lettered] = GetParam();
  dlg->DrawMarker(3, 7, 0);
  const QImage plain = ClientImage();
  dlg->ClearMarkers();
  dlg->DrawMarker(3, 7, flag);
  const QImage image = ClientImage();
  EXPECT_EQ(image == plain, !lettered);
  EXPECT_EQ(View()->Markers().back().root, lettered);
}

INSTANTIATE_TEST_SUITE_P(Flags, RootFlag,
                         ::testing::Values(std::pair{0, false}, std::pair{-1, false},
                                           std::pair{1, true}, std::pair{2, true}));

TEST_F(Markers, DrawingTwiceEqualsDrawingOnce) {
  dlg->DrawMarker(1, 3, 1);
  dlg->DrawMarker(4, 9, 0);
  const QImage once = ClientImage();
  dlg->DrawMarker(1, 3, 1);
  dlg->DrawMarker(4, 9, 0);
  EXPECT_EQ(ClientImage(), once);
}

TEST_F(Markers, PlainOverLetteredKeepsWhatTheLetterLeftOutsideTheCircle) {
  dlg->DrawMarker(1, 3, 1);
  const QImage lettered = ClientImage();
  dlg->DrawMarker(1, 3, 0);
  const QImage both = ClientImage();
  // The circle is drawn again over the letter, but the cell's top-left
  // corner, outside the circle, stays white.
  EXPECT_EQ(At(both, g_fretX[3] - 6, g_stringY[1] - 6), kWhite);
  EXPECT_NE(both, lettered);
  ExpectPlainCircle(both, g_fretX[3], g_stringY[1]);
}

TEST_F(Markers, ClearMarkersRestoresTheBarePicture) {
  const QImage before = Bare();
  for (StringIndex s = 0; s < 6; ++s) dlg->DrawMarker(s, 0, 1);  // left of the nut
  dlg->DrawMarker(2, 12, 1);
  ASSERT_NE(ClientImage(), before);
  dlg->ClearMarkers();
  EXPECT_EQ(ClientImage(), before);
  EXPECT_TRUE(View()->Markers().empty());
}

TEST_F(Markers, ARepaintKeepsTheMarkers) {
  dlg->DrawMarker(0, 5, 1);
  dlg->DrawMarker(5, 17, 0);
  const QImage marked = PictureImage();
  // Another window passing over the neck: the view is repainted from scratch.
  View()->update();
  ClientArea()->repaint();
  dlg->hide();
  dlg->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  QApplication::processEvents();
  EXPECT_EQ(View()->PaintedGeneration(), View()->Generation());
  EXPECT_EQ(PictureImage(), marked);
}

TEST_F(Markers, PositionsOutsideTheNeckDrawNothing) {
  const QImage before = Bare();
  dlg->DrawMarker(-1, 3, 1);
  dlg->DrawMarker(6, 3, 1);
  dlg->DrawMarker(2, -1, 0);
  dlg->DrawMarker(2, 24, 0);
  dlg->DrawMarker(9999, 9999, 1);
  EXPECT_EQ(ClientImage(), before);
  EXPECT_TRUE(View()->Markers().empty());
}

TEST_F(Markers, EachMarkerIsPaintedAtOnce) {
  const unsigned before = View()->PaintedGeneration();
  dlg->DrawMarker(3, 3, 0);
  // No event loop has run: the paint happened inside DrawMarker.
  EXPECT_GT(View()->PaintedGeneration(), before);
  EXPECT_EQ(View()->PaintedGeneration(), View()->Generation());
  dlg->ClearMarkers();
  EXPECT_EQ(View()->PaintedGeneration(), View()->Generation());
}

}  // namespace
}  // namespace fretlab::testing
