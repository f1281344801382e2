#pragma once
// A window stand-in for the core's operations: list selections and settings
// are plain fields, and every call the operations make on the window (marks,
// notes, strums, setting changes, clears) is logged in the order it happens.

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "sequence/chord_sequence.h"
#include "theory/show.h"

namespace fretlab::testing {

struct Mark {
  StringIndex string = 0;
  FretIndex fret = 0;
  int rootFlag = 0;
  friend bool operator==(const Mark&, const Mark&) = default;
};

struct Sound {
  NoteNumber note = 0;
  int length = 0;  // units of 10 ms
  friend bool operator==(const Sound&, const Sound&) = default;
};

struct Strum {
  Chord notes{};   // by chord slot, 0 = low E
  int length = 0;  // units of 10 ms
  friend bool operator==(const Strum&, const Strum&) = default;
};

// A setting the sequence operations change on the window.
struct Setting {
  enum Kind { kAutoRoot, kFromFret, kToFret, kNoteLength } kind;
  int value = 0;
  friend bool operator==(const Setting&, const Setting&) = default;
};

struct Clear {
  friend bool operator==(const Clear&, const Clear&) = default;
};

using Event = std::variant<Mark, Sound, Strum, Setting, Clear>;

// Each event as one line of text, e.g. "marker 2 5 0", "note 60 for 50",
// "chord 0 0 0 60 0 0 for 50", "from 5", "clear".
inline std::ostream& operator<<(std::ostream& os, const Mark& m) {
  return os << "marker " << m.string << " " << m.fret << " " << m.rootFlag;
}
inline std::ostream& operator<<(std::ostream& os, const Sound& s) {
  return os << "note " << s.note << " for " << s.length;
}
inline std::ostream& operator<<(std::ostream& os, const Strum& s) {
  os << "chord";
  for (NoteNumber n : s.notes) os << " " << n;
  return os << " for " << s.length;
}
inline std::ostream& operator<<(std::ostream& os, const Setting& s) {
  static const char* const kNames[] = {"autoroot", "from", "to", "length"};
  return os << kNames[s.kind] << " " << s.value;
}
inline std::ostream& operator<<(std::ostream& os, const Clear&) { return os << "clear"; }
inline std::ostream& operator<<(std::ostream& os, const Event& e) {
  std::visit([&os](const auto& v) { os << v; }, e);
  return os;
}

class RecordingHost : public SequenceHost {
 public:
  // List selections as list indices (-1 = none) and the window's settings.
  int root = 0;
  int fromFret = 0;
  int toFret = 24;
  int autoRoot = 1;
  int noteLength = 50;

  std::vector<Event> events;
  // Runs after a note is logged, e.g. to change a selection mid-operation.
  std::function<void(RecordingHost&)> afterPlayNote;
  // Set: the sound with this index (0-based, notes and chords together) is
  // stopped by the user, and Stopped() is true from then on.
  std::optional<int> stopAtSound;
  bool stopped = false;

  int RootSelection() const override { return root; }
  int FromFretSelection() const override { return fromFret; }
  int ToFretSelection() const override { return toFret; }
  int AutoRoot() const override { return autoRoot; }
  int NoteLength() const override { return noteLength; }

  void DrawMarker(StringIndex s, FretIndex f, int rootFlag) override {
    events.push_back(Mark{s, f, rootFlag});
  }
  void PlayNote(NoteNumber note, int length) override {
    events.push_back(Sound{note, length});
    CountSound();
    if (afterPlayNote) afterPlayNote(*this);
  }
  void PlayChord(const Chord& notes, int length) override {
    events.push_back(Strum{notes, length});
    CountSound();
  }
  bool Stopped() const override { return stopped; }

  void SetAutoRoot(int value) override { Set(autoRoot, Setting::kAutoRoot, value); }
  void SelectFromFret(int index) override { Set(fromFret, Setting::kFromFret, index); }
  void SelectToFret(int index) override { Set(toFret, Setting::kToFret, index); }
  void SetNoteLength(int length) override { Set(noteLength, Setting::kNoteLength, length); }
  void ClearMarkers() override { events.push_back(Clear{}); }

  template <typename T>
  std::vector<T> Only() const {
    std::vector<T> out;
    for (const Event& e : events) {
      if (const T* v = std::get_if<T>(&e)) out.push_back(*v);
    }
    return out;
  }
  std::vector<Mark> Marks() const { return Only<Mark>(); }
  std::vector<Sound> Sounds() const { return Only<Sound>(); }
  std::vector<Strum> Strums() const { return Only<Strum>(); }

  // The events as lines of text, to compare order and values at once.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const Event& e : events) {
      std::ostringstream line;
      line << e;
      lines.push_back(line.str());
    }
    return lines;
  }

 private:
  void CountSound() {
    if (stopAtSound && sounds_++ == *stopAtSound) stopped = true;
  }
  void Set(int& field, Setting::Kind kind, int value) {
    field = value;
    events.push_back(Setting{kind, value});
  }
  int sounds_ = 0;
};

// A host whose fret lists span the whole neck (0 and 24), so that with Auto
// Root off every position counts.
inline RecordingHost WholeNeckHost(int root, int autoRoot, int noteLength = 50) {
  RecordingHost host;
  host.root = root;
  host.autoRoot = autoRoot;
  host.fromFret = 0;
  host.toFret = 24;
  host.noteLength = noteLength;
  return host;
}

}  // namespace fretlab::testing
