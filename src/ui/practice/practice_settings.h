#pragma once
// What the Practice window remembers between runs, in the user's settings
// file (QSettings, group "Practice"): tuning, capo, handedness, labels,
// spelling preference, root and choice, fret range, spacing, note length,
// the position or triads shown, and the user's own scales (each as its name
// and its degrees, "Gypsy=1 b2 3 4 5 b6 b7"). Values that cannot be read (an
// edited or older file) fall back to the defaults one by one.

#include <QSettings>

#include <memory>
#include <vector>

#include "practice/practice_view.h"

namespace fretlab {

struct PracticeChoices {
  PracticeView view;            // view.frets: the range in use
  FretRange fretBox{0, 4};      // the range chosen for when the whole neck is not in use
  bool wholeNeck = true;
  bool otherRoot = false;       // the other enharmonic spelling of a black-key root
  int noteLengthMs = 300;       // each note of Play, 100..2000
  std::vector<std::shared_ptr<const UserScale>> userScales;  // in the order made

  // The view with the range and root spelling these choices make.
  PracticeView EffectiveView() const;
};

inline constexpr int kMinNoteLengthMs = 100;
inline constexpr int kMaxNoteLengthMs = 2000;

PracticeChoices LoadPracticeChoices(QSettings& settings);
void SavePracticeChoices(QSettings& settings, const PracticeChoices& choices);

}  // namespace fretlab
