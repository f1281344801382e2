#pragma once
// The spelling of a choice: which letter the root and every note of a scale
// or chord get, and how any other note is written beside them.
//
// Seven-note scales give every degree its own letter (F major has B♭, E
// harmonic minor D♯, G♭ major C♭). Pentatonics, the blues scale and chords
// take the letters of the major or natural minor key on their root; the
// blues scale's blue note, which that key lacks, is a ♭5 or a ♯4, whichever
// is written with the simpler accidental (A blues E♭, F blues B). The
// chromatic view has no key, so the ♯/♭ preference spells it.
//
// How to use it:
//   const CatalogueEntry& major = Scales()[1];
//   KeySpelling key = KeySpelling::Automatic(1, major, Accidentals::kSharps);
//   NoteName(key.Root())               -> "D♭"  (fewer accidentals than C♯ major)
//   key.Size()                         -> 7
//   key.DegreeAt(3), key.NoteAt(3)     -> 4, G♭
//   key.IndexOfPitchClass(6)           -> 3    (-1 when not in the choice)
//   KeySpelling::Automatic(5, major, ...).Spell(8) -> A♭  (outside F major,
//                                         on the side of its key signature)
//   KeySpelling(SpelledNote{2, -1}, major, ...)  an explicit root: E♭ major

#include <vector>

#include "theory/scale_catalogue.h"
#include "theory/spelling.h"

namespace fretlab {

class KeySpelling {
 public:
  // `root` as given, even an unusual one (C♯ major with its seven sharps).
  // `preference` is Accidentals::kSharps or kFlats, the Practice window's choice.
  KeySpelling(SpelledNote root, const CatalogueEntry& entry, Accidentals preference);

  // The root of `rootPitchClass` (0..11) whose spelling needs fewer
  // accidentals over the choice (over its parent key for pentatonics, blues
  // and chords): D♭ major, C♯ minor; on a tie the sharp (F♯ over G♭). The
  // chromatic view spells its root by the preference.
  static KeySpelling Automatic(int rootPitchClass, const CatalogueEntry& entry,
                               Accidentals preference);

  SpelledNote Root() const { return m_root; }
  int Size() const { return static_cast<int>(m_degrees.size()); }
  // i from 0 to Size() - 1, in the entry's order.
  Degree DegreeAt(int i) const { return m_degrees[i]; }
  SpelledNote NoteAt(int i) const { return m_notes[i]; }
  // The first degree whose pitch class is `pitchClass` (0..11), or -1.
  int IndexOfPitchClass(int pitchClass) const;
  // A note of the choice as the choice spells it; any other with sharps in a
  // sharp key, flats in a flat key, and by the preference in a key with none.
  SpelledNote Spell(int pitchClass) const;
  // Accidentals written over the notes of the choice (a double counts two).
  int AccidentalCount() const;

 private:
  SpelledNote m_root;
  Accidentals m_outside = Accidentals::kSharps;  // how notes outside the choice are spelled
  std::vector<Degree> m_degrees;
  std::vector<SpelledNote> m_notes;
};

// The root that KeySpelling::Automatic chooses.
SpelledNote AutomaticRoot(int rootPitchClass, const CatalogueEntry& entry, Accidentals preference);

}  // namespace fretlab
