#pragma once
// The main window: the fretboard picture, the six always-open lists, the two
// status fields and the menu. It owns every setting of the run and routes
// each input through one command table (fretboard_dlg.cpp) to its operation.

#include <QDialog>
#include <QIcon>
#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <deque>

#include "sequence/chord_sequence.h"
#include "sound/note_player.h"
#include "ui/combo_list.h"
#include "ui/command_ids.h"

class QAction;
class QMenuBar;

namespace fretlab {

class CFretboardView;
class CFretboardDlg;

// One row of the command table: a message, a notification code (0 for menu
// commands) and an id select the member handler. Command handlers take no
// arguments; mouse handlers take the client pixel.
struct MessageMapEntry {
  Message message;
  int code;
  int id;
  void (CFretboardDlg::*command)();
  void (CFretboardDlg::*mouse)(QPoint point);
};

class CFretboardDlg : public QDialog, public SequenceHost {
  Q_OBJECT

 public:
  // `output` and `timing` sound every note; both must outlive the dialog.
  CFretboardDlg(MidiOutput& output, Timing timing, QWidget* parent = nullptr);
  ~CFretboardDlg() override;

  // The table, in its order, and the dispatch through it. A message that no
  // row holds goes on to the application (ID_APP_EXIT, ID_HELP) or is
  // ignored. Input that arrives while an operation runs is held and handled,
  // in order, when that operation has returned.
  void Dispatch(Message message, int code, int id, QPoint point = {});
  void SendCommand(int id) { Dispatch(Message::Command, 0, id); }

  // A sequence file named when the program was started; opened once the
  // window is up.
  void OpenAtStart(const QString& path);

  // FretboardHost and SequenceHost: the lists' selections, the settings, and
  // the markers and sound.
  int RootSelection() const override;
  int FromFretSelection() const override;
  int ToFretSelection() const override;
  int AutoRoot() const override;
  int NoteLength() const override;
  void DrawMarker(StringIndex s, FretIndex f, int rootFlag) override;
  void PlayNote(NoteNumber note, int length) override;
  void PlayChord(const Chord& notes, int length) override;
  void SetAutoRoot(int autoRoot) override;
  void SelectFromFret(int index) override;
  void SelectToFret(int index) override;
  void SetNoteLength(int length) override;
  void ClearMarkers() override;

  // The client area (638 x 424 pixels under the menu bar) and its parts.
  QWidget* ClientArea() const { return m_client; }
  CFretboardView* View() const { return m_view; }
  QMenuBar* MenuBar() const { return m_menuBar; }
  QAction* ActionById(int id, int occurrence = 0) const;

  // Window handlers.
  void OnMouseMove(QPoint point);
  void OnLButtonDown(QPoint point);
  // List handlers.
  void OnScaleSelChange();
  void OnScaleEditChange();
  void OnScaleDblClk();
  void OnArpeggioDblClk();
  void OnChordDblClk();
  // Menu handlers.
  void OnTempoFast();
  void OnTempoSlow();
  void OnSoundOff();
  void OnPositionAutoRoot();
  void OnPositionShowAll();
  void OnActionClear();
  void OnPlayChord();
  void OnPlayAll();
  void OnFileNew();
  void OnAddWhole();
  void OnAddHalf();
  void OnAddQuarter();
  void OnAddEighth();
  void OnAddSixteenth();
  void OnAddDottedHalf();
  void OnAddDottedQuarter();
  void OnAddDottedEighth();
  // File > "Open" and File > "Save As".
  void LoadSequence();
  void SaveSequence();
  // Opens a sequence file; on failure tells the user and changes nothing.
  bool LoadSequenceFile(const QString& path);
  // Saves under `chosen` with ".fbs" appended when missing, asking before
  // replacing an existing file. False when not saved.
  bool SaveSequenceFile(const QString& chosen);
  // True when the sequence holds chords added since it was last saved or
  // opened, which ending the program would lose.
  bool HasUnsavedChords() const { return m_nChordCount > 0 && m_bSequenceChanged; }

  // Every way of ending the dialog (File > "Close", Enter, Escape, the window
  // manager's close) passes here first; false keeps the window open.
  virtual bool ConfirmEnd();
  void done(int result) override;

  // The window's state, its lists and fields, and its icon.
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

 protected:
  // The questions and messages of the window. Tests replace them to answer
  // and observe without modal boxes.
  // Tells the user that Add Chord found the sequence full.
  virtual void ShowSequenceFull();
  // The file to open or the name to save under; empty when cancelled.
  virtual QString AskOpenFileName();
  virtual QString AskSaveFileName();
  // Whether to replace an existing file (named as it will be written).
  virtual bool AskReplace(const QString& file);
  enum class UnsavedChoice { Save, Discard, Cancel };
  // Asked before ending with unsaved chords.
  virtual UnsavedChoice AskSaveChanges();
  // A file could not be opened or saved; `message` names it and the reason.
  virtual void ShowFileProblem(const QString& message);

  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct PendingMessage {
    Message message;
    int code;
    int id;
    QPoint point;
    int endResult;  // >= 0: not a message but a request to end with this result
  };

  void OnInitDialog();
  void BuildMenu();
  void BuildControls();
  void FillLists();
  void Run(const MessageMapEntry& entry, QPoint point);
  void RunPending();
  void StatusReport(int index, const QString& text);
  // A double-click in the scale, arpeggio or chord list: clear, show the
  // list's choice over the selected root, report the choice.
  void ShowListChoice(const CComboList& list, void (*show)(FretboardHost&, int choice, int root));
  static QString ListText(const CComboList& list);
  static const MessageMapEntry* FindEntry(Message message, int code, int id);
  void AddChordWithLength(int length);

  NotePlayer m_player;
  QMenuBar* m_menuBar = nullptr;
  QWidget* m_client = nullptr;
  CFretboardView* m_view = nullptr;
  bool m_bBusy = false;
  std::deque<PendingMessage> m_pending;
  QString m_startFile;
  QString m_lastFolder;             // where the file dialogs open next
  bool m_bSequenceChanged = false;  // Add Chord since the last save or open
};

}  // namespace fretlab
