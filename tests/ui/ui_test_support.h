#pragma once
// The real main window, offscreen, with a MIDI output that records what it is
// sent and a clock that only moves when the player waits (tests/support). The
// tests reach the window as a user does: through its menu, its lists and the
// mouse, finding its controls by their names.

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QListWidget>
#include <QMenuBar>
#include <QString>
#include <QTest>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "sequence/chord_sequence.h"
#include "sequence/sequence_file.h"
#include "support/chord_state.h"
#include "support/fake_sound.h"
#include "support/scripted_prompts.h"
#include "theory/fretboard.h"
#include "theory/show.h"
#include "ui/combo_list.h"
#include "ui/fretboard_dlg.h"
#include "ui/fretboard_view.h"
#include "support/qt_temp_dir.h"

namespace fretlab::testing {

// The dialog, counting the checks before it ends.
class TestDialog : public CFretboardDlg {
 public:
  using CFretboardDlg::CFretboardDlg;

  int endQuestions = 0;
  bool allowEnd = true;  // false refuses every end before the real check
  bool ConfirmEnd() override {
    ++endQuestions;
    return allowEnd && CFretboardDlg::ConfirmEnd();
  }
};

// A control of `window` by its object name; a missing one fails the test.
template <typename T>
T& ChildOf(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::logic_error(std::string("the window has no ") + name);
  return *child;
}

// The entry that sends command `id`; `occurrence` counts entries sending the
// same id (Sound > "On" is the second of ID_TEMPO_FAST).
inline QAction* ActionOf(const QWidget& window, int id, int occurrence = 0) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (!action->isSeparator() && action->menu() == nullptr && action->data().toInt() == id &&
        occurrence-- == 0) {
      return action;
    }
  }
  return nullptr;
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetChordState();
    ResetSequenceTables();
    output.noteOnsOnly = true;
    dlg = std::make_unique<TestDialog>(output, clock.MakeTiming(), &prompts);
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  }
  void TearDown() override {
    clock.duringWait = nullptr;
    output.onOpen = nullptr;
    dlg.reset();
  }

  // The window's parts.
  CComboList& RootList() const { return ChildOf<CComboList>(*dlg, "rootList"); }
  CComboList& ScaleList() const { return ChildOf<CComboList>(*dlg, "scaleList"); }
  CComboList& ArpeggioList() const { return ChildOf<CComboList>(*dlg, "arpeggioList"); }
  CComboList& ChordList() const { return ChildOf<CComboList>(*dlg, "chordList"); }
  CComboList& FromFretList() const { return ChildOf<CComboList>(*dlg, "fromFretList"); }
  CComboList& ToFretList() const { return ChildOf<CComboList>(*dlg, "toFretList"); }
  QLineEdit& StatusNumber() const { return ChildOf<QLineEdit>(*dlg, "statusNumber"); }
  QLineEdit& StatusText() const { return ChildOf<QLineEdit>(*dlg, "statusText"); }
  CFretboardView* View() const { return &ChildOf<CFretboardView>(*dlg, "fretboard"); }
  QWidget* ClientArea() const { return &ChildOf<QWidget>(*dlg, "clientArea"); }
  QMenuBar* MenuBar() const { return dlg->findChild<QMenuBar*>(); }
  QAction* ActionById(int id, int occurrence = 0) const { return ActionOf(*dlg, id, occurrence); }

  // Chooses the menu entry that sends `id`.
  void Choose(int id, int occurrence = 0) {
    QAction* action = ActionById(id, occurrence);
    ASSERT_NE(action, nullptr) << id;
    action->trigger();
  }

  // Opens a sequence of `count` chords through File > "Open", as a user
  // reaches a long sequence. Every word of its chords is 0: silent strings
  // at fret 0, no length.
  void OpenSilentChords(int count) {
    QtTempDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("long.fbs"));
    ResetSequenceTables();
    ASSERT_TRUE(SaveSequenceFile(QFile::encodeName(path).toStdString(), count));
    prompts.openAnswer = path;
    Choose(ID_FILE_OPEN);
    ASSERT_EQ(dlg->ChordCount(), count);
  }

  // A client pixel as a point of the dialog's window, below the menu bar.
  QPoint ToWindow(QPoint client) const { return ClientArea()->mapTo(dlg.get(), client); }
  QWindow* Window() const { return dlg->windowHandle(); }

  // Real presses and moves, hit-tested by Qt from the window down.
  void ClickClient(QPoint client) {
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, ToWindow(client));
  }
  void MoveClient(QPoint client) { QTest::mouseMove(Window(), ToWindow(client)); }
  QPoint EntryInWindow(CComboList& list, int index) {
    list.List()->scrollToItem(list.List()->item(index));
    return list.mapTo(dlg.get(), list.EntryRect(index).center());
  }
  void ClickEntry(CComboList& list, int index) {
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, EntryInWindow(list, index));
  }
  void DoubleClickEntry(CComboList& list, int index) {
    const QPoint at = EntryInWindow(list, index);
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(Window(), Qt::LeftButton, Qt::NoModifier, at);
  }
  void TypeInto(CComboList& list, const QString& text) {
    list.Edit()->setFocus();
    QTest::keyClicks(list.Edit(), text);
  }
  void Key(Qt::Key key) { QTest::keyClick(Window(), key); }

  QImage ClientImage() const {
    return ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // The picture area of the client, in picture pixels.
  QImage PictureImage() const {
    return ClientImage().copy(QRect(kPictureOrigin, kPictureSize));
  }

  FakeClock clock;
  RecordingOutput output{clock};
  ScriptedPrompts prompts;
  std::unique_ptr<TestDialog> dlg;
};

inline QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }
inline QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

}  // namespace fretlab::testing
