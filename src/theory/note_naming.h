#pragma once
// Note names in the systems a musician may read besides the English
// letters, written and read back (NoteName in spelling.h writes them too):
//
//   German: C D E F G A H, with B for B♭; sharps as -is, flats as -es
//     (Cis, Des, Es, As, B, His, Heses for B♭♭);
//   fixed solfège: Do Ré Mi Fa Sol La Si, with the signs (Do♯, Si♭).
//
//   ParseNoteName("h", NamingSystem::kGerman)     -> B
//   ParseNoteName("B", NamingSystem::kGerman)     -> B♭
//   ParseNoteName("fis", NamingSystem::kGerman)   -> F♯  ("F#" too)
//   ParseNoteName("sol#", NamingSystem::kSolfege) -> G♯  ("Re" or "Ré")
// Letter case never matters.

#include <optional>
#include <string>
#include <string_view>

#include "theory/spelling.h"

namespace fretlab {

std::string GermanNoteName(SpelledNote note);
// "Ré" in Unicode, "Re" in ASCII, with the signs of the style.
std::string SolfegeNoteName(SpelledNote note, SignStyle style);

// A name as the system writes it, or as the English letters would (in every
// system: a letter, or a syllable, then # b ♯ ♭). Nothing else, not even blanks.
std::optional<SpelledNote> ParseNoteName(std::string_view text, NamingSystem system);

// A typed answer in English letters (ASCII signs: "Bb", "F#") when it reads as
// a note name in the system; else as it was (a degree such as "b3", or
// nothing readable), for the answer check to judge.
std::string AsEnglishName(std::string_view text, NamingSystem system);

}  // namespace fretlab
