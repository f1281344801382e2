// Reading chord symbols: the chord naming's suffixes (chord_reading.cpp) and
// the usual other ways of writing them, into the tones of a ChordSymbol.

#include <array>

#include "theory/chord_symbol.h"

namespace fretlab {

namespace {

enum class Third { kMajor, kMinor, kSus2, kSus4, kNone };
enum class Fifth { kPerfect, kFlat, kSharp, kNone };

// What the symbol says, part by part.
struct Parts {
  Third third = Third::kMajor;
  bool qualityThird = false;  // m, dim, ø... set the third; a sus cannot replace it
  Fifth fifth = Fifth::kPerfect;
  bool majorMarker = false;  // maj, M, Δ: the seventh a number brings is major
  bool seventhByDefault = false;  // mMaj, Δ, ø: a seventh even without a number
  bool dim = false;
  bool sixth = false, minor7 = false, major7 = false, dim7 = false;
  bool ninth = false, flat9 = false, sharp9 = false;
  bool ninthImplied = false;  // under an 11 or 13
  bool eleventh = false, sharp11 = false;
  bool thirteenth = false, flat13 = false;
};

class Reader {
 public:
  explicit Reader(std::string_view text) : m_rest(text) {}
  bool Take(std::string_view word) {
    if (!m_rest.starts_with(word)) return false;
    m_rest.remove_prefix(word.size());
    return true;
  }
  template <std::size_t N>
  bool TakeAny(const std::array<std::string_view, N>& words) {
    for (std::string_view w : words) {
      if (Take(w)) return true;
    }
    return false;
  }
  // At the end, or at the slash before a bass note (not the "/9" of 6/9).
  bool AtEnd() const {
    return m_rest.empty() || (m_rest.front() == '/' && !(m_rest.size() > 1 && m_rest[1] >= '0' &&
                                                         m_rest[1] <= '9'));
  }
  std::string_view Rest() const { return m_rest; }

