#include "ui/practice/control_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/practice/practice_controls.h"

namespace fretlab {

ControlPanel::ControlPanel(PracticeControls* controls, QWidget* listeningBar, QWidget* parent)
    : QWidget(parent), m_controls(controls) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 2, 4, 2);
  m_summary = new QLabel(this);
  m_summary->setAccessibleName(tr("What the round is about"));
  m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_summary->hide();
  column->addWidget(m_summary);
  column->addWidget(listeningBar);
  auto* row = new QHBoxLayout;
  column->addLayout(row, 1);

  m_controlsArea = new QScrollArea(this);
  m_controlsArea->setWidget(m_controls);
  m_controlsArea->setWidgetResizable(true);
  m_controlsArea->setFrameShape(QFrame::NoFrame);
  m_controlsArea->setFocusPolicy(Qt::NoFocus);
  m_controlsArea->setAccessibleName(tr("Show and neck"));
  // As wide as the controls want, so that their labels read whole; a
  // narrow window scrolls them instead of cutting them.
  m_controlsArea->setMinimumWidth(qMin(m_controls->sizeHint().width(), 360));
  m_controlsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  row->addWidget(m_controlsArea, 3);

  auto* side = new QVBoxLayout;
  row->addLayout(side, 2);
  m_soundRow = new QWidget(this);
  auto* sound = new QHBoxLayout(m_soundRow);
  sound->setContentsMargins(0, 0, 0, 0);
  // Mnemonics are unique across the window: Pla&y, Str&um; Stop has Escape.
  auto* playButton = new QPushButton(tr("Pla&y"), m_soundRow);
  auto* strumButton = new QPushButton(tr("Str&um"), m_soundRow);
  auto* stopButton = new QPushButton(tr("Stop"), m_soundRow);
  for (QPushButton* b : {playButton, strumButton, stopButton}) {
    b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    sound->addWidget(b);
  }
  connect(playButton, &QPushButton::clicked, this, &ControlPanel::playRequested);
  connect(strumButton, &QPushButton::clicked, this, &ControlPanel::strumRequested);
  connect(stopButton, &QPushButton::clicked, this, &ControlPanel::stopRequested);
  m_noteLength = new QSpinBox(m_soundRow);
  m_noteLength->setSuffix(tr(" ms"));
  m_noteLength->setSingleStep(50);
  m_noteLength->setAccessibleName(tr("Note length in milliseconds"));
  auto* lengthLabel = new QLabel(tr("Note len&gth:"), m_soundRow);
  lengthLabel->setBuddy(m_noteLength);
  sound->addSpacing(8);
  sound->addWidget(lengthLabel);
  sound->addWidget(m_noteLength);
  connect(m_noteLength, &QSpinBox::valueChanged, this, &ControlPanel::noteLengthChanged);
  side->addWidget(m_soundRow);

  m_modes = new QTabWidget(this);
  m_modes->setAccessibleName(tr("Modes"));
  m_modes->setDocumentMode(true);
  side->addWidget(m_modes, 1);
}

void ControlPanel::addModePage(QWidget* page, const QString& title) {
  auto* scroll = new QScrollArea;
  scroll->setWidget(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setAccessibleName(page->accessibleName());
  m_modes->addTab(scroll, title);
}

void ControlPanel::setCollapsed(bool collapsed, const QString& summary) {
  m_collapsed = collapsed;
  m_summary->setText(summary);
  m_summary->setAccessibleDescription(summary);
  m_summary->setVisible(collapsed);
  m_controlsArea->setVisible(!collapsed);
  m_soundRow->setVisible(!collapsed);
}

}  // namespace fretlab
