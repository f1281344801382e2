#pragma once
// A mode of the Practice window: a page in the mode area beside the neck
// (Explore, Chord lab, and the drills to come) that, while its page is
// current, decides what the neck shows and what clicks and keys on it do.
//
// To add a mode: derive from PracticeMode, build its page, and call
// PracticeWindow::addMode(). The window calls the hooks below; through
// window() a mode reaches the neck, the current view and the sound.

#include <QObject>
#include <QString>

#include "theory/fretboard.h"

class QWidget;

namespace fretlab {

class PracticeWindow;

class PracticeMode : public QObject {
  Q_OBJECT

 public:
  explicit PracticeMode(PracticeWindow& window) : QObject(nullptr), m_window(window) {}

  virtual QString title() const = 0;
  // The page shown in the mode area; the window takes ownership of it.
  virtual QWidget* page() = 0;

  // Its page became current, or the view changed while it is: set the
  // neck's marks and overlays.
  virtual void showOnNeck() = 0;
  virtual void deactivate() {}
  // The window is closing: finish what must not be lost.
  virtual void closing() {}

  virtual void positionClicked(Position position) = 0;
  virtual void muteClicked(StringIndex) {}
  // Enter or Space on the keyboard cursor; like a click unless overridden.
  virtual void positionActivated(Position position) { positionClicked(position); }

  // Play and Strum from the menu or the buttons. Return false to let the
  // window play the shown notes or strum the shown chord.
  virtual bool play() { return false; }
  virtual bool strum() { return false; }

 protected:
  PracticeWindow& window() const { return m_window; }

 private:
  PracticeWindow& m_window;
};

}  // namespace fretlab
