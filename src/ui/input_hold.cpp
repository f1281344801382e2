#include "ui/input_hold.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace fretlab {

namespace {

std::vector<const CInputHold*> g_holds;  // every hold alive, to answer AnyHolding

// What a user does to a window, as opposed to what the window system
// reports about it (exposure, focus, the pointer entering).
bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
      return true;
    default:
      return false;
  }
}

// Escape alone (the keypad's counts too); a repeat of a held key is not a
// new press.
bool IsStopKey(const QEvent& event) {
  if (event.type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(event);
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  return key.key() == Qt::Key_Escape && modifiers == Qt::NoModifier && !key.isAutoRepeat();
}

}  // namespace

CInputHold::CInputHold(QWidget& window, std::function<bool()> holding,
                       std::function<void(HeldEvent)> keep, std::function<bool()> stop)
    : m_window(window),
      m_holding(std::move(holding)),
      m_keep(std::move(keep)),
      m_stop(std::move(stop)) {
  g_holds.push_back(this);
  QCoreApplication::instance()->installEventFilter(this);
}

CInputHold::~CInputHold() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
  g_holds.erase(std::find(g_holds.begin(), g_holds.end(), this));
}

bool CInputHold::AnyHolding() {
  return std::any_of(g_holds.begin(), g_holds.end(),
                     [](const CInputHold* hold) { return hold->m_holding(); });
}

bool CInputHold::Supersedes(const HeldEvent& later, const HeldEvent& earlier) {
  if (later.event == nullptr || earlier.event == nullptr) return false;
  if (later.event->type() != QEvent::MouseMove || earlier.event->type() != QEvent::MouseMove) {
    return false;
  }
  const auto& a = static_cast<const QMouseEvent&>(*later.event);
  const auto& b = static_cast<const QMouseEvent&>(*earlier.event);
  return later.receiver == earlier.receiver && a.buttons() == b.buttons() &&
         a.modifiers() == b.modifiers();
}

void CInputHold::Deliver(HeldEvent& held) {
  if (held.receiver == nullptr || held.event == nullptr) return;
  QCoreApplication::sendEvent(held.receiver, held.event.get());
}

bool CInputHold::IsForWindow(QObject* receiver) const {
  if (receiver == m_window.windowHandle()) return true;
  if (!receiver->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(receiver);
  // Child widgets only: a dialog opened over the window has a window of its own.
  return widget == &m_window || m_window.isAncestorOf(widget);
}

bool CInputHold::eventFilter(QObject* receiver, QEvent* event) {
  if (!IsUserInput(event->type()) || !m_holding() || !IsForWindow(receiver)) return false;
  if (IsStopKey(*event) && m_stop()) return true;
  m_keep(HeldEvent{receiver, std::unique_ptr<QEvent>(event->clone())});
  return true;
}

}  // namespace fretlab
