#pragma once
// The chord symbol and fretboard diagram above a chord in MusicXML.

#include <string>
#include <string_view>

#include "export/export_chords.h"
#include "theory/chord_name.h"

namespace fretlab {

// A note's letter and alteration as MusicXML writes them: the `step` element,
// then the `alter` element when the note is not natural ("root-step" and
// "root-alter" for a chord's root, "step" and "alter" for a note).
void AppendStep(std::string& xml, std::string_view step, std::string_view alter, SpelledNote note);

// MusicXML's <kind> value for a chord kind ("minor-seventh"); "none" for
// SingleNote, which MusicXML has no kind for.
std::string_view MusicXmlKind(ChordKind kind);

// Appends a <harmony> element for a named chord: root, kind (with our symbol
// as its text), bass, degrees, and a <frame> of the stored frets. Writes
// nothing for a chord that has no chord name (silence, a single note, or two
// notes that form no chord).
void AppendHarmony(std::string& xml, const ChordName& name, const ExportChord& chord);

}  // namespace fretlab
