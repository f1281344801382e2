#pragma once
// FluidSynth renders in blocks of 64 frames and starts a note only at the
// first frame of a block. The aligner reads the synthesizer's output through
// a short delay of 0..kBlock-1 frames, chosen for each onset so that the note
// starts on its own frame of the output, whatever the block grid. When the
// delay changes, the readings with the old and the new delay are crossfaded
// over kFade frames that end before the onset: the notes still ringing move
// by less than one block (1.45 ms), without a click.
//
// Frames are counted from 0 at the first frame ever rendered, on the output
// side ("output frames") and on the synthesizer's side ("synth frames").

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace fretlab {

class OnsetAligner {
 public:
  static constexpr int kBlock = 64;  // frames the synthesizer renders at once
  static constexpr int kFade = 32;   // frames of one crossfade between delays
  // Onsets are placed exactly from Position() + kLookahead on: the block they
  // start in must not be rendered yet, and the crossfade before them must not
  // have begun.
  static constexpr int kLookahead = 2 * kBlock + kFade;

  // Renders the synthesizer's next kBlock frames, which begin at synth frame
  // `synthFrame` (a multiple of kBlock), into `left` and `right`.
  using BlockSource = std::function<void(std::int64_t synthFrame, float* left, float* right)>;

  explicit OnsetAligner(BlockSource source);

  // The output frame that the next Render() begins with.
  std::int64_t Position() const { return outFrame_; }

  struct Placement {
    std::int64_t outputFrame;  // where the onset is heard
    std::int64_t synthFrame;   // the block at whose start its notes begin
  };
  // Plans an onset for output frame `frame`. Onsets are planned in the order
  // of their frames. An onset asked for too early (before Position() +
  // kLookahead, or inside the crossfade of the onset before it) is moved to
  // the first frame where it can be placed exactly; one in the same block as
  // the onset planned before it shares that onset's frame (the notes of a
  // chord, sent one after another).
  Placement PlaceOnset(std::int64_t frame);

  // The synthesizer block at which an event without an onset of its own (a
  // note-off) takes effect, so that it is heard at most one block before
  // output frame `frame`, or as soon as possible when that has passed.
  std::int64_t SynthBlockFor(std::int64_t frame) const;

  void Render(float* left, float* right, int frames);

 private:
  struct DelayChange {
    std::int64_t fadeStart;  // output frames [fadeStart, fadeEnd) crossfade
    std::int64_t fadeEnd;    // from here on the new delay holds alone
    int delay;
  };
  static constexpr int kRing = 256;  // synth frames kept; a power of two

  void Read(std::int64_t synthFrame, float& left, float& right);
  int DelayAt(std::int64_t outputFrame) const;

  BlockSource source_;
  std::vector<float> ringLeft_, ringRight_;
  std::int64_t synthFrame_ = 0;  // next synth frame to render
  std::int64_t outFrame_ = 0;    // next output frame to write
  int delay_ = 0;                // output frame n reads synth frame n - delay_
  std::deque<DelayChange> changes_;

  // The state after everything planned so far.
  int plannedDelay_ = 0;
  std::int64_t plannedFadeEnd_ = 0;
  std::int64_t lastOnset_ = -1;
  std::int64_t lastOnsetBlock_ = -1;
};

}  // namespace fretlab