 private:
  std::string_view m_rest;
};

constexpr std::array<std::string_view, 10> kMinorMajor = {
    "mMaj", "mmaj", "minMaj", "minmaj", "m(maj", "mM", "-Maj", "-maj", "m\u0394", "-\u0394"};
constexpr std::array<std::string_view, 5> kMajor = {"maj", "Maj", "MAJ", "Ma", "M"};
constexpr std::array<std::string_view, 4> kMinor = {"min", "mi", "m", "-"};
constexpr std::array<std::string_view, 3> kDiminished = {"dim", "\u00B0", "o"};
constexpr std::array<std::string_view, 2> kAugmented = {"aug", "+"};
constexpr std::array<std::string_view, 2> kHalfDiminished = {"\u00F8", "\u00D8"};

void Quality(Reader& r, Parts& p) {
  if (r.TakeAny(kMinorMajor)) {
    p.third = Third::kMinor, p.qualityThird = true, p.majorMarker = true, p.seventhByDefault = true;
  } else if (r.TakeAny(kMajor)) {
    p.majorMarker = true;
  } else if (r.Take("\u0394")) {
    p.majorMarker = true, p.seventhByDefault = true;
  } else if (r.TakeAny(kMinor)) {
    p.third = Third::kMinor, p.qualityThird = true;
  } else if (!r.Rest().starts_with("omit") && r.TakeAny(kDiminished)) {
    p.third = Third::kMinor, p.qualityThird = true, p.fifth = Fifth::kFlat, p.dim = true;
  } else if (r.TakeAny(kAugmented)) {
    p.fifth = Fifth::kSharp;
  } else if (r.TakeAny(kHalfDiminished)) {
    p.third = Third::kMinor, p.qualityThird = true, p.fifth = Fifth::kFlat;
    p.seventhByDefault = true;
  }
}

void AddSeventh(Parts& p) {
  if (p.dim) p.dim7 = true;
  else if (p.majorMarker) p.major7 = true;
  else p.minor7 = true;
}

// The number after the quality; false with a reason for one that cannot be.
bool Number(Reader& r, Parts& p, bool quality, std::string& why) {
  if (r.Take("13")) AddSeventh(p), p.thirteenth = true;
  else if (r.Take("11")) AddSeventh(p), p.eleventh = true;
  else if (r.Take("9")) AddSeventh(p), p.ninth = true;
  else if (r.Take("7")) AddSeventh(p);
  else if (r.Take("69") || r.Take("6/9")) p.sixth = true, p.ninth = true;
  else if (r.Take("6")) p.sixth = true;
  else if (r.Take("5")) {
    if (p.fifth == Fifth::kSharp) return true;  // "C+5": augmented
    if (quality) return why = "a power chord (5) has no quality; write it as C5", false;
    p.third = Third::kNone;
  } else if (p.seventhByDefault) {
    AddSeventh(p);
  }
  p.ninthImplied = p.eleventh || p.thirteenth;
  return true;
}

// A sign (b, #, ♭, ♯, or - and + after the chord's number) before a degree.
int Sign(Reader& r) {
  if (r.Take("b") || r.Take("\u266D") || r.Take("-")) return -1;
  if (r.Take("#") || r.Take("\u266F") || r.Take("+")) return 1;
  return 0;
}

// A degree after its sign; `added` after "add", where 2, 4 and 6 are
// read as 9, 11 and 6. False for a degree that cannot be altered so.
bool Extension(Reader& r, Parts& p, int sign, bool added) {
  const bool plain = sign == 0;
  bool* flag = nullptr;
  if (r.Take("13")) flag = sign < 0 ? &p.flat13 : plain ? &p.thirteenth : nullptr;
  else if (r.Take("11")) flag = sign > 0 ? &p.sharp11 : plain ? &p.eleventh : nullptr;
  else if (r.Take("9") || (added && plain && r.Take("2"))) {
    flag = sign < 0 ? &p.flat9 : sign > 0 ? &p.sharp9 : &p.ninth;
  } else if (added && plain && r.Take("4")) flag = &p.eleventh;
  else if (added && plain && r.Take("6")) flag = &p.sixth;
  else if (!added && !plain && r.Take("5")) {
    p.fifth = sign < 0 ? Fifth::kFlat : Fifth::kSharp;
    return true;
  }
  if (!flag) return false;
  *flag = true;
  return true;
}

// "sus4", "sus2", or "sus" for sus4.
bool Suspension(Reader& r, Parts& p, std::string& why) {
  Third sus = Third::kSus4;
  if (r.Take("sus2")) sus = Third::kSus2;
  else if (!r.Take("sus4")) r.Take("sus");
  if (p.qualityThird) {
    why = "a suspended chord has no third to be minor or diminished; write Csus4 or C7sus4";
    return false;
  }
  p.third = sus;
  return true;
}

// Additions, alterations, omissions and suspensions, in any order, with or
// without brackets and commas; "/9" of a sixth chord whose fifth is altered
// ("6b5/9").
bool Modifiers(Reader& r, Parts& p, std::string& why) {
  while (!r.AtEnd()) {
    if (r.Take("(") || r.Take(")") || r.Take(",") || r.Take(" ")) continue;
    if (r.Rest().starts_with("sus")) {
      if (!Suspension(r, p, why)) return false;
      continue;
    }
    if (r.Take("no3") || r.Take("omit3")) {
      p.third = Third::kNone;
      continue;
    }
    if (r.Take("no5") || r.Take("omit5")) {
      p.fifth = Fifth::kNone;
      continue;
    }
    if (r.Take("/9")) {
      p.ninth = true;
      continue;
    }
    const std::string_view item = r.Rest().substr(0, r.Rest().find_first_of("(),/ ", 1));
    const bool added = r.Take("add");
    if (added && (r.Take("maj7") || r.Take("M7") || r.Take("\u03947"))) {
      p.major7 = true;
      continue;
    }
    const int sign = Sign(r);
    if (!Extension(r, p, sign, added)) {
      why = "\"" + std::string(item) + "\" is not part of a chord symbol";
      return false;
    }
  }
  return true;
}

// Root first; each degree once.
bool Tones(const Parts& p, std::vector<ChordTone>& tones, std::string& why) {
  std::vector<Degree> degrees = {{1, 0}};
  static constexpr Degree kThird[] = {{3, 0}, {3, -1}, {2, 0}, {4, 0}};
  if (p.third != Third::kNone) degrees.push_back(kThird[static_cast<int>(p.third)]);
  if (p.fifth != Fifth::kNone) {
    degrees.push_back({5, p.fifth == Fifth::kFlat ? -1 : p.fifth == Fifth::kSharp ? 1 : 0});
  }
  const std::pair<bool, Degree> rest[] = {
      {p.sixth, {6, 0}},       {p.dim7, {7, -2}},   {p.minor7, {7, -1}}, {p.major7, {7, 0}},
      {p.flat9, {9, -1}},      {p.ninth, {9, 0}},   {p.sharp9, {9, 1}},  {p.eleventh, {11, 0}},
      {p.sharp11, {11, 1}},    {p.flat13, {13, -1}}, {p.thirteenth, {13, 0}}};
  // An 11 or 13 holds the ninth below it without naming it, unless the
  // chord has no third (or a 2 in its place): then it is left as written.
  const bool third = p.third == Third::kMajor || p.third == Third::kMinor || p.third == Third::kSus4;
  for (const auto& [wanted, degree] : rest) {
    if (wanted || (degree == Degree{9, 0} && p.ninthImplied && third)) degrees.push_back(degree);
  }
  for (std::size_t i = 0; i < degrees.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (degrees[i].Semitones() == degrees[j].Semitones()) {
        why = "it names one note twice, as " + IntervalLabel(degrees[j], SignStyle::kAscii) +
              " and as " + IntervalLabel(degrees[i], SignStyle::kAscii);
        return false;
      }
    }
  }
  if (degrees.size() < 3 && !(degrees.size() == 2 && degrees[1] == Degree{5, 0})) {
    why = "a chord needs three notes, or a root and its fifth (C5)";
    return false;
  }
  for (const Degree& d : degrees) tones.push_back({d, false});
  MarkOptionalTones(tones);
  return true;
}

// A letter in either case and up to two signs.
std::optional<SpelledNote> Root(Reader& r, std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::size_t end = 1;
  for (int signs = 0; signs < 2; ++signs) {
    if (text.substr(end).starts_with("#") || text.substr(end).starts_with("b")) end += 1;
    else if (text.substr(end).starts_with("\u266F") || text.substr(end).starts_with("\u266D")) end += 3;
  }
  const auto note = ParseNoteName(text.substr(0, end));
  if (note) r.Take(text.substr(0, end));
  return note;
}

bool Refuse(std::string* error, std::string_view text, const std::string& why) {
  if (error) {
    *error = "cannot read the chord symbol \"" + std::string(text) + "\": " + why +
             " (write it as C, Cm7, G7b9, Bbmaj7, D/F# or Am7/G)";
  }
  return false;
}

}  // namespace

std::optional<ChordSymbol> ParseChordSymbol(std::string_view text, std::string* error) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  Reader r(text);
  ChordSymbol chord;
  const auto root = Root(r, text);
  if (!root) return Refuse(error, text, "it does not start with a note A to G"), std::nullopt;
  chord.root = *root;
  Parts parts;
  std::string why;
  const std::size_t before = r.Rest().size();
  Quality(r, parts);
  if (!Number(r, parts, r.Rest().size() != before, why) || !Modifiers(r, parts, why) ||
      !Tones(parts, chord.tones, why)) {
    return Refuse(error, text, why), std::nullopt;
  }
  if (r.Take("/")) {
    const auto bass = ParseNoteName(r.Rest());
    if (!bass) {
      return Refuse(error, text, "after the slash comes the bass note, such as /E or /F#"),
             std::nullopt;
    }
    if (bass->PitchClass() != chord.root.PitchClass()) chord.bass = *bass;
  }
  return chord;
}

}  // namespace fretlab
