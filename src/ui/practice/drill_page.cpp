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
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/practice/progress_panel.h"

namespace fretlab {

namespace {

constexpr int kNameButtons = 12;
const QString kReferenceKey = QStringLiteral("Practice/earReference");
const QString kRepeatKey = QStringLiteral("Practice/repeatMissed");
const QString kGoOnKey = QStringLiteral("Practice/goOnAfterMissSeconds");

// A label that takes no room while it says nothing.
QLabel* Line(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  label->setAccessibleName(name);
  label->hide();
  return label;
}

}  // namespace

DrillPage::DrillPage(const std::vector<QString>& drillNames,
                     const std::vector<std::string>& midiPorts, ProgressPanel* progress,
                     QSettings& settings, QWidget* parent)
    : QWidget(parent), m_progress(progress) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  m_sections = new QTabWidget(this);
  outer->addWidget(m_sections);

  auto* practise = new QWidget;
  auto* layout = new QVBoxLayout(practise);
  layout->setContentsMargins(4, 4, 4, 4);
  // The choice is scrolled rather than stretching the window: the neck keeps the room.
  auto* scroll = new QScrollArea(practise);
  scroll->setWidget(buildChoice(drillNames, midiPorts));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Tab goes straight to the controls inside, which it scrolls into view.
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setAccessibleName(tr("Choice of drill"));
  m_choice = scroll;
  layout->addWidget(scroll, 1);
  layout->addWidget(buildRound());
  // While the choice gives way, the round keeps to the top.
  layout->addStretch(0);
  m_sections->addTab(practise, tr("Practise"));
  // The progress view's table asks for much room: it takes what the page has.
  m_progress->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  m_sections->addTab(m_progress, tr("Progress"));

  m_reference->setChecked(settings.value(kReferenceKey, false).toBool());
  m_repeatMissed->setChecked(settings.value(kRepeatKey, false).toBool());
  m_goOn->setValue(settings.value(kGoOnKey, 0).toInt());
  QSettings* kept = &settings;
  connect(m_reference, &QCheckBox::toggled, this, [kept](bool on) { kept->setValue(kReferenceKey, on); });
  connect(m_repeatMissed, &QCheckBox::toggled, this, [kept](bool on) { kept->setValue(kRepeatKey, on); });
  connect(m_goOn, &QSpinBox::valueChanged, this, [kept](int s) { kept->setValue(kGoOnKey, s); });
  connect(m_answer, &QLineEdit::returnPressed, this, [this] {
    const QString text = m_answer->text();
    m_answer->clear();
    if (!text.trimmed().isEmpty()) emit answerGiven(text);
  });
}

QWidget* DrillPage::buildChoice(const std::vector<QString>& drillNames,
                                const std::vector<std::string>& midiPorts) {
  auto* choice = new QWidget;
  auto* layout = new QVBoxLayout(choice);
  layout->setContentsMargins(0, 0, 0, 0);
  // Only mnemonics the window does not use already (Alt+Q, Alt+M); the
  // rest are reached in Tab order from the drill chooser.
  auto* form = new QFormLayout;
  m_drill = new QComboBox(choice);
  for (const QString& name : drillNames) m_drill->addItem(name);
  m_drill->setAccessibleName(tr("Drill"));
  form->addRow(tr("Drill:"), m_drill);
  m_strings = new QLineEdit(choice);
  m_strings->setPlaceholderText(tr("all, or e.g. 1-3, 5"));
  m_strings->setAccessibleName(tr("Strings to practise"));
  form->addRow(tr("Strings:"), m_strings);
  m_questions = new QSpinBox(choice);
  m_questions->setRange(0, 500);
  m_questions->setValue(20);
  m_questions->setSpecialValueText(tr("no limit"));
  m_questions->setAccessibleName(tr("Questions per round"));
  form->addRow(tr("&Questions:"), m_questions);
  m_minutes = new QSpinBox(choice);
  m_minutes->setRange(0, 120);
  m_minutes->setSpecialValueText(tr("no limit"));
  m_minutes->setAccessibleName(tr("Minutes per round"));
  form->addRow(tr("&Minutes:"), m_minutes);
  m_midiBox = new QComboBox(choice);
  m_midiBox->addItems({tr("No instrument"), tr("Fretlab's own port (connect to it)")});
  for (const std::string& port : midiPorts) m_midiBox->addItem(QString::fromStdString(port));
  m_midiBox->setAccessibleName(tr("MIDI instrument"));
  form->addRow(tr("MIDI instrument:"), m_midiBox);
  m_reference = new QCheckBox(tr("Ear to neck: the key's root first, as a reference"), choice);
  m_reference->setAccessibleName(tr("Sound the root first as a reference"));
  form->addRow(QString(), m_reference);
  m_repeatMissed = new QCheckBox(tr("Ask a missed question again later in the round"), choice);
  m_repeatMissed->setAccessibleName(m_repeatMissed->text());
  form->addRow(QString(), m_repeatMissed);
  m_goOn = new QSpinBox(choice);
  m_goOn->setRange(0, 30);
  m_goOn->setSuffix(tr(" s"));
  m_goOn->setSpecialValueText(tr("wait for Next"));
  m_goOn->setAccessibleName(tr("After a miss, go on by itself after this many seconds"));
  form->addRow(tr("After a miss, go on:"), m_goOn);
  layout->addLayout(form);
  m_start = new QPushButton(tr("Start round"), choice);
  m_start->setAccessibleName(tr("Start round"));
  layout->addWidget(m_start);
  layout->addStretch();
  return choice;
}

