// `listen_bench trace PROGRAM NOTE VARIANT`: every hop of one rendered note,
// for tuning the decision rule by eye.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_sections.h"
#include "listen/hop_analyser.h"
#include "listen/note_listener.h"
#include "material_variants.h"

namespace fretlab::bench {

void Trace(int program, int note, const std::string& variantName) {
  for (const Variant& variant : Variants()) {
    if (variant.name.rfind(variantName, 0) != 0) continue;
    // The note within the benchmark's track of every note, as it is heard there.
    const std::vector<testing::PlayedNote> notes = EveryNote(40, 88);
    std::vector<float> track =
        testing::RenderNotes(program, notes, notes.back().onset + 2.0, variant.reverb);
    const double at = notes[note - 40].onset;
    variant.apply(track);
    HopAnalyser analyser(ListenSettings::ForStrings(testing::kMaterialRate, 40, 64));
    NoteListener listener(ListenSettings::ForStrings(testing::kMaterialRate, 40, 64));
    std::vector<HeardNote> heard;
    listener.Feed(track.data(), track.size(), heard);
    for (const HeardNote& h : heard) {
      if (h.decided < at - 2 || h.decided > at + 2) continue;
      std::printf("heard %d %+.1f cents, onset %.1f ms, decided %.1f ms\n", h.note, h.cents,
                  (h.onset - at) * 1000, (h.decided - at) * 1000);
    }
    for (std::size_t i = 0; i + analyser.Hop() <= track.size(); i += analyser.Hop()) {
      const ListenFrame f = analyser.Analyse(track.data() + i);
      if (f.time < at - 1 || f.time > at + 2) continue;
      std::printf("%7.1f ms  note %6.2f  conf %.3f  level %6.1f%s\n", (f.time - at) * 1000,
                  f.note, f.confidence, f.levelDb,
                  f.onset ? (" ONSET at " + std::to_string(int((f.onsetTime - at) * 1000))).c_str()
                          : "");
    }
    return;
  }
}

}  // namespace fretlab::bench
