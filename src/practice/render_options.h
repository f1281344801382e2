#pragma once
// The options of `fretlab --render OUT.svg|OUT.png [...]`, read into the
// view the picture shows. Every refusal is one line that names the option
// and the values it allows; the program then exits with status 2.
//
//   --tuning NAME|"NOTES"   a preset (case ignored) or notes, lowest string first
//                           (notes typed from the top string down are refused)
//   --capo N                0..12
//   --root NOTE             C, F#, Bb, ... (that spelling is kept)
//   --scale NAME | --arpeggio NAME | --chord NAME   names as in the window, case ignored
//   --labels notes|intervals|degrees|names|none   (names: R, m3, P5, ...)
//   --frets A-B             0 <= A <= B <= 24
//   --left-handed
// Each may also be written --option=value.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "practice/practice_view.h"

namespace fretlab {

enum class PictureFormat { kSvg, kPng };

struct RenderRequest {
  std::string output;
  PictureFormat format = PictureFormat::kSvg;
  PracticeView view;
};

// What is wrong with `text` as a tuning, in one line that is safe to show
// whatever the text holds (see common/quoted_value.h); empty when it is a
// tuning. `presets`: a preset's name counts too (--tuning), or only notes
// (the window's field).
std::string TuningProblem(std::string_view text, bool presets);

// The format from the file name's extension (.svg or .png, case ignored).
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

// `arguments` are the program's arguments without the program name; the
// one after "--render" is the output file. Returns the request, or the
// line to print (starting "fretlab: ") when something cannot be used, every
// value in it quoted with QuotedValue.
std::variant<RenderRequest, std::string> ParseRenderArguments(
    const std::vector<std::string>& arguments);

}  // namespace fretlab
