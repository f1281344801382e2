#include "theory/voicing.h"

#include <algorithm>
#include <charconv>

namespace fretlab {

std::string Voicing::FretsText() const {
  const bool joined = std::any_of(frets.begin(), frets.end(), [](FretIndex f) { return f >= 10; });
  std::string text;
  for (int s = static_cast<int>(frets.size()) - 1; s >= 0; --s) {
    if (joined && !text.empty()) text += '-';
    text += frets[s] == kMuted ? std::string("x") : std::to_string(frets[s]);
  }
  return text;
}

std::string Voicing::NotesText(SignStyle style) const {
  std::string text;
  for (const VoicedNote& n : notes) text += (text.empty() ? "" : " ") + NoteName(n.name, style);
  return text;
}

std::string Voicing::IntervalsText(SignStyle style) const {
  std::string text;
  for (const VoicedNote& n : notes) {
    text += text.empty() ? "" : " ";
    text += n.degree ? IntervalLabel(*n.degree, style) : NoteName(n.name, style);
  }
  return text;
}

std::vector<NoteNumber> Voicing::SoundingNotes() const {
  std::vector<NoteNumber> out;
  for (const VoicedNote& n : notes) out.push_back(n.note);
  return out;
}

std::optional<std::vector<FretIndex>> ParseFretsText(std::string_view text, int strings) {
  std::vector<std::string_view> parts;
  if (text.find('-') != std::string_view::npos) {
    std::size_t start = 0;
    for (std::size_t dash; (dash = text.find('-', start)) != std::string_view::npos; start = dash + 1) {
      parts.push_back(text.substr(start, dash - start));
    }
    parts.push_back(text.substr(start));
  } else {
    for (std::size_t i = 0; i < text.size(); ++i) parts.push_back(text.substr(i, 1));
  }
  if (static_cast<int>(parts.size()) != strings) return std::nullopt;
  std::vector<FretIndex> frets(strings, kMuted);
  for (int i = 0; i < strings; ++i) {
    const std::string_view part = parts[i];
    const int s = strings - 1 - i;  // the text starts at the lowest string
    if (part == "x" || part == "X") continue;
    int fret = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), fret);
    if (part.empty() || error != std::errc() || end != part.data() + part.size() || fret < 0 ||
        fret >= kFretPositions) {
      return std::nullopt;
    }
    frets[s] = fret;
  }
  return frets;
}

}  // namespace fretlab
