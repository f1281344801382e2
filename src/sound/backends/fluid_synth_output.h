#pragma once
// --midi-out synth: FluidSynth inside the process, General MIDI program 24
// (nylon-string guitar) on MIDI channel 1, from a soundfont that loads in a
// background thread so that start-up does not wait for it. Notes sent before
// the soundfont is ready are not heard.
//
// Note-ons do not reach the synthesizer at once: they wait in a queue that the
// audio side empties at the start of its next block (every kPeriodSize frames,
// about 12 ms). close() ends the notes its open() started: a note still in the
// queue is taken out, so a note closed in the same instant it was opened
// (length 0, sound off) makes no sound; a note already sounding gets its
// note-off and releases naturally.
//
// Without an audio device the synthesizer can still be rendered offline
// (Mode::kOffline and Render()), which is how the tests listen to it.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sound/backends/short_message.h"
#include "sound/midi_output.h"

// FluidSynth's opaque handles, declared here so that users of this header
// need not see FluidSynth's.
struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;

namespace fretlab {

inline constexpr const char* kDefaultSoundfont = "/usr/share/sounds/sf2/default-GM.sf2";
inline constexpr int kNylonGuitarProgram = 24;  // General MIDI, counted from 0

class FluidSynthOutput : public MidiOutput {
 public:
  enum class Mode {
    kAudioDevice,  // plays through PulseAudio (PipeWire) or else ALSA
    kOffline,      // no audio driver; the owner calls Render()
  };

  // What is asked of the audio driver: period size × periods ÷ sample rate
  // is the latency between a note-on and its sound.
  static constexpr int kSampleRate = 44100;
  static constexpr int kPeriodSize = 512;  // frames
  static constexpr int kPeriods = 2;
  static double ConfiguredLatencyMs();

  // `soundfont` empty: kDefaultSoundfont. When the soundfont or the audio
  // device is missing, writes one line to `diagnostics` and stays silent
  // (IsWorking() false). `diagnostics` must outlive this object: a soundfont
  // that fails while loading in the background is reported from there.
  FluidSynthOutput(const std::string& soundfont, Mode mode, std::ostream& diagnostics);
  ~FluidSynthOutput() override;
  FluidSynthOutput(const FluidSynthOutput&) = delete;
  FluidSynthOutput& operator=(const FluidSynthOutput&) = delete;

  void open() override;
  void send(std::uint32_t shortMessage) override;
  void close() override;

  // False when the soundfont is missing or unreadable, or no audio device
  // could be opened (kAudioDevice only).
  bool IsWorking() const { return working_; }
  // Blocks until the background load has ended; true when notes will sound.
  bool WaitUntilLoaded();
  // "pulseaudio" or "alsa" when playing through a device, else empty.
  const std::string& AudioDriverName() const { return driverName_; }

  // Offline mode: applies the queued messages, then renders `frames` frames
  // of stereo sound at kSampleRate. Silence while nothing is loaded.
  void Render(float* left, float* right, int frames);

 private:
  struct QueuedEvent {
    bool noteOn;
    int channel;
    int note;
    int velocity;
    unsigned session;  // the open() that sent it
  };

  static int AudioCallback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
  bool StartAudioDriver(std::string& failure);
  void StartLoading();
  // Called on the audio side at the start of a block. `mayBlock` false: when
  // the sending side holds the queue, the events wait for the next block.
  void ApplyQueued(bool mayBlock);

  std::ostream& diagnostics_;
  std::string soundfont_;
  bool working_ = false;
  std::string driverName_;

  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_audio_driver_t* driver_ = nullptr;

  std::thread loader_;
  std::mutex loadMutex_;
  std::condition_variable loadDone_;
  bool loadEnded_ = false;           // guarded by loadMutex_
  std::atomic<bool> ready_{false};   // soundfont loaded, program selected

  std::mutex queueMutex_;
  std::vector<QueuedEvent> queue_;   // guarded by queueMutex_
  unsigned session_ = 0;             // sending side only
  StartedNotes started_;             // sending side only
};

}  // namespace fretlab
