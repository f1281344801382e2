#include "theory/fretboard.h"
