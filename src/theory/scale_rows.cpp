// The catalogue's scales. Every seven-note scale is written with each of the
// degrees 1 to 7 once, so that its notes take each letter once (C altered is
// C D♭ E♭ F♭ G♭ A♭ B♭, not C D♭ D♯ E ...). Scales of other sizes are written
// in the degrees guitar books print for them.

#include "theory/catalogue_rows.h"

namespace fretlab::catalogue_rows {

// Each row's main window text marks it for the main window's scale list;
// the rows so marked are that list, in this order (tables.h). Rows for the
// Practice window alone leave the text out. New rows go at the end: settings
// store the index.
std::vector<CatalogueEntry> ScaleRows() {
  return {
      {"Lydian", "Lydian", {R, M2, M3, A4, P5, M6, M7}, ParentKey::kOwn, "Lydian"},
      {"Major (Ionian)", "major", {R, M2, M3, P4, P5, M6, M7}, ParentKey::kOwn, "MAJOR (Ionian)"},
      {"Mixolydian", "Mixolydian", {R, M2, M3, P4, P5, M6, m7}, ParentKey::kOwn, "Mixolydian"},
      // The main window's texts keep their trailing blanks.
      {"Dorian", "Dorian", {R, M2, m3, P4, P5, M6, m7}, ParentKey::kOwn, "Dorian "},
      {"Natural minor (Aeolian)", "natural minor", {R, M2, m3, P4, P5, m6, m7}, ParentKey::kOwn,
       "minor (Aeolian) "},
      {"Phrygian", "Phrygian", {R, m2, m3, P4, P5, m6, m7}, ParentKey::kOwn, "Phrygian"},
      {"Locrian", "Locrian", {R, m2, m3, P4, d5, m6, m7}, ParentKey::kOwn, "Locrian"},
      {"Harmonic minor", "harmonic minor", {R, M2, m3, P4, P5, m6, M7}, ParentKey::kOwn,
       "Harmonic minor"},
      {"Melodic minor", "melodic minor", {R, M2, m3, P4, P5, M6, M7}, ParentKey::kOwn,
       "Melodic minor"},
      {"Major pentatonic", "major pentatonic", {R, M2, M3, P5, M6}, ParentKey::kMajor},
      {"Minor pentatonic", "minor pentatonic", {R, m3, P4, P5, m7}, ParentKey::kMinor},
      {"Blues", "blues", {R, m3, P4, d5, P5, m7}, ParentKey::kMinor},
      {"Whole tone", "whole tone", {R, M2, M3, A4, A5, m7}, ParentKey::kOwn},
      // The ♭3 of the half-whole scale is its raised ninth, written as the
      // minor third guitarists read; the whole-half scale keeps both ♭6 and 6.
      {"Diminished half-whole", "half-whole diminished", {R, m2, m3, M3, A4, P5, M6, m7},
       ParentKey::kOwn},
      {"Diminished whole-half", "whole-half diminished", {R, M2, m3, P4, d5, m6, M6, M7},
       ParentKey::kOwn},
      // The degrees of the black keys here are the usual ones; KeySpelling
      // replaces ♯4/♭5 and ♯5/♭6 by the ♯/♭ preference.
      {"Chromatic (all notes)", "chromatic", {R, m2, M2, m3, M3, P4, A4, P5, m6, M6, m7, M7},
       ParentKey::kOwn, {}, true},

      // The other modes of melodic minor, from its second degree up.
      {"Dorian \u266D2 (Phrygian \u266E6)", "Dorian \u266D2", {R, m2, m3, P4, P5, M6, m7}},
      {"Lydian augmented", "Lydian augmented", {R, M2, M3, A4, A5, M6, M7}},
      {"Lydian dominant", "Lydian dominant", {R, M2, M3, A4, P5, M6, m7}},
      {"Mixolydian \u266D6 (Aeolian dominant)", "Mixolydian \u266D6", {R, M2, M3, P4, P5, m6, m7}},
      {"Locrian \u266E2 (half-diminished)", "Locrian \u266E2", {R, M2, m3, P4, d5, m6, m7}},
      {"Altered (Super Locrian)", "altered", {R, m2, m3, d4, d5, m6, m7}},
      // The other modes of harmonic minor.
      {"Locrian \u266E6", "Locrian \u266E6", {R, m2, m3, P4, d5, M6, m7}},
      {"Ionian \u266F5 (Ionian augmented)", "Ionian \u266F5", {R, M2, M3, P4, A5, M6, M7}},
      {"Dorian \u266F4 (Ukrainian Dorian)", "Dorian \u266F4", {R, M2, m3, A4, P5, M6, m7}},
      {"Phrygian dominant", "Phrygian dominant", {R, m2, M3, P4, P5, m6, m7}},
      {"Lydian \u266F2", "Lydian \u266F2", {R, A2, M3, A4, P5, M6, M7}},
      {"Ultralocrian", "Ultralocrian", {R, m2, m3, d4, d5, m6, d7}},
      // Bebop scales: a passing tone makes eight notes, so that on the beat
      // a line falls on chord tones.
      {"Major bebop", "major bebop", {R, M2, M3, P4, P5, A5, M6, M7}},
      {"Dominant bebop", "dominant bebop", {R, M2, M3, P4, P5, M6, m7, M7}},
      {"Minor bebop", "minor bebop", {R, M2, m3, M3, P4, P5, M6, m7}},
      // Scales with an augmented second.
      {"Hungarian minor", "Hungarian minor", {R, M2, m3, A4, P5, m6, M7}},
      {"Double harmonic major", "double harmonic major", {R, m2, M3, P4, P5, m6, M7}},
      {"Neapolitan major", "Neapolitan major", {R, m2, m3, P4, P5, M6, M7}},
      {"Neapolitan minor", "Neapolitan minor", {R, m2, m3, P4, P5, m6, M7}},
      {"Persian", "Persian", {R, m2, M3, P4, d5, m6, M7}},
      {"Enigmatic", "enigmatic", {R, m2, M3, A4, A5, A6, M7}},
      // Pentatonics of Japan, Egypt and China.
      {"Hirajoshi", "Hirajoshi", {R, M2, m3, P5, m6}},
      {"In-sen", "In-sen", {R, m2, P4, P5, m7}},
      {"Iwato", "Iwato", {R, m2, P4, d5, m7}},
      {"Kumoi", "Kumoi", {R, M2, m3, P5, M6}},
      {"Egyptian pentatonic", "Egyptian pentatonic", {R, M2, P4, P5, m7}},
      {"Chinese pentatonic", "Chinese pentatonic", {R, M3, A4, P5, M7}},
      // Six-note scales.
      {"Prometheus", "Prometheus", {R, M2, M3, A4, M6, m7}},
      {"Augmented", "augmented", {R, A2, M3, P5, A5, M7}},
      {"Harmonic major", "harmonic major", {R, M2, M3, P4, P5, m6, M7}},
      {"Major blues", "major blues", {R, M2, m3, M3, P5, M6}},
      {"Hungarian major", "Hungarian major", {R, A2, M3, A4, P5, M6, m7}},
      {"Spanish eight-note", "Spanish eight-note", {R, m2, m3, M3, P4, P5, m6, m7}},
      {"Yo", "Yo", {R, M2, P4, P5, M6}},
      {"Dominant pentatonic", "dominant pentatonic", {R, M2, M3, P5, m7}},
      {"Tritone", "tritone", {R, m2, M3, d5, P5, m7}},
      {"Leading whole tone", "leading whole tone", {R, M2, M3, A4, A5, A6, M7}},
      {"Pelog", "Pelog", {R, m2, m3, P5, m6}},
      {"Major Locrian", "major Locrian", {R, M2, M3, P4, d5, m6, m7}},
      {"Lydian minor", "Lydian minor", {R, M2, M3, A4, P5, m6, m7}},
      // Three of the thaats of Hindustani music.
      {"Purvi", "Purvi", {R, m2, M3, A4, P5, m6, M7}},
      {"Marva", "Marva", {R, m2, M3, A4, P5, M6, M7}},
      {"Todi", "Todi", {R, m2, m3, A4, P5, m6, M7}},
      // The other modes of harmonic major.
      {"Dorian \u266D5", "Dorian \u266D5", {R, M2, m3, P4, d5, M6, m7}},
      {"Phrygian \u266D4", "Phrygian \u266D4", {R, m2, m3, d4, P5, m6, m7}},
      {"Lydian \u266D3", "Lydian \u266D3", {R, M2, m3, A4, P5, M6, M7}},
      {"Mixolydian \u266D2", "Mixolydian \u266D2", {R, m2, M3, P4, P5, M6, m7}},
      {"Lydian augmented \u266F2", "Lydian augmented \u266F2", {R, A2, M3, A4, A5, M6, M7}},
      {"Locrian \u266D\u266D7", "Locrian \u266D\u266D7", {R, m2, m3, P4, d5, m6, d7}},
      {"Minor six pentatonic", "minor six pentatonic", {R, m3, P4, P5, M6}},
  };
}

}  // namespace fretlab::catalogue_rows
