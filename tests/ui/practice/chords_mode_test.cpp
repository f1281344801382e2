// The Chords tab: a symbol typed lists its voicings, best first; a click
// shows one on the neck and strums it; "Open in Chord lab" takes it there;
// a symbol it cannot read says why; the list follows the tuning and capo,
// and the symbol comes back at the next start.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "ui/practice/chord_lab_mode.h"
#include "ui/practice/chords_mode.h"
#include "ui/practice/practice_fixture.h"

namespace fretlab::testing {
namespace {

using namespace std::chrono_literals;

class ChordsTest : public PracticeTest {
 protected:
  ChordsTest() { Open(); }

  void Open() {
    chords = window->findMode<ChordsMode>();
    ASSERT_NE(chords, nullptr);
    ShowMode(*window, *chords);
  }

  void Type(const QString& symbol) {
    chords->symbolField()->clear();
    QTest::keyClicks(chords->symbolField(), symbol);
    QTest::keyClick(chords->symbolField(), Qt::Key_Return);
  }

  int RowOf(const std::string& frets) {
    for (int i = 0; i < static_cast<int>(chords->voicings().size()); ++i) {
      if (chords->voicings()[i].FretsText() == frets) return i;
    }
    return -1;
  }

  void ClickRow(int row) {
    QListWidget* list = chords->list();
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  ChordsMode* chords = nullptr;
};

TEST_F(ChordsTest, ASymbolListsItsVoicingsTheFamiliarOnesFirst) {
  EXPECT_EQ(window->modeArea()->tabText(window->modeArea()->currentIndex()), QStringLiteral("Chords"));
  Type(QStringLiteral("Cmaj7"));
  ASSERT_GE(chords->list()->count(), 5);
  EXPECT_EQ(chords->list()->count(), static_cast<int>(chords->voicings().size()));
  EXPECT_EQ(chords->list()->item(0)->text().toStdString(), "x32000  open  C E G B E");
  const int x35453 = RowOf("x35453");
  EXPECT_GE(x35453, 0);
  EXPECT_LT(x35453, 5);
  EXPECT_TRUE(chords->statusLabel()->text().startsWith(QStringLiteral("Cmaj7: ")));
  // Nothing chosen yet: the neck is empty and the lab button waits.
  EXPECT_TRUE(Neck().picture().marks.empty());
  EXPECT_FALSE(chords->chordLabButton()->isEnabled());
}

TEST_F(ChordsTest, AClickShowsTheVoicingAndStrumsIt) {
  Type(QStringLiteral("C"));
  const int open = RowOf("x32010");
  ASSERT_GE(open, 0);
  output.calls.clear();
  ClickRow(open);
  EXPECT_EQ(Neck().picture().marks.size(), 5u);
  EXPECT_EQ(Neck().picture().muted, (std::vector<StringIndex>{5}));
  for (int i = 0; i < 6; ++i) Wait(25ms);
  EXPECT_EQ(SentNotes(), (std::vector<int>{48, 52, 55, 60, 64}));
  // A second click on the same row strums it again.
  Wait(2s);
  output.calls.clear();
  ClickRow(open);
  for (int i = 0; i < 6; ++i) Wait(25ms);
  EXPECT_EQ(SentNotes().size(), 5u);
}

TEST_F(ChordsTest, OpenInChordLabTakesTheVoicingThere) {
  Type(QStringLiteral("Am7"));
  const int row = RowOf("575555");
  ASSERT_GE(row, 0);
  ClickRow(row);
  ASSERT_TRUE(chords->chordLabButton()->isEnabled());
  chords->chordLabButton()->click();
  auto* lab = dynamic_cast<ChordLabMode*>(window->currentMode());
  ASSERT_NE(lab, nullptr);
  EXPECT_EQ(lab->nameText(), QStringLiteral("Am7"));
  EXPECT_EQ(lab->shape().FretOf(5), std::optional<FretIndex>(5));
  EXPECT_EQ(lab->shape().FretOf(4), std::optional<FretIndex>(7));
  EXPECT_EQ(Neck().picture().marks.size(), 6u);
}

TEST_F(ChordsTest, ASymbolItCannotReadSaysWhyAndListsNothing) {
  Type(QStringLiteral("H7"));
  EXPECT_EQ(chords->list()->count(), 0);
  EXPECT_TRUE(chords->statusLabel()->text().startsWith(QStringLiteral("Not a chord symbol: ")));
  EXPECT_GT(chords->statusLabel()->text().size(), 22);
  EXPECT_TRUE(Neck().picture().marks.empty());
}

TEST_F(ChordsTest, TheListFollowsTheCapoAndTheSymbolComesBack) {
  Type(QStringLiteral("G"));
  ASSERT_GE(RowOf("320003"), 0);
  Choose([](PracticeChoices& c) { c.view.capo = 3; });
  EXPECT_LT(RowOf("320003"), 0);
  ASSERT_FALSE(chords->voicings().empty());
  for (const Voicing& v : chords->voicings()) {
    for (FretIndex f : v.frets) EXPECT_TRUE(f == kMuted || f >= 3) << v.FretsText();
  }
  Reopen();
  Open();
  EXPECT_EQ(chords->symbolField()->text(), QStringLiteral("G"));
  EXPECT_FALSE(chords->voicings().empty());
}

}  // namespace
}  // namespace fretlab::testing
