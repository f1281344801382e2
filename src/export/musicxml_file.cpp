#include "export/musicxml_file.h"

#include <algorithm>

#include "export/export_chords.h"
#include "export/musicxml_harmony.h"
#include "export/score_durations.h"
#include "export/xml_text.h"
#include "theory/chord_name.h"

namespace fretlab {

namespace {

constexpr std::string_view kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
    "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
    "\"http://www.musicxml.org/dtds/partwise.dtd\">\n"
    "<score-partwise version=\"4.0\">\n";

constexpr std::string_view kPartList =
    "<part-list>\n"
    "<score-part id=\"P1\"><part-name>Guitar</part-name>\n"
    "<score-instrument id=\"P1-I1\"><instrument-name>Nylon-string guitar</instrument-name>"
    "</score-instrument>\n"
    "<midi-instrument id=\"P1-I1\"><midi-channel>1</midi-channel>"
    "<midi-program>25</midi-program></midi-instrument>\n"
    "</score-part>\n"
    "</part-list>\n";

constexpr std::string_view kClefAndTime =
    "<attributes><divisions>480</divisions><key><fifths>0</fifths></key>"
    "<time><beats>4</beats><beat-type>4</beat-type></time>"
    "<clef><sign>G</sign><line>2</line><clef-octave-change>-1</clef-octave-change></clef>\n";

constexpr std::string_view kTempo =
    "<direction placement=\"above\"><direction-type><metronome><beat-unit>quarter</beat-unit>"
    "<per-minute>120</per-minute></metronome></direction-type><sound tempo=\"120\"/></direction>\n";

// The first bar's attributes: clef, time, and the open strings from the
// lowest, as <staff-tuning> lines count them (1 = the bottom line of a
// tablature staff, the low E string), then the tempo.
void AppendAttributes(std::string& xml) {
  xml += kClefAndTime;
  xml += "<staff-details>";
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    const NoteNumber open = g_openNote[StringOfSlot(slot)];
    const SpelledNote name = SpellPitchClass(open, Accidentals::kKeyNames);
    xml += "<staff-tuning line=\"";
    AppendInt(xml, slot + 1);
    xml += "\">";
    AppendStep(xml, "tuning-step", "tuning-alter", name);
    AppendTag(xml, "tuning-octave", open / 12 - 1);
    xml += "</staff-tuning>";
  }
  xml += "</staff-details></attributes>\n";
  xml += kTempo;
}

// The notes of one chord, each spelled as the tone it is in the chord's name.
struct ScoreNote {
  SpelledNote spelling;
  int octave = 0;
  int string = 0;
  FretIndex fret = 0;
};

std::vector<ScoreNote> ScoreNotes(const ExportChord& chord, const ChordName& name) {
  std::vector<ScoreNote> notes;
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    if (!chord.Sounds(slot)) continue;
    const NoteNumber n = chord.notes[slot];
    ScoreNote note;
    note.spelling = name.Named() ? name.Best().Spell(PitchClass(n))
                                 : SpellPitchClass(n, Accidentals::kKeyNames);
    // The octave of the letter: B#3 sounds as C4, Cb4 as B3.
    note.octave = (n - note.spelling.accidental) / 12 - 1;
    note.string = StringNumberOfSlot(slot);
    note.fret = chord.frets[slot];
    notes.push_back(note);
  }
  return notes;
}

class ScoreWriter {
 public:
  explicit ScoreWriter(std::string& xml) : xml_(xml) {}

  // Writes `notes` (or a rest when empty) from the current position to
  // `end`, tied over bar lines; `harmony` goes before the first of them.
  void Write(const std::vector<ScoreNote>& notes, int end, const std::string& harmony) {
    const std::vector<NotatedValue> values = NotatedValues(at_, end, kTicksPerBar);
    for (std::size_t v = 0; v < values.size(); ++v) {
      if (at_ % kTicksPerBar == 0) OpenBar();
      if (v == 0) xml_ += harmony;
      const bool tieFromBefore = v > 0;
      const bool tieOn = v + 1 < values.size();
      if (notes.empty()) AppendRest(values[v]);
      for (std::size_t i = 0; i < notes.size(); ++i) {
        AppendNote(notes[i], values[v], i > 0, tieFromBefore, tieOn);
      }
      at_ += values[v].ticks;
    }
  }
  int At() const { return at_; }
  void Close() {
    if (bar_ == 0) {  // nothing at all: one bar of rest
      OpenBar();
      xml_ += "<note><rest measure=\"yes\"/><duration>1920</duration><voice>1</voice></note>\n";
    } else if (at_ % kTicksPerBar != 0) {
      Write({}, (at_ / kTicksPerBar + 1) * kTicksPerBar, {});
    }
    xml_ += "<barline location=\"right\"><bar-style>light-heavy</bar-style></barline>\n"
            "</measure>\n";
  }

