#include "sequence/chord_sequence.h"
