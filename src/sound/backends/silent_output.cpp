#include "sound/backends/silent_output.h"

namespace fretlab {

void SilentOutput::open() {}
void SilentOutput::send(std::uint32_t) {}
void SilentOutput::close() {}

}  // namespace fretlab
