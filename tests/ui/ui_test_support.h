#pragma once
// The real main window, offscreen, with a MIDI output that records what it is
// sent and a clock that only moves when the player waits (tests/support).

#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QString>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "sequence/chord_sequence.h"
#include "theory/fretboard.h"
#include "theory/show.h"
#include "support/chord_state.h"
#include "support/fake_sound.h"
#include "ui/combo_list.h"
#include "ui/fretboard_dlg.h"
#include "ui/fretboard_view.h"

namespace fretlab::testing {

// The dialog with its questions answered by the test and its messages
// recorded instead of shown in modal boxes.
class TestDialog : public CFretboardDlg {
 public:
  using CFretboardDlg::CFretboardDlg;
  using CFretboardDlg::UnsavedChoice;

  int sequenceFullMessages = 0;
  int endQuestions = 0;
  bool allowEnd = true;  // false refuses every end before the real check
  bool ConfirmEnd() override {
    ++endQuestions;
    return allowEnd && CFretboardDlg::ConfirmEnd();
  }

  // Answers for the file dialogs; an empty name stands for Cancel.
  QString openAnswer;
  QString saveAnswer;
  bool replaceAnswer = true;
  UnsavedChoice unsavedAnswer = UnsavedChoice::Cancel;
  // What was asked and told.
  int openQuestions = 0;
  int saveQuestions = 0;
  std::vector<QString> replaceQuestions;
  int unsavedQuestions = 0;
  std::vector<QString> fileProblems;

 protected:
  void ShowSequenceFull() override { ++sequenceFullMessages; }
  QString AskOpenFileName() override {
    ++openQuestions;
    return openAnswer;
  }
  QString AskSaveFileName() override {
    ++saveQuestions;
    return saveAnswer;
  }
  bool AskReplace(const QString& file) override {
    replaceQuestions.push_back(file);
    return replaceAnswer;
  }
  UnsavedChoice AskSaveChanges() override {
    ++unsavedQuestions;
    return unsavedAnswer;
  }
  void ShowFileProblem(const QString& message) override { fileProblems.push_back(message); }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetChordState();
    ResetSequenceTables();
    output.noteOnsOnly = true;
    dlg = std::make_unique<TestDialog>(output, clock.MakeTiming());
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  }
  void TearDown() override {
    clock.duringWait = nullptr;
    output.onOpen = nullptr;
    dlg.reset();
  }

  // A client pixel as a point of the dialog's window, below the menu bar.
  QPoint ToWindow(QPoint client) const { return dlg->ClientArea()->mapTo(dlg.get(), client); }
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
    return dlg->ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // The picture area of the client, in picture pixels.
  QImage PictureImage() const {
    return ClientImage().copy(QRect(kPictureOrigin, kPictureSize));
  }

  FakeClock clock;
  RecordingOutput output{clock};
  std::unique_ptr<TestDialog> dlg;
};

inline QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }
inline QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

}  // namespace fretlab::testing
