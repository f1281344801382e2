#include "export/midi_file.h"

#include <algorithm>

#include "export/export_chords.h"

namespace fretlab {

namespace {

constexpr std::uint8_t kNoteOn = 0x90;   // channel 1
constexpr std::uint8_t kNoteOff = 0x80;  // channel 1
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kReleaseVelocity = 64;

void Put16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
  out.push_back(static_cast<char>(value & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value >> 16);
  Put16(out, value & 0xFFFF);
}

// A variable-length quantity: seven bits a byte, most significant first.
void PutVarLength(std::string& out, std::uint32_t value) {
  std::uint8_t bytes[5];
  int count = 0;
  do {
    bytes[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(static_cast<char>(bytes[--count] | 0x80));
  out.push_back(static_cast<char>(bytes[0]));
}

class Track {
 public:
  void Meta(std::uint32_t delta, std::uint8_t type, std::string_view data) {
    PutVarLength(bytes_, delta);
    bytes_.push_back('\xFF');
    bytes_.push_back(static_cast<char>(type));
    PutVarLength(bytes_, static_cast<std::uint32_t>(data.size()));
    bytes_.append(data);
  }
  void Channel(std::uint32_t delta, std::uint8_t status, std::uint8_t a, int b = -1) {
    PutVarLength(bytes_, delta);
    bytes_.push_back(static_cast<char>(status));
    bytes_.push_back(static_cast<char>(a));
    if (b >= 0) bytes_.push_back(static_cast<char>(b));
  }
  void End(std::uint32_t delta) { Meta(delta, 0x2F, {}); }
  void AppendTo(std::string& out) const {
    out += "MTrk";
    Put32(out, static_cast<std::uint32_t>(bytes_.size()));
    out += bytes_;
  }

 private:
  std::string bytes_;
};

Track ConductorTrack(std::string_view title) {
  Track track;
  track.Meta(0, 0x03, title);
  const char tempo[3] = {static_cast<char>(kMidiTempo >> 16), static_cast<char>(kMidiTempo >> 8),
                         static_cast<char>(kMidiTempo & 0xFF)};
  track.Meta(0, 0x51, std::string_view(tempo, 3));
  // 4/4: numerator, denominator as a power of two, 24 clocks a click, 8
  // thirty-seconds a quarter.
  const char meter[4] = {kBeatsPerBar, 2, 24, 8};
  track.Meta(0, 0x58, std::string_view(meter, 4));
  track.End(0);
  return track;
}

// The distinct sounding pitches of a chord, in chord-slot order.
std::vector<std::uint8_t> Pitches(const ExportChord& chord) {
  std::vector<std::uint8_t> pitches;
  for (ChordSlot slot = 0; slot < kStringCount; ++slot) {
    if (!chord.Sounds(slot)) continue;
    const auto pitch = static_cast<std::uint8_t>(chord.notes[slot]);
    if (std::find(pitches.begin(), pitches.end(), pitch) == pitches.end()) {
      pitches.push_back(pitch);
    }
  }
  return pitches;
}

Track GuitarTrack(const std::vector<ExportChord>& chords) {
  Track track;
  track.Meta(0, 0x03, "Guitar");
  track.Channel(0, kProgramChange, kMidiProgram);
  std::uint32_t pending = 0;  // ticks since the last event
  for (const ExportChord& chord : chords) {
    if (!chord.TakesTime()) continue;
    const std::vector<std::uint8_t> pitches = Pitches(chord);
    for (const std::uint8_t pitch : pitches) {
      track.Channel(pending, kNoteOn, pitch, kMidiVelocity);
      pending = 0;
    }
    pending = static_cast<std::uint32_t>(LengthTicks(chord.length));
    for (const std::uint8_t pitch : pitches) {
      track.Channel(pending, kNoteOff, pitch, kReleaseVelocity);
      pending = 0;
    }
  }
  track.End(0);
  return track;
}

}  // namespace

std::string WriteMidiFile(const SequenceImage& image, std::string_view title) {
  const std::vector<ExportChord> chords = ExportChords(image);
  std::string out;
  out.reserve(64 + chords.size() * 6 * 8);
  out += "MThd";
  Put32(out, 6);
  Put16(out, 1);  // format 1: tracks played together
  Put16(out, 2);
  Put16(out, kTicksPerQuarter);
  ConductorTrack(title).AppendTo(out);
  GuitarTrack(chords).AppendTo(out);
  return out;
}

}  // namespace fretlab
