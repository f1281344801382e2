#pragma once
// Sequence files (.fbs): the chord sequence kept between runs.
//
// A file is a run of 56-byte chord records closed by the end word 9999. Every
// item is a word: a signed 32-bit integer, least significant byte first. A
// record is seven pairs of words; pair k (0..5) holds the note of chord slot k
// and the fret it was picked at, pair 6 holds the chord's NoteLength and the
// slot-0 cell of the next fret row (the "carried" cell). There is no header,
// count or checksum; bytes after the end word are ignored.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sequence/chord_sequence.h"

namespace fretlab {

inline constexpr std::int32_t kSequenceEnd = 9999;  // bytes 0F 27 00 00
inline constexpr std::size_t kWordBytes = 4;
inline constexpr int kPairsPerRecord = 7;
inline constexpr std::size_t kChordRecordBytes = kPairsPerRecord * 2 * kWordBytes;  // 56
// The longest prefix the reader ever needs: a full sequence and its end word.
inline constexpr std::size_t kMaxSequenceBytes = kMaxChords * kChordRecordBytes + kWordBytes;
// Upper bound of an accepted NoteLength, units of 10 ms (10 s).
inline constexpr int kMaxNoteLength = 1000;
inline constexpr std::string_view kSequenceExtension = ".fbs";

// The bytes of rows 0..chordCount-1 of g_chordRows and g_fretRows and the end
// word. The carried cell of the last chord is g_fretRows[chordCount][0], or 0
// for a full sequence, which has no such row. chordCount is 0..kMaxChords.
std::vector<std::uint8_t> WriteSequence(int chordCount);

// A file's content once accepted, held apart from the sequence in memory.
struct SequenceImage {
  std::vector<std::array<int, kChordColumns>> chordRows;  // one per chord
  std::vector<std::array<int, kStringCount>> fretRows;     // one per chord
  // Goes to g_fretRows[chordCount][0]. Absent for an empty file (nothing is
  // carried) and for a full one (there is no row to carry it into).
  std::optional<int> carriedFret;

  int ChordCount() const { return static_cast<int>(chordRows.size()); }
};

struct SequenceParse {
  std::optional<SequenceImage> image;  // set when the bytes are accepted
  std::string problem;                 // otherwise what is wrong, in plain words
};

// Accepts only whole records followed by the end word at the start of a
// record, with every note 0 or 40..87, every fret 0..23 (carried cells too),
// every NoteLength 0..kMaxNoteLength and at most kMaxChords chords. Chords are
// counted from 1 in the problem texts, since users read them.
SequenceParse ParseSequence(std::span<const std::uint8_t> bytes);

// Replaces the sequence in memory with an accepted image: rows 0..N-1 of both
// tables, the carried cell g_fretRows[N][0] when present, and the count. Rows
// beyond N keep their contents; nothing else changes.
void ApplySequence(const SequenceImage& image, int& chordCount);

// Result of a file operation; when it failed, `message` names the file and
// the reason and is meant to be shown to the user as it is.
struct FileOutcome {
  bool ok = true;
  std::string message;
  std::string reason;  // the message's part after the file's name, without the full stop
  explicit operator bool() const { return ok; }
};

// The name a save writes to: the chosen name with ".fbs" appended unless it
// already ends in ".fbs" (song.fbs -> song.fbs, song -> song.fbs,
// song.txt -> song.txt.fbs).
std::filesystem::path SequenceFileName(const std::filesystem::path& chosen);

// Writes `bytes` to `file` through a temporary file in the same folder that
// replaces `file` only once every byte is on disk. A symbolic link is written
// through: the file at its end is replaced and the link stays. On failure the
// temporary file is removed, an existing `file` is left as it was, and the
// message begins with `verb` ("Cannot save") and names the file replaced.
FileOutcome WriteFileAtomically(const std::filesystem::path& file,
                                std::span<const std::uint8_t> bytes, std::string_view verb);

// Writes the sequence to `file` (the final name, see SequenceFileName)
// atomically, as WriteFileAtomically does.
FileOutcome SaveSequenceFile(const std::filesystem::path& file, int chordCount);

// Reads `file` into `image` when it is accepted whole; the sequence in
// memory is not touched. On failure `image` is unspecified. Never waits on
// the file: anything but a regular file (a named pipe, socket, device or
// folder) is refused with a message that says what it is.
FileOutcome ReadSequenceFile(const std::filesystem::path& file, SequenceImage& image);

// Reads `file` and, only when it is accepted whole, applies it to the
// sequence in memory. On any failure nothing in memory changes.
FileOutcome LoadSequenceFile(const std::filesystem::path& file, int& chordCount);

}  // namespace fretlab
