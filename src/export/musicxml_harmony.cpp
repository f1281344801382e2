#include "export/musicxml_harmony.h"

#include <algorithm>

#include "export/xml_text.h"

namespace fretlab {

namespace {

constexpr int kSmallestFrame = 4;  // frets a diagram shows at least

std::string_view DegreeType(ChordDegree::Type type) {
  switch (type) {
    case ChordDegree::Type::Add: return "add";
    case ChordDegree::Type::Alter: return "alter";
    case ChordDegree::Type::Subtract: return "subtract";
  }
  return "add";
}

// The diagram: muted strings have no <frame-note>, which is how MusicXML
// marks them. Frets are absolute; <first-fret> moves the diagram up when the
// shape does not fit the first frets.
void AppendFrame(std::string& xml, const ExportChord& chord) {
  int lowest = 0, highest = 0;
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    if (!chord.Sounds(slot) || chord.frets[slot] == 0) continue;
    lowest = lowest == 0 ? chord.frets[slot] : std::min(lowest, chord.frets[slot]);
    highest = std::max(highest, chord.frets[slot]);
  }
  const int first = highest > kSmallestFrame ? lowest : 1;
  const int shown = std::max(kSmallestFrame, highest - first + 1);
  xml += "<frame><frame-strings>6</frame-strings>";
  AppendTag(xml, "frame-frets", shown);
  if (first > 1) AppendTag(xml, "first-fret", first);
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    if (!chord.Sounds(slot)) continue;
    xml += "<frame-note>";
    AppendTag(xml, "string", StringNumberOfSlot(slot));
    AppendTag(xml, "fret", chord.frets[slot]);
    xml += "</frame-note>";
  }
  xml += "</frame>";
}

}  // namespace

void AppendStep(std::string& xml, std::string_view step, std::string_view alter, SpelledNote note) {
  // MusicXML's steps are the English letters whatever the screen shows.
  AppendTag(xml, step, NoteName(SpelledNote{note.letter, 0}, SignStyle::kAscii));
  if (note.accidental != 0) AppendTag(xml, alter, note.accidental);
}

std::string_view MusicXmlKind(ChordKind kind) {
  switch (kind) {
    case ChordKind::SingleNote: return "none";
    case ChordKind::Major: return "major";
    case ChordKind::Minor: return "minor";
    case ChordKind::Augmented: return "augmented";
    case ChordKind::Diminished: return "diminished";
    case ChordKind::Dominant: return "dominant";
    case ChordKind::MajorSeventh: return "major-seventh";
    case ChordKind::MinorSeventh: return "minor-seventh";
    case ChordKind::DiminishedSeventh: return "diminished-seventh";
    case ChordKind::AugmentedSeventh: return "augmented-seventh";
    case ChordKind::HalfDiminished: return "half-diminished";
    case ChordKind::MajorMinor: return "major-minor";
    case ChordKind::MajorSixth: return "major-sixth";
    case ChordKind::MinorSixth: return "minor-sixth";
    case ChordKind::DominantNinth: return "dominant-ninth";
    case ChordKind::MajorNinth: return "major-ninth";
    case ChordKind::MinorNinth: return "minor-ninth";
    case ChordKind::Dominant11th: return "dominant-11th";
    case ChordKind::Major11th: return "major-11th";
    case ChordKind::Minor11th: return "minor-11th";
    case ChordKind::Dominant13th: return "dominant-13th";
    case ChordKind::Major13th: return "major-13th";
    case ChordKind::Minor13th: return "minor-13th";
    case ChordKind::SuspendedSecond: return "suspended-second";
    case ChordKind::SuspendedFourth: return "suspended-fourth";
    case ChordKind::Power: return "power";
  }
  return "other";
}

void AppendHarmony(std::string& xml, const ChordName& name, const ExportChord& chord) {
  if (!name.Named() || name.Best().kind == ChordKind::SingleNote) return;
  const ChordReading& best = name.Best();
  xml += "<harmony print-frame=\"yes\" placement=\"above\"><root>";
  AppendStep(xml, "root-step", "root-alter", best.rootSpelling);
  // The text is our own symbol, so a reader shows the name as we do; the
  // degrees below then only describe it (print-object="no").
  xml += "</root><kind text=\"";
  xml += XmlEscaped(best.suffix);
  xml += "\">";
  xml += MusicXmlKind(best.kind);
  xml += "</kind>";
  if (best.bass) {
    xml += "<bass>";
    AppendStep(xml, "bass-step", "bass-alter", best.bassSpelling);
    xml += "</bass>";
  }
  for (const ChordDegree& degree : best.degrees) {
    xml += "<degree print-object=\"no\">";
    AppendTag(xml, "degree-value", degree.value);
    AppendTag(xml, "degree-alter", degree.alteration);
    AppendTag(xml, "degree-type", DegreeType(degree.type));
    xml += "</degree>";
  }
  AppendFrame(xml, chord);
  xml += "</harmony>\n";
}

}  // namespace fretlab
