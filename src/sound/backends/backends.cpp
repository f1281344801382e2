#include "sound/backends/backends.h"
