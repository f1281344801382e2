#include "export/export_command.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "common/quoted_value.h"
#include "export/chord_chart.h"
#include "export/midi_file.h"
#include "export/musicxml_file.h"
#include "sequence/output_file.h"

namespace fretlab {

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitNotWritten = 1;
constexpr int kExitRefused = 2;

std::span<const std::uint8_t> AsBytes(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace

std::optional<ExportFormat> ExportFormatOf(const std::filesystem::path& out) {
  std::string extension = out.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".mid" || extension == ".midi") return ExportFormat::Midi;
  if (extension == ".musicxml") return ExportFormat::MusicXml;
  if (extension == ".txt") return ExportFormat::ChordChart;
  return std::nullopt;
}

std::string ExportBytes(ExportFormat format, const SequenceImage& image, std::string_view title) {
  switch (format) {
    case ExportFormat::Midi: return WriteMidiFile(image, title);
    case ExportFormat::MusicXml: return WriteMusicXml(image, title);
    case ExportFormat::ChordChart: return WriteChordChart(image);
  }
  return {};
}

int RunExport(const std::filesystem::path& out, const std::filesystem::path& in,
              std::ostream& err) {
  const std::optional<ExportFormat> format = ExportFormatOf(out);
  if (!format) {
    const std::string extension = out.extension().string();
    err << "fretlab: cannot export to " << QuotedValue(out.string()) << ": "
        << (extension.empty() ? std::string("it has no extension")
                              : "unknown extension " + QuotedValue(extension))
        << "; known extensions: " << kExportExtensions << "\n";
    return kExitRefused;
  }
  SequenceImage image;
  if (const FileOutcome read = ReadSequenceFile(in, image); !read) {
    // File > Open's words, the name made safe for a terminal.
    err << "fretlab: Cannot open " << QuotedValue(in.string()) << ": " << read.reason << ".\n";
    return kExitRefused;
  }
  const std::string bytes = ExportBytes(*format, image, in.stem().string());
  const std::filesystem::path inputs[] = {in};
  if (const FileOutcome written = WriteOutputFile(out, AsBytes(bytes), "Cannot export", inputs);
      !written) {
    err << "fretlab: " << written.message << "\n";
    return kExitNotWritten;
  }
  return kExitWritten;
}

}  // namespace fretlab
