// The always-open list on its own: what the user's actions do to it and
// which notifications they report.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "ui/combo_list.h"
#include "ui/command_ids.h"

namespace fretlab {
namespace {

class ComboList : public ::testing::Test {
 protected:
  void SetUp() override {
    list.resize(150, 120);
    for (const char* text : {"Lydian", "MAJOR (Ionian)", "Mixolydian", "Dorian "}) {
      list.AddString(QString::fromUtf8(text));
    }
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const QList<QVariant>& args : spy) codes.push_back(args.at(0).toInt());
    return codes;
  }
  QPoint EntryCentre(int index) {
    return list.List()->viewport()->mapFrom(&list, list.EntryRect(index).center());
  }

  CComboList list;
  QSignalSpy spy{&list, &CComboList::Notify};
};

TEST_F(ComboList, KeepsTheOrderOfAdding) {
  EXPECT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.GetLBText(1), "MAJOR (Ionian)");
  EXPECT_EQ(list.GetLBText(3), "Dorian ");
  EXPECT_EQ(list.GetLBText(4), "");
  EXPECT_EQ(list.GetCurSel(), -1);
}

TEST_F(ComboList, SetCurSelShowsTheTextAndReportsNothing) {
  list.SetCurSel(2);
  EXPECT_EQ(list.GetCurSel(), 2);
  EXPECT_EQ(list.GetWindowText(), "Mixolydian");
  list.SetCurSel(-1);
  EXPECT_EQ(list.GetCurSel(), -1);
  EXPECT_EQ(list.GetWindowText(), "");
  list.SetCurSel(7);
  EXPECT_EQ(list.GetCurSel(), -1);
  EXPECT_TRUE(spy.isEmpty());
}

TEST_F(ComboList, AClickSelectsShowsTheTextAndReportsTheChange) {
  list.Edit()->clearFocus();
  QTest::mouseClick(list.List()->viewport(), Qt::LeftButton, Qt::NoModifier, EntryCentre(2));
  EXPECT_EQ(list.GetCurSel(), 2);
  EXPECT_EQ(list.GetWindowText(), "Mixolydian");
  EXPECT_EQ(Codes(), (std::vector<int>{CBN_SELCHANGE, CBN_SELENDOK}));
  // The keyboard follows: the arrow keys now move this list's selection.
  EXPECT_TRUE(list.Edit()->hasFocus());
}

TEST_F(ComboList, ADoubleClickIsReported) {
  QTest::mouseClick(list.List()->viewport(), Qt::LeftButton, Qt::NoModifier, EntryCentre(1));
  spy.clear();
  QTest::mouseDClick(list.List()->viewport(), Qt::LeftButton, Qt::NoModifier, EntryCentre(1));
  const std::vector<int> codes = Codes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_DBLCLK), 1);
  EXPECT_EQ(list.GetCurSel(), 1);
}

TEST_F(ComboList, TypingSelectsTheFirstEntryStartingWithTheTextIgnoringCase) {
  QTest::keyClicks(list.Edit(), "m");
  EXPECT_EQ(list.GetCurSel(), 1);  // "MAJOR (Ionian)" comes before "Mixolydian"
  QTest::keyClicks(list.Edit(), "i");
  EXPECT_EQ(list.GetCurSel(), 2);
  EXPECT_EQ(list.GetWindowText(), "mi");  // the typed text stays as typed
  EXPECT_EQ(Codes(), (std::vector<int>{CBN_EDITCHANGE, CBN_EDITCHANGE}));
}

TEST_F(ComboList, TypingWithoutAMatchSelectsNothing) {
  list.SetCurSel(0);
  list.Edit()->clear();
  QTest::keyClicks(list.Edit(), "x");
  EXPECT_EQ(list.GetCurSel(), -1);
  QTest::keyClick(list.Edit(), Qt::Key_Backspace);
  EXPECT_EQ(list.GetCurSel(), -1);  // an empty field matches nothing
  EXPECT_EQ(Codes(), (std::vector<int>{CBN_EDITCHANGE, CBN_EDITCHANGE}));
}

TEST_F(ComboList, ArrowKeysInTheFieldMoveTheSelection) {
  QTest::keyClick(list.Edit(), Qt::Key_Down);
  EXPECT_EQ(list.GetCurSel(), 0);
  QTest::keyClick(list.Edit(), Qt::Key_Down);
  EXPECT_EQ(list.GetCurSel(), 1);
  EXPECT_EQ(list.GetWindowText(), "MAJOR (Ionian)");
  QTest::keyClick(list.Edit(), Qt::Key_Up);
  EXPECT_EQ(list.GetCurSel(), 0);
  QTest::keyClick(list.Edit(), Qt::Key_Up);  // already at the top: no change
  EXPECT_EQ(Codes(), (std::vector<int>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
}

}  // namespace
}  // namespace fretlab
