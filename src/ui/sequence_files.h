#pragma once
// File > "Open" and File > "Save As" on the window's chord sequence, and the
// question before the window ends with chords that are not saved. The core
// reads and writes the bytes (sequence/sequence_file.h); the user is asked
// and told through Prompts.

#include <QString>

#include "sequence/sequence_file.h"
#include "ui/prompts.h"

namespace fretlab {

class SequenceFiles {
 public:
  // `chordCount` is the window's count of chords; it and `prompts` must
  // outlive this object.
  SequenceFiles(int& chordCount, Prompts& prompts);

  // Ask for a file, then open it or save under it; a cancel does nothing.
  void Open();
  void SaveAs();
  // Opens `path`; on failure tells the user and changes nothing.
  bool OpenFile(const QString& path);
  // Saves under `chosen` with ".fbs" appended when missing, asking before
  // replacing an existing file. False when not saved.
  bool SaveFile(const QString& chosen);

  // Add Chord has appended a chord.
  void ChordAdded() { m_bChanged = true; }
  // True when the sequence holds chords added since it was last saved or
  // opened, which ending the program would lose.
  bool HasUnsavedChords() const { return m_chordCount > 0 && m_bChanged; }
  // Before the window ends: with unsaved chords, asks whether to save them
  // and saves when told to. False when the window should stay open (the user
  // cancelled, or the save did not happen).
  bool MaybeSave();

 private:
  // After opening or saving `file`: tells the user of a failure, or else
  // counts the sequence as saved and remembers the file's folder.
  bool Settle(const FileOutcome& outcome, const QString& file);

  int& m_chordCount;
  Prompts& m_prompts;
  QString m_lastFolder;     // where the file dialogs open next
  bool m_bChanged = false;  // Add Chord since the last save or open
};

}  // namespace fretlab
