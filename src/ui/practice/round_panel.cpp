#include "ui/practice/round_panel.h"

#include <QAccessible>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace fretlab {

namespace {

constexpr int kNameButtons = 12;
constexpr int kMostNameButtons = 24;  // the ear drills' answers, made when first needed
constexpr auto kMouse = practice::AnswerInput::kMouse;
constexpr auto kKeyboard = practice::AnswerInput::kKeyboard;

// A label that takes no room while it says nothing.
QLabel* Line(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  label->setAccessibleName(name);
  label->hide();
  return label;
}

}  // namespace

RoundPanel::RoundPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_prompt = new QLabel(this);
  m_prompt->setAccessibleName(tr("Question"));
  m_prompt->setWordWrap(true);
  QFont big = m_prompt->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  m_prompt->setFont(big);
  layout->addWidget(m_prompt);
  m_buttons = new QGridLayout;
  m_buttons->setSpacing(2);
  layout->addLayout(m_buttons);
  // Idle until a question asks for a name; one row of twelve, which fits a
  // narrow window as the names are short.
  for (int i = 0; i < kNameButtons; ++i) addNameButton();
  auto* answerRow = new QHBoxLayout;
  m_check = new QPushButton(tr("Check"), this);
  m_check->setAccessibleName(tr("Check the voicing built on the neck"));
  m_check->hide();
  answerRow->addWidget(m_check);
  m_answer = new QLineEdit(this);
  m_answer->setPlaceholderText(tr("or type it (C#, Db, b3) and press Enter"));
  m_answer->setAccessibleName(tr("Typed answer"));
  m_answer->setEnabled(false);
  answerRow->addWidget(m_answer, 1);
  m_replay = new QPushButton(tr("Hear it again"), this);
  m_replay->setAccessibleName(tr("Hear the note again"));
  m_replay->setEnabled(false);
  answerRow->addWidget(m_replay);
  m_next = new QPushButton(tr("Next"), this);
  m_next->setAccessibleName(tr("Next question"));
  // Enter, like Space, presses it while it has the focus (after a miss).
  m_next->setAutoDefault(true);
  m_next->setEnabled(false);
  answerRow->addWidget(m_next);
  m_stop = new QPushButton(tr("Stop round"), this);
  m_stop->setAccessibleName(tr("Stop round"));
  m_stop->hide();
  answerRow->addWidget(m_stop);
  layout->addLayout(answerRow);
  m_feedback = Line(this, tr("Feedback"));
  layout->addWidget(m_feedback);
  m_summary = Line(this, tr("Round summary"));
  layout->addWidget(m_summary);
  m_message = Line(this, tr("Practice history and MIDI"));
  layout->addWidget(m_message);

  connect(m_answer, &QLineEdit::returnPressed, this, [this] {
    const QString text = m_answer->text();
    m_answer->clear();
    if (!text.trimmed().isEmpty()) emit answerGiven(text, kKeyboard);
  });
}

QPushButton* RoundPanel::nameButton(int index) const { return m_nameButtons[index]; }

void RoundPanel::addNameButton() {
  const int i = static_cast<int>(m_nameButtons.size());
  auto* button = new QPushButton(this);
  button->setEnabled(false);
  button->setFocusPolicy(Qt::TabFocus);
  button->setMinimumWidth(28);
  m_buttons->addWidget(button, i / m_columns, i % m_columns);
  m_nameButtons.push_back(button);
  button->installEventFilter(this);
  connect(button, &QPushButton::clicked, this,
          [this, button] { emit answerGiven(button->text(), m_pointerPressed ? kMouse : kKeyboard); });
}

bool RoundPanel::eventFilter(QObject* watched, QEvent* event) {
  // A name button is clicked by the pointer or from the keyboard (Space);
  // which one it was goes with the answer.
  if (event->type() == QEvent::MouseButtonPress) m_pointerPressed = true;
  if (event->type() == QEvent::KeyPress) m_pointerPressed = false;
  return QWidget::eventFilter(watched, event);
}

void RoundPanel::setButtonColumns(int columns) { m_columns = std::clamp(columns, 1, 12); }

void RoundPanel::setNameButtons(const std::vector<QString>& labels, bool enabled) {
  const int count = std::min(static_cast<int>(labels.size()), kMostNameButtons);
  while (static_cast<int>(m_nameButtons.size()) < count) addNameButton();
  for (int i = 0; i < static_cast<int>(m_nameButtons.size()); ++i) {
    QPushButton* button = nameButton(i);
    if (i < count) {
      button->setText(labels[i]);
      button->setAccessibleName(labels[i]);
    }
    // New labels lay the buttons out afresh; none keep them as they are.
    if (count > 0) {
      m_buttons->removeWidget(button);
      m_buttons->addWidget(button, i / m_columns, i % m_columns);
      button->setVisible(i < count);
    }
    button->setEnabled(enabled);
  }
}

void RoundPanel::showQuestion(const QString& prompt, const std::vector<QString>& labels,
                              bool asksName, bool heard) {
  announce(m_prompt, prompt);
  setNameButtons(labels, asksName);
  m_answer->setEnabled(asksName);
  m_replay->setEnabled(heard);
  m_check->setEnabled(true);
  m_next->setEnabled(false);
}

void RoundPanel::showMiss(const QString& words, bool last) {
  announce(m_feedback, words);
  setNameButtons({}, false);
  m_answer->setEnabled(false);
  m_check->setEnabled(false);
  if (last) return;
  m_next->setEnabled(true);
  m_next->setFocus();
}

void RoundPanel::showRoundOver(const QString& summary) {
  m_check->hide();
  m_replay->setEnabled(false);
  m_next->setEnabled(false);
  m_answer->setEnabled(false);
  setNameButtons({}, false);
  announce(m_summary, summary);
  announce(m_prompt, tr("Start another round when you are ready."));
}

void RoundPanel::setTypedHint(const QString& hint) {
  m_answer->setPlaceholderText(hint.isEmpty() ? tr("or type it (C#, Db, b3) and press Enter") : hint);
}

void RoundPanel::setRunning(bool running) { m_stop->setVisible(running); }

void RoundPanel::announce(QLabel* label, const QString& text) {
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
