#pragma once
// One preset of a SoundFont 2 file as a SoundFont of its own, in memory: the
// preset, its instruments and their samples, with every index renumbered.
// FluidSynth keeps several kilobytes of structure per zone of every preset it
// loads (about 8 MB for a whole General MIDI set); the program plays one.
//
// File layout (little-endian RIFF): "sfbk" with LIST INFO, LIST sdta (smpl:
// 16-bit samples) and LIST pdta (the nine tables phdr, pbag, pmod, pgen,
// inst, ibag, imod, igen, shdr, each closed by a terminal record).

#include <cstdint>
#include <string>
#include <vector>

namespace fretlab {

// The bytes of a SoundFont that holds only (bank, program) of the file at
// `path`, or empty, with the reason in `failure`, when the file cannot be
// read, is not a SoundFont 2 file, or has no such preset.
std::vector<std::uint8_t> ExtractPreset(const std::string& path, int bank, int program,
                                        std::string& failure);

}  // namespace fretlab
