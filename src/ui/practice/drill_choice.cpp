#include "ui/practice/drill_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include "practice/string_set.h"

namespace fretlab {

namespace {

const QString kReferenceKey = QStringLiteral("Practice/earReference");
const QString kRepeatKey = QStringLiteral("Practice/repeatMissed");
const QString kGoOnKey = QStringLiteral("Practice/goOnAfterMissSeconds");

}  // namespace

DrillChoice::DrillChoice(const std::vector<QString>& drillNames,
                         const std::vector<std::string>& midiPorts, QSettings& settings, QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // Only mnemonics the window does not use already (Alt+Q, Alt+M); the
  // rest are reached in Tab order from the drill chooser.
  auto* form = new QFormLayout;
  m_drill = new QComboBox(this);
  for (const QString& name : drillNames) m_drill->addItem(name);
  m_drill->setAccessibleName(tr("Drill"));
  form->addRow(tr("Drill:"), m_drill);
  m_strings = new QLineEdit(this);
  m_strings->setPlaceholderText(tr("all, or e.g. 1-3, 5"));
  m_strings->setAccessibleName(tr("Strings to practise"));
  form->addRow(tr("Strings:"), m_strings);
  m_questions = new QSpinBox(this);
  m_questions->setRange(0, 500);
  m_questions->setValue(20);
  m_questions->setSpecialValueText(tr("no limit"));
  m_questions->setAccessibleName(tr("Questions per round"));
  form->addRow(tr("&Questions:"), m_questions);
  m_minutes = new QSpinBox(this);
  m_minutes->setRange(0, 120);
  m_minutes->setSpecialValueText(tr("no limit"));
  m_minutes->setAccessibleName(tr("Minutes per round"));
  form->addRow(tr("&Minutes:"), m_minutes);
  m_midiBox = new QComboBox(this);
  m_midiBox->addItems({tr("No instrument"), tr("Fretlab's own port (connect to it)")});
  for (const std::string& port : midiPorts) m_midiBox->addItem(QString::fromStdString(port));
  m_midiBox->setAccessibleName(tr("MIDI instrument"));
  form->addRow(tr("MIDI instrument:"), m_midiBox);
  m_reference = new QCheckBox(tr("Ear to neck: the key's root first, as a reference"), this);
  m_reference->setAccessibleName(tr("Sound the root first as a reference"));
  form->addRow(QString(), m_reference);
  m_repeatMissed = new QCheckBox(tr("Ask a missed question again later in the round"), this);
  m_repeatMissed->setAccessibleName(m_repeatMissed->text());
  form->addRow(QString(), m_repeatMissed);
  m_goOn = new QSpinBox(this);
  m_goOn->setRange(0, 30);
  m_goOn->setSuffix(tr(" s"));
  m_goOn->setSpecialValueText(tr("wait for Next"));
  m_goOn->setAccessibleName(tr("After a miss, go on by itself after this many seconds"));
  form->addRow(tr("After a miss, go on:"), m_goOn);
  layout->addLayout(form);
  m_start = new QPushButton(tr("Start round"), this);
  m_start->setAccessibleName(tr("Start round"));
  layout->addWidget(m_start);
  layout->addStretch();

  m_reference->setChecked(settings.value(kReferenceKey, false).toBool());
  m_repeatMissed->setChecked(settings.value(kRepeatKey, false).toBool());
  m_goOn->setValue(settings.value(kGoOnKey, 0).toInt());
  QSettings* kept = &settings;
  connect(m_reference, &QCheckBox::toggled, this, [kept](bool on) { kept->setValue(kReferenceKey, on); });
  connect(m_repeatMissed, &QCheckBox::toggled, this, [kept](bool on) { kept->setValue(kRepeatKey, on); });
  connect(m_goOn, &QSpinBox::valueChanged, this, [kept](int s) { kept->setValue(kGoOnKey, s); });
}

practice::QuestionKind DrillChoice::kind() const {
  return static_cast<practice::QuestionKind>(std::max(0, m_drill->currentIndex()));
}

practice::RoundLimit DrillChoice::limit() const {
  return {m_questions->value(), m_minutes->value(), m_repeatMissed->isChecked()};
}

std::optional<std::uint32_t> DrillChoice::strings(int stringCount) const {
  return practice::ParseStringSet(m_strings->text().toStdString(), stringCount);
}

}  // namespace fretlab
