// The window as it starts: lists, selections, settings, menu, layout.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "theory/tables.h"
#include "ui/command_ids.h"
#include "ui_test_support.h"

namespace fretlab::testing {
namespace {

using StartState = DialogTest;

QStringList Entries(const CComboList& list) {
  QStringList entries;
  for (int i = 0; i < list.GetCount(); ++i) entries << list.GetLBText(i);
  return entries;
}

QStringList Expected(auto const& texts) {
  QStringList entries;
  for (std::string_view text : texts) entries << QString::fromUtf8(text.data(), text.size());
  return entries;
}

TEST_F(StartState, ListsHoldTheirEntriesInTableOrder) {
  EXPECT_EQ(Entries(RootList()), Expected(kRootTexts));
  EXPECT_EQ(Entries(ScaleList()), Expected(kScaleTexts));
  EXPECT_EQ(Entries(ArpeggioList()), Expected(kChordTexts));
  EXPECT_EQ(Entries(ChordList()), Expected(kChordTexts));
  EXPECT_EQ(RootList().GetCount(), 12);
  EXPECT_EQ(ScaleList().GetCount(), 9);
  EXPECT_EQ(ArpeggioList().GetCount(), 34);
  EXPECT_EQ(ChordList().GetCount(), 34);
  EXPECT_EQ(RootList().GetLBText(0), "C");
  EXPECT_EQ(ScaleList().GetLBText(0), "Lydian");
  EXPECT_EQ(ScaleList().GetLBText(8), "Melodic minor");
  EXPECT_EQ(ChordList().GetLBText(33), "Aug add9");
}

TEST_F(StartState, FretListsHoldZeroToTwentyFourAndAnEmptyEntry) {
  for (CComboList* list : {&FromFretList(), &ToFretList()}) {
    ASSERT_EQ(list->GetCount(), 26);
    for (int i = 0; i <= 24; ++i) EXPECT_EQ(list->GetLBText(i), QString::number(i));
    EXPECT_EQ(list->GetLBText(25), "");
  }
  FromFretList().SetCurSel(25);
  EXPECT_EQ(FromFretList().GetCurSel(), 25);
}

TEST_F(StartState, SelectionsSettingsAndStatusFields) {
  EXPECT_EQ(FromFretList().GetCurSel(), 0);
  EXPECT_EQ(FromFretList().GetWindowText(), "0");
  EXPECT_EQ(ToFretList().GetCurSel(), 24);
  EXPECT_EQ(ToFretList().GetWindowText(), "24");
  EXPECT_EQ(RootList().GetCurSel(), -1);
  EXPECT_EQ(ScaleList().GetCurSel(), -1);
  EXPECT_EQ(ArpeggioList().GetCurSel(), -1);
  EXPECT_EQ(ChordList().GetCurSel(), -1);
  EXPECT_EQ(dlg->AutoRoot(), 1);
  EXPECT_EQ(dlg->NoteLength(), 15);
  EXPECT_EQ(dlg->ChordCount(), 0);
  EXPECT_EQ(g_stringCursor, 0);
  EXPECT_TRUE(StatusNumber().text().isEmpty());
  EXPECT_TRUE(StatusText().text().isEmpty());
  EXPECT_TRUE(StatusNumber().isReadOnly());
  EXPECT_TRUE(StatusText().isReadOnly());
  EXPECT_EQ(StatusNumber().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  EXPECT_TRUE(View()->Markers().empty());
  EXPECT_TRUE(output.calls.empty());
}

TEST_F(StartState, TitleIconAndNoCloseBox) {
  EXPECT_EQ(dlg->windowTitle(), "Fretlab");
  EXPECT_FALSE(dlg->windowIcon().isNull());
  // The window's own icon in its three sizes, not a fallback.
  EXPECT_EQ(dlg->windowIcon().availableSizes(),
            (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(64, 64)}));
  EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dlg->windowFlags() & Qt::WindowSystemMenuHint);
}

struct MenuItem {
  QString path;  // menu captions joined by " > "
  int id;        // 0 for a separator
};

std::vector<MenuItem> Walk(QMenu* menu, const QString& path) {
  std::vector<MenuItem> items;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      items.push_back({path + " > ---", 0});
    } else if (action->menu() != nullptr) {
      auto inner = Walk(action->menu(), path + " > " + action->text());
      items.insert(items.end(), inner.begin(), inner.end());
    } else {
      items.push_back({path + " > " + action->text(), action->data().toInt()});
    }
  }
  return items;
}

