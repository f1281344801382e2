#pragma once
// The Practice window's menu bar: File (Export Picture, Close), Choose (the
// root, the scale or chord, the position, the labels and the hand, from the
// keyboard) and Sound (Play, Strum, Stop, and Listen to my guitar), each
// with its shortcut.

#include <QObject>
#include <functional>

class QAction;
class QMenuBar;

namespace fretlab {

class PracticeControls;

struct PracticeMenuCalls {
  std::function<void()> exportPicture;
  std::function<void()> close;
  std::function<void()> play;
  std::function<void()> strum;
  std::function<void()> stop;
};

struct PracticeMenuActions {
  QAction* exportPicture = nullptr;
  QAction* leftHanded = nullptr;  // checkable; follows the controls
  QAction* listen = nullptr;      // checkable; the window wires it to its listening
};

// The Choose menu steps `controls`; the rest calls `calls`. `context`
// owns the connections.
PracticeMenuActions BuildPracticeMenus(QMenuBar* bar, QObject* context, PracticeControls* controls,
                                       const PracticeMenuCalls& calls);

}  // namespace fretlab
