// The bytes of a sequence file: writing the chord tables out, and reading a
// file's bytes back only when they keep every rule of the format.

#include <algorithm>

#include "sequence/sequence_file.h"
#include "theory/fretboard.h"

namespace fretlab {

namespace {

// Names of the strings by chord slot (0 = low E), for the problem texts.
constexpr std::array<std::string_view, kStringCount> kSlotStringNames = {
    "low E", "A", "D", "G", "B", "high E"};

void PutWord(std::vector<std::uint8_t>& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  out.push_back(static_cast<std::uint8_t>(bits & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((bits >> 8) & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((bits >> 16) & 0xFFu));
  out.push_back(static_cast<std::uint8_t>((bits >> 24) & 0xFFu));
}

// The caller has checked that four bytes are there.
std::int32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  const std::uint32_t bits = static_cast<std::uint32_t>(bytes[at]) |
                             (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
                             (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
                             (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
  return static_cast<std::int32_t>(bits);  // two's complement, as stored
}

bool IsStoredNote(std::int32_t n) { return n == 0 || (n >= kLowestNote && n <= kHighestNote); }
bool IsStoredFret(std::int32_t f) { return f >= 0 && f < kMainWindowFretPositions; }
bool IsStoredLength(std::int32_t length) { return length >= 0 && length <= kMaxNoteLength; }

SequenceParse Reject(std::string problem) {
  SequenceParse result;
  result.problem = std::move(problem);
  return result;
}

std::string ChordName(int index) { return "chord " + std::to_string(index + 1); }


// ---- The rules a file must keep. Each check returns what is wrong in words
// for the user, or nothing when its rule holds. Chords are counted from 1.

using Problem = std::string;  // empty: the rule holds

// Where record `chord` would begin, fewer than a word's bytes are left: the
// last whole record must be followed by the end mark.
Problem MissingEndMark(std::size_t size, std::size_t recordStart, int chord) {
  if (size == 0) return "the file is empty";
  if (size == recordStart) return "the end mark 9999 is missing after " + ChordName(chord - 1);
  if (chord == 0) return "the file is cut short";
  return "the file is cut short after " + ChordName(chord - 1);
}

// A sequence holds at most kMaxChords chords; `chord` is about to be read.
Problem CheckChordCount(int chord) {
  if (chord < kMaxChords) return {};
  return "the file holds more than " + std::to_string(kMaxChords) + " chords";
}

// A record is whole: all seven pairs are there.
Problem CutShortInside(int chord) { return "the file is cut short inside " + ChordName(chord); }

// The end mark stands only at the start of a record, never in pair 2..7.
Problem CheckNotEndMark(int chord, int pair, std::int32_t word) {
  if (pair == 0 || word != kSequenceEnd) return {};
  return "the end mark 9999 stands inside " + ChordName(chord) + ", in pair " +
         std::to_string(pair + 1) + " of 7";
}

// A note or fret of one string outside its range, in words.
Problem SlotValueProblem(int chord, ChordSlot slot, std::string_view what, std::int32_t value,
                         std::string_view range) {
  return ChordName(chord) + " has the " + std::string(what) + " " + std::to_string(value) +
         " on the " + std::string(kSlotStringNames[slot]) + " string; a " + std::string(what) +
         " must be " + std::string(range);
}

// A note is 0 (the string is silent) or one on the neck, 40..87.
Problem CheckNote(int chord, ChordSlot slot, std::int32_t note) {
  if (IsStoredNote(note)) return {};
  return SlotValueProblem(chord, slot, "note", note, "0 or 40 to 87");
}

// A length is 0..kMaxNoteLength units of 10 ms.
Problem CheckLength(int chord, std::int32_t length) {
  if (IsStoredLength(length)) return {};
  return ChordName(chord) + " has the length " + std::to_string(length) +
         "; a length must be 0 to " + std::to_string(kMaxNoteLength);
}

// A fret is on the neck, 0..23.
Problem CheckFret(int chord, ChordSlot slot, std::int32_t fret) {
  if (IsStoredFret(fret)) return {};
  return SlotValueProblem(chord, slot, "fret", fret, "0 to 23");
}

// The fret carried for the next row's low E string is a fret like the others.
Problem CheckCarriedFret(int chord, std::int32_t fret) {
  if (IsStoredFret(fret)) return {};
  return ChordName(chord) + " carries the fret " + std::to_string(fret) +
         " for the next chord's low E string; a fret must be 0 to 23";
}

// One chord record, read word by word in file order so that the first
// broken rule is the one reported. Pairs 0..5 are (note, fret) by chord
// slot; pair 6 is (length, carried fret).
struct Record {
  std::span<const std::uint8_t> bytes;  // from the record's start to the file's end
  int chord = 0;                        // 0-based
  std::array<int, kChordColumns> row{};
  std::array<int, kStringCount> frets{};
  int carried = 0;

  // Word `n` of the record (0..13); nothing when the file ends before it.
  std::optional<std::int32_t> Word(int n) const {
    const std::size_t at = static_cast<std::size_t>(n) * kWordBytes;
    if (bytes.size() < at + kWordBytes) return std::nullopt;
    return WordAt(bytes, at);
  }

  Problem CheckFirst(int pair, std::int32_t word) const {
    if (Problem problem = CheckNotEndMark(chord, pair, word); !problem.empty()) return problem;
    return pair < kStringCount ? CheckNote(chord, pair, word) : CheckLength(chord, word);
  }
  Problem CheckSecond(int pair, std::int32_t word) const {
    return pair < kStringCount ? CheckFret(chord, pair, word) : CheckCarriedFret(chord, word);
  }

  Problem Read() {
    for (int pair = 0; pair < kPairsPerRecord; ++pair) {
      const std::optional<std::int32_t> first = Word(2 * pair);
      if (!first) return CutShortInside(chord);
      if (Problem problem = CheckFirst(pair, *first); !problem.empty()) return problem;
      const std::optional<std::int32_t> second = Word(2 * pair + 1);
      if (!second) return CutShortInside(chord);
      if (Problem problem = CheckSecond(pair, *second); !problem.empty()) return problem;
      row[pair] = *first;
      (pair < kStringCount ? frets[pair] : carried) = *second;
    }
    return {};
  }
};

}  // namespace

std::vector<std::uint8_t> WriteSequence(int chordCount) {
  const int count = std::clamp(chordCount, 0, kMaxChords);
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(count) * kChordRecordBytes + kWordBytes);
  for (int i = 0; i < count; ++i) {
    for (ChordSlot k = 0; k < kStringCount; ++k) {
      PutWord(out, g_chordRows[i][k]);
      PutWord(out, g_fretRows[i][k]);
    }
    PutWord(out, g_chordRows[i][kNoteLengthColumn]);
    // The cell after row i's frets is the first of row i + 1; a full
    // sequence has no such row and writes 0.
    PutWord(out, i + 1 < kMaxChords ? g_fretRows[i + 1][0] : 0);
  }
  PutWord(out, kSequenceEnd);
  return out;
}

SequenceParse ParseSequence(std::span<const std::uint8_t> bytes) {
  SequenceImage image;
  std::optional<int> carried;
  for (int i = 0;; ++i) {
    const std::size_t recordStart = static_cast<std::size_t>(i) * kChordRecordBytes;
    if (bytes.size() - recordStart < kWordBytes) {
      return Reject(MissingEndMark(bytes.size(), recordStart, i));
    }
    if (WordAt(bytes, recordStart) == kSequenceEnd) break;
    if (Problem problem = CheckChordCount(i); !problem.empty()) return Reject(problem);
    Record record{bytes.subspan(recordStart), i};
    if (Problem problem = record.Read(); !problem.empty()) return Reject(problem);
    image.chordRows.push_back(record.row);
    image.fretRows.push_back(record.frets);
    carried = record.carried;
  }
  // A full sequence has no row after its last chord: that word is dropped.
  if (image.ChordCount() > 0 && image.ChordCount() < kMaxChords) image.carriedFret = carried;
  SequenceParse result;
  result.image = std::move(image);
  return result;
}

void ApplySequence(const SequenceImage& image, int& chordCount) {
  const int count = std::min(image.ChordCount(), kMaxChords);
  for (int i = 0; i < count; ++i) {
    std::copy(image.chordRows[i].begin(), image.chordRows[i].end(), g_chordRows[i]);
    std::copy(image.fretRows[i].begin(), image.fretRows[i].end(), g_fretRows[i]);
  }
  if (image.carriedFret && count < kMaxChords) g_fretRows[count][0] = *image.carriedFret;
  chordCount = count;
}

std::filesystem::path SequenceFileName(const std::filesystem::path& chosen) {
  const std::string name = chosen.string();
  if (name.size() >= kSequenceExtension.size() &&
      name.compare(name.size() - kSequenceExtension.size(), kSequenceExtension.size(),
                   kSequenceExtension) == 0) {
    return chosen;
  }
  return std::filesystem::path(name + std::string(kSequenceExtension));
}

}  // namespace fretlab
