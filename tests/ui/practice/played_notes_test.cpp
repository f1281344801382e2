// Notes played outside a round, in the real window through the fake
// capture: "What am I playing?" on the Explore tab, the chord lab taking a
// note per string, and the tuner with its needle, string and cents.

#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>

#include "listening_fixture.h"
#include "ui/practice/chord_lab_mode.h"
#include "ui/practice/explore_mode.h"
#include "ui/practice/practice_app.h"
#include "ui/practice/tuner_mode.h"
#include "ui/practice/tuner_needle.h"

namespace fretlab::testing {
namespace {

const QColor kPlayedRing(0xD5, 0x5E, 0x00);

std::vector<Position> Ringed(const NeckPicture& picture) {
  std::vector<Position> ringed;
  for (const auto& [position, colour] : picture.highlights) ringed.push_back(position);
  return ringed;
}

TEST_F(ListeningTest, ANotePlayedShowsEverywhereWithItsIntervalAndDegree) {
  auto& explore = *window->findMode<ExploreMode>();
  ASSERT_TRUE(explore.isActive());
  Choose([](PracticeChoices& c) {
    c.wholeNeck = false;
    c.fretBox = {0, 4};
  });
  Listen();
  PlayEach({57});  // A3
  EXPECT_EQ(explore.playedLabel()->text(), QStringLiteral("A3: 6, major sixth above C; degree 6 of C major"));
  EXPECT_EQ(explore.playedLabel()->accessibleDescription(), explore.playedLabel()->text());
  // Every A3 on the neck, the frets outside those shown too, named.
  const std::vector<Position> everyA3{{2, 2}, {3, 7}, {4, 12}, {5, 17}};
  EXPECT_EQ(Ringed(Neck().picture()), everyA3);
  for (const Position& p : everyA3) {
    const auto mark = std::find_if(Neck().picture().marks.begin(), Neck().picture().marks.end(),
                                   [&](const NeckMark& m) { return m.position == p; });
    ASSERT_NE(mark, Neck().picture().marks.end()) << p.string << "/" << p.fret;
    EXPECT_EQ(mark->label, "A");
  }
  // The next note takes its place; in another key it is named anew.
  PlayEach({56});
  EXPECT_EQ(explore.playedLabel()->text(),
            QStringLiteral("G\u266F3: \u266F5, augmented fifth above C; not in C major"));
  Choose([](PracticeChoices& c) { c.view.entry = 4; });  // C natural minor
  EXPECT_EQ(explore.playedLabel()->text(),
            QStringLiteral("A\u266D3: \u266D6, minor sixth above C; degree \u266D6 of C natural minor"));
  EXPECT_EQ(Ringed(Neck().picture()).size(), 4u);
  // Listening off: the note goes.
  QTest::mouseClick(Bar().listenSwitch(), Qt::LeftButton);
  EXPECT_FALSE(explore.playedLabel()->isVisible());
  EXPECT_TRUE(Ringed(Neck().picture()).empty());
}

TEST_F(ListeningTest, TheChordLabTakesANotePerStringFromPlaying) {
  window->modeArea()->setCurrentIndex(1);
  auto& lab = *window->findMode<ChordLabMode>();
  Listen();
  EXPECT_TRUE(lab.pickedLabel()->isVisible());
  EXPECT_EQ(lab.pickedString(), 5) << "the lowest string first";
  // C major from the A string up: the string is picked by a click...
  ClickNeck({4, 0});  // picks the A string (and the open A, which the note played replaces)
  EXPECT_EQ(lab.pickedString(), 4);
  EXPECT_TRUE(lab.pickedLabel()->text().startsWith(QStringLiteral("Play a note for string 5, A string")));
  Silence();  // the click sounded the open A
  PlayEach({48});  // C3 -> fret 3; the D string is picked next
  EXPECT_EQ(lab.shape().FretOf(4), 3);
  EXPECT_EQ(lab.pickedString(), 3);
  PlayEach({52, 55, 60, 64});  // E3, G3, C4, E4: string by string
  EXPECT_EQ(ShapeText(lab.shape()), "-32010");
  EXPECT_EQ(lab.nameText(), QStringLiteral("C"));
  // ...or with the arrow keys; a note the string cannot reach gets a line.
  Neck().setFocus();
  Neck().setCursorPosition({1, 0});
  Key(Qt::Key_Down);
  EXPECT_EQ(lab.pickedString(), 2);
  PlayEach({45});  // A2 is below the G string
  EXPECT_EQ(lab.reachLabel()->text(), QStringLiteral("A2 is out of reach of string 3, G string: it plays G3 to G5."));
  EXPECT_EQ(ShapeText(lab.shape()), "-32010") << "the chord is as it was";
  PlayEach({57});  // A3 on the G string: fret 2, and the line goes
  EXPECT_EQ(ShapeText(lab.shape()), "-32210");
  EXPECT_FALSE(lab.reachLabel()->isVisible());
  EXPECT_EQ(lab.nameText(), QStringLiteral("Am/C"));
}

class TunerTest : public ListeningTest {
 protected:
  TunerMode& Tuner() { return *window->findMode<TunerMode>(); }
  void ShowTuner() {
    ShowMode(*window, Tuner());
    ASSERT_TRUE(Tuner().isActive());
  }
};

TEST_F(TunerTest, ReadsTheNearestStringAndItsCentsTwentyTimesASecondAndMore) {
  EXPECT_EQ(window->modeArea()->tabText(window->modeArea()->count() - 1), QStringLiteral("Tuner"));
  ShowTuner();
  EXPECT_TRUE(Tuner().listenHint()->isVisible()) << "says how to listen";
  Listen();
  EXPECT_FALSE(Tuner().listenHint()->isVisible());
  EXPECT_EQ(Tuner().stringsLabel()->text(), QStringLiteral("Strings, lowest first: E2 A2 D3 G3 B3 E4"));
  QSignalSpy readings(&Ear(), &PracticeListening::tunerRead);
  Hear(HarmonicTone(NoteHz(45.12), 1.0));  // the A string, 12 cents sharp
  EXPECT_GE(readings.count(), 20);
  ASSERT_TRUE(Tuner().needle()->cents());
  EXPECT_NEAR(*Tuner().needle()->cents(), 12, 1);
  EXPECT_EQ(Tuner().stringLabel()->text(), QStringLiteral("String 5, A string: A2"));
  EXPECT_EQ(Tuner().stringLabel()->accessibleDescription(), Tuner().stringLabel()->text());
  EXPECT_TRUE(Tuner().centsLabel()->text().startsWith(QStringLiteral("+12 cents, sharp"))) << Tuner().centsLabel()->text().toStdString();
  EXPECT_EQ(Tuner().needle()->accessibleDescription(), QStringLiteral("12 cents"));
  EXPECT_EQ(Ringed(Neck().picture()), (std::vector<Position>{{4, 0}}));
  // Silence: the needle rests.
  Silence(0.5);
  EXPECT_FALSE(Tuner().needle()->cents());
  EXPECT_EQ(Tuner().stringLabel()->text(), QStringLiteral("Play one string"));
}

TEST_F(TunerTest, FollowsAnyTuningAndTheCapoAndStopsOffItsTab) {
  ShowTuner();
  Listen();
  // Drop D with a capo on 2: the low string sounds E2.
  Choose([](PracticeChoices& c) {
    c.view.tuning = *FindPresetTuning("Drop D");
    c.view.capo = 2;
  });
  EXPECT_EQ(Tuner().stringsLabel()->text(),
            QStringLiteral("Strings with the capo on fret 2, lowest first: E2 B2 E3 A3 C\u266F4 F\u266F4"));
  Hear(HarmonicTone(NoteHz(40 - 0.08), 1.0));
  EXPECT_EQ(Tuner().stringLabel()->text(), QStringLiteral("String 6, D string: E2"));
  EXPECT_TRUE(Tuner().centsLabel()->text().startsWith(QStringLiteral("\u22128 cents, flat")));
  EXPECT_EQ(Ringed(Neck().picture()), (std::vector<Position>{{5, 2}}));
  // Notes typed: a seven-string's low B, a hair sharp, reads in tune.
  Choose([](PracticeChoices& c) {
    c.view.tuning = *ParseTuning("B1 E2 A2 D3 G3 B3 E4");
    c.view.capo = 0;
  });
  Hear(HarmonicTone(NoteHz(35.01), 1.0));
  EXPECT_EQ(Tuner().stringLabel()->text(), QStringLiteral("String 7, B string: B1"));
  EXPECT_TRUE(Tuner().centsLabel()->text().startsWith(QStringLiteral("+1 cents, in tune")))
      << Tuner().centsLabel()->text().toStdString();
  // Off its tab the tuner reads nothing.
  window->modeArea()->setCurrentIndex(0);
  QSignalSpy readings(&Ear(), &PracticeListening::tunerRead);
  Hear(HarmonicTone(NoteHz(45), 0.5));
  EXPECT_EQ(readings.count(), 0);
}

}  // namespace
}  // namespace fretlab::testing
