#pragma once
// File > "Open" and File > "Save As" on the window's chord sequence, and the
// question before chords that are not saved are lost. The core reads and
// writes the bytes (sequence/sequence_file.h); the user is asked and told
// through Prompts. Names go to the file layer as the system's bytes
// (ui/file_names.h).

#include <filesystem>

#include "sequence/sequence_file.h"
#include "ui/prompts.h"

namespace fretlab {

class SequenceFiles {
 public:
  // `chordCount` is the window's count of chords; it and `prompts` must
  // outlive this object.
  SequenceFiles(int& chordCount, Prompts& prompts);

  // Open: after the question about unsaved chords, asks for a file and
  // opens it. Save As: asks for a name and saves under it. A cancel at any
  // step does nothing.
  void Open();
  void SaveAs();
  // Opens `file`; on failure tells the user and changes nothing.
  bool OpenFile(const std::filesystem::path& file);
  // Saves under `chosen` with ".fbs" appended when missing, asking before
  // replacing anything that stands under that name (a dangling link too);
  // through a link, the file replaced is the one it points to, and the
  // question names that one. False when not saved.
  bool SaveFile(const std::filesystem::path& chosen);

  // Add Chord has appended a chord.
  void ChordAdded() { m_bChanged = true; }
  // True when the sequence holds chords added since it was last saved or
  // opened, which ending the program would lose.
  bool HasUnsavedChords() const { return m_chordCount > 0 && m_bChanged; }
  // Before the sequence in memory is lost (the window ends, or Open or New
  // replaces it): with unsaved chords, asks whether to save them and saves
  // when told to. False when the sequence must stay (the user cancelled, or
  // the save did not happen).
  bool MaybeSave();

 private:
  // After opening or saving `file`: tells the user of a failure, or else
  // counts the sequence as saved and remembers the file's folder.
  bool Settle(const FileOutcome& outcome, const std::filesystem::path& file);

  int& m_chordCount;
  Prompts& m_prompts;
  std::filesystem::path m_lastFolder;  // where the file dialogs open next
  bool m_bChanged = false;             // Add Chord since the last save or open
};

}  // namespace fretlab
