// Fretlab's front door, the `fretlab` command. A chord lookup
// (--voicings) is answered here at once: this program holds only the Qt-free
// core, so it starts in a few milliseconds, where the program proper loads
// the window system, the synthesizer and the audio decoders first (about 180
// libraries). Everything else starts the program proper, fretlab-app,
// installed beside this one, with the same arguments in the same process.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "practice/voicings_command.h"

namespace {

// Whether the arguments ask for `wanted` (alone or as --wanted=VALUE)
// before any "--", and for no help or version, which the program proper gives.
bool Asks(int argc, char* argv[], std::string_view wanted) {
  bool found = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
        arg == "--version") {
      return false;
    }
    found = found || arg == wanted ||
            (arg.substr(0, wanted.size()) == wanted && arg.size() > wanted.size() &&
             arg[wanted.size()] == '=');
  }
  return found;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (Asks(argc, argv, "--voicings")) {
    return fretlab::RunVoicings(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                std::cerr);
  }
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path app = (error ? std::filesystem::path(argv[0]).parent_path()
                                           : self.parent_path()) / "fretlab-app";
  execv(app.c_str(), argv);
  std::cerr << "fretlab: cannot start " << app.string() << ": " << std::strerror(errno)
            << "; build or install Fretlab again\n";
  return 1;
}
