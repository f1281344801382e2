// The neck widget on its own: clicks map to positions at any size and in
// both hands, the keyboard cursor moves and reads out, and the drawing fills
// the widget at any device pixel ratio.

#include "ui/practice/neck_widget.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "practice/practice_view.h"
#include "ui/practice/picture_export.h"

namespace fretlab {
namespace {

class NeckWidgetTest : public ::testing::Test {
 protected:
  NeckWidgetTest() {
    neck.resize(1000, 300);
    neck.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&neck));
  }

  void Show(const PracticeView& view) { neck.setPicture(PictureOfView(view)); }

  QPoint Centre(Position p) const {
    const NeckPoint c = neck.layout().Centre(p);
    return QPoint(static_cast<int>(std::lround(c.x)), static_cast<int>(std::lround(c.y)));
  }

  NeckWidget neck;
};

TEST_F(NeckWidgetTest, ClicksFindEveryPositionAtSeveralSizesInBothHands) {
  QSignalSpy clicked(&neck, &NeckWidget::positionClicked);
  QSignalSpy muted(&neck, &NeckWidget::muteClicked);
  for (QSize size : {QSize(420, 140), QSize(1000, 300), QSize(1900, 620)}) {
    for (bool left : {false, true}) {
      neck.resize(size);
      PracticeView view;
      view.leftHanded = left;
      Show(view);
      for (int s = 0; s < 6; ++s) {
        for (int f = 0; f < kFretPositions; ++f) {
          clicked.clear();
          QTest::mouseClick(&neck, Qt::LeftButton, {}, Centre({s, f}));
          ASSERT_EQ(clicked.size(), 1) << size.width() << " left " << left << " " << s << "/" << f;
          EXPECT_EQ(clicked.at(0).at(0).value<Position>(), (Position{s, f}))
              << size.width() << " left " << left;
        }
        muted.clear();
        const NeckLayout layout = neck.layout();
        QTest::mouseClick(&neck, Qt::LeftButton, {},
                          QPoint(static_cast<int>(layout.MuteX()), static_cast<int>(layout.StringY(s))));
        ASSERT_EQ(muted.size(), 1);
        EXPECT_EQ(muted.at(0).at(0).toInt(), s);
      }
    }
  }
  clicked.clear();
  QTest::mouseClick(&neck, Qt::RightButton, {}, Centre({2, 5}));
  QTest::mouseClick(&neck, Qt::LeftButton, {}, QPoint(5, 2));  // above the strings
  EXPECT_EQ(clicked.size(), 0);
}

TEST_F(NeckWidgetTest, KeyboardCursorWalksTheNeckAndReadsOut) {
  PracticeView view;  // C major, Standard
  Show(view);
  neck.setDescriber([&view](Position p) { return QString::fromStdString(DescribeForReader(view, p)); });
  neck.setFocus();
  QSignalSpy activated(&neck, &NeckWidget::positionActivated);
  const auto press = [this](Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(&neck, key);
  };
  EXPECT_EQ(neck.cursorPosition(), (Position{0, 0}));
  press(Qt::Key_Up);  // already at the top string
  press(Qt::Key_Left);  // already at the open string
  EXPECT_EQ(neck.cursorPosition(), (Position{0, 0}));
  press(Qt::Key_Down, 2);
  press(Qt::Key_Right, 5);
  EXPECT_EQ(neck.cursorPosition(), (Position{2, 5}));
  EXPECT_EQ(neck.cursorText(), QStringLiteral("string 3, G string, fret 5, C, root of C major"));
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&neck);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("string 3, G string, fret 5, C, root of C major"));
  EXPECT_FALSE(reader->text(QAccessible::Description).isEmpty());
  press(Qt::Key_Return);
  press(Qt::Key_Space);
  ASSERT_EQ(activated.size(), 2);
  EXPECT_EQ(activated.at(1).at(0).value<Position>(), (Position{2, 5}));
  press(Qt::Key_Down, 9);  // stops at the lowest string
  press(Qt::Key_End);
  EXPECT_EQ(neck.cursorPosition(), (Position{5, 24}));
  press(Qt::Key_Right);
  EXPECT_EQ(neck.cursorPosition(), (Position{5, 24}));
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("string 6, E string, fret 24, E, major third of C major"));
  press(Qt::Key_Home);
  EXPECT_EQ(neck.cursorPosition(), (Position{5, 0}));

  // Left-handed, Right moves toward the nut, which is now on the right.
  view.leftHanded = true;
  Show(view);
  neck.setCursorPosition({1, 7});
  press(Qt::Key_Right);
  EXPECT_EQ(neck.cursorPosition(), (Position{1, 6}));
  press(Qt::Key_Left, 3);
  EXPECT_EQ(neck.cursorPosition(), (Position{1, 9}));

  // A tuning with fewer strings brings the cursor onto the neck.
  neck.setCursorPosition({5, 3});
  view.tuning = *FindPresetTuning("Bass");
  Show(view);
  EXPECT_EQ(neck.cursorPosition(), (Position{3, 3}));
}

