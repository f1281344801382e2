// The command table: every input the main window handles, bound to its
// handler in one list, and the dispatch that runs one handler at a time.
// The one-line handlers follow the table and do exactly what their row says.

#include <QScopedValueRollback>
#include <type_traits>

#include "ui/fretboard_app.h"
#include "ui/fretboard_dlg.h"

namespace fretlab {

// One row: an input, a notification code (0 for menu commands and the
// mouse) and an id (0 for the mouse) select the handler.
struct CommandRow {
  Input input;
  int code;
  int id;
  void (*handler)(CFretboardDlg& dlg, QPoint point);
};

class CommandTable {
 public:
  static const CommandRow* Find(Input input, int code, int id);

 private:
  using D = CFretboardDlg;

  // Puts a handler into the table's one column: command handlers take no
  // arguments, mouse handlers the client pixel.
  template <auto handler>
  static void Call(D& dlg, QPoint point) {
    if constexpr (std::is_invocable_v<decltype(handler), D&, QPoint>) {
      (dlg.*handler)(point);
    } else {
      (dlg.*handler)();
    }
  }

  // The first matching row wins; no two rows overlap. Painting is the view's
  // own (fretboard_view.cpp). Action > "Copy" and "Remove" have no row and do
  // nothing: long-standing behaviour of this window, kept as its users know it.
  static constexpr CommandRow kRows[] = {
      {Input::MouseMove, 0, 0, &Call<&D::OnMouseMove>},
      {Input::Command, CBN_SELCHANGE, IDC_SCALE_LIST, &Call<&D::OnScaleSelChange>},
      {Input::Command, CBN_EDITCHANGE, IDC_SCALE_LIST, &Call<&D::OnScaleEditChange>},
      {Input::Command, CBN_DBLCLK, IDC_SCALE_LIST, &Call<&D::OnScaleDblClk>},
      {Input::Command, CBN_DBLCLK, IDC_ARPEGGIO_LIST, &Call<&D::OnArpeggioDblClk>},
      {Input::Command, 0, ID_TEMPO_FAST, &Call<&D::OnTempoFast>},
      {Input::Command, 0, ID_TEMPO_SLOW, &Call<&D::OnTempoSlow>},
      {Input::Command, 0, ID_SOUND_OFF, &Call<&D::OnSoundOff>},
      {Input::Command, 0, ID_POSITION_AUTO_ROOT, &Call<&D::OnPositionAutoRoot>},
      {Input::Command, 0, ID_POSITION_SHOW_ALL, &Call<&D::OnPositionShowAll>},
      {Input::Command, CBN_DBLCLK, IDC_CHORD_LIST, &Call<&D::OnChordDblClk>},
      {Input::LButtonDown, 0, 0, &Call<&D::OnLButtonDown>},
      {Input::Command, 0, ID_ACTION_CLEAR, &Call<&D::OnActionClear>},
      {Input::Command, 0, ID_FILE_OPEN, &Call<&D::LoadSequence>},
      {Input::Command, 0, ID_PLAY_CHORD, &Call<&D::OnPlayChord>},
      {Input::Command, 0, ID_PLAY_ALL, &Call<&D::OnPlayAll>},
      {Input::Command, 0, ID_FILE_NEW, &Call<&D::OnFileNew>},
      {Input::Command, 0, ID_ADD_WHOLE, &Call<&D::OnAddWhole>},
      {Input::Command, 0, ID_ADD_HALF, &Call<&D::OnAddHalf>},
      {Input::Command, 0, ID_ADD_QUARTER, &Call<&D::OnAddQuarter>},
      {Input::Command, 0, ID_ADD_EIGHTH, &Call<&D::OnAddEighth>},
      {Input::Command, 0, ID_ADD_SIXTEENTH, &Call<&D::OnAddSixteenth>},
      {Input::Command, 0, ID_ADD_DOTTED_HALF, &Call<&D::OnAddDottedHalf>},
      {Input::Command, 0, ID_ADD_DOTTED_QUARTER, &Call<&D::OnAddDottedQuarter>},
      {Input::Command, 0, ID_ADD_DOTTED_EIGHTH, &Call<&D::OnAddDottedEighth>},
      {Input::Command, 0, ID_SAVE_AS, &Call<&D::SaveSequence>},
  };
};

const CommandRow* CommandTable::Find(Input input, int code, int id) {
  for (const CommandRow& row : kRows) {
    if (row.input == input && row.code == code && row.id == id) return &row;
  }
  return nullptr;
}

// ---- Dispatch

void CFretboardDlg::Dispatch(Input input, int code, int id, QPoint point) {
  const CommandRow* row = CommandTable::Find(input, code, id);
  if (row == nullptr) {
    // Menu commands that the window does not hold go on to the application.
    if (input == Input::Command && code == 0) CFretboardApp::OnCmdMsg(id, this);
    return;
  }
  if (m_bBusy) {
    // User input is held before it gets here (input_hold.h); what lands
    // here is a command sent meanwhile. It waits its turn too.
    m_pending.push_back({row, point, -1, {}});
    return;
  }
  Run(*row, point);
  RunPending();
}

// The one busy guard: while a handler runs, every other input and every
// request to end waits in m_pending. A stop lasts until the handler ends.
void CFretboardDlg::Run(const CommandRow& row, QPoint point) {
  {
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    row.handler(*this, point);
  }
  m_bStopping = false;
}

// One item at a time, in the order they came. A held event handed on runs
// its handler through Dispatch, which must not start a second round of this
// loop inside the first.
void CFretboardDlg::RunPending() {
  if (m_bDraining) return;
  const QScopedValueRollback<bool> draining(m_bDraining, true);
  while (!m_bBusy && !m_pending.empty()) {
    PendingInput next = std::move(m_pending.front());
    m_pending.pop_front();
    if (next.held.event != nullptr) {
      CInputHold::Deliver(next.held);
      continue;
    }
    if (next.row != nullptr) {
      Run(*next.row, next.point);
      continue;
    }
    done(next.endResult);
    if (!isVisible()) {
      m_pending.clear();  // the window is gone; nothing left is for it
      return;
    }
  }
}

// ---- The one-line handlers

void CFretboardDlg::OnMouseMove(QPoint point) {
  m_statusNumber.setText(QString::asprintf("%i", point.x()));
  m_statusText.setText(QString::asprintf("%i", point.y()));
}

void CFretboardDlg::OnLButtonDown(QPoint point) {
  PickNote(*this, point.x(), point.y(), m_nChordCount);
}

void CFretboardDlg::OnTempoFast() { m_nNoteLength = 5; }
void CFretboardDlg::OnTempoSlow() { m_nNoteLength = 20; }
void CFretboardDlg::OnSoundOff() { m_nNoteLength = 0; }
void CFretboardDlg::OnPositionAutoRoot() { m_bAutoRoot = 1; }
void CFretboardDlg::OnPositionShowAll() { m_bAutoRoot = 0; }

void CFretboardDlg::OnActionClear() { ClearChord(*this); }
void CFretboardDlg::OnPlayChord() { PlayCurrentChord(*this); }
void CFretboardDlg::OnPlayAll() { PlayAll(*this, m_nChordCount); }
void CFretboardDlg::OnFileNew() {
  if (m_files.MaybeSave()) NewSequence(*this, m_nChordCount);
}
void CFretboardDlg::LoadSequence() { m_files.Open(); }
void CFretboardDlg::SaveSequence() { m_files.SaveAs(); }

// The note value stays in m_nNoteLength after the chord is added.
void CFretboardDlg::AddChordWithLength(int length) {
  m_nNoteLength = length;
  if (AddChord(*this, m_nChordCount) == AddChordResult::SequenceFull) {
    m_prompts.ShowSequenceFull();
    return;
  }
  m_files.ChordAdded();
}

void CFretboardDlg::OnAddWhole() { AddChordWithLength(kWholeNote); }
void CFretboardDlg::OnAddHalf() { AddChordWithLength(kHalfNote); }
void CFretboardDlg::OnAddQuarter() { AddChordWithLength(kQuarterNote); }
void CFretboardDlg::OnAddEighth() { AddChordWithLength(kEighthNote); }
void CFretboardDlg::OnAddSixteenth() { AddChordWithLength(kSixteenthNote); }
void CFretboardDlg::OnAddDottedHalf() { AddChordWithLength(kDottedHalf); }
void CFretboardDlg::OnAddDottedQuarter() { AddChordWithLength(kDottedQuarter); }
void CFretboardDlg::OnAddDottedEighth() { AddChordWithLength(kDottedEighth); }

}  // namespace fretlab
