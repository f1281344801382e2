#include "ui/practice/practice_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "practice/view_shapes.h"
#include "ui/practice/entry_rows.h"
#include "ui/practice/shape_controls.h"
#include "ui/practice/tuning_rows.h"
#include "ui/practice/user_scale_dialog.h"

namespace fretlab {

namespace {

// Every control gets a label for the eye and an accessible name for the ear.
template <typename Control>
Control* Named(Control* control, const QString& name) {
  control->setAccessibleName(name);
  return control;
}

}  // namespace

PracticeControls::PracticeControls(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(makeChoiceGroup());
  layout->addWidget(makeNeckGroup());
  showChoices();
}

QWidget* PracticeControls::makeChoiceGroup() {
  auto* group = new QGroupBox(tr("Show"), this);
  auto* form = new QFormLayout(group);
  m_root = Named(new QComboBox(group), tr("Root"));
  for (int pc = 0; pc < 12; ++pc) m_root->addItem(RootRowText(pc));
  form->addRow(tr("&Root:"), m_root);
  m_otherRoot = Named(new QCheckBox(tr("Spell the root the &other way"), group),
                      tr("Spell the root the other way"));
  form->addRow(m_otherRoot);
  m_kind = Named(new QComboBox(group), tr("Kind of choice"));
  m_kind->addItems({tr("Scale"), tr("Arpeggio"), tr("Chord tones")});
  form->addRow(tr("&Kind:"), m_kind);
  m_entry = Named(new QComboBox(group), tr("Scale or chord"));
  m_entry->setMaxVisibleItems(20);
  form->addRow(tr("Sca&le or chord:"), m_entry);
  m_myScales = Named(new QPushButton(tr("My scales\u2026"), group), tr("My scales"));
  form->addRow(QString(), m_myScales);
  m_shapes = new ShapeControls(form, group);
  m_labels = Named(new QComboBox(group), tr("Labels"));
  // In the order of LabelMode.
  m_labels->addItems(
      {tr("Note names"), tr("Intervals"), tr("Degrees"), tr("Interval names"), tr("None")});
  form->addRow(tr("La&bels:"), m_labels);
  // How the notes that the choice leaves out are written where its key has
  // no accidentals to follow, and the whole chromatic view. No mnemonic:
  // every letter of the label is taken by another control.
  m_accidentals = Named(new QComboBox(group), tr("Notes outside the key"));
  m_accidentals->addItems({tr("sharps (\u266F)"), tr("flats (\u266D)")});
  form->addRow(tr("Notes outside the key:"), m_accidentals);
  // In the order of NamingSystem.
  m_noteNames = Named(new QComboBox(group), tr("Note names"));
  m_noteNames->addItems({tr("English (C D E … A B C)"), tr("German (… A H C, B for B♭)"),
                         tr("Solfège (Do Ré Mi …)")});
  form->addRow(tr("Note names:"), m_noteNames);

  connect(m_root, &QComboBox::currentIndexChanged, this, &PracticeControls::readControls);
  connect(m_otherRoot, &QCheckBox::toggled, this, &PracticeControls::readControls);
  connect(m_kind, &QComboBox::currentIndexChanged, this, [this] {
    if (m_showing) return;
    const bool wasScale = m_choices.view.kind == ChoiceKind::kScale;
    m_choices.view.kind = static_cast<ChoiceKind>(m_kind->currentIndex());
    // Arpeggios and chord tones share one list: keep the row between them.
    if (m_choices.view.kind == ChoiceKind::kScale) m_choices.view.entry = 1, m_choices.view.userScale.reset();
    if (m_choices.view.kind != ChoiceKind::kScale && wasScale) m_choices.view.entry = 0;
    changed();
  });
  connect(m_myScales, &QPushButton::clicked, this, &PracticeControls::editUserScales);
  connect(m_shapes, &ShapeControls::positionChosen, this, [this](std::optional<PositionChoice> p) {
    m_choices.view.position = p;
    changed();
  });
  connect(m_shapes, &ShapeControls::triadsChosen, this, [this](std::optional<StringIndex> top) {
    m_choices.view.triadStrings = top;
    changed();
  });
  for (QComboBox* box : {m_entry, m_labels, m_accidentals, m_noteNames}) {
    connect(box, &QComboBox::currentIndexChanged, this, &PracticeControls::readControls);
  }
  return group;
}

QWidget* PracticeControls::makeNeckGroup() {
  auto* group = new QGroupBox(tr("Neck"), this);
  auto* form = new QFormLayout(group);
  m_tuning = new TuningRows(group, form);
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

  connect(m_tuning, &TuningRows::tuningChosen, this, [this](const Tuning& tuning) {
    m_choices.view.tuning = tuning;
    changed();
  });
  for (QSpinBox* box : {m_capo, m_from, m_to}) {
    connect(box, &QSpinBox::valueChanged, this, &PracticeControls::readControls);
  }
  for (QCheckBox* box : {m_wholeNeck, m_leftHanded}) {
    connect(box, &QCheckBox::toggled, this, &PracticeControls::readControls);
  }
  connect(m_spacing, &QComboBox::currentIndexChanged, this, &PracticeControls::readControls);
  return group;
}

QComboBox* PracticeControls::tuningBox() const { return m_tuning->presetBox(); }
QLineEdit* PracticeControls::tuningNotesEdit() const { return m_tuning->notesEdit(); }

void PracticeControls::setChoices(const PracticeChoices& choices) {
  m_choices = choices;
  showChoices();
}

void PracticeControls::fillEntries() {
  const QStringList rows = EntryRowTexts(m_choices);
  QStringList shown;
  for (int i = 0; i < m_entry->count(); ++i) shown << m_entry->itemText(i);
  if (shown == rows) return;
  m_entry->clear();
  m_entry->addItems(rows);
}

void PracticeControls::changed() {
  showChoices();
  emit choicesChanged();
}

void PracticeControls::editUserScales() {
  UserScaleDialog dialog(m_choices.userScales, this);
  if (dialog.exec() != QDialog::Accepted) return;
  TakeUserScales(m_choices, dialog.scales());
  changed();
}

void PracticeControls::showChoices() {
  m_showing = true;
  const PracticeView& v = m_choices.view;
  m_tuning->show(v.tuning);
  m_capo->setValue(v.capo);
  m_wholeNeck->setChecked(m_choices.wholeNeck);
  m_from->setValue(m_choices.fretBox.from);
  m_to->setValue(m_choices.fretBox.to);
  m_from->setEnabled(!m_choices.wholeNeck);
  m_to->setEnabled(!m_choices.wholeNeck);
  m_spacing->setCurrentIndex(v.spacing == FretSpacing::kEven ? 1 : 0);
  m_leftHanded->setChecked(v.leftHanded);
  m_root->setCurrentIndex(v.rootPitchClass);
  const SpelledNote automatic = AutomaticRoot(v.rootPitchClass, v.Entry(), v.preference);
  const SpelledNote other = OtherEnharmonic(automatic);
  m_otherRoot->setEnabled(!(other == automatic));
  m_otherRoot->setChecked(m_choices.otherRoot);
  m_otherRoot->setText(other == automatic ? tr("Spell the root the &other way")
                                          : tr("Spell the r&oot as %1").arg(QString::fromStdString(NoteName(other))));
  m_kind->setCurrentIndex(static_cast<int>(v.kind));
  fillEntries();
  m_entry->setCurrentIndex(EntryRowOf(m_choices));
  m_shapes->show(m_choices.EffectiveView());
  m_labels->setCurrentIndex(static_cast<int>(v.labels));
  m_accidentals->setCurrentIndex(v.preference == Accidentals::kFlats ? 1 : 0);
  m_noteNames->setCurrentIndex(static_cast<int>(v.noteNames));
  m_choices.view.frets = m_choices.EffectiveView().frets;
  m_showing = false;
}

void PracticeControls::readControls() {
  if (m_showing) return;
  PracticeView& v = m_choices.view;
  v.capo = m_capo->value();
  m_choices.wholeNeck = m_wholeNeck->isChecked();
  // The two ends of the range never cross: the one moved last wins.
  if (m_from->value() > m_to->value()) {
    if (sender() == m_from) m_to->setValue(m_from->value());
    else m_from->setValue(m_to->value());
  }
  m_choices.fretBox = {m_from->value(), m_to->value()};
  v.spacing = m_spacing->currentIndex() == 1 ? FretSpacing::kEven : FretSpacing::kReal;
  v.leftHanded = m_leftHanded->isChecked();
  const int root = std::max(0, m_root->currentIndex());
  // The other spelling belongs to the root it was chosen for.
  m_choices.otherRoot = root == v.rootPitchClass && m_otherRoot->isChecked();
  v.rootPitchClass = root;
  ChooseEntryRow(m_choices, std::max(0, m_entry->currentIndex()));
  v.labels = static_cast<LabelMode>(std::max(0, m_labels->currentIndex()));
  v.preference = m_accidentals->currentIndex() == 1 ? Accidentals::kFlats : Accidentals::kSharps;
  v.noteNames = static_cast<NamingSystem>(std::max(0, m_noteNames->currentIndex()));
  showChoices();
  emit choicesChanged();
}

void PracticeControls::stepRoot(int semitones) {
  m_choices.view.rootPitchClass = PitchClass(m_choices.view.rootPitchClass + semitones);
  m_choices.otherRoot = false;
  showChoices();
  emit choicesChanged();
}

void PracticeControls::stepEntry(int rows) {
  ChooseEntryRow(m_choices, EntryRowOf(m_choices) + rows);
  changed();
}

void PracticeControls::stepPosition(int step) {
  const auto next = StepPosition(m_choices.EffectiveView(), step);
  if (!next) return;
  m_choices.view.position = next;
  changed();
}

void PracticeControls::nextLabels() {
  const int modes = static_cast<int>(LabelMode::kNone) + 1;
  m_choices.view.labels =
      static_cast<LabelMode>((static_cast<int>(m_choices.view.labels) + 1) % modes);
  showChoices();
  emit choicesChanged();
}

void PracticeControls::setLeftHanded(bool left) {
  if (m_choices.view.leftHanded == left) return;
  m_choices.view.leftHanded = left;
  showChoices();
  emit choicesChanged();
}

}  // namespace fretlab
