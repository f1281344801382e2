#pragma once
// What the Drills mode says, in the user's language: the drills' names,
// the labels of the name buttons, the feedback on an answer and the
// summary of a round. (Translated in the "DrillMode" context.)

#include <QString>
#include <vector>

#include "practice/drill.h"
#include "practice/round.h"

namespace fretlab {

// In the order of QuestionKind.
std::vector<QString> DrillNames();
// The twelve pitch classes from C, as the buttons show them between rounds.
std::vector<QString> PlainNoteNames();
// The twelve buttons for a question: the notes from C as the key spells
// them, or the degrees from the root (those outside the key chromatic).
std::vector<QString> AnswerButtonLabels(practice::QuestionKind kind, const practice::DrillSetup& setup);

QString FeedbackText(const practice::Feedback& feedback);
QString SummaryText(const practice::Summary& summary);

}  // namespace fretlab
