#pragma once
// A mode of the Practice window: a page in the mode area below the neck
// (Explore, Chord lab, Drills) that, while its page is current, decides
// what the neck shows and what clicks and keys on it do.
//
// To add a mode: derive from PracticeMode, build its page, and hand it to
// the window where the window is put together (practice_app.cpp). The
// window calls the hooks below; through host() a mode reaches the neck, the
// current view, the sound and the listening, and nothing else of the window.
// What the guitar plays reaches only the mode whose page is current.

#include <QObject>
#include <QString>

#include "theory/fretboard.h"
#include "ui/practice/practice_host.h"
#include "ui/practice/practice_listening.h"

class QWidget;

namespace fretlab {

class PracticeMode : public QObject {
  Q_OBJECT

 public:
  explicit PracticeMode(PracticeHost& host) : QObject(nullptr), m_host(host) {
    PracticeListening* ear = &host.listening();
    connect(ear, &PracticeListening::noteHeard, this, [this](const LiveNote& n) {
      if (m_active) noteHeard(n);
    });
    connect(ear, &PracticeListening::tunerRead, this, [this](const TunerReading& r) {
      if (m_active) tunerRead(r);
    });
    connect(ear, &PracticeListening::listeningChanged, this, &PracticeMode::listeningChanged);
  }

  virtual QString title() const = 0;
  // The page shown in the mode area; the window takes ownership of it.
  virtual QWidget* page() = 0;

  // Its page is the current one.
  bool isActive() const { return m_active; }
  // Called by the window as its page becomes current or stops being so;
  // showOnNeck() follows activation.
  void setActive(bool active) {
    if (active == m_active) return;
    m_active = active;
    if (active) {
      activated();
    } else {
      deactivate();
    }
  }

  // Its page became current, or the view changed while it is: set the
  // neck's marks and overlays.
  virtual void showOnNeck() = 0;
  // The window is closing: finish what must not be lost.
  virtual void closing() {}

  virtual void positionClicked(Position position) = 0;
  virtual void muteClicked(StringIndex) {}
  // Enter or Space on the keyboard cursor; like a click unless overridden.
  virtual void positionActivated(Position position) { positionClicked(position); }

  // A note played on the guitar and heard; a tuner's reading, when the mode
  // asked the listening for one; listening began or ended.
  virtual void noteHeard(const LiveNote&) {}
  virtual void tunerRead(const TunerReading&) {}
  virtual void listeningChanged(bool) {}

  // While true, the neck says where a position is but not what note,
  // interval or degree it holds (a question is open).
  virtual bool hidesNotes() const { return false; }

  // Play and Strum from the menu or the buttons. Return false to let the
  // window play the shown notes or strum the shown chord.
  virtual bool play() { return false; }
  virtual bool strum() { return false; }

 protected:
  virtual void activated() {}
  virtual void deactivate() {}
  PracticeHost& host() const { return m_host; }

 private:
  PracticeHost& m_host;
  bool m_active = false;
};

}  // namespace fretlab
