#include "theory/user_scale.h"

#include <algorithm>
#include <optional>

#include "theory/degree_text.h"

namespace fretlab {

namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == ',' || text[i] == '\t')) ++i;
    std::size_t end = i;
    while (end < text.size() && text[end] != ' ' && text[end] != ',' && text[end] != '\t') ++end;
    if (end > i) words.push_back(text.substr(i, end - i));
    i = end;
  }
  return words;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

// The degree of `note` above `root`: its letter counts the number, its
// pitch the alteration.
std::optional<Degree> DegreeOfNote(SpelledNote root, SpelledNote note) {
  const int steps = ((note.letter - root.letter) % 7 + 7) % 7;
  Degree degree{steps + 1, 0};
  int alteration = PitchClass(note.PitchClass() - root.PitchClass()) - degree.Semitones();
  if (alteration > 6) alteration -= 12;
  if (alteration < -6) alteration += 12;
  if (alteration < -2 || alteration > 2) return std::nullopt;
  degree.alteration = alteration;
  return degree;
}

// The degrees in `text`, as degrees or as notes; false with a sentence.
bool ReadDegrees(std::string_view text, std::vector<Degree>& degrees, std::string* error) {
  const std::vector<std::string_view> words = Words(text);
  std::vector<std::string_view> seen(12);  // the word typed for each pitch above the root
  if (words.empty()) {
    return Fail(error, "type the scale's notes, such as \"1 2 b3 4 5 b6 7\" or \"A B C D E F G\"");
  }
  const bool asNotes = ParseNoteName(words.front()).has_value();
  const SpelledNote root = asNotes ? *ParseNoteName(words.front()) : SpelledNote{};
  for (std::string_view word : words) {
    std::optional<Degree> degree;
    if (asNotes) {
      const auto note = ParseNoteName(word);
      if (note) degree = DegreeOfNote(root, *note);
    } else {
      degree = ParseDegree(word);
      if (degree && degree->number > 7) degree->number -= 7;
    }
    if (!degree) {
      return Fail(error, "\"" + std::string(word) + "\" is not " +
                             (asNotes ? "a note such as Eb or F#: give every note as a note, "
                                        "the root first"
                                      : "a degree such as b3 or #4: give every note as a degree "
                                        "above the root, or every one as a note"));
    }
    std::string_view& first = seen[degree->Semitones()];
    if (!first.empty()) {
      return Fail(error, std::string(first) + " and " + std::string(word) +
                             " are the same note; keep one of them");
    }
    first = word;
    degrees.push_back(*degree);
  }
  return true;
}

bool SameScale(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

UserScale::UserScale(std::string name, std::vector<Degree> degrees) : m_name(std::move(name)) {
  m_entry.name = m_name;
  m_entry.shortName = m_name;
  m_entry.degrees = std::move(degrees);
  m_entry.parent = ParentKey::kOwn;
}

std::string UserScale::DegreesText() const {
  std::string text;
  for (const Degree& d : m_entry.degrees) {
    if (!text.empty()) text += ' ';
    text += AccidentalSigns(d.alteration, SignStyle::kAscii) + std::to_string(d.number);
  }
  return text;
}

std::shared_ptr<const UserScale> ParseUserScale(std::string_view name, std::string_view notes,
                                                std::string* error) {
  name = Trimmed(name);
  if (name.empty()) return Fail(error, "give the scale a name"), nullptr;
  if (name.size() > kMaxUserScaleName) {
    return Fail(error, "the name is too long; keep it to 40 letters"), nullptr;
  }
  for (const CatalogueEntry& e : Scales()) {
    if (SameScale(e.name, name)) {
      return Fail(error, "\"" + std::string(e.name) + "\" is a scale of Fretlab's own; give yours "
                         "another name"), nullptr;
    }
  }
  std::vector<Degree> degrees;
  if (!ReadDegrees(notes, degrees, error)) return nullptr;
  if (std::none_of(degrees.begin(), degrees.end(), [](Degree d) { return d.IsRoot(); })) {
    degrees.insert(degrees.begin(), Degree{1, 0});
  }
  std::sort(degrees.begin(), degrees.end(), [](Degree a, Degree b) {
    return a.Semitones() != b.Semitones() ? a.Semitones() < b.Semitones() : a.number < b.number;
  });
  if (static_cast<int>(degrees.size()) < kMinUserScaleNotes) {
    return Fail(error, "a scale needs at least 3 notes, the root included"), nullptr;
  }
  return std::make_shared<const UserScale>(std::string(name), std::move(degrees));
}

}  // namespace fretlab
