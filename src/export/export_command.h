#pragma once
// `fretlab --export OUT IN.fbs`: a sequence file turned into another format,
// chosen by OUT's extension, without a window.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "sequence/sequence_file.h"

namespace fretlab {

enum class ExportFormat { Midi, MusicXml, ChordChart };

inline constexpr std::string_view kExportExtensions = ".mid, .midi, .musicxml, .txt";

// By extension, in any letter case; nothing for an unknown or missing one.
std::optional<ExportFormat> ExportFormatOf(const std::filesystem::path& out);

// The file's bytes (binary for MIDI); `title` names the piece (the sequence
// file's name).
std::string ExportBytes(ExportFormat format, const SequenceImage& image, std::string_view title);

// Reads IN as File > Open does and writes OUT whole or not at all (see
// sequence/output_file.h). Prints nothing on success, else one line on `err`
// beginning "fretlab: " (for IN, the same text File > Open shows), every
// name in it quoted with QuotedValue. Returns the exit status: 0 written; 2
// for an unknown extension (nothing is read) or a refused IN; 1 when OUT
// cannot be written or is refused (IN itself by any name, not a regular
// file, read-only), in which case an existing OUT is left as it was.
int RunExport(const std::filesystem::path& out, const std::filesystem::path& in,
              std::ostream& err);

}  // namespace fretlab
