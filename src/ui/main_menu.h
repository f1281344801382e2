#pragma once
// The main window's menu bar: File, Tempo, Sound, Position and Action, with
// their captions exactly as shown. No entry has a mnemonic, a shortcut or a
// check mark, and every entry stays enabled.

#include <functional>

class QMenuBar;

namespace fretlab {

// Fills `menuBar`; each entry, when chosen, calls `onCommand` with its
// command id (from command_ids.h), which the entry also carries as its data.
void BuildMainMenu(QMenuBar& menuBar, const std::function<void(int id)>& onCommand);

}  // namespace fretlab
