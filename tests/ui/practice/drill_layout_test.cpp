// A round fits the window: at every size from 800 × 500 up, while a drill
// runs, the question, the answers, the feedback and Hear it again are in
// full view without scrolling, and the neck keeps two fifths of the height
// with its circles and labels still readable.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>

#include "drill_fixture.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/ear_choice.h"
#include "ui/practice/neck_picture.h"

namespace fretlab::testing {
namespace {

// Whether `w` shows whole: visible, inside every ancestor up to the window
// and inside the viewport of any scroll area on the way.
::testing::AssertionResult InFullView(QWidget* w) {
  if (!w->isVisible()) return ::testing::AssertionFailure() << w->accessibleName().toStdString() << " is hidden";
  const QRect own(QPoint(0, 0), w->size());
  for (QWidget* a = w->parentWidget(); a != nullptr; a = a->parentWidget()) {
    const QRect inA(w->mapTo(a, QPoint(0, 0)), own.size());
    if (!a->rect().contains(inA)) {
      return ::testing::AssertionFailure()
             << w->accessibleName().toStdString() << " is cut by a " << a->metaObject()->className();
    }
    if (auto* scroll = qobject_cast<QScrollArea*>(a)) {
      const QRect inView(w->mapTo(scroll->viewport(), QPoint(0, 0)), own.size());
      if (!scroll->viewport()->rect().contains(inView)) {
        return ::testing::AssertionFailure() << w->accessibleName().toStdString() << " needs scrolling";
      }
    }
    if (a->isWindow()) break;
  }
  return ::testing::AssertionSuccess();
}

class DrillLayout : public DrillTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(DrillLayout, TheRoundIsInFullViewAndTheNeckKeepsTwoFifths) {
  window->resize(GetParam());
  QTest::qWait(0);
  for (QuestionKind kind : {QuestionKind::kNameNote, QuestionKind::kEarToNeck}) {
    StartRound(kind, 3);
    QApplication::processEvents();
    RoundPanel& page = *drills.ui().round();
    EXPECT_TRUE(InFullView(page.promptLabel()));
    EXPECT_TRUE(InFullView(page.replayButton()));
    EXPECT_TRUE(InFullView(page.stopButton()));
    if (kind == QuestionKind::kNameNote) {
      for (int i = 0; i < 12; ++i) EXPECT_TRUE(InFullView(page.nameButton(i))) << i;
      EXPECT_TRUE(InFullView(page.answerField()));
      page.answerField()->setText(QString::fromStdString(Current().asked == "C" ? "D" : "C"));
      emit page.answerField()->returnPressed();
      QApplication::processEvents();
      EXPECT_TRUE(InFullView(page.feedbackLabel()));
      EXPECT_TRUE(InFullView(page.nextButton()));
    }
    EXPECT_GE(Neck().height() * 5, window->height() * 2) << "the neck keeps two fifths";
    // Circles of the frets in play at least 14 px across, labels at least 9 pt.
    const NeckLayout layout = Neck().layout();
    for (int fret = 0; fret <= 12; ++fret) {
      EXPECT_GE(2 * layout.MarkerRadius(fret), 14.0) << "fret " << fret;
      NeckMark mark;
      mark.position = {0, fret};
      mark.label = "C♯";
      EXPECT_GE(MarkLabelFont(layout, mark).pixelSize(), 12) << "fret " << fret;  // 9 pt at 96 dpi
    }
    drills.ui().round()->stopButton()->click();
    ASSERT_FALSE(drills.session().Running());
  }
}

// The ear drills with the most names in play: 24 intervals in two rows,
// eleven qualities, twelve scales in a grid of four columns.
TEST_P(DrillLayout, EveryEarDrillsAnswersAreInFullView) {
  window->resize(GetParam());
  QTest::qWait(0);
  for (QuestionKind kind : {QuestionKind::kEarInterval, QuestionKind::kEarChordQuality, QuestionKind::kEarScale}) {
    window->modeArea()->setCurrentIndex(2);
    drills.ui().choice()->drillBox()->setCurrentIndex(static_cast<int>(kind));
    QComboBox* ladder = drills.ui().ear()->ladderBox();
    ladder->setCurrentIndex(ladder->count() - 1);
    StartRound(kind, 3);
    QApplication::processEvents();
    RoundPanel& page = *drills.ui().round();
    EXPECT_TRUE(InFullView(page.promptLabel()));
    EXPECT_TRUE(InFullView(page.replayButton()));
    EXPECT_TRUE(InFullView(page.answerField()));
    const int names[] = {24, 11, 12};
    const int count = names[static_cast<int>(kind) - static_cast<int>(QuestionKind::kEarInterval)];
    for (int i = 0; i < count; ++i) {
      EXPECT_TRUE(InFullView(page.nameButton(i))) << i;
      // Each name whole on its button.
      EXPECT_GE(page.nameButton(i)->width(), page.nameButton(i)->fontMetrics().horizontalAdvance(page.nameButton(i)->text()))
          << page.nameButton(i)->text().toStdString();
    }
    // A wrong name: the first in play that is not the one asked.
    const QString asked = QString::fromStdString(Current().asked);
    page.answerField()->setText(page.nameButton(0)->text() == asked ? page.nameButton(1)->text()
                                                                     : page.nameButton(0)->text());
    emit page.answerField()->returnPressed();
    QApplication::processEvents();
    EXPECT_TRUE(InFullView(page.feedbackLabel()));
    EXPECT_TRUE(InFullView(page.nextButton()));
    EXPECT_GE(Neck().height() * 5, window->height() * 2) << "the neck keeps two fifths";
    page.stopButton()->click();
    ASSERT_FALSE(drills.session().Running());
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DrillLayout,
                         ::testing::Values(QSize(800, 500), QSize(1366, 768), QSize(1400, 680),
                                           QSize(1920, 1080)),
                         [](const auto& info) {
                           return std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });

}  // namespace
}  // namespace fretlab::testing
