#include "ui/sequence_files.h"

#include "sequence/replacement_file.h"
#include "ui/file_names.h"

namespace fretlab {

namespace fs = std::filesystem;

SequenceFiles::SequenceFiles(int& chordCount, Prompts& prompts)
    : m_chordCount(chordCount), m_prompts(prompts) {}

void SequenceFiles::Open() {
  // Asked before the file dialog, so that a cancel leaves everything as it
  // was and a save happens while the chords are still there.
  if (!MaybeSave()) return;
  const QString name = m_prompts.AskOpenFileName(DialogFolder(m_lastFolder));
  if (name.isEmpty()) return;
  OpenFile(NativeFileName(name));
}

void SequenceFiles::SaveAs() {
  const QString name = m_prompts.AskSaveFileName(DialogFolder(m_lastFolder));
  if (name.isEmpty()) return;
  SaveFile(NativeFileName(name));
}

bool SequenceFiles::OpenFile(const fs::path& file) {
  return Settle(LoadSequenceFile(file, m_chordCount), file);
}

bool SequenceFiles::SaveFile(const fs::path& chosen) {
  const fs::path file = SequenceFileName(chosen);
  if (NameIsTaken(file)) {
    int loop = 0;
    if (!m_prompts.AskReplace(DisplayFileName(FileBehindLinks(file, loop)))) return false;
  }
  return Settle(SaveSequenceFile(file, m_chordCount), file);
}

bool SequenceFiles::Settle(const FileOutcome& outcome, const fs::path& file) {
  if (!outcome) {
    m_prompts.ShowFileProblem(QString::fromStdString(outcome.message));
    return false;
  }
  m_bChanged = false;
  std::error_code ec;
  const fs::path absolute = fs::absolute(file, ec);
  m_lastFolder = (ec ? file : absolute).parent_path();
  return true;
}

bool SequenceFiles::MaybeSave() {
  if (!HasUnsavedChords()) return true;
  switch (m_prompts.AskSaveChanges()) {
    case Prompts::UnsavedChoice::Save: {
      // Goes on only once the chords are safe; a cancelled or failed save
      // keeps them, and what asked does not happen.
      const QString name = m_prompts.AskSaveFileName(DialogFolder(m_lastFolder));
      return !name.isEmpty() && SaveFile(NativeFileName(name));
    }
    case Prompts::UnsavedChoice::Discard:
      return true;
    case Prompts::UnsavedChoice::Cancel:
      break;
  }
  return false;
}

}  // namespace fretlab
