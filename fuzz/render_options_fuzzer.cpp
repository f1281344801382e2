// libFuzzer target for `fretlab --render` options: the input is the
// command line's arguments separated by NUL bytes. Every command line is
// either a request within the documented ranges or refused with one line
// that a terminal shows as it is, whatever the values hold.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "practice/render_options.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fretlab;
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.emplace_back();
    } else {
      arguments.back() += static_cast<char>(data[i]);
    }
  }
  const auto parsed = ParseRenderArguments(arguments);
  if (const auto* refusal = std::get_if<std::string>(&parsed)) {
    Check(refusal->rfind("fretlab: ", 0) == 0);
    for (const unsigned char c : *refusal) Check(c >= 0x20 && c != 0x7F);
    // Every value is cut at 200 characters; the allowed names are the longest part.
    Check(refusal->size() < 8192);
    return 0;
  }
  const RenderRequest& request = std::get<RenderRequest>(parsed);
  Check(!request.output.empty());
  Check(PictureFormatOf(request.output) == request.format);
  const PracticeView& view = request.view;
  Check(view.capo >= 0 && view.capo <= kMaxCapo);
  Check(view.frets.from >= 0 && view.frets.from <= view.frets.to && view.frets.to <= kFretPositions - 1);
  Check(view.tuning.StringCount() >= kMinStrings && view.tuning.StringCount() <= kMaxStrings);
  Check(view.rootPitchClass >= 0 && view.rootPitchClass < 12);
  Check(!view.Title().empty());
  return 0;
}
