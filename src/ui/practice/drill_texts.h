#pragma once
// What the Drills mode says, in the user's language: the drills' names,
// the labels of the name buttons, the feedback on an answer and the
// summary of a round. (Translated in the "DrillMode" context.)

#include <QString>
#include <vector>

#include "practice/drill.h"
#include "practice/miss.h"
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
// After a miss, what was given and what was right, in words: "you clicked
// F (string 3, fret 10); G is at string 3, fret 12 and 5 more places."
QString MissText(const practice::Miss& miss, const practice::Question& question);
// "Wrong (0.9 s): " and the words of the miss.
QString MissFeedback(const practice::Miss& miss, const practice::Feedback& feedback);
// "strings 1–3, frets 0–7" or "frets 0–7": the part of the neck in play.
QString RangeSummary(const practice::DrillSetup& setup);
// The question as the round panel shows it, in the user's language: "Find
// every C♯ — strings 1–3, frets 0–7".
QString PromptText(const practice::Question& question, const practice::DrillSetup& setup);
// One line for what a round is about: "Find the note — C major — Standard
// — strings 1–3, frets 0–7".
QString RoundTitle(const QString& drill, const std::string& viewTitle, const practice::DrillSetup& setup);
QString SummaryText(const practice::Summary& summary);

}  // namespace fretlab
