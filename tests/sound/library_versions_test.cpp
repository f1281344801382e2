// The versions the About box shows are the libraries' own at run time, of
// the major version the program was built against.

#include "sound/backends/library_versions.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <regex>
#include <rtmidi/RtMidi.h>
#include <string>

namespace fretlab {
namespace {

TEST(LibraryVersionsTest, AreTheLoadedLibrariesOwnOfTheMajorVersionBuiltAgainst) {
  const std::regex dotted(R"(\d+\.\d+\.\d+)");
  const std::string fluid = FluidSynthVersion();
  EXPECT_TRUE(std::regex_match(fluid, dotted)) << fluid;
  EXPECT_EQ(fluid.substr(0, fluid.find('.')), std::to_string(FLUIDSYNTH_VERSION_MAJOR)) << fluid;
  const std::string rtmidi = RtMidiVersion();
  EXPECT_TRUE(std::regex_match(rtmidi, dotted)) << rtmidi;
  EXPECT_EQ(rtmidi.substr(0, rtmidi.find('.')),
            std::string(RTMIDI_VERSION).substr(0, std::string(RTMIDI_VERSION).find('.')))
      << rtmidi;
}

}  // namespace
}  // namespace fretlab
