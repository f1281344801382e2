#include "theory/chord_reading.h"

namespace fretlab {

namespace {

enum class Third { Major, Minor, Sus4, Sus2, None };
// Diminished and Augmented are the fifths that the quality names (dim,
// m7b5, aug, 7#5); Flat and Sharp are altered fifths written out.
enum class Fifth { Perfect, Diminished, Augmented, Flat, Sharp, Omitted };
enum class Seventh { None, Minor, Major, Diminished, Both };

// The role of every sounding interval above the root.
struct Roles {
  Third third = Third::None;
  Fifth fifth = Fifth::Omitted;
  Seventh seventh = Seventh::None;
  bool sixth = false;  // 9 semitones, unless it is a diminished seventh
  bool nine = false, eleven = false;
  bool flat9 = false, sharp9 = false, sharp11 = false, flat13 = false;
};

Roles AssignRoles(unsigned intervals) {
  const auto has = [intervals](int i) { return (intervals >> i) & 1u; };
  Roles r;
  if (has(4)) r.third = Third::Major;
  else if (has(3)) r.third = Third::Minor;
  else if (has(5)) r.third = Third::Sus4;
  else if (has(2)) r.third = Third::Sus2;

  if (has(7)) r.fifth = Fifth::Perfect;
  else if (r.third == Third::Minor && has(6)) r.fifth = Fifth::Diminished;
  else if (r.third == Third::Major && has(8)) r.fifth = Fifth::Augmented;
  else if (has(6)) r.fifth = Fifth::Flat;
  else if (has(8)) r.fifth = Fifth::Sharp;

  if (has(10) && has(11)) r.seventh = Seventh::Both;
  else if (has(10)) r.seventh = Seventh::Minor;
  else if (has(11)) r.seventh = Seventh::Major;
  else if (r.fifth == Fifth::Diminished && has(9)) r.seventh = Seventh::Diminished;

  r.sixth = has(9) && r.seventh != Seventh::Diminished;
  r.nine = has(2) && r.third != Third::Sus2;
  r.eleven = has(5) && r.third != Third::Sus4;
  r.flat9 = has(1);
  r.sharp9 = has(3) && r.third == Third::Major;
  r.sharp11 = has(6) && r.fifth != Fifth::Diminished && r.fifth != Fifth::Flat;
  r.flat13 = has(8) && r.fifth != Fifth::Augmented && r.fifth != Fifth::Sharp;
  return r;
}

// The degree each sounding interval plays, for spelling.
std::array<int, 12> ToneDegrees(unsigned intervals, const Roles& r) {
  std::array<int, 12> d{};
  d[0] = 1;
  d[1] = 9;
  d[2] = r.third == Third::Sus2 ? 2 : 9;
  d[3] = r.sharp9 ? 9 : 3;
  d[4] = 3;
  d[5] = r.third == Third::Sus4 ? 4 : 11;
  d[6] = r.sharp11 ? 11 : 5;
  d[7] = 5;
  d[8] = r.flat13 ? 13 : 5;
  d[9] = r.seventh == Seventh::Diminished ? 7 : (r.seventh == Seventh::None ? 6 : 13);
  d[10] = 7;
  d[11] = 7;
  for (int i = 0; i < 12; ++i) {
    if (!((intervals >> i) & 1u)) d[i] = 0;
  }
  return d;
}

// Over a dominant seventh on its root (C7♭9, C7♯9, C7♯11, C7♭13, C7♯5♯9)
// the altered tensions are the dominant's usual colours, no rarer than a
// natural 9 or 13.
bool DominantInRootPosition(const Roles& r, bool rootInBass) {
  return rootInBass && r.third == Third::Major && r.seventh == Seventh::Minor;
}

int Cost(const Roles& r, bool rootInBass) {
  int cost = 0;
  if (r.third == Third::Sus4 || r.third == Third::Sus2) cost += 2;
  if (r.third == Third::None) cost += 4;
  if (r.fifth == Fifth::Omitted) cost += 3;
  if (r.fifth == Fifth::Diminished || r.fifth == Fifth::Augmented) cost += 1;
  if (r.fifth == Fifth::Flat || r.fifth == Fifth::Sharp) cost += 4;
  if (r.seventh != Seventh::None) cost += 1;
  if (r.seventh == Seventh::Both) cost += 4;
  if (r.sixth) cost += (r.seventh == Seventh::None && rootInBass) ? 1 : 2;
  cost += 2 * (r.nine + r.eleven);
  const int altered = r.flat9 + r.sharp9 + r.sharp11 + r.flat13;
  cost += (DominantInRootPosition(r, rootInBass) ? 2 : 5) * altered;
  return cost;
}

using Type = ChordDegree::Type;

// Builds kind, suffix and degrees; the suffix pieces are appended in the
// order the degrees are listed.
class SuffixBuilder {
 public:
  explicit SuffixBuilder(ChordReading& reading) : reading_(reading) {}
  void Core(ChordKind kind, std::string_view text) {
    reading_.kind = kind;
    reading_.suffix = text;
  }
  void Degree(std::string_view text, int value, int alteration, Type type) {
    // After a bare root an accidental would read as part of the root's name
    // ("Cb5"): such additions go in brackets, "C(b5)".
    if (reading_.suffix.empty() && !text.empty() && (text[0] == 'b' || text[0] == '#')) {
      reading_.suffix = "(" + std::string(text) + ")";
    } else {
      reading_.suffix += text;
    }
    reading_.degrees.push_back(ChordDegree{value, alteration, type});
  }

