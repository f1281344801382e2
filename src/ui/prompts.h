#pragma once
// The questions the main window asks and the messages it shows. The program
// asks through file dialogs and message boxes (MessageBoxPrompts); tests
// answer in their place, without modal windows.

#include <QString>

class QWidget;

namespace fretlab {

class Prompts {
 public:
  enum class UnsavedChoice { Save, Discard, Cancel };

  virtual ~Prompts() = default;
  // The file to open, or the name to save under, starting in `folder`
  // (empty: the current folder). Empty when the user cancels.
  virtual QString AskOpenFileName(const QString& folder) = 0;
  virtual QString AskSaveFileName(const QString& folder) = 0;
  // Whether to replace `file`, named as it will be written.
  virtual bool AskReplace(const QString& file) = 0;
  // Asked before chords that are not saved are lost: the window ends, or
  // File > "Open" or "New" replaces the sequence; the same question each way.
  virtual UnsavedChoice AskSaveChanges() = 0;
  // A file could not be opened or saved; `message` names it and the reason.
  virtual void ShowFileProblem(const QString& message) = 0;
  // Add Chord found the sequence full and added nothing.
  virtual void ShowSequenceFull() = 0;
};

// Modal file dialogs and message boxes over `parent`.
class MessageBoxPrompts : public Prompts {
 public:
  explicit MessageBoxPrompts(QWidget* parent) : m_parent(parent) {}

  QString AskOpenFileName(const QString& folder) override;
  QString AskSaveFileName(const QString& folder) override;
  bool AskReplace(const QString& file) override;
  UnsavedChoice AskSaveChanges() override;
  void ShowFileProblem(const QString& message) override;
  void ShowSequenceFull() override;

 private:
  QWidget* m_parent;
};

}  // namespace fretlab
