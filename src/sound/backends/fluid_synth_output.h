#pragma once
// --midi-out synth: FluidSynth inside the process, General MIDI program 24
// (nylon-string guitar), from a soundfont. This is the MIDI output over it:
// the synthesizer itself is brought up in the background (BackgroundSynth),
// so that start-up does not wait for it; notes sent before it is ready are
// not heard.
//
// Every message is stamped on the monotonic clock when it is sent and heard a
// fixed latency later, on its own frame (SynthRenderer), so notes keep the
// player's timing exactly. close() ends the notes that its open() started: a
// note not yet applied is taken out, so a note closed in the same instant it
// was opened (length 0, sound off) makes no sound; a note already sounding
// gets its note-off and releases naturally.
//
// The audio stream runs only while there is something to hear
// (StreamController). Offline (Mode::kOffline and Render()) the same path is
// rendered without an audio device, which is how the tests listen to it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sound/backends/background_synth.h"
#include "sound/backends/short_message.h"
#include "sound/midi_output.h"

namespace fretlab {

class FluidSynthOutput : public MidiOutput {
 public:
  enum class Mode {
    kAudioDevice,  // plays through PulseAudio (PipeWire) or else ALSA
    kOffline,      // no audio device; the owner calls Render()
  };
  static constexpr int kSampleRate = SynthRenderer::kSampleRate;
  static constexpr SoundClock::duration kSameInstant = std::chrono::milliseconds(1);
  // How much earlier than sent a note may be placed when it is due earlier:
  // what the fixed latency leaves after the aligner's look-ahead, less a
  // margin. A window that is later still gets its note later by the rest.
  static constexpr SoundClock::duration kMostEarly = std::chrono::milliseconds(7);
  // From sending a note to hearing it: the stamp's fixed latency, the
  // limiter's look-ahead and the sound server's buffer.
  static double ConfiguredLatencyMs();

  using SinkFactory = StreamController::SinkFactory;
  struct Setup {
    std::string soundfont;  // the user's choice; empty: `defaultSoundfont`
    std::string defaultSoundfont = kDefaultSoundfont;
    Mode mode = Mode::kAudioDevice;
    // The clock messages are stamped with; empty: the monotonic clock, or
    // offline the stream's own time (frames rendered so far), so that a
    // message takes effect a fixed latency after the frames rendered before
    // it was sent, however fast the owner renders.
    std::function<SoundClock::time_point()> now;
    // kAudioDevice: the sinks tried in turn; empty: PulseAudio, then ALSA.
    std::vector<SinkFactory> sinks;
    // True: the background start waits for begin() (or WaitUntilLoaded()),
    // or kLatestStart at most.
    bool startOnBegin = false;
  };
  // The background start begins this long after construction at the latest.
  static constexpr SoundClock::duration kLatestStart = BackgroundSynth::kLatestStart;

  // Null, after one line on `diagnostics`, when the soundfont cannot be used.
  // Later failures (no audio device, a soundfont that does not load) are
  // reported from the output's thread, and the output stays silent.
  static std::unique_ptr<FluidSynthOutput> Create(const std::string& soundfont,
                                                  std::ostream& diagnostics);

  // `diagnostics` must outlive this object: failures found in the background
  // are written there.
  FluidSynthOutput(Setup setup, std::ostream& diagnostics);
  FluidSynthOutput(const std::string& soundfont, Mode mode, std::ostream& diagnostics);
  ~FluidSynthOutput() override;
  FluidSynthOutput(const FluidSynthOutput&) = delete;
  FluidSynthOutput& operator=(const FluidSynthOutput&) = delete;

  void open() override;
  void send(std::uint32_t shortMessage) override;
  void close() override;
  // The note-ons of the coming open() are stamped with `time` rather than
  // the moment they are sent, when that is at most kMostEarly before.
  void due(SoundClock::time_point time) override;
  void begin() override;
  std::string soundfont() const override { return IsWorking() ? soundfont_ : std::string(); }

  // False when the soundfont is missing or unreadable, or once the
  // background start has failed.
  bool IsWorking() const { return synth_ != nullptr && !synth_->Failed(); }
  // Blocks until the background start has ended (beginning it first);
  // true when notes will sound.
  bool WaitUntilLoaded() { return synth_ != nullptr && synth_->WaitUntilReady(); }
  // "pulseaudio" or "alsa" once playing through a device, else empty.
  std::string AudioDriverName() const;
  // True while an audio stream runs.
  bool IsStreaming() const { return synth_ != nullptr && synth_->IsStreaming(); }

  // Offline mode: fills `frames` frames of each channel, as a request made
  // now on the output's clock. Silence while nothing is loaded.
  //
  // close() takes a note out unheard only when it comes in the instant of
  // the note's own send (less than kSameInstant after it); otherwise the note
  // sounds from its stamp to the close's, shifted by the fixed latency.
  void Render(float* left, float* right, int frames);

 private:
  bool IsReady() const { return synth_ != nullptr && synth_->IsReady(); }
  void Queue(const TimedEvent& event);

  std::function<SoundClock::time_point()> now_;
  std::atomic<std::int64_t> offlineFrames_{0};  // frames rendered offline
  std::unique_ptr<BackgroundSynth> synth_;  // null when the soundfont cannot be used
  std::string soundfont_;  // the file chosen, or the default

  unsigned session_ = 0;    // sending side only
  std::optional<SoundClock::time_point> due_;  // sending side only, for the next open()
  std::optional<SoundClock::time_point> noteDue_;  // sending side only, this open()
  StartedNotes started_;    // sending side only
};

}  // namespace fretlab
