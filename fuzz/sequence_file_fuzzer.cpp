// libFuzzer target for the sequence file reader. Any input must be either
// refused with a reason or accepted; an accepted file, applied and written
// back, must read again to the very same chords. Sanitizers catch the rest.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "sequence/sequence_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fretlab;
  const SequenceParse parse = ParseSequence(std::span<const std::uint8_t>(data, size));
  if (!parse.image) {
    Check(!parse.problem.empty());
    return 0;
  }
  const SequenceImage& image = *parse.image;
  Check(parse.problem.empty());
  Check(image.ChordCount() <= kMaxChords);
  Check(image.fretRows.size() == image.chordRows.size());
  // The accepted part of the input is whole records and the end word.
  Check(size >= static_cast<std::size_t>(image.ChordCount()) * kChordRecordBytes + kWordBytes);

  // Writing back reads only rows 0..N-1 and the carried cell, all of which
  // ApplySequence has just set, so the tables need no reset between inputs.
  int chordCount = -1;
  ApplySequence(image, chordCount);
  Check(chordCount == image.ChordCount());

  const SequenceParse again = ParseSequence(WriteSequence(chordCount));
  Check(again.image.has_value());
  Check(again.image->chordRows == image.chordRows);
  Check(again.image->fretRows == image.fretRows);
  Check(again.image->carriedFret == image.carriedFret);
  return 0;
}
