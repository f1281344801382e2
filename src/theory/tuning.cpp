#include "theory/tuning.h"

#include <algorithm>
#include <sstream>

namespace fretlab {

namespace {

struct Preset {
  std::string_view name;
  std::string_view notes;  // lowest string first
};

constexpr Preset kPresets[] = {
    {"Standard", "E2 A2 D3 G3 B3 E4"},
    {"Drop D", "D2 A2 D3 G3 B3 E4"},
    {"Half step down", "Eb2 Ab2 Db3 Gb3 Bb3 Eb4"},
    {"Whole step down", "D2 G2 C3 F3 A3 D4"},
    {"Drop C", "C2 G2 C3 F3 A3 D4"},
    {"DADGAD", "D2 A2 D3 G3 A3 D4"},
    {"Open G", "D2 G2 D3 G3 B3 D4"},
    {"Open D", "D2 A2 D3 F#3 A3 D4"},
    {"Open E", "E2 B2 E3 G#3 B3 E4"},
    {"7-string", "B1 E2 A2 D3 G3 B3 E4"},
    {"Bass", "E1 A1 D2 G2"},
};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

// "Eb2" -> E♭, note 39. The octave may be negative ("C-1" is note 0).
std::optional<TunedString> ParseTunedString(std::string_view word) {
  std::size_t digits = word.size();
  while (digits > 0 && word[digits - 1] >= '0' && word[digits - 1] <= '9') --digits;
  if (digits > 0 && digits < word.size() && word[digits - 1] == '-') --digits;
  if (digits == word.size()) return std::nullopt;
  const auto name = ParseNoteName(word.substr(0, digits));
  if (!name) return std::nullopt;
  const std::string octaveText(word.substr(digits));
  if (octaveText == "-" || octaveText.size() > 2) return std::nullopt;
  const int octave = std::stoi(octaveText);
  if (octave < -1 || octave > 9) return std::nullopt;
  // The letter fixes the octave: B#3 is note 60.
  const int open = (octave + 1) * 12 + NaturalPitchClass(name->letter) + name->accidental;
  return TunedString{*name, open};
}

// The words of a tuning as typed, in their order: every one a note with an
// octave that leaves room for 24 frets, 4 to 8 of them.
std::optional<std::vector<TunedString>> ParseWords(std::string_view notes, std::string* error) {
  std::istringstream words{std::string(notes)};
  std::vector<TunedString> typed;
  std::string word;
  while (words >> word) {
    const auto string = ParseTunedString(word);
    if (!string) {
      SetError(error, "\"" + word + "\" is not a note with an octave such as E2, F#3 or Bb1");
      return std::nullopt;
    }
    if (string->open < 0 || string->open + (kFretPositions - 1) > 127) {
      SetError(error, "\"" + word + "\" is outside the notes MIDI can play on 24 frets");
      return std::nullopt;
    }
    typed.push_back(*string);
  }
  const int count = static_cast<int>(typed.size());
  if (count < kMinStrings || count > kMaxStrings) {
    SetError(error, "a tuning has 4 to 8 strings, not " + std::to_string(count));
    return std::nullopt;
  }
  return typed;
}

// Every string higher than the next: a tuning written from the top string
// down. A re-entrant tuning (a ukulele's high G, Nashville stringing) climbs
// somewhere, so it never reads as one.
bool RunsHighToLow(const std::vector<TunedString>& typed) {
  for (std::size_t i = 0; i + 1 < typed.size(); ++i) {
    if (typed[i].open <= typed[i + 1].open) return false;
  }
  return true;
}

Tuning FromLowestFirst(const std::vector<TunedString>& lowFirst) {
  Tuning tuning;
  tuning.strings.assign(lowFirst.rbegin(), lowFirst.rend());
  return tuning;
}

// The strings of a tuning typed lowest first, without a name.
std::optional<Tuning> ParseNotes(std::string_view notes, std::string* error) {
  const auto typed = ParseWords(notes, error);
  if (!typed) return std::nullopt;
  if (RunsHighToLow(*typed)) {
    const Tuning turned = FromLowestFirst({typed->rbegin(), typed->rend()});
    SetError(error, "the notes run from the highest string down; give the lowest string first: " +
                        TuningNotesText(turned));
    return std::nullopt;
  }
  return FromLowestFirst(*typed);
}

Tuning ParsePreset(const Preset& preset) {
  Tuning tuning = *ParseNotes(preset.notes, nullptr);
  tuning.name = preset.name;
  return tuning;
}

bool SameOpenNotes(const Tuning& a, const Tuning& b) {
  return std::equal(a.strings.begin(), a.strings.end(), b.strings.begin(), b.strings.end(),
                    [](const TunedString& x, const TunedString& y) { return x.open == y.open; });
}

std::vector<Tuning> MakePresets() {
  std::vector<Tuning> presets;
  for (const Preset& p : kPresets) presets.push_back(ParsePreset(p));
  return presets;
}

}  // namespace

std::span<const Tuning> PresetTunings() {
  static const std::vector<Tuning> presets = MakePresets();
  return presets;
}

std::optional<Tuning> FindPresetTuning(std::string_view name) {
  const std::string wanted = Lower(name);
  for (const Tuning& t : PresetTunings()) {
    if (Lower(t.name) == wanted) return t;
  }
  return std::nullopt;
}

std::optional<Tuning> ParseTuning(std::string_view notes, std::string* error) {
  std::optional<Tuning> tuning = ParseNotes(notes, error);
  if (!tuning) return std::nullopt;
  tuning->name = TuningNotesText(*tuning, SignStyle::kUnicode);
  for (const Tuning& preset : PresetTunings()) {
    if (SameOpenNotes(preset, *tuning)) {
      tuning->name = preset.name;
      break;
    }
  }
  return tuning;
}

std::optional<std::string> LowestStringFirst(std::string_view notes) {
  const auto typed = ParseWords(notes, nullptr);
  if (!typed || !RunsHighToLow(*typed)) return std::nullopt;
  return TuningNotesText(FromLowestFirst({typed->rbegin(), typed->rend()}));
}

std::optional<Tuning> TuningFromText(std::string_view text, std::string* error) {
  if (auto preset = FindPresetTuning(text)) return preset;
  if (const auto turned = LowestStringFirst(text)) {
    SetError(error, "\"" + std::string(text) + "\" runs from the highest string down; give the " +
                        "lowest string first: \"" + *turned + "\"");
    return std::nullopt;
  }
  std::string why;
  if (auto parsed = ParseTuning(text, &why)) return parsed;
  SetError(error, "unknown tuning \"" + std::string(text) + "\" (" + why + "); choose " +
                      PresetTuningNames() + ", or notes such as \"D2 A2 D3 G3 B3 E4\"");
  return std::nullopt;
}

std::string TuningNotesText(const Tuning& tuning, SignStyle style) {
  std::string text;
  for (auto s = tuning.strings.rbegin(); s != tuning.strings.rend(); ++s) {
    if (!text.empty()) text += ' ';
    text += NoteNameWithOctave(s->open, s->name, style);
  }
  return text;
}

std::string StringName(const Tuning& tuning, StringIndex s, SignStyle style) {
  return NoteName(tuning.strings[s].name, style);
}

std::string PresetTuningNames() {
  std::string names;
  for (const Preset& p : kPresets) {
    if (!names.empty()) names += ", ";
    names += p.name;
  }
  return names;
}

}  // namespace fretlab