 private:
  void OpenBar() {
    if (bar_ > 0) xml_ += "</measure>\n";
    ++bar_;
    xml_ += "<measure number=\"";
    AppendInt(xml_, bar_);
    xml_ += "\">\n";
    if (bar_ == 1) AppendAttributes(xml_);
  }
  void AppendValue(const NotatedValue& value) {
    AppendTag(xml_, "type", value.type);
    for (int d = 0; d < value.dots; ++d) xml_ += "<dot/>";
  }
  void AppendRest(const NotatedValue& value) {
    xml_ += "<note><rest/>";
    AppendTag(xml_, "duration", value.ticks);
    xml_ += "<voice>1</voice>";
    AppendValue(value);
    xml_ += "</note>\n";
  }
  void AppendNote(const ScoreNote& note, const NotatedValue& value, bool inChord, bool tieStop,
                  bool tieStart) {
    xml_ += inChord ? "<note><chord/><pitch>" : "<note><pitch>";
    AppendStep(xml_, "step", "alter", note.spelling);
    AppendTag(xml_, "octave", note.octave);
    xml_ += "</pitch>";
    AppendTag(xml_, "duration", value.ticks);
    if (tieStop) xml_ += "<tie type=\"stop\"/>";
    if (tieStart) xml_ += "<tie type=\"start\"/>";
    xml_ += "<voice>1</voice>";
    AppendValue(value);
    xml_ += "<notations>";
    if (tieStop) xml_ += "<tied type=\"stop\"/>";
    if (tieStart) xml_ += "<tied type=\"start\"/>";
    xml_ += "<technical>";
    AppendTag(xml_, "string", note.string);
    AppendTag(xml_, "fret", note.fret);
    xml_ += "</technical></notations></note>\n";
  }

  std::string& xml_;
  int at_ = 0;   // ticks from the start
  int bar_ = 0;  // bars opened so far
};

// Room enough for the whole score, so that it is never copied while it
// grows: a symbol with its diagram, and for every tied value of the chord
// (at most one per bar it touches, plus a few within a bar) each note.
std::size_t ScoreSizeBound(const std::vector<ExportChord>& chords) {
  constexpr std::size_t kHarmonyBytes = 1000, kNoteBytes = 240, kFixedBytes = 4096;
  std::size_t bytes = kFixedBytes;
  for (const ExportChord& chord : chords) {
    if (!chord.TakesTime()) continue;
    const auto values = static_cast<std::size_t>(LengthTicks(chord.length) / kTicksPerBar + 4);
    bytes += kHarmonyBytes + values * kStringCount * kNoteBytes;
  }
  return bytes;
}

}  // namespace

std::string WriteMusicXml(const SequenceImage& image, std::string_view title) {
  const std::vector<ExportChord> chords = ExportChords(image);
  std::string xml;
  xml.reserve(ScoreSizeBound(chords));
  xml += kHead;
  xml += "<work>";
  AppendTag(xml, "work-title", XmlEscaped(title));
  xml += "</work>\n";
  xml += "<identification><encoding><software>Fretlab</software></encoding></identification>\n";
  xml += kPartList;
  xml += "<part id=\"P1\">\n";
  ScoreWriter score(xml);
  int midiEnd = 0;  // where the chord ends in the MIDI file, ticks
  for (const ExportChord& chord : chords) {
    if (!chord.TakesTime()) continue;
    midiEnd += LengthTicks(chord.length);
    const int end = std::max(ToScoreGrid(midiEnd), score.At() + kScoreGrid);
    const ChordName name = NameChord(chord.notes);
    std::string harmony;
    AppendHarmony(harmony, name, chord);
    score.Write(ScoreNotes(chord, name), end, harmony);
  }
  score.Close();
  xml += "</part>\n</score-partwise>\n";
  return xml;
}

}  // namespace fretlab
