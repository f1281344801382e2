#include "ui/prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "sequence/chord_sequence.h"

namespace fretlab {

namespace {

const QString kTitle = QStringLiteral("Fretlab");
constexpr char kOpenFilter[] = "FBS files (*.fbs)";
constexpr char kSaveFilter[] = "FBS files (*.fbs);;All files (*.*)";

}  // namespace

QString MessageBoxPrompts::AskOpenFileName(const QString& folder) {
  return QFileDialog::getOpenFileName(m_parent, QObject::tr("Open"), folder,
                                      QString::fromLatin1(kOpenFilter));
}

QString MessageBoxPrompts::AskSaveFileName(const QString& folder) {
  // The replace question comes after ".fbs" is appended, for the name that
  // is really written.
  return QFileDialog::getSaveFileName(m_parent, QObject::tr("Save As"), folder,
                                      QString::fromLatin1(kSaveFilter), nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

bool MessageBoxPrompts::AskReplace(const QString& file) {
  return QMessageBox::question(m_parent, kTitle,
                               QObject::tr("\"%1\" already exists. Replace it?").arg(file),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

Prompts::UnsavedChoice MessageBoxPrompts::AskSaveChanges() {
  const auto answer = QMessageBox::question(
      m_parent, kTitle,
      QObject::tr("The chord sequence has chords that are not saved. Save them before closing?"),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return UnsavedChoice::Save;
  if (answer == QMessageBox::Discard) return UnsavedChoice::Discard;
  return UnsavedChoice::Cancel;
}

void MessageBoxPrompts::ShowFileProblem(const QString& message) {
  QMessageBox::warning(m_parent, kTitle, message);
}

void MessageBoxPrompts::ShowSequenceFull() {
  QMessageBox::warning(m_parent, kTitle,
                       QObject::tr("The sequence is full: it holds %1 chords, the most it can "
                                   "hold. This chord was not added.")
                           .arg(kMaxChords));
}

}  // namespace fretlab
