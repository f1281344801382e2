#include "ui/practice/drill_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/practice/drill_choice.h"
#include "ui/practice/ear_choice.h"
#include "ui/practice/progress_panel.h"
#include "ui/practice/round_panel.h"

namespace fretlab {

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
  m_choice = new DrillChoice(drillNames, midiPorts, settings);
  addEarChoice(settings);
  // The choice is scrolled rather than stretching the window: the neck keeps the room.
  auto* scroll = new QScrollArea(practise);
  scroll->setWidget(m_choice);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Tab goes straight to the controls inside, which it scrolls into view.
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setAccessibleName(tr("Choice of drill"));
  m_choiceArea = scroll;
  layout->addWidget(scroll, 1);
  m_round = new RoundPanel(practise);
  layout->addWidget(m_round);
  // While the choice gives way, the round keeps to the top.
  layout->addStretch(0);
  m_sections->addTab(practise, tr("Practise"));
  // The progress view's table asks for much room: it takes what the page has.
  m_progress->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  m_sections->addTab(m_progress, tr("Progress"));
}

void DrillPage::addEarChoice(QSettings& settings) {
  // Above Start round, and after the round's options in Tab order.
  m_ear = new EarChoice(settings, m_choice);
  if (auto* column = qobject_cast<QVBoxLayout*>(m_choice->layout())) column->insertWidget(1, m_ear);
  QWidget* order[] = {m_choice->goOnBox(), m_ear->directionBox(), m_ear->ladderBox(),
                      m_ear->answerBox(), m_ear->chordAnswerBox(), m_ear->chordBox(),
                      m_ear->scaleBox(), m_ear->tempoBox(), m_choice->startButton()};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  connect(m_choice->drillBox(), &QComboBox::currentIndexChanged, m_ear,
          [this] { m_ear->showFor(m_choice->kind()); });
  m_ear->showFor(m_choice->kind());
}

void DrillPage::setRunning(bool running, QWidget* answeredOn) {
  m_running = running;
  if (running && answeredOn != nullptr) {
    QWidget* order[] = {answeredOn, m_round->checkButton(), m_round->answerField(), m_round->replayButton(),
                        m_round->nextButton(), m_round->stopButton()};
    for (int i = 1; i < 6; ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  }
  m_choiceArea->setVisible(!running);
  m_sections->tabBar()->setVisible(!running);
  m_round->setRunning(running);
}

}  // namespace fretlab
