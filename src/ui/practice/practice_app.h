#pragma once
// Where Fretlab Practice is put together: the window, its modes in tab
// order (Explore, Chord lab, Drills, Chords, Tuner), what the drills take
// from outside (the user's practice history, the MIDI instruments) and the
// sound input the window listens to. The only place that knows every part;
// the parts know only their seams.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "sound/audio_capture.h"
#include "sound/midi_output.h"
#include "sound/sound_clock.h"
#include "ui/practice/drill_services.h"

class QSettings;

namespace fretlab {

class ChordLabMode;
class ChordsMode;
class DrillMode;
class ExploreMode;
class PracticeMode;
class PracticeWindow;
class TunerMode;

struct PracticeParts {
  std::unique_ptr<PracticeWindow> window;
  ExploreMode* explore = nullptr;  // owned by the window, as are the others
  ChordLabMode* chordLab = nullptr;
  DrillMode* drills = nullptr;
  ChordsMode* chords = nullptr;
  TunerMode* tuner = nullptr;
};

// Makes `mode`'s tab the current one of `window`'s mode area.
void ShowMode(PracticeWindow& window, PracticeMode& mode);

// The user's history and the system's MIDI inputs.
DrillServices SystemDrillServices();

// The system's sound input (the sound server's sources), for listening.
std::unique_ptr<AudioCapture> SystemAudioCapture();

// `output`, `capture` and `settings` must outlive the window.
PracticeParts BuildPracticeWindow(MidiOutput& output, AudioCapture& capture, QSettings& settings,
                                  std::function<SoundClock::time_point()> now,
                                  DrillServices services);

// Runs the window until it closes, with the user's settings; for --practice.
// `midiIn` given: the drills take answers from that MIDI input port (empty:
// a port of Fretlab's own), as --midi-in NAME asks; when it cannot be
// opened, one line on standard error says why.
int RunPracticeWindow(MidiOutput& output, const std::optional<QString>& midiIn = std::nullopt);

}  // namespace fretlab
