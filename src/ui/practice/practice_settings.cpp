#include "ui/practice/practice_settings.h"

#include <QStringList>
#include <algorithm>
#include <optional>

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

// "caged:E", "3nps:2", "box:1", or "all".
std::optional<PositionChoice> ReadPosition(QSettings& s) {
  return ParsePositionChoice(ReadText(s, "position"));
}

std::vector<std::shared_ptr<const UserScale>> LoadUserScales(QSettings& s) {
  std::vector<std::shared_ptr<const UserScale>> scales;
  for (const QString& line : s.value(Key("userScales")).toStringList()) {
    const int equals = line.lastIndexOf(QLatin1Char('='));  // a name may hold one; degrees never do
    if (equals <= 0) continue;
    auto scale = ParseUserScale(line.left(equals).toStdString(), line.mid(equals + 1).toStdString());
    if (scale) scales.push_back(std::move(scale));
  }
  return scales;
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
  v.position = ReadPosition(s);
  const int triads = ReadInt(s, "triads", 0, 0, kMaxStrings - 2);
  if (triads > 0) v.triadStrings = triads - 1;
  c.userScales = LoadUserScales(s);
  const std::string mine = ReadText(s, "userScale");
  for (const auto& scale : c.userScales) {
    if (v.kind == ChoiceKind::kScale && scale->Name() == mine) v.userScale = scale;
  }
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
  // The catalogue's row, also while a scale of the user's own is shown.
  const auto entries = EntriesOf(v.kind);
  const std::string_view entry = entries[std::clamp(v.entry, 0, static_cast<int>(entries.size()) - 1)].name;
  s.setValue(Key("entry"), QString::fromUtf8(entry.data(), static_cast<int>(entry.size())));
  s.setValue(Key("wholeNeck"), c.wholeNeck);
  s.setValue(Key("fretsFrom"), c.fretBox.from);
  s.setValue(Key("fretsTo"), c.fretBox.to);
  s.setValue(Key("noteLength"), c.noteLengthMs);
  s.setValue(Key("position"), v.position ? QString::fromStdString(PositionChoiceWord(*v.position))
                                         : QStringLiteral("all"));
  s.setValue(Key("triads"), v.triadStrings ? *v.triadStrings + 1 : 0);  // strings 1–3 is 1; 0 none
  QStringList mine;
  for (const auto& scale : c.userScales) {
    mine << QString::fromStdString(scale->Name() + "=" + scale->DegreesText());
  }
  s.setValue(Key("userScales"), mine);
  s.setValue(Key("userScale"), v.userScale ? QString::fromStdString(v.userScale->Name()) : QString());
}

}  // namespace fretlab