TEST_F(NeckWidgetTest, DrawingFillsTheWidgetAtAnyPixelRatio) {
  PracticeView view;
  view.frets = {5, 5};
  Show(view);
  const auto marks = BuildMarks(view);
  ASSERT_EQ(marks.size(), 6u);
  for (QSize size : {QSize(500, 160), QSize(1600, 520)}) {
    neck.resize(size);
    for (qreal ratio : {1.0, 2.0}) {
      QImage image(size * ratio, QImage::Format_ARGB32);
      image.setDevicePixelRatio(ratio);
      neck.render(&image);
      for (const NeckMark& m : marks) {
        const NeckPoint c = neck.layout().Centre(m.position);
        // A point a little off the centre, clear of the label.
        const QColor seen = image.pixelColor(static_cast<int>((c.x + neck.layout().MarkerRadius(5) * 0.6) * ratio),
                                             static_cast<int>(c.y * ratio));
        EXPECT_EQ(seen, QColor(m.fill.red, m.fill.green, m.fill.blue))
            << size.width() << "x" << ratio << " string " << m.position.string;
      }
      // The board reaches close to the right edge: the drawing fills the width.
      const NeckLayout layout = neck.layout();
      EXPECT_GT(layout.Board().Right(), size.width() * 0.97);
      const double between = layout.StringY(0) + layout.StringGap() / 2;
      const auto at = [&](double x, double y) {
        return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
      };
      EXPECT_EQ(at(layout.PositionX(5), between), neck_colours::kBoard);
      // Frets outside the range in use are shaded, up to the last one.
      const QColor outside = at(layout.PositionX(24), between);
      EXPECT_LT(outside.lightness(), neck_colours::kBoard.lightness() - 10);
    }
  }
}

TEST_F(NeckWidgetTest, OverlaysForModes) {
  Show(PracticeView{});  // C major
  const auto pixelAt = [this](Position p, double dy) {
    const QImage image = neck.grab().toImage();
    const NeckPoint c = neck.layout().Centre(p);
    return image.pixelColor(static_cast<int>(c.x), static_cast<int>(c.y + dy));
  };
  const Position unmarked{5, 2};  // F♯, outside C major
  const QColor before = pixelAt(unmarked, 0);
  neck.flash(unmarked, QColor(200, 0, 0), 40);
  EXPECT_EQ(pixelAt(unmarked, 0), QColor(200, 0, 0));
  QTest::qWait(80);
  EXPECT_EQ(pixelAt(unmarked, 0), before);  // the flash is gone by itself

  // Heat colours the position's cell behind the strings.
  const double offString = -neck.layout().StringGap() * 0.45;
  neck.setHeat(unmarked, QColor(0, 160, 0));
  EXPECT_EQ(pixelAt(unmarked, offString), QColor(0, 160, 0));
  neck.clearHeat();
  EXPECT_EQ(pixelAt(unmarked, offString), neck_colours::kBoard);

  // A highlight rings a position just outside its mark (a third of a
  // radius out).
  const Position f{5, 1};
  const double ring = neck.layout().MarkerRadius(1) * 1.36;
  const QColor plain = pixelAt(f, -ring);
  neck.setHighlight(f, QColor(0, 0, 255));
  EXPECT_EQ(pixelAt(f, -ring), QColor(0, 0, 255));
  neck.clearHighlights();
  EXPECT_EQ(pixelAt(f, -ring), plain);
}

}  // namespace
}  // namespace fretlab
