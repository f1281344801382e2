#pragma once
// `fretlab --voicings SYMBOL [--tuning NAME|"NOTES"] [--capo N] [--span N] [--limit N]`:
// the voicing finder on the command line, one voicing a line, best first:
//   x32010  open  C E G C E
// frets from the lowest string (two-digit frets joined by dashes), the kind,
// the notes from the lowest string up. --span is 3 to 6 frets (default 4),
// --limit the number of lines (default 20, 0 for every voicing). Each
// option may also be written --option=value.

#include <ostream>
#include <string>
#include <vector>

namespace fretlab {

inline constexpr int kDefaultVoicingLines = 20;

// `arguments` are the program's own, after its name. Returns the exit
// status: 0 with the voicings on `out`; 2 with one line on `err` for a
// symbol it cannot read or an option it cannot use; 1 with one line saying
// why when the chord has no voicing.
int RunVoicings(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace fretlab
