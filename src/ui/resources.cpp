#include <QtGlobal>

#include "ui/resources.h"

// Resources compiled into a static library are registered by hand; the macro
// must be used outside any namespace.
static void InitResourcesOfLibrary() { Q_INIT_RESOURCE(fretlab); }

namespace fretlab {

void InitResources() {
  static const bool done = (InitResourcesOfLibrary(), true);
  (void)done;
}

}  // namespace fretlab
