#include "ui/practice/practice_settings.h"

#include <algorithm>

namespace fretlab {

namespace {

const char* const kKindWords[] = {"scale", "arpeggio", "chord"};

QString Key(const char* name) { return QStringLiteral("Practice/") + QLatin1String(name); }

int ReadInt(QSettings& s, const char* name, int fallback, int low, int high) {
  bool ok = false;
  const int value = s.value(Key(name)).toInt(&ok);
  return ok && value >= low && value <= high ? value : fallback;
}

bool ReadBool(QSettings& s, const char* name, bool fallback) {
  const QVariant v = s.value(Key(name));
  if (!v.isValid()) return fallback;
  const QString text = v.toString().toLower();
  if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
  if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
  return fallback;
}

std::string ReadText(QSettings& s, const char* name) {
  return s.value(Key(name)).toString().toStdString();
}

}  // namespace

PracticeView PracticeChoices::EffectiveView() const {
  PracticeView effective = view;
  effective.frets = wholeNeck ? FretRange{} : fretBox;
  effective.rootName.reset();
  if (otherRoot) {
    effective.rootName =
        OtherEnharmonic(AutomaticRoot(view.rootPitchClass, view.Entry(), view.preference));
  }
  return effective;
}

PracticeChoices LoadPracticeChoices(QSettings& s) {
  PracticeChoices c;
  PracticeView& v = c.view;
  if (auto tuning = TuningFromText(ReadText(s, "tuning"))) v.tuning = *tuning;
  v.capo = ReadInt(s, "capo", 0, 0, kMaxCapo);
  v.leftHanded = ReadBool(s, "leftHanded", false);
  if (auto labels = LabelModeFromWord(ReadText(s, "labels"))) v.labels = *labels;
  if (auto names = NamingSystemFromWord(ReadText(s, "noteNames"))) v.noteNames = *names;
  v.preference = ReadText(s, "accidentals") == "flats" ? Accidentals::kFlats : Accidentals::kSharps;
  v.spacing = ReadText(s, "spacing") == "even" ? FretSpacing::kEven : FretSpacing::kReal;
  v.rootPitchClass = ReadInt(s, "root", 0, 0, 11);
  const std::string kind = ReadText(s, "kind");
  for (int k = 0; k < 3; ++k) {
    if (kind == kKindWords[k]) v.kind = static_cast<ChoiceKind>(k);
  }
  // The choice is kept by its name, so a catalogue that grows keeps it.
  const int entry = FindEntry(EntriesOf(v.kind), ReadText(s, "entry"));
  v.entry = entry >= 0 ? entry : (v.kind == ChoiceKind::kScale ? 1 : 0);
  c.otherRoot = ReadBool(s, "otherRoot", false);
  c.wholeNeck = ReadBool(s, "wholeNeck", true);
  c.fretBox.from = ReadInt(s, "fretsFrom", 0, 0, kFretPositions - 1);
  c.fretBox.to = ReadInt(s, "fretsTo", 4, 0, kFretPositions - 1);
  if (c.fretBox.from > c.fretBox.to) c.fretBox = {0, 4};
  c.noteLengthMs = ReadInt(s, "noteLength", 300, kMinNoteLengthMs, kMaxNoteLengthMs);
  v.frets = c.EffectiveView().frets;
  return c;
}

void SavePracticeChoices(QSettings& s, const PracticeChoices& c) {
  const PracticeView& v = c.view;
  s.setValue(Key("tuning"), QString::fromStdString(v.tuning.name));
  s.setValue(Key("capo"), v.capo);
  s.setValue(Key("leftHanded"), v.leftHanded);
  s.setValue(Key("labels"), QString::fromUtf8(LabelModeWord(v.labels).data(),
                                              static_cast<int>(LabelModeWord(v.labels).size())));
  s.setValue(Key("noteNames"), QLatin1String(NamingSystemWord(v.noteNames).data(),
                                              static_cast<int>(NamingSystemWord(v.noteNames).size())));
  s.setValue(Key("accidentals"), v.preference == Accidentals::kFlats ? QStringLiteral("flats")
                                                                     : QStringLiteral("sharps"));
  s.setValue(Key("spacing"),
             v.spacing == FretSpacing::kEven ? QStringLiteral("even") : QStringLiteral("real"));
  s.setValue(Key("root"), v.rootPitchClass);
  s.setValue(Key("otherRoot"), c.otherRoot);
  s.setValue(Key("kind"), QLatin1String(kKindWords[static_cast<int>(v.kind)]));
  s.setValue(Key("entry"), QString::fromUtf8(v.Entry().name.data(),
                                             static_cast<int>(v.Entry().name.size())));
  s.setValue(Key("wholeNeck"), c.wholeNeck);
  s.setValue(Key("fretsFrom"), c.fretBox.from);
  s.setValue(Key("fretsTo"), c.fretBox.to);
  s.setValue(Key("noteLength"), c.noteLengthMs);
}

}  // namespace fretlab
