#pragma once
// The main window's questions and messages answered by the test instead of
// modal boxes.

#include <QString>
#include <vector>

#include "ui/prompts.h"

namespace fretlab::testing {

// Answers the window's questions as the test has set them, and records what
// was asked and told, instead of modal boxes.
class ScriptedPrompts : public Prompts {
 public:
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
  int sequenceFullMessages = 0;

  QString AskOpenFileName(const QString&) override {
    ++openQuestions;
    return openAnswer;
  }
  QString AskSaveFileName(const QString&) override {
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
  void ShowSequenceFull() override { ++sequenceFullMessages; }
};

}  // namespace fretlab::testing
