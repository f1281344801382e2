// `listen_bench trace PROGRAM NOTE VARIANT`: every hop of one rendered note,
// for tuning the decision rule by eye.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_sections.h"
#include "listen/hop_analyser.h"
#include "material_variants.h"

namespace fretlab::bench {

void Trace(int program, int note, const std::string& variantName) {
  for (const Variant& variant : Variants()) {
    if (variant.name.rfind(variantName, 0) != 0) continue;
    const std::vector<testing::PlayedNote> notes{{note, 0.5, 1.2, 100}};
    std::vector<float> track = testing::RenderNotes(program, notes, 2.5, variant.reverb);
    variant.apply(track);
    HopAnalyser analyser(ListenSettings::ForStrings(testing::kMaterialRate, 40, 64));
    for (std::size_t i = 0; i + analyser.Hop() <= track.size(); i += analyser.Hop()) {
      const ListenFrame f = analyser.Analyse(track.data() + i);
      std::printf("%7.1f ms  note %6.2f  conf %.3f  level %6.1f%s\n", (f.time - 0.5) * 1000,
                  f.note, f.confidence, f.levelDb,
                  f.onset ? (" ONSET at " + std::to_string(int((f.onsetTime - 0.5) * 1000))).c_str()
                          : "");
    }
    return;
  }
}

}  // namespace fretlab::bench
