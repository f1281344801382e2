#include "practice/chord_lab.h"

#include <algorithm>

namespace fretlab {

namespace {

// Chord symbols are written in ASCII; the window writes them with the real
// signs. Their only lower-case b is the flat sign (the root is upper case).
std::string WithSigns(const std::string& symbol) {
  std::string out;
  for (char c : symbol) {
    if (c == 'b') {
      out += "\u266D";
    } else if (c == '#') {
      out += "\u266F";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void ChordShape::Reset(int stringCount) {
  m_frets.assign(std::max(stringCount, 0), std::nullopt);
  m_muted.assign(std::max(stringCount, 0), false);
}

void ChordShape::Pick(Position position) {
  if (position.string < 0 || position.string >= StringCount()) return;
  auto& fret = m_frets[position.string];
  fret = fret == position.fret ? std::nullopt : std::optional<FretIndex>(position.fret);
  m_muted[position.string] = false;
}

void ChordShape::Place(Position position) {
  if (position.string < 0 || position.string >= StringCount()) return;
  m_frets[position.string] = position.fret;
  m_muted[position.string] = false;
}

void ChordShape::ToggleMute(StringIndex s) {
  if (s < 0 || s >= StringCount()) return;
  m_muted[s] = !m_muted[s];
  if (m_muted[s]) m_frets[s].reset();
}

bool ChordShape::IsEmpty() const {
  return std::none_of(m_frets.begin(), m_frets.end(), [](const auto& f) { return f.has_value(); }) &&
         std::none_of(m_muted.begin(), m_muted.end(), [](bool m) { return m; });
}

std::vector<SoundedPosition> ChordShape::Sounding(const Tuning& tuning) const {
  std::vector<SoundedPosition> sounding;
  const int strings = std::min(StringCount(), tuning.StringCount());
  for (StringIndex s = strings - 1; s >= 0; --s) {
    if (m_frets[s]) sounding.push_back({{s, *m_frets[s]}, tuning.NoteAt(s, *m_frets[s])});
  }
  return sounding;
}

ChordName NameShape(const ChordShape& shape, const Tuning& tuning) {
  std::vector<NoteNumber> notes;
  for (const SoundedPosition& p : shape.Sounding(tuning)) notes.push_back(p.note);
  return NameChord(notes);
}

std::string ChordLabText(const ChordName& name) { return WithSigns(name.Display()); }

std::string ChordLabAlternatives(const ChordName& name) {
  if (!name.Named()) return {};
  std::string text;
  for (const ChordReading& r : name.Alternatives()) {
    if (!text.empty()) text += ", ";
    text += WithSigns(r.symbol);
  }
  return text;
}

std::string ShapeText(const ChordShape& shape) {
  std::string text;
  for (StringIndex s = shape.StringCount() - 1; s >= 0; --s) {
    if (shape.IsMuted(s)) {
      text += 'x';
    } else if (!shape.FretOf(s)) {
      text += '-';
    } else if (*shape.FretOf(s) < 10) {
      text += static_cast<char>('0' + *shape.FretOf(s));
    } else {
      text += "(" + std::to_string(*shape.FretOf(s)) + ")";
    }
  }
  return text;
}

}  // namespace fretlab