QWidget* DrillPage::buildRound() {
  auto* round = new QWidget;
  auto* layout = new QVBoxLayout(round);
  layout->setContentsMargins(0, 0, 0, 0);
  m_prompt = new QLabel(round);
  m_prompt->setAccessibleName(tr("Question"));
  m_prompt->setWordWrap(true);
  QFont big = m_prompt->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  m_prompt->setFont(big);
  layout->addWidget(m_prompt);
  m_buttons = new QGridLayout;
  m_buttons->setSpacing(2);
  layout->addLayout(m_buttons);
  // Idle until a question asks for a name; one row of twelve.
  for (int i = 0; i < kNameButtons; ++i) {
    auto* button = new QPushButton(round);
    button->setEnabled(false);
    button->setFocusPolicy(Qt::TabFocus);
    // Twelve fit a narrow window: the names are short.
    button->setMinimumWidth(28);
    m_buttons->addWidget(button, 0, i);
    connect(button, &QPushButton::clicked, this, [this, button] { emit answerGiven(button->text()); });
  }
  auto* answerRow = new QHBoxLayout;
  m_answer = new QLineEdit(round);
  m_answer->setPlaceholderText(tr("or type it (C#, Db, b3) and press Enter"));
  m_answer->setAccessibleName(tr("Typed answer"));
  m_answer->setEnabled(false);
  answerRow->addWidget(m_answer, 1);
  m_replay = new QPushButton(tr("Hear it again"), round);
  m_replay->setAccessibleName(tr("Hear the note again"));
  m_replay->setEnabled(false);
  answerRow->addWidget(m_replay);
  m_next = new QPushButton(tr("Next"), round);
  m_next->setAccessibleName(tr("Next question"));
  // Enter, like Space, presses it while it has the focus (after a miss).
  m_next->setAutoDefault(true);
  m_next->setEnabled(false);
  answerRow->addWidget(m_next);
  m_stop = new QPushButton(tr("Stop round"), round);
  m_stop->setAccessibleName(tr("Stop round"));
  m_stop->hide();
  answerRow->addWidget(m_stop);
  layout->addLayout(answerRow);
  m_feedback = Line(round, tr("Feedback"));
  layout->addWidget(m_feedback);
  m_summary = Line(round, tr("Round summary"));
  layout->addWidget(m_summary);
  m_message = Line(round, tr("Practice history and MIDI"));
  layout->addWidget(m_message);
  return round;
}

QPushButton* DrillPage::nameButton(int index) const {
  return static_cast<QPushButton*>(m_buttons->itemAt(index)->widget());
}

void DrillPage::setNameButtons(const std::vector<QString>& labels, bool enabled) {
  for (int i = 0; i < kNameButtons; ++i) {
    QPushButton* button = nameButton(i);
    if (i < static_cast<int>(labels.size())) {
      button->setText(labels[i]);
      button->setAccessibleName(labels[i]);
    }
    button->setEnabled(enabled);
  }
}

void DrillPage::setRunning(bool running) {
  m_running = running;
  // What defines the round stays as it was until the round ends.
  m_choice->setVisible(!running);
  m_sections->tabBar()->setVisible(!running);
  m_stop->setVisible(running);
}

void DrillPage::showQuestion(const QString& prompt, const std::vector<QString>& labels,
                             bool asksName, bool heard) {
  announce(m_prompt, prompt);
  setNameButtons(labels, asksName);
  m_answer->setEnabled(asksName);
  m_replay->setEnabled(heard);
  m_next->setEnabled(false);
}

void DrillPage::showMiss(const QString& words, bool last) {
  announce(m_feedback, words);
  setNameButtons({}, false);
  m_answer->setEnabled(false);
  if (last) return;
  m_next->setEnabled(true);
  m_next->setFocus();
}

void DrillPage::showRoundOver(const QString& summary) {
  m_replay->setEnabled(false);
  m_next->setEnabled(false);
  m_answer->setEnabled(false);
  setNameButtons({}, false);
  setRunning(false);
  announce(m_summary, summary);
  announce(m_prompt, tr("Start another round when you are ready."));
  m_start->setFocus();
}

void DrillPage::announce(QLabel* label, const QString& text) {
  label->setText(text);
  label->setVisible(!text.isEmpty());
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
