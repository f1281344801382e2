#pragma once
// Loading a soundfont from any ByteSource (such as one preset of a file, see
// sound/soundfont/preset_extract.h) into a FluidSynth synthesizer through
// FluidSynth's own SoundFont loader, which reads it through the source. With
// `settings`' synth.dynamic-sample-loading on, FluidSynth reads the samples
// again whenever a preset is chosen, so the source must outlive the
// synthesizer; with it off, everything is read while loading and the source
// may go once this returns.

struct _fluid_synth_t;
struct _fluid_hashtable_t;

namespace fretlab {

class ByteSource;

// The SoundFont's id in the synthesizer, or -1 (FLUID_FAILED). No channel's
// program is set.
int LoadSoundfontFrom(_fluid_synth_t* synth, _fluid_hashtable_t* settings,
                      const ByteSource& source);

}  // namespace fretlab
