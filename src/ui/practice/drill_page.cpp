#include "ui/practice/drill_page.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/practice/progress_panel.h"

namespace fretlab {

DrillPage::DrillPage(const std::vector<QString>& drillNames,
                     const std::vector<std::string>& midiPorts, ProgressPanel* progress,
                     QWidget* parent)
    : QWidget(parent), m_progress(progress) {
  auto* outer = new QVBoxLayout(this);
  m_sections = new QTabWidget(this);
  outer->addWidget(m_sections);
  // Scrolled rather than stretching the window: the neck keeps the room.
  auto* scroll = new QScrollArea;
  scroll->setWidget(buildPractise(drillNames, midiPorts));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Tab goes straight to the controls inside, which it scrolls into view.
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setAccessibleName(tr("Practise"));
  m_sections->addTab(scroll, tr("Practise"));
  m_sections->addTab(m_progress, tr("Progress"));

  connect(m_answer, &QLineEdit::returnPressed, this, [this] {
    const QString text = m_answer->text();
    m_answer->clear();
    if (!text.trimmed().isEmpty()) emit answerGiven(text);
  });
}

QWidget* DrillPage::buildPractise(const std::vector<QString>& drillNames,
                                  const std::vector<std::string>& midiPorts) {
  auto* practise = new QWidget;
  auto* layout = new QVBoxLayout(practise);
  // Only mnemonics the window does not use already (Alt+Q, Alt+M); the
  // rest are reached in Tab order from the drill chooser.
  auto* form = new QFormLayout;
  m_drill = new QComboBox(practise);
  for (const QString& name : drillNames) m_drill->addItem(name);
  m_drill->setAccessibleName(tr("Drill"));
  form->addRow(tr("Drill:"), m_drill);
  m_strings = new QLineEdit(practise);
  m_strings->setPlaceholderText(tr("all, or e.g. 1-3, 5"));
  m_strings->setAccessibleName(tr("Strings to practise"));
  form->addRow(tr("Strings:"), m_strings);
  m_questions = new QSpinBox(practise);
  m_questions->setRange(0, 500);
  m_questions->setValue(20);
  m_questions->setSpecialValueText(tr("no limit"));
  m_questions->setAccessibleName(tr("Questions per round"));
  form->addRow(tr("&Questions:"), m_questions);
  m_minutes = new QSpinBox(practise);
  m_minutes->setRange(0, 120);
  m_minutes->setSpecialValueText(tr("no limit"));
  m_minutes->setAccessibleName(tr("Minutes per round"));
  form->addRow(tr("&Minutes:"), m_minutes);
  m_midiBox = new QComboBox(practise);
  m_midiBox->addItems({tr("No instrument"), tr("Fretlab's own port (connect to it)")});
  for (const std::string& port : midiPorts) m_midiBox->addItem(QString::fromStdString(port));
  m_midiBox->setAccessibleName(tr("MIDI instrument"));
  form->addRow(tr("MIDI instrument:"), m_midiBox);
  m_reference = new QCheckBox(tr("Ear to neck: the key's root first, as a reference"), practise);
  m_reference->setAccessibleName(tr("Sound the root first as a reference"));
  form->addRow(QString(), m_reference);
  layout->addLayout(form);
  auto* roundRow = new QHBoxLayout;
  m_start = new QPushButton(tr("Start round"), practise);
  m_start->setAccessibleName(tr("Start round"));
  roundRow->addWidget(m_start, 1);
  m_replay = new QPushButton(tr("Hear it again"), practise);
  m_replay->setAccessibleName(tr("Hear the note again"));
  m_replay->setEnabled(false);
  roundRow->addWidget(m_replay);
  layout->addLayout(roundRow);
  m_prompt = new QLabel(practise);
  m_prompt->setAccessibleName(tr("Question"));
  m_prompt->setWordWrap(true);
  QFont big = m_prompt->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  m_prompt->setFont(big);
  layout->addWidget(m_prompt);
  m_buttons = new QGridLayout;
  layout->addLayout(m_buttons);
  // Idle until a question asks for a name.
  for (int i = 0; i < 12; ++i) {
    auto* button = new QPushButton(practise);
    button->setEnabled(false);
    button->setFocusPolicy(Qt::TabFocus);
    m_buttons->addWidget(button, i / 6, i % 6);
    connect(button, &QPushButton::clicked, this, [this, button] { emit answerGiven(button->text()); });
  }
  m_answer = new QLineEdit(practise);
  m_answer->setPlaceholderText(tr("or type it (C#, Db, b3) and press Enter"));
  m_answer->setAccessibleName(tr("Typed answer"));
  m_answer->setEnabled(false);
  layout->addWidget(m_answer);
  m_feedback = new QLabel(practise);
  m_feedback->setWordWrap(true);
  m_feedback->setAccessibleName(tr("Feedback"));
  layout->addWidget(m_feedback);
  m_summary = new QLabel(practise);
  m_summary->setWordWrap(true);
  m_summary->setAccessibleName(tr("Round summary"));
  layout->addWidget(m_summary);
  m_message = new QLabel(practise);
  m_message->setWordWrap(true);
  m_message->setAccessibleName(tr("Practice history and MIDI"));
  layout->addWidget(m_message);
  layout->addStretch();
  return practise;
}

void DrillPage::setNameButtons(const std::vector<QString>& labels, bool enabled) {
  for (int i = 0; i < m_buttons->count(); ++i) {
    auto* button = static_cast<QPushButton*>(m_buttons->itemAt(i)->widget());
    if (i < static_cast<int>(labels.size())) button->setText(labels[i]);
    button->setEnabled(enabled);
  }
}

void DrillPage::announce(QLabel* label, const QString& text) {
  label->setText(text);
  // The label's name says what it is ("Question", "Feedback"); its
  // description is what it now says, which a screen reader is told of.
  label->setAccessibleDescription(text);
  QAccessibleEvent changed(label, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
  if (text.isEmpty()) return;
  QAccessibleEvent alert(label, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace fretlab
