#pragma once
// Holding back the user's input to a window while one of its operations
// sounds. The event loop keeps running meanwhile (painting, timers, the
// desktop's requests), and every click, key press, wheel turn and the like
// meant for the window is kept, in order, for the window to hand on once the
// operation has returned; a plain Escape press may stop the operation
// instead.
//
// The input is held here rather than left in the window system's queue
// (QEventLoop::ExcludeUserInputEvents), because on X11 that queue lies inside
// the platform plugin, where an Escape waiting in it cannot be seen: the
// plugin keeps excluded input to itself until the loop takes input again.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QWidget;

namespace fretlab {

// One kept event and the object it was meant for.
struct HeldEvent {
  QPointer<QObject> receiver;  // null once the receiver is gone
  std::unique_ptr<QEvent> event;
};

class CInputHold : public QObject {
 public:
  // While `holding()` is true, input for `window` (its window-system window
  // and every widget inside it) goes to `keep` instead of the window. A
  // plain Escape press goes to `stop` first; true means it was taken as the
  // stop and is not kept. `window` must outlive this object.
  CInputHold(QWidget& window, std::function<bool()> holding, std::function<void(HeldEvent)> keep,
             std::function<bool()> stop);
  ~CInputHold() override;

  // True while some window holds its input: waits between notes then run
  // every event, so that the input reaches the hold (event_loop_timing.h).
  static bool AnyHolding();
  // True when `later` makes `earlier`, the event kept just before it,
  // needless: both move the pointer over the same receiver with the same
  // buttons and keys down. A long display then keeps one move, not hours of
  // them.
  static bool Supersedes(const HeldEvent& later, const HeldEvent& earlier);
  // Hands a kept event to its receiver. The window system's input is kept
  // as it reached the window-system window, which hands it on to the widget
  // under the pointer or with the focus as it does live input (a click still
  // gives focus).
  static void Deliver(HeldEvent& held);

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  bool IsForWindow(QObject* receiver) const;

  QWidget& m_window;
  std::function<bool()> m_holding;
  std::function<void(HeldEvent)> m_keep;
  std::function<bool()> m_stop;
};

}  // namespace fretlab
