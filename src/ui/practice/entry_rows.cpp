#include "ui/practice/entry_rows.h"

#include <algorithm>

namespace fretlab {

namespace {

int CatalogueRows(const PracticeChoices& c) { return static_cast<int>(EntriesOf(c.view.kind).size()); }

int UserRows(const PracticeChoices& c) {
  return c.view.kind == ChoiceKind::kScale ? static_cast<int>(c.userScales.size()) : 0;
}

}  // namespace

QStringList EntryRowTexts(const PracticeChoices& c) {
  QStringList rows;
  for (const CatalogueEntry& e : EntriesOf(c.view.kind)) {
    rows << QString::fromUtf8(e.name.data(), static_cast<int>(e.name.size()));
  }
  for (int i = 0; i < UserRows(c); ++i) rows << QString::fromStdString(c.userScales[i]->Name());
  return rows;
}

int EntryRowOf(const PracticeChoices& c) {
  if (c.view.kind == ChoiceKind::kScale && c.view.userScale) {
    const auto it = std::find(c.userScales.begin(), c.userScales.end(), c.view.userScale);
    if (it != c.userScales.end()) return CatalogueRows(c) + static_cast<int>(it - c.userScales.begin());
  }
  return c.view.entry;
}

void ChooseEntryRow(PracticeChoices& c, int row) {
  const int count = CatalogueRows(c) + UserRows(c);
  row = ((row % count) + count) % count;
  if (row >= CatalogueRows(c)) {
    c.view.userScale = c.userScales[row - CatalogueRows(c)];
  } else {
    c.view.userScale.reset();
    c.view.entry = row;
  }
}

void TakeUserScales(PracticeChoices& choices, std::vector<std::shared_ptr<const UserScale>> scales) {
  choices.userScales = std::move(scales);
  const auto& mine = choices.userScales;
  if (const auto shown = choices.view.userScale) {
    const auto it =
        std::find_if(mine.begin(), mine.end(), [&](const auto& s) { return s->Name() == shown->Name(); });
    choices.view.userScale = it == mine.end() ? nullptr : *it;
  }
}

QString RootRowText(int pc) {
  const auto text = [](const SpelledNote& note) { return QString::fromStdString(NoteName(note)); };
  const SpelledNote sharp = SpellPitchClass(pc, Accidentals::kSharps);
  const SpelledNote flat = SpellPitchClass(pc, Accidentals::kFlats);
  if (sharp == flat) return text(sharp);
  return text(sharp) + QStringLiteral(" / ") + text(flat);
}

}  // namespace fretlab
