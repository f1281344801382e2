#include "practice/voicings_command.h"

#include <charconv>
#include <optional>

#include "common/quoted_value.h"
#include "theory/voicing_finder.h"

namespace fretlab {

namespace {

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct Request {
  std::string symbol;
  VoicingQuery query;
  int limit = kDefaultVoicingLines;
};

// Takes one option's value; an error line, or empty.
std::string Take(Request& r, const std::string& option, const std::string& value) {
  const auto refuse = [&](const std::string& allowed) {
    return "fretlab: " + option + " \"" + value + "\" is not allowed; " + allowed;
  };
  if (option == "--voicings") {
    r.symbol = value;
  } else if (option == "--tuning") {
    std::string why;
    const auto tuning = TuningFromText(value, &why);
    if (!tuning) return "fretlab: --tuning: " + why;
    r.query.tuning = *tuning;
  } else if (option == "--capo") {
    const auto capo = WholeNumber(value);
    if (!capo || *capo < 0 || *capo > kMaxCapo) return refuse("use 0 to 12");
    r.query.capo = *capo;
  } else if (option == "--span") {
    const auto span = WholeNumber(value);
    if (!span || *span < kMinVoicingSpan || *span > kMaxVoicingSpan) return refuse("use 3 to 6 frets");
    r.query.span = *span;
  } else if (option == "--limit") {
    const auto limit = WholeNumber(value);
    if (!limit || *limit < 0) return refuse("use a number of lines, 0 for all");
    r.limit = *limit;
  } else {
    return "fretlab: --voicings does not take " + option +
           "; its options are --tuning, --capo, --span, --limit";
  }
  return {};
}

}  // namespace

int RunVoicings(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  Request request;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string option = arguments[i];
    std::optional<std::string> value;
    if (const std::size_t equals = option.find('='); option.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = option.substr(equals + 1);
      option.resize(equals);
    }
    if (!value) {
      if (i + 1 >= arguments.size()) {
        err << "fretlab: " << option << " needs a value\n";
        return 2;
      }
      value = arguments[++i];
    }
    if (const std::string error = Take(request, option, *value); !error.empty()) {
      err << error << '\n';
      return 2;
    }
  }
  std::string why;
  const auto chord = ParseChordSymbol(request.symbol, &why);
  if (!chord) {
    // The reader's sentence holds the symbol as typed: shown only when that
    // is plain text; any other symbol is quoted safely.
    if (!IsPlainValue(request.symbol)) why = "cannot read the chord symbol " + QuotedValue(request.symbol);
    err << "fretlab: " << why << '\n';
    return 2;
  }
  const VoicingResult found = FindVoicings(*chord, request.query, static_cast<std::size_t>(request.limit));
  if (found.voicings.empty()) {
    err << "fretlab: " << found.none << '\n';
    return 1;
  }
  for (const Voicing& v : found.voicings) {
    out << v.FretsText() << "  " << v.label << "  " << v.NotesText() << '\n';
  }
  return 0;
}

}  // namespace fretlab
