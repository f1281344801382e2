#include "ui/sequence_files.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "sequence/sequence_file.h"

namespace fretlab {

namespace {

// File names go to the file layer in the encoding of the file system.
std::filesystem::path ToPath(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}
QString FromPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace

SequenceFiles::SequenceFiles(int& chordCount, Prompts& prompts)
    : m_chordCount(chordCount), m_prompts(prompts) {}

void SequenceFiles::Open() {
  const QString name = m_prompts.AskOpenFileName(m_lastFolder);
  if (name.isEmpty()) return;
  OpenFile(name);
}

void SequenceFiles::SaveAs() {
  const QString name = m_prompts.AskSaveFileName(m_lastFolder);
  if (name.isEmpty()) return;
  SaveFile(name);
}

bool SequenceFiles::OpenFile(const QString& path) {
  return Settle(LoadSequenceFile(ToPath(path), m_chordCount), path);
}

bool SequenceFiles::SaveFile(const QString& chosen) {
  const QString file = FromPath(SequenceFileName(ToPath(chosen)));
  if (QFileInfo::exists(file) && !m_prompts.AskReplace(file)) return false;
  return Settle(SaveSequenceFile(ToPath(file), m_chordCount), file);
}

bool SequenceFiles::Settle(const FileOutcome& outcome, const QString& file) {
  if (!outcome) {
    m_prompts.ShowFileProblem(QString::fromStdString(outcome.message));
    return false;
  }
  m_bChanged = false;
  m_lastFolder = QFileInfo(file).absolutePath();
  return true;
}

bool SequenceFiles::MaybeSave() {
  if (!HasUnsavedChords()) return true;
  switch (m_prompts.AskSaveChanges()) {
    case Prompts::UnsavedChoice::Save: {
      // Ends only once the chords are safe; a cancelled or failed save keeps
      // the program running.
      const QString name = m_prompts.AskSaveFileName(m_lastFolder);
      return !name.isEmpty() && SaveFile(name);
    }
    case Prompts::UnsavedChoice::Discard:
      return true;
    case Prompts::UnsavedChoice::Cancel:
      break;
  }
  return false;
}

}  // namespace fretlab
