#pragma once
// The confusion table of an ear drill on the Progress tab: a row per thing
// asked, a column per answer given, each cell how often that answer came
// for that question (the diagonal, the right ones, marked as such). Rows
// and columns run in the order of sound: m2 before M2, major before minor.

#include <vector>

#include "practice/drill.h"
#include "practice/history/history_store.h"

class QTableWidget;

namespace fretlab {

void FillConfusionTable(QTableWidget& table, practice::QuestionKind kind,
                        const std::vector<practice::ConfusionCell>& cells);

}  // namespace fretlab
