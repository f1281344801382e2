#pragma once
// Loading a SoundFont held in memory (see soundfont_extract.h) into a
// FluidSynth synthesizer through FluidSynth's own SoundFont loader. With
// dynamic sample loading FluidSynth reads the samples again when a preset is
// chosen, so the bytes must outlive the synthesizer.

#include <cstdint>
#include <vector>

struct _fluid_synth_t;
struct _fluid_hashtable_t;

namespace fretlab {

// The SoundFont's id in the synthesizer, or -1 (FLUID_FAILED).
int LoadMemorySoundfont(_fluid_synth_t* synth, _fluid_hashtable_t* settings,
                        const std::vector<std::uint8_t>& bytes);

}  // namespace fretlab
