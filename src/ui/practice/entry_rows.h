#pragma once
// The rows of the "Scale or chord" list: the catalogue's entries of the kind
// chosen, and for scales the user's own after them; and the root list's.

#include <QStringList>

#include "ui/practice/practice_settings.h"

namespace fretlab {

QStringList EntryRowTexts(const PracticeChoices& choices);
// The row of what `choices` show.
int EntryRowOf(const PracticeChoices& choices);
// Shows row `row`: a catalogue entry, or a scale of the user's own.
void ChooseEntryRow(PracticeChoices& choices, int row);
// The user's scales as edited: a scale shown that was removed or replaced
// gives way to its new self, or to major.
void TakeUserScales(PracticeChoices& choices, std::vector<std::shared_ptr<const UserScale>> scales);

// The root list's row for pitch class `pc`: one name for a white key, both
// for a black one ("C♯ / D♭").
QString RootRowText(int pc);

}  // namespace fretlab
