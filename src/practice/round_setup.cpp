#include "practice/round_setup.h"

namespace fretlab::practice {

DrillSetup SetupOfView(const PracticeView& view, std::uint32_t strings) {
  NeckArea area = view.Area();
  area.strings = strings;
  KeySpelling key = view.Key();
  // Scales by their title ("C Dorian"); chords by their symbol ("C7").
  std::string name = view.kind == ChoiceKind::kScale ? view.ChoiceText()
                                                     : NoteName(key.Root()) + std::string(view.Entry().shortName);
  DrillSetup setup(view.tuning, area, std::move(key), std::move(name));
  setup.noteNames = view.noteNames;
  return setup;
}

bool SameRound(const DrillSetup& a, const DrillSetup& b) {
  if (!(a.tuning.strings == b.tuning.strings) || !(a.area == b.area) || a.keyName != b.keyName ||
      !(a.key.Root() == b.key.Root()) || a.key.Size() != b.key.Size()) {
    return false;
  }
  for (int i = 0; i < a.key.Size(); ++i) {
    if (!(a.key.NoteAt(i) == b.key.NoteAt(i))) return false;
  }
  return true;
}

}  // namespace fretlab::practice
