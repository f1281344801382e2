#include "theory/note_naming.h"

#include <array>

namespace fretlab {

namespace {

constexpr int kB = 6;  // letter index of B, which German calls H

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The signs after a letter or syllable: the accidental they make, as the
// English reader takes them.
std::optional<int> Signs(std::string_view rest) {
  const std::optional<SpelledNote> c = ParseNoteName("C" + std::string(rest));
  if (!c) return std::nullopt;
  return c->accidental;
}

std::optional<SpelledNote> ParseGerman(std::string_view text) {
  const std::string lower = Lower(text);
  for (int letter = 0; letter < kLetterCount; ++letter) {
    for (int accidental = -2; accidental <= 2; ++accidental) {
      const SpelledNote note{letter, accidental};
      if (Lower(GermanNoteName(note)) == lower) return note;
    }
  }
  if (lower == "ases") return SpelledNote{5, -2};  // the other way to write A♭♭
  // A German letter with signs: "F#", "Hb", "Eb". B is B♭ already.
  if (lower.empty() || lower[0] == 'b') return std::nullopt;
  const std::string_view letters = "cdefgah";
  const std::size_t letter = letters.find(lower[0]);
  if (letter == std::string_view::npos) return std::nullopt;
  const std::optional<int> accidental = Signs(text.substr(1));
  if (!accidental) return std::nullopt;
  return SpelledNote{static_cast<int>(letter), *accidental};
}

std::optional<SpelledNote> ParseSolfege(std::string_view text) {
  std::string lower = Lower(text);
  const std::string eAcute = "\u00E9";
  if (const std::size_t at = lower.find(eAcute); at != std::string::npos) lower.replace(at, eAcute.size(), "e");
  static const std::array<std::string_view, kLetterCount> kSyllables = {"do", "re", "mi", "fa",
                                                                        "sol", "la", "si"};
  for (int letter = kLetterCount - 1; letter >= 0; --letter) {
    const std::string_view syllable = kSyllables[letter];
    if (lower.compare(0, syllable.size(), syllable) != 0) continue;
    const std::optional<int> accidental = Signs(std::string_view(lower).substr(syllable.size()));
    if (!accidental) return std::nullopt;
    return SpelledNote{letter, *accidental};
  }
  return std::nullopt;
}

}  // namespace

std::string GermanNoteName(SpelledNote note) {
  static constexpr std::array<char, kLetterCount> kLetters = {'C', 'D', 'E', 'F', 'G', 'A', 'H'};
  if (note.letter == kB && note.accidental == -1) return "B";
  if (note.letter == kB && note.accidental == -2) return "Heses";
  std::string name(1, kLetters[note.letter]);
  const bool vowel = note.letter == 2 || note.letter == 5;  // E, A: Es, As
  switch (note.accidental) {
    case 2: return name + "isis";
    case 1: return name + "is";
    case -1: return name + (vowel ? "s" : "es");
    case -2: return vowel ? name + (note.letter == 5 ? "sas" : "ses") : name + "eses";
    default: return name;
  }
}

std::string SolfegeNoteName(SpelledNote note, SignStyle style) {
  static constexpr std::array<std::string_view, kLetterCount> kUnicode = {
      "Do", "R\u00E9", "Mi", "Fa", "Sol", "La", "Si"};
  static constexpr std::array<std::string_view, kLetterCount> kAscii = {"Do", "Re", "Mi", "Fa",
                                                                       "Sol", "La", "Si"};
  const auto& names = style == SignStyle::kUnicode ? kUnicode : kAscii;
  return std::string(names[note.letter]) + AccidentalSigns(note.accidental, style);
}

std::string AsEnglishName(std::string_view text, NamingSystem system) {
  std::string_view trimmed = text;
  while (!trimmed.empty() && trimmed.front() == ' ') trimmed.remove_prefix(1);
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
  if (system == NamingSystem::kEnglish) return std::string(text);
  const std::optional<SpelledNote> note = ParseNoteName(trimmed, system);
  return note ? NoteName(*note, SignStyle::kAscii) : std::string(text);
}

std::optional<SpelledNote> ParseNoteName(std::string_view text, NamingSystem system) {
  switch (system) {
    case NamingSystem::kGerman:
      if (auto german = ParseGerman(text)) return german;
      return std::nullopt;
    case NamingSystem::kSolfege:
      if (auto solfege = ParseSolfege(text)) return solfege;
      return ParseNoteName(text);
    case NamingSystem::kEnglish:
      break;
  }
  return ParseNoteName(text);
}

}  // namespace fretlab
