#pragma once
// The main window: the fretboard picture, the six always-open lists, the two
// status fields and the menu. It owns every setting of the run and routes
// each input through one command table (command_table.cpp) to its handler.

#include <QDialog>
#include <QIcon>
#include <QLineEdit>
#include <QPoint>
#include <deque>
#include <filesystem>
#include <memory>

#include "sequence/chord_sequence.h"
#include "sound/note_player.h"
#include "ui/combo_list.h"
#include "ui/command_ids.h"
#include "ui/input_hold.h"
#include "ui/prompts.h"
#include "ui/sequence_files.h"

namespace fretlab {

class CClientArea;
class CFretboardView;
struct CommandRow;

class CFretboardDlg : public QDialog, public SequenceHost {
  Q_OBJECT

 public:
  // `output` and `timing` sound every note; `prompts` asks and tells the
  // user (message boxes over the window when null). All must outlive it.
  CFretboardDlg(MidiOutput& output, Timing timing, Prompts* prompts = nullptr,
                QWidget* parent = nullptr);
  ~CFretboardDlg() override;

  // A sequence file named on the command line, by the system's bytes;
  // opened once the window is up.
  void OpenAtStart(const std::filesystem::path& file);
  // Runs a menu command as its entry does. Input that arrives while an
  // operation runs is held and handled, in order, once it has returned;
  // Escape stops an operation that sounds, and the input held before it is
  // dropped.
  void SendCommand(int id) { Dispatch(Input::Command, 0, id); }

  int ChordCount() const { return m_nChordCount; }
  bool HasUnsavedChords() const { return m_files.HasUnsavedChords(); }
  // Every way of ending the dialog (File > "Close", Enter, Escape, the window
  // manager's close) passes here first; false keeps the window open. A close
  // request while an operation sounds stops it, then asks.
  virtual bool ConfirmEnd();
  void done(int result) override;

  // FretboardHost and SequenceHost: the lists' selections, the settings, and
  // the markers and sound.
  int RootSelection() const override;
  int FromFretSelection() const override;
  int ToFretSelection() const override;
  int AutoRoot() const override { return m_bAutoRoot; }
  int NoteLength() const override { return m_nNoteLength; }
  void DrawMarker(StringIndex s, FretIndex f, int rootFlag) override;
  void PlayNote(NoteNumber note, int length) override;
  void PlayChord(const Chord& notes, int length) override;
  void SetAutoRoot(int autoRoot) override { m_bAutoRoot = autoRoot; }
  void SelectFromFret(int index) override;
  void SelectToFret(int index) override;
  void SetNoteLength(int length) override { m_nNoteLength = length; }
  void ClearMarkers() override;
  bool Stopped() const override { return m_bStopping; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class CommandTable;  // binds the handlers below to their inputs
  // Waiting its turn: a held event, else a command row, else a request to
  // end with `endResult`.
  struct PendingInput {
    const CommandRow* row = nullptr;
    QPoint point;
    int endResult = 0;
    HeldEvent held;
  };

  void BuildControls();
  void OnInitDialog();
  void Dispatch(Input input, int code, int id, QPoint point = {});
  void Run(const CommandRow& row, QPoint point);
  void RunPending();
  // Keeps the user's input to the window while an operation runs.
  void Hold(HeldEvent held);
  // The operation that sounds ends after its current sound; the input held
  // so far is dropped. False when it is already stopping.
  bool StopDisplay();
  // `timing` whose waits end at once once the operation is stopping.
  Timing StoppableTiming(Timing timing);

  // Window, list and menu handlers (command_table.cpp, list_handlers.cpp).
  void OnMouseMove(QPoint point);
  void OnLButtonDown(QPoint point);
  void OnScaleSelChange();
  void OnScaleEditChange();
  void OnScaleDblClk();
  void OnArpeggioDblClk();
  void OnChordDblClk();
  void OnTempoFast();
  void OnTempoSlow();
  void OnSoundOff();
  void OnPositionAutoRoot();
  void OnPositionShowAll();
  void OnActionClear();
  void OnPlayChord();
  void OnPlayAll();
  void OnFileNew();
  void LoadSequence();
  void SaveSequence();
  void OnAddWhole();
  void OnAddHalf();
  void OnAddQuarter();
  void OnAddEighth();
  void OnAddSixteenth();
  void OnAddDottedHalf();
  void OnAddDottedQuarter();
  void OnAddDottedEighth();
  void AddChordWithLength(int length);
  void ShowListChoice(const CComboList& list, void (*show)(FretboardHost&, int choice, int root));
  void StatusReport(int index, const QString& text);

  int m_nChordCount = 0;   // chords in the sequence, 0..kMaxChords
  int m_bAutoRoot = 0;     // 1: the fret window follows the root; 0: the fret lists
  int m_nNoteLength = 0;   // length of every sound, units of 10 ms
  CComboList m_chordList;
  CComboList m_toFretList;
  CComboList m_fromFretList;
  CComboList m_arpeggioList;
  CComboList m_rootList;
  CComboList m_scaleList;
  QLineEdit m_statusText;
  QLineEdit m_statusNumber;
  QIcon m_hIcon;

  NotePlayer m_player;
  std::unique_ptr<Prompts> m_ownPrompts;  // when none was given
  Prompts& m_prompts;
  SequenceFiles m_files;
  CClientArea* m_client = nullptr;
  CFretboardView* m_view = nullptr;
  bool m_bBusy = false;      // an operation is running
  bool m_bStopping = false;  // the running operation was stopped
  bool m_bDraining = false;  // RunPending is handing on what waited
  std::deque<PendingInput> m_pending;
  CInputHold m_inputHold;
  std::filesystem::path m_startFile;
};

}  // namespace fretlab
