#include "ui/practice/tuning_rows.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "practice/render_options.h"

namespace fretlab {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TuningRows::TuningRows(QWidget* group, QFormLayout* form) : QObject(group) {
  m_presets = new QComboBox(group);
  m_presets->setAccessibleName(tr("Tuning"));
  for (const Tuning& t : PresetTunings()) {
    m_presets->addItem(Text(t.name) + QStringLiteral("  (") +
                       Text(TuningNotesText(t, SignStyle::kUnicode)) + QStringLiteral(")"));
  }
  m_presets->addItem(tr("Other: type the notes below"));
  form->addRow(tr("&Tuning:"), m_presets);
  m_notes = new QLineEdit(group);
  m_notes->setAccessibleName(tr("Tuning notes, lowest string first"));
  m_notes->setPlaceholderText(QStringLiteral("D2 A2 D3 G3 B3 E4"));
  form->addRow(tr("&Notes:"), m_notes);
  m_error = new QLabel(group);
  m_error->setWordWrap(true);
  m_error->setStyleSheet(QStringLiteral("color: #a00000"));
  m_error->hide();
  form->addRow(m_error);
  m_turn = new QPushButton(group);
  m_turn->setFlat(true);
  m_turn->hide();
  form->addRow(m_turn);

  connect(m_presets, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_showing) return;
    if (index < static_cast<int>(PresetTunings().size())) {
      showError({});
      emit tuningChosen(PresetTunings()[index]);
    } else {
      m_notes->setFocus();
    }
  });
  connect(m_notes, &QLineEdit::editingFinished, this, &TuningRows::takeTypedNotes);
  connect(m_turn, &QPushButton::clicked, this, [this] {
    const auto turned = LowestStringFirst(m_notes->text().toStdString());
    if (!turned) return;
    m_notes->setText(Text(*turned));
    takeTypedNotes();
  });
}

void TuningRows::show(const Tuning& tuning) {
  m_showing = true;
  m_shown = tuning;
  const auto presets = PresetTunings();
  int preset = static_cast<int>(presets.size());
  for (int i = 0; i < static_cast<int>(presets.size()); ++i) {
    if (presets[i] == tuning) preset = i;
  }
  m_presets->setCurrentIndex(preset);
  m_notes->setText(Text(TuningNotesText(tuning)));
  m_showing = false;
}

void TuningRows::takeTypedNotes() {
  if (m_showing) return;
  const std::string typed = m_notes->text().toStdString();
  if (typed == TuningNotesText(m_shown)) return;
  const auto tuning = ParseTuning(typed);
  if (!tuning) {
    showError(tr("Not a tuning: %1.").arg(Text(TuningProblem(typed, false))));
    return;
  }
  showError({});
  emit tuningChosen(*tuning);
}

void TuningRows::showError(const QString& error) {
  m_error->setText(error);
  m_error->setVisible(!error.isEmpty());
  const auto turned =
      error.isEmpty() ? std::nullopt : LowestStringFirst(m_notes->text().toStdString());
  if (turned) {
    // Shown with ♯ and ♭ as the presets are; the field takes what is typed.
    const QString notes = Text(TuningNotesText(*ParseTuning(*turned), SignStyle::kUnicode));
    m_turn->setText(tr("Use %1 instead").arg(notes));
    m_turn->setAccessibleName(tr("Use %1 instead, lowest string first").arg(notes));
  }
  m_turn->setVisible(turned.has_value());
}

}  // namespace fretlab
