#include "sound/note_player.h"
