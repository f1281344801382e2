#pragma once
// A FretboardHost for tests: list selections and settings are plain fields,
// and every marker, note and strum is logged in the order it happens.

#include <array>
#include <functional>
#include <ostream>
#include <variant>
#include <vector>

#include "theory/show.h"

namespace fretlab::test {

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

using Event = std::variant<Mark, Sound, Strum>;

inline std::ostream& operator<<(std::ostream& os, const Mark& m) {
  return os << "Mark(" << m.string << ", " << m.fret << (m.rootFlag ? ", R)" : ")");
}
inline std::ostream& operator<<(std::ostream& os, const Sound& s) {
  return os << "Sound(" << s.note << ", " << s.length << ")";
}
inline std::ostream& operator<<(std::ostream& os, const Strum& s) {
  os << "Strum(";
  for (int i = 0; i < kStringCount; ++i) os << (i ? ", " : "") << s.notes[i];
  return os << " for " << s.length << ")";
}
inline std::ostream& operator<<(std::ostream& os, const Event& e) {
  std::visit([&os](const auto& v) { os << v; }, e);
  return os;
}

class RecordingHost : public FretboardHost {
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
    if (afterPlayNote) afterPlayNote(*this);
  }
  void PlayChord(const Chord& notes, int length) override {
    events.push_back(Strum{notes, length});
  }

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
};

}  // namespace fretlab::test
