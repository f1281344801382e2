#include "theory/spelling.h"

#include "theory/note_naming.h"

namespace fretlab {

namespace {

constexpr int kNaturalPitchClass[kLetterCount] = {0, 2, 4, 5, 7, 9, 11};
constexpr char kLetterNames[kLetterCount + 1] = "CDEFGAB";
constexpr std::string_view kSharpSign = "\u266F";
constexpr std::string_view kFlatSign = "\u266D";

bool IsBlackKey(int pitchClass) {
  const int pc = PitchClass(pitchClass);
  return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

// Whether the black key `pc` is written as a sharp under `preference`.
bool TakesSharp(int pc, Accidentals preference) {
  switch (preference) {
    case Accidentals::kSharps: return true;
    case Accidentals::kFlats: return false;
    case Accidentals::kKeyNames: return pc == 6;
    case Accidentals::kMixed: return pc == 1 || pc == 6;
  }
  return true;
}

}  // namespace

int NaturalPitchClass(int letter) { return kNaturalPitchClass[((letter % 7) + 7) % 7]; }

int LetterAbove(int letter, int steps) { return ((letter + steps) % 7 + 7) % 7; }

int SpelledNote::PitchClass() const {
  return fretlab::PitchClass(NaturalPitchClass(letter) + accidental);
}

std::optional<SpelledNote> SpellOnLetter(int letter, int pitchClass) {
  int accidental = PitchClass(pitchClass - NaturalPitchClass(letter));
  if (accidental > 6) accidental -= 12;
  if (accidental < -2 || accidental > 2) return std::nullopt;
  return SpelledNote{((letter % 7) + 7) % 7, accidental};
}

SpelledNote SpellPitchClass(int pitchClass, Accidentals preference) {
  const int pc = PitchClass(pitchClass);
  for (int letter = 0; letter < kLetterCount; ++letter) {
    if (kNaturalPitchClass[letter] == pc) return {letter, 0};
  }
  // A black key: a sharp on the letter below or a flat on the letter above.
  const bool sharp = TakesSharp(pc, preference);
  for (int letter = 0; letter < kLetterCount; ++letter) {
    if (sharp && kNaturalPitchClass[letter] == pc - 1) return {letter, 1};
    if (!sharp && kNaturalPitchClass[letter] == pc + 1) return {letter, -1};
  }
  return {0, 0};  // not reached: every black key has both neighbours
}

SpelledNote OtherEnharmonic(SpelledNote note) {
  const int pc = note.PitchClass();
  if (!IsBlackKey(pc)) return SpellPitchClass(pc, Accidentals::kSharps);
  return SpellPitchClass(pc, note.accidental > 0 ? Accidentals::kFlats : Accidentals::kSharps);
}

std::string AccidentalSigns(int accidental, SignStyle style) {
  std::string signs;
  const bool ascii = style == SignStyle::kAscii;
  for (int i = 0; i < accidental; ++i) signs += ascii ? std::string_view("#") : kSharpSign;
  for (int i = 0; i > accidental; --i) signs += ascii ? std::string_view("b") : kFlatSign;
  return signs;
}

std::string NoteName(SpelledNote note, NoteNaming naming) {
  note.letter = LetterAbove(note.letter, 0);
  switch (naming.system) {
    case NamingSystem::kGerman: return GermanNoteName(note);
    case NamingSystem::kSolfege: return SolfegeNoteName(note, naming.signs);
    case NamingSystem::kEnglish: break;
  }
  return std::string(1, kLetterNames[note.letter]) + AccidentalSigns(note.accidental, naming.signs);
}

std::string NoteNameWithOctave(int noteNumber, SpelledNote note, NoteNaming naming) {
  // The octave belongs to the letter: B♯3 sounds as C4, C♭4 as B3.
  const int natural = noteNumber - note.accidental;
  const int octave = (natural >= 0 ? natural / 12 : (natural - 11) / 12) - 1;
  return NoteName(note, naming) + std::to_string(octave);
}

std::optional<SpelledNote> ParseNoteName(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char first = static_cast<char>(text[0] >= 'a' && text[0] <= 'g' ? text[0] - 32 : text[0]);
  const std::string_view letters(kLetterNames, kLetterCount);
  const std::size_t letter = letters.find(first);
  if (letter == std::string_view::npos) return std::nullopt;
  int accidental = 0;
  std::string_view rest = text.substr(1);
  while (!rest.empty()) {
    if (rest.front() == '#') {
      ++accidental;
      rest.remove_prefix(1);
    } else if (rest.front() == 'b') {
      --accidental;
      rest.remove_prefix(1);
    } else if (rest.substr(0, kSharpSign.size()) == kSharpSign) {
      ++accidental;
      rest.remove_prefix(kSharpSign.size());
    } else if (rest.substr(0, kFlatSign.size()) == kFlatSign) {
      --accidental;
      rest.remove_prefix(kFlatSign.size());
    } else {
      return std::nullopt;
    }
    if (accidental < -2 || accidental > 2) return std::nullopt;
  }
  // Mixed signs ("C#b") cancel out on paper but are no way to write a note.
  const std::string_view signs = text.substr(1);
  const bool hasSharp = signs.find('#') != std::string_view::npos ||
                        signs.find(kSharpSign) != std::string_view::npos;
  const bool hasFlat = signs.find('b') != std::string_view::npos ||
                       signs.find(kFlatSign) != std::string_view::npos;
  if (hasSharp && hasFlat) return std::nullopt;
  return SpelledNote{static_cast<int>(letter), accidental};
}

std::string AsciiSigns(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, kSharpSign.size()) == kSharpSign) {
      out += '#';
      i += kSharpSign.size();
    } else if (text.substr(i, kFlatSign.size()) == kFlatSign) {
      out += 'b';
      i += kFlatSign.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace fretlab
