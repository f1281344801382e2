#pragma once
// What the Practice window shows, as plain data: the tuning, capo, root,
// choice, labels, spelling, fret range and handedness, and the marks that
// follow from them. The window, its pictures and the --render command all
// draw from one PracticeView, so they always agree.
//
// How to use it:
//   PracticeView view;                      // C major, Standard, whole neck
//   view.rootPitchClass = 9;  view.entry = 3;  view.tuning = *FindPresetTuning("DADGAD");
//   view.Title()                            -> "A Dorian — DADGAD"
//   for (const NeckMark& m : BuildMarks(view)) { m.position, m.label, m.fill ... }
//   DescribeForReader(view, {2, 5})         -> "string 3, G string, fret 5, C, ..."

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/playback_schedule.h"
#include "theory/key_spelling.h"
#include "theory/neck_positions.h"
#include "theory/scale_positions.h"
#include "theory/tuning.h"
#include "theory/user_scale.h"

namespace fretlab {

// What a mark says: "C♯"; "R", "♭3"; "1", "♭3"; "R", "m3" (interval names,
// the quality of each interval); nothing.
enum class LabelMode { kNoteNames, kIntervals, kDegrees, kIntervalNames, kNone };
enum class FretSpacing { kReal, kEven };  // the 12-TET rule, or equal widths

// "notes", "intervals", "degrees", "names", "none": the words of --labels
// and of the settings file.
std::string_view LabelModeWord(LabelMode mode);
std::optional<LabelMode> LabelModeFromWord(std::string_view word);  // case ignored

// "english", "german", "solfege": the words of the settings file.
std::string_view NamingSystemWord(NamingSystem system);
std::optional<NamingSystem> NamingSystemFromWord(std::string_view word);

struct PracticeView {
  Tuning tuning = PresetTunings().front();
  int capo = 0;                             // 0..kMaxCapo
  int rootPitchClass = 0;                   // 0..11, 0 = C
  std::optional<SpelledNote> rootName;      // a chosen spelling; none: the automatic one
  ChoiceKind kind = ChoiceKind::kScale;
  int entry = 1;                            // index into EntriesOf(kind): Major (Ionian)
  // A scale of the user's own: shown instead of Scales()[entry] while kind
  // is kScale.
  std::shared_ptr<const UserScale> userScale;
  LabelMode labels = LabelMode::kNoteNames;
  Accidentals preference = Accidentals::kSharps;
  FretRange frets;                          // the whole neck: 0..kFretPositions - 1
  bool leftHanded = false;
  FretSpacing spacing = FretSpacing::kReal;
  // One position of a scale shown in full, the rest of the scale faded
  // (view_shapes.h); none: the whole neck alike.
  std::optional<PositionChoice> position;
  // The triads of a three-note chord on the strings top..top+2 alone.
  std::optional<StringIndex> triadStrings;
  NamingSystem noteNames = NamingSystem::kEnglish;  // how labels and answers name notes

  const CatalogueEntry& Entry() const;
  KeySpelling Key() const;
  NeckArea Area() const;
  // "A Dorian", "Cmaj7 chord": the choice with its spelled root.
  std::string ChoiceText() const;
  // "A Dorian — DADGAD", "C major, E shape — Standard", "C triads on
  // strings 2–4 — Standard": the title line of pictures.
  std::string Title() const;
};

struct NeckMark {
  Position position;
  NoteNumber note = 0;
  Degree degree;
  SpelledNote name;    // as the key spells it
  std::string label;   // by the view's LabelMode; empty for kNone
  Rgb fill;
  Rgb text;
  bool root = false;
  IntervalShape shape = IntervalShape::kNatural;  // drawn beside the colour
  bool faded = false;  // outside the position shown: drawn, but faintly
};

// A mark's label for `mode`: the note's name, or its degree as an interval,
// a degree or an interval name.
std::string MarkLabel(LabelMode mode, SpelledNote name, Degree degree,
                      NamingSystem names = NamingSystem::kEnglish);
// A mark at `position` for `note` with its name and degree: label, colours
// and shape as the view shows them.
NeckMark MakeMark(LabelMode mode, Position position, NoteNumber note, SpelledNote name, Degree degree,
                  NamingSystem names = NamingSystem::kEnglish);

// The choice's marks inside the view's area, string by string from the top,
// frets upwards: those outside a chosen position faded; with triad strings
// chosen, the triads' notes alone.
std::vector<NeckMark> BuildMarks(const PracticeView& view);
// The marks with their notes, for PlaybackSchedule::Walk.
std::vector<SoundedPosition> MarkedNotes(const std::vector<NeckMark>& marks);

// What a strum of the shown chord plays: on each string from the lowest up,
// its chord tone nearest the bottom of the area; strings without one stay
// silent.
std::vector<SoundedPosition> ChordVoicing(const PracticeView& view);

// The spelled note at any position, in the view's key.
SpelledNote NoteNameAt(const PracticeView& view, Position position);
// "string 3, G string, fret 5, C, root of C major"; a note outside the
// choice ends after its name. For screen readers: every part in words.
std::string DescribeForReader(const PracticeView& view, Position position);
// "C4 — string 3, G string, fret 5 — root": the hover text.
std::string DescribeForHover(const PracticeView& view, Position position);

}  // namespace fretlab
