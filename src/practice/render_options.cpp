#include "practice/render_options.h"

#include <charconv>
#include <optional>

#include "common/quoted_value.h"

namespace fretlab {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return text;
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string Refusal(const std::string& option, const std::string& value, const std::string& allowed) {
  return "fretlab: " + option + " " + QuotedValue(value) + " is not allowed; " + allowed;
}

class Reader {
 public:
  explicit Reader(PracticeView& view) : m_view(view) {}

  // Returns an error line, or empty when the option was taken.
  std::string Take(const std::string& option, const std::string& value) {
    if (option == "--tuning") return Tuning(value);
    if (option == "--capo") return Capo(value);
    if (option == "--root") return Root(value);
    if (option == "--scale") return Choice(option, ChoiceKind::kScale, value);
    if (option == "--arpeggio") return Choice(option, ChoiceKind::kArpeggio, value);
    if (option == "--chord") return Choice(option, ChoiceKind::kChord, value);
    if (option == "--labels") return Labels(value);
    if (option == "--frets") return Frets(value);
    return "fretlab: unknown option " + QuotedValue(option);
  }

 private:
  std::string Tuning(const std::string& value) {
    const auto tuning = TuningFromText(value);
    if (!tuning) return "fretlab: --tuning: " + TuningProblem(value, true);
    m_view.tuning = *tuning;
    return {};
  }

  std::string Capo(const std::string& value) {
    const auto capo = WholeNumber(value);
    if (!capo || *capo < 0 || *capo > kMaxCapo) return Refusal("--capo", value, "use 0 to 12");
    m_view.capo = *capo;
    return {};
  }

  std::string Root(const std::string& value) {
    const auto name = ParseNoteName(value);
    if (!name || name->accidental < -1 || name->accidental > 1) {
      return Refusal("--root", value, "use a letter A to G with # or b, such as C, F# or Bb");
    }
    m_view.rootPitchClass = name->PitchClass();
    m_view.rootName = *name;
    return {};
  }

  std::string Choice(const std::string& option, ChoiceKind kind, const std::string& value) {
    if (m_choiceOption.size() > 0 && m_choiceOption != option) {
      return "fretlab: " + option + " cannot be combined with " + m_choiceOption +
             "; give one of --scale, --arpeggio, --chord";
    }
    m_choiceOption = option;
    const int index = FindEntry(EntriesOf(kind), value);
    if (index < 0) {
      return Refusal(option, value, "use one of: " + AllowedNames(EntriesOf(kind)));
    }
    m_view.kind = kind;
    m_view.entry = index;
    return {};
  }

  std::string Labels(const std::string& value) {
    const auto mode = LabelModeFromWord(value);
    if (!mode) return Refusal("--labels", value, "use notes, intervals, degrees, names or none");
    m_view.labels = *mode;
    return {};
  }

  std::string Frets(const std::string& value) {
    const std::size_t dash = value.find('-');
    const auto from = WholeNumber(std::string_view(value).substr(0, dash));
    const auto to = dash == std::string::npos ? std::nullopt
                                              : WholeNumber(std::string_view(value).substr(dash + 1));
    if (!from || !to || *from < 0 || *from > *to || *to >= kFretPositions) {
      return Refusal("--frets", value, "use A-B with 0 <= A <= B <= 24, such as 5-8");
    }
    m_view.frets = {*from, *to};
    return {};
  }

  PracticeView& m_view;
  std::string m_choiceOption;
};

bool TakesValue(const std::string& option) {
  return option == "--tuning" || option == "--capo" || option == "--root" || option == "--scale" ||
         option == "--arpeggio" || option == "--chord" || option == "--labels" ||
         option == "--frets" || option == "--render";
}

}  // namespace

std::string TuningProblem(std::string_view text, bool presets) {
  std::string why;
  if (presets ? TuningFromText(text, &why).has_value() : ParseTuning(text, &why).has_value()) return {};
  // The parser's words hold the text, or a word of it, as it is.
  if (IsPlainValue(text)) return why;
  return (presets ? "unknown tuning " : "not a tuning ") + QuotedValue(text) + "; choose " +
         (presets ? PresetTuningNames() + ", or " : std::string()) +
         "4 to 8 notes, lowest string first, such as \"D2 A2 D3 G3 B3 E4\"";
}

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::string lower = Lower(path);
  const auto endsWith = [&lower](const std::string& tail) {
    return lower.size() > tail.size() && lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
  };
  if (endsWith(".svg")) return PictureFormat::kSvg;
  if (endsWith(".png")) return PictureFormat::kPng;
  return std::nullopt;
}

std::variant<RenderRequest, std::string> ParseRenderArguments(
    const std::vector<std::string>& arguments) {
  RenderRequest request;
  Reader reader(request.view);
  bool haveOutput = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string option = arguments[i];
    std::optional<std::string> value;
    if (const std::size_t equals = option.find('='); option.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = option.substr(equals + 1);
      option.resize(equals);
    }
    if (option == "--left-handed" && !value) {
      request.view.leftHanded = true;
      continue;
    }
    if (!TakesValue(option)) {
      return "fretlab: --render does not take " + QuotedValue(arguments[i]) +
             "; its options are --tuning, --capo, --root, --scale, --arpeggio, --chord, "
             "--labels, --frets, --left-handed";
    }
    if (!value) {
      if (i + 1 >= arguments.size()) return "fretlab: " + option + " needs a value";
      value = arguments[++i];
    }
    if (option == "--render") {
      request.output = *value;
      haveOutput = true;
      continue;
    }
    if (std::string error = reader.Take(option, *value); !error.empty()) return error;
  }
  if (!haveOutput || request.output.empty()) return std::string("fretlab: --render needs a file: OUT.svg or OUT.png");
  const auto format = PictureFormatOf(request.output);
  if (!format) {
    return Refusal("--render", request.output, "the picture's name must end in .svg or .png");
  }
  request.format = *format;
  return request;
}

}  // namespace fretlab
