#pragma once
// The program's compiled-in resources (icons under ":/icons/").

namespace fretlab {

// Registers them; safe to call more than once.
void InitResources();

}  // namespace fretlab
