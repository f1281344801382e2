// `listen_bench trace PROGRAM NOTE|SECONDS MATERIAL`: every hop around one
// note of the benchmark's material, and what the listener decided there, for
// tuning the decision rule by eye.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_sections.h"
#include "listen/hop_analyser.h"
#include "listen/note_listener.h"
#include "material_variants.h"

namespace fretlab::bench {

namespace {

void Show(const std::vector<float>& track, double at,
          const ListenSettings settings = ListenSettings::ForStrings(testing::kMaterialRate, 40, 64)) {
  NoteListener listener(settings);
  std::vector<HeardNote> heard;
  listener.Feed(track.data(), track.size(), heard);
  for (const HeardNote& h : heard) {
    if (h.decided < at - 2 || h.decided > at + 2) continue;
    std::printf("heard %d %+.1f cents, onset %.1f ms, decided %.1f ms\n", h.note, h.cents,
                (h.onset - at) * 1000, (h.decided - at) * 1000);
  }
  HopAnalyser analyser(settings);
  for (std::size_t i = 0; i + analyser.Hop() <= track.size(); i += analyser.Hop()) {
    const ListenFrame f = analyser.Analyse(track.data() + i);
    if (f.time < at - 1 || f.time > at + 2) continue;
    std::printf("%7.1f ms  note %6.2f  conf %.3f  level %6.1f", (f.time - at) * 1000, f.note,
                f.confidence, f.levelDb);
    if (f.onset) std::printf(" ONSET at %.0f", (f.onsetTime - at) * 1000);
    std::printf("\n");
  }
}

}  // namespace

void Trace(int program, double note, const std::string& material) {
  if (material == "hum") {
    std::vector<float> track(testing::FrameAt(5));
    testing::AddHum(track, -40);
    Show(track, note, ListenSettings::ForStrings(testing::kMaterialRate, 28, 43));
    return;
  }
  if (material == "legato" || material == "repeated") {
    const std::vector<testing::PlayedNote> notes = SequenceNotes(program, material == "legato");
    for (const auto& n : notes) {
      if (std::abs(n.onset - note) < 2) std::printf("played %d at %.3f s\n", n.note, n.onset);
    }
    Show(testing::RenderNotes(program, notes, notes.back().onset + 2.0), note);
    return;
  }
  for (const Variant& variant : Variants()) {
    if (variant.name.rfind(material, 0) != 0) continue;
    // The note within the benchmark's track of every note, as it is heard there.
    const std::vector<testing::PlayedNote> notes = EveryNote(40, 88);
    std::vector<float> track =
        testing::RenderNotes(program, notes, notes.back().onset + 2.0, variant.reverb);
    variant.apply(track);
    Show(track, notes[static_cast<int>(note) - 40].onset);
    return;
  }
}

}  // namespace fretlab::bench