TEST_F(StartState, MenuEntriesCaptionsAndIds) {
  std::vector<MenuItem> items;
  QStringList bar;
  for (QAction* top : MenuBar()->actions()) {
    bar << top->text();
    auto inner = Walk(top->menu(), top->text());
    items.insert(items.end(), inner.begin(), inner.end());
  }
  EXPECT_EQ(bar, QStringList({"File", "Tempo", "Sound", "Position", "Action"}));
  const std::vector<std::pair<QString, int>> expected = {
      {"File > Close", 57665},
      {"File > New", 57600},
      {"File > Open", 57601},
      {"File > Save As", 32794},
      {"File > ", 134},
      {"Tempo > Fast", 32771},
      {"Tempo > Slow", 32772},
      {"Sound > On", 32771},
      {"Sound > Off", 32773},
      {"Position > Auto Root ", 32774},
      {"Position > Show all notes", 32775},
      {"Action > Play > Chord", 32782},
      {"Action > Play > Play All", 32783},
      {"Action > Add Chord > whole note", 32786},
      {"Action > Add Chord > half note", 32787},
      {"Action > Add Chord > quarter note", 32788},
      {"Action > Add Chord > 1/8 note", 32789},
      {"Action > Add Chord > ---", 0},
      {"Action > Add Chord > 1/16 note", 32790},
      {"Action > Add Chord > dotted half", 32791},
      {"Action > Add Chord > dotted quarter", 32792},
      {"Action > Add Chord > dotted 1/8", 32793},
      {"Action > Copy", 32777},
      {"Action > Remove", 32778},
      {"Action > Clear", 32779},
  };
  ASSERT_EQ(items.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(items[i].path, expected[i].first) << "entry " << i;
    EXPECT_EQ(items[i].id, expected[i].second) << items[i].path.toStdString();
  }
  for (QAction* action : MenuBar()->findChildren<QAction*>()) {
    EXPECT_TRUE(action->isEnabled());
    EXPECT_FALSE(action->isCheckable());
    EXPECT_TRUE(action->shortcut().isEmpty());
  }
}

// Hand-converted from the layout's dialog units (x * 6 / 4, y * 13 / 8,
// each rounded to the nearest pixel).
TEST_F(StartState, ControlsSitAtTheirClientRectangles) {
  EXPECT_EQ(ClientArea()->size(), QSize(638, 424));
  EXPECT_EQ(ClientArea()->pos().x(), 0);
  EXPECT_EQ(ClientArea()->pos().y(), MenuBar()->height());
  EXPECT_GT(MenuBar()->height(), 0);
  EXPECT_EQ(View()->geometry(), QRect(11, 11, 609, 166));
  EXPECT_EQ(ScaleList().geometry(), QRect(116, 205, 144, 114));
  EXPECT_EQ(StatusNumber().geometry(), QRect(11, 393, 39, 20));
  EXPECT_EQ(StatusText().geometry(), QRect(51, 393, 39, 20));
  EXPECT_EQ(RootList().geometry(), QRect(47, 205, 63, 115));
  EXPECT_EQ(ArpeggioList().geometry(), QRect(383, 205, 96, 106));
  EXPECT_EQ(FromFretList().geometry(), QRect(488, 205, 48, 112));
  EXPECT_EQ(ToFretList().geometry(), QRect(542, 205, 48, 112));
  EXPECT_EQ(ChordList().geometry(), QRect(273, 205, 96, 106));
  for (QWidget* control : std::initializer_list<QWidget*>{
           View(), &ScaleList(), &StatusNumber(), &StatusText(),
           &RootList(), &ArpeggioList(), &FromFretList(), &ToFretList(),
           &ChordList()}) {
    EXPECT_EQ(control->parentWidget(), ClientArea());
    EXPECT_TRUE(control->isVisible());
  }
}

TEST_F(StartState, LabelsWithExactCaptionsAndPlaces) {
  std::map<QString, QRect> labels;
  for (QLabel* label : ClientArea()->findChildren<QLabel*>()) {
    labels[label->text()] = label->geometry();
  }
  const std::map<QString, QRect> expected = {
      {"Select Root", QRect(47, 180, 62, 18)},
      {"Double click a scale      or", QRect(125, 179, 144, 20)},
      {"An arpeggio ", QRect(383, 179, 95, 13)},
      {"Between frets", QRect(491, 180, 99, 16)},
      {"A Chord       or", QRect(273, 180, 95, 13)},
  };
  EXPECT_EQ(labels, expected);
}

TEST_F(StartState, EveryControlHasAnAccessibleName) {
  EXPECT_EQ(RootList().accessibleName(), "Root");
  EXPECT_EQ(ScaleList().accessibleName(), "Scale");
  EXPECT_EQ(ChordList().accessibleName(), "Chord");
  EXPECT_EQ(ArpeggioList().accessibleName(), "Arpeggio");
  EXPECT_EQ(FromFretList().accessibleName(), "From fret");
  EXPECT_EQ(ToFretList().accessibleName(), "To fret");
  EXPECT_EQ(StatusNumber().accessibleName(), "Status number");
  EXPECT_EQ(StatusText().accessibleName(), "Status text");
  EXPECT_EQ(View()->accessibleName(), "Fretboard");
  // The parts a screen reader lands on are named after their list.
  EXPECT_EQ(RootList().Edit()->accessibleName(), "Root");
  EXPECT_TRUE(RootList().List()->accessibleName().startsWith("Root"));
}

TEST_F(StartState, TheScaleListHasTheFocusAndTabFollowsTheLayoutOrder) {
  EXPECT_EQ(QApplication::focusWidget(), ScaleList().Edit());
  std::vector<QWidget*> order;
  QWidget* w = ScaleList().Edit();
  for (int i = 0; i < 8; ++i) {
    order.push_back(w);
    w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus || !w->isVisible()) w = w->nextInFocusChain();
  }
  const std::vector<QWidget*> expected = {
      ScaleList().Edit(),  &StatusNumber(),       &StatusText(),
      RootList().Edit(),   ArpeggioList().Edit(), FromFretList().Edit(),
      ToFretList().Edit(), ChordList().Edit()};
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace fretlab::testing
