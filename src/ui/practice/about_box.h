#pragma once
// Help > About Fretlab: the version, the licence, the libraries as loaded
// (Qt, FluidSynth, RtMidi, SQLite), the soundfont in use and where the
// settings and the practice history are kept.

#include <QString>

class QWidget;

namespace fretlab {

struct AboutFacts {
  QString soundfont;    // the file the output plays from; empty: none
  QString settings;     // the settings file
  QString history;      // the practice history's file
};

// The box's text (rich text; the paths escaped).
QString AboutText(const AboutFacts& facts);

// Opens the box over `parent` without waiting for it to close; it goes away
// when closed.
void ShowAboutBox(QWidget* parent, const AboutFacts& facts);

}  // namespace fretlab
