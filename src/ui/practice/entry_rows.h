#pragma once
// The rows of the "Scale or chord" list: the catalogue's entries of the kind
// chosen, and for scales the user's own after them.

#include <QStringList>

#include "ui/practice/practice_settings.h"

namespace fretlab {

QStringList EntryRowTexts(const PracticeChoices& choices);
// The row of what `choices` show.
int EntryRowOf(const PracticeChoices& choices);
// Shows row `row`: a catalogue entry, or a scale of the user's own.
void ChooseEntryRow(PracticeChoices& choices, int row);

}  // namespace fretlab
