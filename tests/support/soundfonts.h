#pragma once
// The General MIDI soundfonts the sound tests render with, each named by its
// file: never the system's default, which is whichever of them was
// installed with the highest priority. `package` brings the file (the test
// set-up installs all three).

#include <unistd.h>

#include <string>

namespace fretlab::testing {

struct TestSoundfont {
  const char* name;  // for test names: letters and digits only
  const char* path;
  const char* package;

  bool Installed() const { return access(path, R_OK) == 0; }
  std::string Missing() const {
    return std::string(path) + " is absent (package " + package + ")";
  }
};

// 6 MB, the one Fretlab depends on.
inline constexpr TestSoundfont kTimGM6mb{"TimGM6mb", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                                         "timgm6mb-soundfont"};
// 148 MB, brought by most music programs.
inline constexpr TestSoundfont kFluidR3{"FluidR3", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                        "fluid-soundfont-gm"};
// 40 MB of Ogg Vorbis samples (.sf3).
inline constexpr TestSoundfont kMuseScoreGeneral{
    "MuseScoreGeneral", "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3",
    "musescore-general-soundfont-small"};

inline constexpr TestSoundfont kEverySoundfont[] = {kTimGM6mb, kFluidR3, kMuseScoreGeneral};

}  // namespace fretlab::testing