 private:
  ChordReading& reading_;
};

// The highest natural extension over a seventh: 13, 11, 9, or 7 for none.
int Extension(const Roles& r) {
  if (r.sixth) return 13;
  if (r.eleven) return 11;
  if (r.nine) return 9;
  return 7;
}

// The core kind and text of chords with a major or minor seventh.
void SeventhCore(SuffixBuilder& b, const Roles& r, int ext) {
  static constexpr ChordKind kDominant[] = {ChordKind::Dominant, ChordKind::DominantNinth,
                                            ChordKind::Dominant11th, ChordKind::Dominant13th};
  static constexpr ChordKind kMajor[] = {ChordKind::MajorSeventh, ChordKind::MajorNinth,
                                         ChordKind::Major11th, ChordKind::Major13th};
  static constexpr ChordKind kMinor[] = {ChordKind::MinorSeventh, ChordKind::MinorNinth,
                                         ChordKind::Minor11th, ChordKind::Minor13th};
  const int step = ext == 7 ? 0 : ext == 9 ? 1 : ext == 11 ? 2 : 3;
  const std::string number = std::to_string(ext);
  const bool majorSeventh = r.seventh == Seventh::Major;
  if (r.third == Third::Minor) {
    if (majorSeventh) {
      b.Core(ChordKind::MajorMinor, "mMaj" + number);
      if (ext > 7) b.Degree("", ext, 0, Type::Add);
    } else if (r.fifth == Fifth::Diminished && ext == 7) {
      b.Core(ChordKind::HalfDiminished, "m7b5");
    } else {
      b.Core(kMinor[step], "m" + number);
    }
  } else if (majorSeventh) {
    b.Core(kMajor[step], "maj" + number);
  } else if (r.fifth == Fifth::Augmented && ext == 7) {
    b.Core(ChordKind::AugmentedSeventh, "7#5");
  } else {
    b.Core(kDominant[step], number);
  }
}

// The core of everything but the suspended chords; returns the extension
// that the core's name already holds (7 for none beyond the seventh, 0 for
// no seventh at all).
int Core(SuffixBuilder& b, const Roles& r) {
  if (r.seventh == Seventh::Diminished) {
    b.Core(ChordKind::DiminishedSeventh, "dim7");
    return 0;
  }
  if (r.seventh != Seventh::None) {
    const int ext = Extension(r);
    SeventhCore(b, r, ext);
    return ext;
  }
  const bool minor = r.third == Third::Minor;
  if (r.sixth) {
    b.Core(minor ? ChordKind::MinorSixth : ChordKind::MajorSixth, minor ? "m6" : "6");
  } else if (r.fifth == Fifth::Diminished) {
    b.Core(ChordKind::Diminished, "dim");
  } else if (r.fifth == Fifth::Augmented) {
    b.Core(ChordKind::Augmented, "aug");
  } else {
    b.Core(minor ? ChordKind::Minor : ChordKind::Major, minor ? "m" : "");
  }
  return 0;
}

// Suspended chords: the sus triad, with a seventh and its extensions added.
int SuspendedCore(SuffixBuilder& b, const Roles& r) {
  const bool four = r.third == Third::Sus4;
  const ChordKind kind = four ? ChordKind::SuspendedFourth : ChordKind::SuspendedSecond;
  const std::string sus = four ? "sus4" : "sus2";
  if (r.seventh == Seventh::None) {
    b.Core(kind, (r.sixth ? "6" : "") + sus);
    if (r.sixth) b.Degree("", 6, 0, Type::Add);
    return 0;
  }
  const int ext = r.sixth ? 13 : r.nine ? 9 : 7;
  const bool major = r.seventh == Seventh::Major;
  b.Core(kind, (major ? "maj" : "") + std::to_string(ext) + sus);
  b.Degree("", 7, major ? 0 : -1, Type::Add);
  if (r.nine) b.Degree("", 9, 0, Type::Add);
  if (ext == 13) b.Degree("", 13, 0, Type::Add);
  return ext;
}

}  // namespace

bool HasAlteredTone(const ChordReading& reading) {
  switch (reading.kind) {
    case ChordKind::Diminished:
    case ChordKind::DiminishedSeventh:
    case ChordKind::HalfDiminished:
    case ChordKind::Augmented:
    case ChordKind::AugmentedSeventh: return true;
    default: break;
  }
  for (const ChordDegree& d : reading.degrees) {
    if (d.value != 7 && d.alteration != 0) return true;  // a sus chord's ♭7 is no alteration
  }
  return false;
}

ChordReading ReadOverRoot(unsigned intervals, bool rootInBass, int& omitted) {
  const Roles r = AssignRoles(intervals | 1u);
  ChordReading reading;
  reading.toneDegrees = ToneDegrees(intervals | 1u, r);
  reading.cost = Cost(r, rootInBass);
  omitted = (r.third == Third::None) + (r.fifth == Fifth::Omitted);

  SuffixBuilder b(reading);
  const bool suspended = r.third == Third::Sus4 || r.third == Third::Sus2;
  const int ext = suspended ? SuspendedCore(b, r) : Core(b, r);

  // Fifths the core does not name.
  const bool namedFifth = reading.kind == ChordKind::Diminished ||
                          reading.kind == ChordKind::DiminishedSeventh ||
                          reading.kind == ChordKind::HalfDiminished ||
                          reading.kind == ChordKind::Augmented ||
                          reading.kind == ChordKind::AugmentedSeventh;
  if (!namedFifth) {
    if (r.fifth == Fifth::Diminished || r.fifth == Fifth::Flat) b.Degree("b5", 5, -1, Type::Alter);
    if (r.fifth == Fifth::Augmented || r.fifth == Fifth::Sharp) b.Degree("#5", 5, 1, Type::Alter);
  }
  // Natural tensions beyond what the core holds; "add" without a seventh.
  const bool seventh = ext >= 7;
  if (r.nine && ext < 9) {
    if (!seventh && r.sixth && !suspended) b.Degree("/9", 9, 0, Type::Add);
    else b.Degree("add9", 9, 0, Type::Add);
  }
  if (r.eleven && ext < 11) b.Degree("add11", 11, 0, Type::Add);
  if (r.seventh == Seventh::Both) b.Degree("addmaj7", 7, 0, Type::Add);
  const std::string_view add = seventh ? "" : "add";
  if (r.flat9) b.Degree(std::string(add) + "b9", 9, -1, Type::Add);
  if (r.sharp9) b.Degree(std::string(add) + "#9", 9, 1, Type::Add);
  if (r.sharp11) b.Degree(std::string(add) + "#11", 11, 1, Type::Add);
  if (r.flat13) b.Degree(std::string(add) + "b13", 13, -1, Type::Add);
  if (r.third == Third::None) b.Degree("(no3)", 3, 0, Type::Subtract);
  return reading;
}

}  // namespace fretlab
