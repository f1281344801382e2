#include "export/chord_chart.h"

#include "export/export_chords.h"
#include "theory/chord_name.h"

namespace fretlab {

namespace {

std::string ValueText(int length) {
  if (const NoteValue* value = FindNoteValue(length)) return std::string(value->name);
  return std::to_string(length * 10) + " ms";
}

std::string ShapeText(const ExportChord& chord) {
  bool wide = false;
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    if (chord.Sounds(slot) && chord.frets[slot] >= 10) wide = true;
  }
  std::string shape;
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    if (wide && slot > 0) shape += '-';
    shape += chord.Sounds(slot) ? std::to_string(chord.frets[slot]) : std::string("x");
  }
  return shape;
}

}  // namespace

std::string WriteChordChart(const SequenceImage& image) {
  const std::vector<ExportChord> chords = ExportChords(image);
  std::string chart;
  chart.reserve(chords.size() * 40);
  for (std::size_t i = 0; i < chords.size(); ++i) {
    chart += std::to_string(i + 1) + "  " + NameChord(chords[i].notes).Display() + "  " +
             ValueText(chords[i].length) + "  " + ShapeText(chords[i]) + "\n";
  }
  return chart;
}

}  // namespace fretlab
