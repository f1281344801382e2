#pragma once
// Scales of the user's own: a name and the notes, typed either as degrees
// above the root or as notes with the root first. Shown, spelled, played,
// drilled and pictured like the catalogue's scales; the Practice window
// keeps them in its settings as their name and DegreesText().
//
// How to use it:
//   std::string why;
//   auto mine = ParseUserScale("Gypsy", "1 b2 3 4 5 b6 b7", &why);
//   auto same = ParseUserScale("Gypsy", "E F G# A B C D", &why);   // notes, root first
//   mine->Entry()            the CatalogueEntry to show: degrees R ♭2 3 4 5 ♭6 ♭7
//   mine->DegreesText()      "1 b2 3 4 5 b6 b7", which ParseUserScale reads back
// Degrees are written with # and b (or ♯ and ♭) before the number: "b3",
// "#4", "bb7"; 1 or R is the root, added when left out; 8 to 13 are read as
// the degrees an octave lower (9 is 2). Blanks or commas separate them, and
// they may come in any order. Notes are read by ParseNoteName: "Eb", "f#".

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "theory/scale_catalogue.h"

namespace fretlab {

class UserScale {
 public:
  UserScale(std::string name, std::vector<Degree> degrees);
  UserScale(const UserScale&) = delete;  // the entry views this object's name
  UserScale& operator=(const UserScale&) = delete;

  const std::string& Name() const { return m_name; }
  // Its name, its degrees ascending from the root, spelled by its own
  // letters (ParentKey::kOwn).
  const CatalogueEntry& Entry() const { return m_entry; }
  // "1 2 b3 4 5 b6 7": ASCII signs, ascending.
  std::string DegreesText() const;

 private:
  std::string m_name;
  CatalogueEntry m_entry;
};

inline constexpr int kMinUserScaleNotes = 3;  // the root included
inline constexpr std::size_t kMaxUserScaleName = 40;

// Nothing, with one sentence in `error`, when the name is empty, longer than
// kMaxUserScaleName or a catalogue scale's, or the notes cannot be read, two
// of them are the same pitch, or fewer than kMinUserScaleNotes remain.
std::shared_ptr<const UserScale> ParseUserScale(std::string_view name, std::string_view notes,
                                                std::string* error = nullptr);

}  // namespace fretlab
