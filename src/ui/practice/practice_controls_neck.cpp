// The Neck group of the Practice window's controls: tuning (a preset or
// typed notes), capo, fret range, spacing and hand.

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "practice/render_options.h"
#include "ui/practice/control_names.h"
#include "ui/practice/practice_controls.h"

namespace fretlab {

QWidget* PracticeControls::makeNeckGroup() {
  auto* group = new QGroupBox(tr("Neck"), this);
  auto* form = new QFormLayout(group);
  m_tuning = Named(new QComboBox(group), tr("Tuning"));
  for (const Tuning& t : PresetTunings()) {
    m_tuning->addItem(Text(t.name) + QStringLiteral("  (") +
                      Text(TuningNotesText(t, SignStyle::kUnicode)) + QStringLiteral(")"));
  }
  m_tuning->addItem(tr("Other: type the notes below"));
  form->addRow(tr("&Tuning:"), m_tuning);
  m_notes = Named(new QLineEdit(group), tr("Tuning notes, lowest string first"));
  m_notes->setPlaceholderText(QStringLiteral("D2 A2 D3 G3 B3 E4"));
  form->addRow(tr("&Notes:"), m_notes);
  m_tuningError = new QLabel(group);
  m_tuningError->setWordWrap(true);
  m_tuningError->setStyleSheet(QStringLiteral("color: #a00000"));
  m_tuningError->hide();
  form->addRow(m_tuningError);
  m_capo = Named(new QSpinBox(group), tr("Capo fret"));
  m_capo->setRange(0, kMaxCapo);
  m_capo->setSpecialValueText(tr("None"));
  form->addRow(tr("Ca&po:"), m_capo);
  auto* range = new QWidget(group);
  auto* rangeLayout = new QHBoxLayout(range);
  rangeLayout->setContentsMargins(0, 0, 0, 0);
  m_wholeNeck = Named(new QCheckBox(tr("&Whole neck"), range), tr("Whole neck"));
  rangeLayout->addWidget(m_wholeNeck);
  m_from = Named(new QSpinBox(range), tr("Lowest fret in use"));
  m_to = Named(new QSpinBox(range), tr("Highest fret in use"));
  m_from->setRange(0, kFretPositions - 1);
  m_to->setRange(0, kFretPositions - 1);
  rangeLayout->addWidget(m_from);
  rangeLayout->addWidget(new QLabel(tr("to"), range));
  rangeLayout->addWidget(m_to);
  form->addRow(tr("Fr&ets:"), range);
  auto* look = new QWidget(group);
  auto* lookLayout = new QHBoxLayout(look);
  lookLayout->setContentsMargins(0, 0, 0, 0);
  m_spacing = Named(new QComboBox(look), tr("Fret spacing"));
  m_spacing->addItems({tr("As on a guitar"), tr("Even")});
  lookLayout->addWidget(m_spacing);
  m_leftHanded = Named(new QCheckBox(tr("Left-&handed"), look), tr("Left-handed"));
  lookLayout->addWidget(m_leftHanded);
  form->addRow(tr("Spac&ing:"), look);

  connect(m_tuning, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_showing) return;
    if (index < static_cast<int>(PresetTunings().size())) {
      m_choices.view.tuning = PresetTunings()[index];
      m_tuningError->hide();
      showChoices();
      emit choicesChanged();
    } else {
      m_notes->setFocus();
    }
  });
  connect(m_notes, &QLineEdit::editingFinished, this, &PracticeControls::takeTypedTuning);
  for (QSpinBox* box : {m_capo, m_from, m_to}) {
    connect(box, &QSpinBox::valueChanged, this, &PracticeControls::readControls);
  }
  connect(m_wholeNeck, &QCheckBox::toggled, this, &PracticeControls::readControls);
  connect(m_spacing, &QComboBox::currentIndexChanged, this, &PracticeControls::readControls);
  connect(m_leftHanded, &QCheckBox::toggled, this, &PracticeControls::readControls);
  return group;
}

void PracticeControls::takeTypedTuning() {
  if (m_showing) return;
  const std::string typed = m_notes->text().toStdString();
  if (typed == TuningNotesText(m_choices.view.tuning)) return;
  const auto tuning = ParseTuning(typed);
  if (!tuning) {
    m_tuningError->setText(
        tr("Not a tuning: %1.").arg(QString::fromStdString(TuningProblem(typed, false))));
    m_tuningError->show();
    return;
  }
  m_tuningError->hide();
  m_choices.view.tuning = *tuning;
  showChoices();
  emit choicesChanged();
}

}  // namespace fretlab
