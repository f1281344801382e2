#pragma once
// Shared ground for the sequence suites: the global tables reset before every
// test, snapshots to prove that a failed operation changed nothing, and a way
// to lay out file bytes by hand (independently of the writer under test).

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <initializer_list>
#include <utility>
#include <vector>

#include "sequence/chord_sequence.h"
#include "support/chord_state.h"
#include "support/temp_dir.h"

namespace fretlab::testing {

// Everything the sequence operations and the file reader may touch.
struct SequenceSnapshot {
  std::vector<int> chordRows;
  std::vector<int> fretRows;
  Chord currentChord{};
  int stringCursor = 0;
  int chordCount = 0;

  static SequenceSnapshot Take(int chordCount) {
    SequenceSnapshot s;
    s.chordRows.assign(&g_chordRows[0][0], &g_chordRows[0][0] + kMaxChords * kChordColumns);
    s.fretRows.assign(&g_fretRows[0][0], &g_fretRows[0][0] + kMaxChords * kStringCount);
    s.currentChord = g_currentChord;
    s.stringCursor = g_stringCursor;
    s.chordCount = chordCount;
    return s;
  }
  friend bool operator==(const SequenceSnapshot&, const SequenceSnapshot&) = default;
};

class SequenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSequenceTables();
    ResetChordState();
    chordCount_ = 0;
  }

  // Ten distinct chords, row 10's slot-0 fret set, and a chord under
  // construction: a sequence whose every part a careless load would spoil.
  void FillTenChords() {
    for (int i = 0; i < 10; ++i) {
      for (int k = 0; k < 6; ++k) {
        g_chordRows[i][k] = 40 + i + 5 * k;
        g_fretRows[i][k] = (i + k) % 24;
      }
      g_chordRows[i][kNoteLengthColumn] = 10 * (i + 1);
    }
    g_fretRows[10][0] = 17;
    g_currentChord = {45, 0, 55, 0, 0, 64};
    g_stringCursor = 0;
    chordCount_ = 10;
  }

  int chordCount_ = 0;
};

// Lays out sequence file bytes word by word, least significant byte first.
class FileBytes {
 public:
  FileBytes() = default;
  explicit FileBytes(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  FileBytes& Word(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(u >> shift));
    return *this;
  }
  // One chord record: six (note, fret) pairs, then (length, carried fret).
  FileBytes& Record(const std::array<int, 6>& notes, const std::array<int, 6>& frets, int length,
                    int carried) {
    for (int k = 0; k < 6; ++k) Word(notes[k]).Word(frets[k]);
    return Word(length).Word(carried);
  }
  FileBytes& End() { return Word(9999); }
  FileBytes& Raw(std::initializer_list<std::uint8_t> raw) {
    bytes_.insert(bytes_.end(), raw);
    return *this;
  }
  FileBytes& CutTo(std::size_t size) {
    bytes_.resize(size);
    return *this;
  }
  // Overwrites word `index` (counted from 0 over the whole file).
  FileBytes& SetWord(std::size_t index, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int b = 0; b < 4; ++b) bytes_.at(index * 4 + b) = static_cast<std::uint8_t>(u >> (8 * b));
    return *this;
  }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A plain chord for bulk files: record i of a file.
inline std::array<int, 6> NotesOf(int i) {
  return {40 + i % 48, 0, 45 + (i * 7) % 40, 50 + i % 30, 0, 64 + i % 24};
}
inline std::array<int, 6> FretsOf(int i) {
  return {i % 24, 0, (i * 7) % 24, i % 15, 0, (i * 5) % 24};
}
inline int LengthOf(int i) { return (i * 37) % 1001; }

// A fresh folder of the test's own (support/temp_dir.h), with its path as
// the file code takes it and a list of what it holds.
class ScratchFolder : public TempDir {
 public:
  ScratchFolder() : path_(TempDir::path()) {}
  const std::filesystem::path& Path() const { return path_; }
  // Every entry of the folder, hidden ones included.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace fretlab::testing
