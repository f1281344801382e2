#pragma once
// A SoundFont made in code, a few kilobytes, so that the soundfont reader is
// tried on files whose every byte the test knows: two presets (`program`
// and the piano, program 0), each with an instrument of one zone over the
// whole keyboard and its own sample: 200 frames of a 441 Hz sine, looped
// over frames 50 to 150 (one period each 100 frames at 44.1 kHz), at key 69.
// Variants: a stereo pair of samples for the guitar, and samples flagged as
// compressed (.sf3 style: byte ranges, loop points from the sample's start;
// their bytes are no real Ogg Vorbis, so only the reader can use them) with
// the sdta list left unpadded as such writers do.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace fretlab::testing {

struct TinySoundfont {
  int program = 24;
  int frames = 200;  // of each sample
  bool stereo = false;
  bool compressed = false;

  std::vector<std::uint8_t> Build() const {
    using Bytes = std::vector<std::uint8_t>;
    auto put = [](Bytes& out, std::uint32_t value, int bytes) {
      for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    auto name = [](Bytes& out, const char* text, std::size_t size) {
      std::string padded(text);
      padded.resize(size, '\0');
      out.insert(out.end(), padded.begin(), padded.end());
    };
    auto chunk = [&](Bytes& out, const char* id, const Bytes& data, bool pad = true) {
      out.insert(out.end(), id, id + 4);
      put(out, static_cast<std::uint32_t>(data.size()), 4);
      out.insert(out.end(), data.begin(), data.end());
      if (pad && data.size() % 2 != 0) out.push_back(0);
    };
    auto list = [&](Bytes& out, const char* type, const Bytes& body, bool pad = true) {
      Bytes data(type, type + 4);
      data.insert(data.end(), body.begin(), body.end());
      chunk(out, "LIST", data, pad);
    };

    // Samples: piano, guitar (left) and, in stereo, the guitar's right half.
    const int samples = stereo ? 3 : 2;
    Bytes smpl, shdr;
    for (int s = 0; s < samples; ++s) {
      const std::uint32_t at = compressed ? smpl.size() : smpl.size() / 2;
      for (int i = 0; i < frames; ++i) {
        const auto value = static_cast<std::int16_t>(
            std::lround(8000 * (s + 1) * std::sin(2 * M_PI * 441.0 * i / 44100.0)));
        if (compressed) {
          smpl.push_back(static_cast<std::uint8_t>(value));  // one byte a frame, odd in all
        } else {
          put(smpl, static_cast<std::uint16_t>(value), 2);
        }
      }
      const std::uint32_t end = compressed ? smpl.size() : smpl.size() / 2;
      if (!compressed) smpl.insert(smpl.end(), 2 * 46, 0);
      name(shdr, s == 0 ? "Piano A4" : s == 1 ? "Guitar A4 L" : "Guitar A4 R", 20);
      const std::uint32_t loopFrom = (compressed ? 0 : at) + frames / 4;
      const std::uint32_t loopTo = loopFrom + 100;
      for (std::uint32_t field : {at, end, loopFrom, loopTo, 44100u}) put(shdr, field, 4);
      shdr.push_back(69);  // A4
      shdr.push_back(0);   // no correction
      const std::uint32_t type = !stereo || s == 0 ? 1 : s == 1 ? 4 : 2;
      put(shdr, stereo && s > 0 ? 3 - s : 0, 2);  // the other half
      put(shdr, type | (compressed ? 0x10 : 0), 2);
    }
    if (compressed && smpl.size() % 2 == 0) smpl.push_back(0x4F);  // keep smpl odd
    name(shdr, "EOS", 46);

    // Instruments: 0 the piano, 1 the guitar (a zone per sample).
    Bytes inst, ibag, imod, igen;
    for (int i = 0; i < 2; ++i) {
      name(inst, i == 0 ? "Piano" : "Guitar", 20);
      put(inst, static_cast<std::uint32_t>(ibag.size() / 4), 2);
      const int zones = i == 1 && stereo ? 2 : 1;
      for (int z = 0; z < zones; ++z) {
        put(ibag, static_cast<std::uint32_t>(igen.size() / 4), 2);
        put(ibag, static_cast<std::uint32_t>(imod.size() / 10), 2);
        put(igen, 43, 2), put(igen, 127 << 8, 2);          // keys 0 to 127
        put(igen, 17, 2), put(igen, z == 0 ? 0xFE0C : 500, 2);  // pan
        put(igen, 54, 2), put(igen, 1, 2);                 // looped
        put(igen, 53, 2), put(igen, i + z, 2);             // the sample
        // Velocity to attenuation, as a soundfont may restate it.
        for (std::uint32_t field : {0x0502u, 48u, 960u, 0u, 0u}) put(imod, field, 2);
      }
    }
    name(inst, "EOI", 20);
    put(inst, static_cast<std::uint32_t>(ibag.size() / 4), 2);
    put(ibag, static_cast<std::uint32_t>(igen.size() / 4), 2);
    put(ibag, static_cast<std::uint32_t>(imod.size() / 10), 2);
    igen.insert(igen.end(), 4, 0);
    imod.insert(imod.end(), 10, 0);

    // Presets: the piano (program 0), then `program` playing the guitar.
    Bytes phdr, pbag, pmod, pgen;
    for (int p = 0; p < 2; ++p) {
      name(phdr, p == 0 ? "Piano" : "Guitar", 20);
      put(phdr, p == 0 ? 0 : program, 2);
      put(phdr, 0, 2);  // bank
      put(phdr, static_cast<std::uint32_t>(pbag.size() / 4), 2);
      phdr.insert(phdr.end(), 12, 0);  // library, genre, morphology
      put(pbag, static_cast<std::uint32_t>(pgen.size() / 4), 2);
      put(pbag, static_cast<std::uint32_t>(pmod.size() / 10), 2);
      put(pgen, 41, 2), put(pgen, p, 2);  // the instrument
    }
    name(phdr, "EOP", 20);
    phdr.insert(phdr.end(), 4, 0);
    put(phdr, static_cast<std::uint32_t>(pbag.size() / 4), 2);
    phdr.insert(phdr.end(), 12, 0);
    put(pbag, static_cast<std::uint32_t>(pgen.size() / 4), 2);
    put(pbag, static_cast<std::uint32_t>(pmod.size() / 10), 2);
    pgen.insert(pgen.end(), 4, 0);
    pmod.insert(pmod.end(), 10, 0);

    Bytes info, sdta, pdta, body;
    Bytes version;
    put(version, compressed ? 3 : 2, 2);
    put(version, 1, 2);
    chunk(info, "ifil", version);
    chunk(info, "isng", Bytes{'E', 'M', 'U', '8', '0', '0', '0', 0});
    chunk(info, "INAM", Bytes{'T', 'i', 'n', 'y', 0, 0});
    chunk(sdta, "smpl", smpl, !compressed);
    for (const auto& [id, table] : {std::pair<const char*, const Bytes*>{"phdr", &phdr},
                                    {"pbag", &pbag}, {"pmod", &pmod}, {"pgen", &pgen},
                                    {"inst", &inst}, {"ibag", &ibag}, {"imod", &imod},
                                    {"igen", &igen}, {"shdr", &shdr}}) {
      chunk(pdta, id, *table);
    }
    list(body, "INFO", info);
    list(body, "sdta", sdta, !compressed);
    list(body, "pdta", pdta);
    Bytes file{'R', 'I', 'F', 'F'};
    put(file, static_cast<std::uint32_t>(body.size() + 4), 4);
    file.insert(file.end(), {'s', 'f', 'b', 'k'});
    file.insert(file.end(), body.begin(), body.end());
    return file;
  }
};

}  // namespace fretlab::testing
