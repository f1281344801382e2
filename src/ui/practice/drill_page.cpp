// The Drills mode's page: the choice of drill and round, the prompt, the
// name buttons and typed answer, feedback, summary and the history's
// message, and the Progress tab beside it.

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
#include <sstream>

#include "sound/backends/alsa_midi_input.h"
#include "ui/practice/drill_mode.h"
#include "ui/practice/practice_window.h"
#include "ui/practice/progress_panel.h"

namespace fretlab {

using namespace practice;

namespace {

// In the order of QuestionKind.
const char* const kDrillNames[kQuestionKindCount] = {
    QT_TRANSLATE_NOOP("DrillMode", "Find the note"),
    QT_TRANSLATE_NOOP("DrillMode", "Name the note"),
    QT_TRANSLATE_NOOP("DrillMode", "Where is the degree?"),
    QT_TRANSLATE_NOOP("DrillMode", "Which degree is this?"),
    QT_TRANSLATE_NOOP("DrillMode", "Ear to neck"),
    QT_TRANSLATE_NOOP("DrillMode", "Chord tone"),
    QT_TRANSLATE_NOOP("DrillMode", "Every chord tone")};

const QString kReferenceKey = QStringLiteral("Practice/earReference");

}  // namespace

QWidget* DrillMode::page() {
  if (m_page != nullptr) return m_page;
  m_page = new QWidget;
  auto* outer = new QVBoxLayout(m_page);
  m_sections = new QTabWidget(m_page);
  outer->addWidget(m_sections);

  auto* practise = new QWidget;
  auto* layout = new QVBoxLayout(practise);
  // Only mnemonics the window does not use already (Alt+Q, Alt+M); the
  // rest are reached in Tab order from the drill chooser.
  auto* form = new QFormLayout;
  m_drill = new QComboBox(practise);
  for (const char* name : kDrillNames) m_drill->addItem(tr(name));
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
  {
    std::ostringstream quiet;  // no sequencer: said when the user picks a port
    for (const std::string& port : AlsaMidiInput::PortNames(quiet)) {
      m_midiBox->addItem(QString::fromStdString(port));
    }
  }
  m_midiBox->setAccessibleName(tr("MIDI instrument"));
  form->addRow(tr("MIDI instrument:"), m_midiBox);
  m_reference = new QCheckBox(tr("Ear to neck: the key's root first, as a reference"), practise);
  m_reference->setAccessibleName(tr("Sound the root first as a reference"));
  m_reference->setChecked(window().settings().value(kReferenceKey, false).toBool());
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
  buildAnswerButtons();
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
  // Scrolled rather than stretching the window: the neck keeps the room.
  auto* scroll = new QScrollArea;
  scroll->setWidget(practise);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Tab goes straight to the controls inside, which it scrolls into view.
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setAccessibleName(tr("Practise"));
  m_sections->addTab(scroll, tr("Practise"));

  m_progress = new ProgressPanel(
      [this] { return session().history(); },
      [this] { return TuningNotesText(window().view().tuning); },
      [this] { return std::string(DrillKey(kind())); });
  m_sections->addTab(m_progress, tr("Progress"));

  connect(m_start, &QPushButton::clicked, this, &DrillMode::start);
  connect(m_replay, &QPushButton::clicked, this, [this] { soundEarQuestion(std::nullopt); });
  connect(m_reference, &QCheckBox::toggled, this,
          [this](bool on) { window().settings().setValue(kReferenceKey, on); });
  connect(m_answer, &QLineEdit::returnPressed, this, [this] {
    const QString text = m_answer->text();
    m_answer->clear();
    if (!text.trimmed().isEmpty()) give(Answer::Text(text.toStdString()));
  });
  connect(m_midiBox, &QComboBox::activated, this, [this](int index) {
    if (index == 0) {
      useMidiInput(nullptr);
      m_message->clear();
    } else {
      openMidiInput(index == 1 ? QString() : m_midiBox->itemText(index));
    }
  });
  connect(m_sections, &QTabWidget::currentChanged, this, [this] { showOnNeck(); });
  // Coming to the drills, the keyboard starts at the choice of drill; the
  // controls then follow in Tab order down to Start.
  connect(window().modeArea(), &QTabWidget::currentChanged, this, [this] {
    if (window().isCurrentMode(this)) m_drill->setFocus(Qt::TabFocusReason);
  });
  connect(m_progress, &ProgressPanel::changed, this, [this] { showOnNeck(); });
  return m_page;
}

void DrillMode::buildAnswerButtons() {
  // Named (C to B) and idle until a question asks for a name.
  for (int pc = 0; pc < 12; ++pc) {
    auto* button = new QPushButton(
        QString::fromStdString(NoteName(SpellPitchClass(pc, Accidentals::kMixed))), m_page);
    button->setEnabled(false);
    button->setFocusPolicy(Qt::TabFocus);
    m_buttons->addWidget(button, pc / 6, pc % 6);
    connect(button, &QPushButton::clicked, this,
            [this, button] { give(Answer::Text(button->text().toStdString())); });
  }
}

}  // namespace fretlab
