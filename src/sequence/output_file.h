#pragma once
// Files written for the user by the commands and windows that export
// (`--export`, `--render`, Export Picture, the practice history as CSV):
// written whole or not at all through a replacement file (replacement_file.h),
// every write and the flush checked, and refused before anything is written
// when the name cannot be a fresh output:
//   - the output is one of the command's inputs (the same name, a link to
//     it, or another name of the same file);
//   - something other than a regular file stands there (a named pipe, a
//     device, a socket, a folder), also at the end of links;
//   - the file is there but this user may not write it (read-only).
// A link to a regular file, or a dangling one, is written through, as
// sequence files are. Names are the system's bytes throughout.
//
//   OutputFile file(out, "Cannot export", {in});
//   if (file.Begin()) { file.Write(head); file.Write(body); }
//   const FileOutcome done = file.Finish();   // or WriteOutputFile(out, bytes, verb, {in})
//
// A failure's message is one line: `Cannot export "song.mid": No space
// left on device; free some space or choose another disk.` The name is
// quoted with QuotedValue; the part after the colon says what happened and
// what the user can do.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sequence/replacement_file.h"
#include "sequence/sequence_file.h"

namespace fretlab {

// What a file that is not a regular file is, in the words of the messages
// ("Is a named pipe (FIFO), not a file"); empty for a regular file.
std::string NotARegularFile(mode_t mode);

// Why `out` must not be written by a command that reads `inputs`, as the
// reason part of a message; empty when it may be.
std::string OutputRefusal(const std::filesystem::path& out,
                          std::span<const std::filesystem::path> inputs);

// A failed system call (an errno value) in plain words with what to do:
// ENOSPC -> "No space left on device; free some space or choose another disk".
std::string WriteFailureReason(int error);

// `<verb> "<file>": <reason>.`
std::string OutputMessage(std::string_view verb, const std::filesystem::path& file,
                          std::string_view reason);

class OutputFile {
 public:
  OutputFile(std::filesystem::path out, std::string verb,
             std::vector<std::filesystem::path> inputs = {});

  // Checks the name, then opens the replacement beside the file. False
  // once anything failed; Finish() then says what.
  bool Begin();
  bool Write(std::span<const std::uint8_t> bytes);
  // Puts the file in place when every step went well. On failure nothing
  // at the name has changed and the temporary file is gone.
  FileOutcome Finish();

 private:
  bool Refuse(std::string reason);

  std::filesystem::path out_;
  std::string verb_;
  std::vector<std::filesystem::path> inputs_;
  std::optional<ReplacementFile> replacement_;  // from Begin() until Finish()
  std::string refusal_;  // set when the name was refused or a step failed
};

// Checks `out` and writes `bytes` there, as OutputFile does.
FileOutcome WriteOutputFile(const std::filesystem::path& out, std::span<const std::uint8_t> bytes,
                            std::string_view verb,
                            std::span<const std::filesystem::path> inputs = {});

}  // namespace fretlab
