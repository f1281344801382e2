#pragma once
// How a stream of samples is listened to: its rate and the range of notes
// expected in it. The window of the pitch detector follows from the lowest
// note: a period must fit into half of it.

namespace fretlab {

struct ListenSettings {
  int sampleRate = 44100;  // frames a second, mono
  int lowestNote = 35;     // MIDI; 35 = B1, the low string of a 7-string guitar
  int highestNote = 100;   // MIDI; 100 = E7, above fret 24 of the high E string
  int hopFactor = 1;       // Hop() times this: a tuner needs fewer analyses

  // Samples the pitch detector looks at: 2048 at 44.1 or 48 kHz for a
  // guitar, twice that for a bass's low E1 (41 Hz, a period of 1070 samples).
  int PitchWindow() const;
  // Samples between two analyses: 256 (5.8 ms at 44.1 kHz), scaled with the
  // rate so that a decision takes as long at any rate.
  int Hop() const;
  // The range of a tuning: a semitone below its lowest open string (a string
  // tuned down a little is still heard) to fret 24 of its highest.
  static ListenSettings ForStrings(int sampleRate, int lowestOpen, int highestOpen);
};

// Hz of a MIDI note number (fractional allowed), A4 = 69 = 440 Hz.
double NoteHz(double midi);
// The MIDI note number of a frequency, fractional.
double HzNote(double hz);

}  // namespace fretlab
