#include "ui/practice/practice_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolTip>

#include "practice/view_shapes.h"
#include "ui/practice/control_panel.h"
#include "ui/practice/listening_bar.h"
#include "ui/practice/neck_export.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/picture_export.h"
#include "ui/practice/practice_menus.h"

namespace fretlab {

namespace {
const QColor kPlayingRing(0, 0, 0);
constexpr int kReportMs = 10'000;
}  // namespace

PracticeWindow::PracticeWindow(MidiOutput& output, AudioCapture& capture, QSettings& settings,
                               std::function<SoundClock::time_point()> now, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_playback(output, std::move(now)) {
  setWindowTitle(tr("Fretlab Practice"));
  m_neck = new NeckWidget;
  m_controls = new PracticeControls;
  m_controls->setChoices(LoadPracticeChoices(settings));
  m_listening = new PracticeListening(capture, settings, m_playback, this);

  // The neck takes the whole width, as a neck is wide; the controls, the
  // sound buttons and the mode area sit below it.
  m_splitter = new QSplitter(Qt::Vertical, this);
  m_splitter->addWidget(m_neck);
  m_splitter->addWidget(buildControlPanel());
  m_splitter->setStretchFactor(0, 1);
  m_splitter->setStretchFactor(1, 0);
  m_splitter->setChildrenCollapsible(false);
  setCentralWidget(m_splitter);
  buildMenus();
  statusBar()->showMessage(tr("Point at the neck to see a note; click it to hear it."));

  connect(m_controls, &PracticeControls::choicesChanged, this, &PracticeWindow::choicesChanged);
  connect(m_modes, &QTabWidget::currentChanged, this, &PracticeWindow::modeChanged);
  connect(m_neck, &NeckWidget::positionClicked, this,
          [this](Position p) { currentMode()->positionClicked(p); });
  connect(m_neck, &NeckWidget::positionActivated, this,
          [this](Position p) { currentMode()->positionActivated(p); });
  connect(m_neck, &NeckWidget::muteClicked, this,
          [this](int s) { currentMode()->muteClicked(s); });
  connect(m_neck, &NeckWidget::hovered, this, &PracticeWindow::hovered);
  connect(&m_playback, &PlaybackDriver::stepChanged, this, &PracticeWindow::stepChanged);
  // While a mode hides the notes (a drill's question is open), the neck
  // says where, never what: no note, interval or degree.
  m_neck->setDescriber([this](Position p) {
    if (notesHidden()) return QString::fromStdString(DescribePosition(view().tuning, p));
    return QString::fromStdString(DescribeForReader(view(), p));
  });

  resize(1400, 680);
  restoreGeometry(settings.value(QStringLiteral("Practice/geometry")).toByteArray());
  m_splitter->restoreState(settings.value(QStringLiteral("Practice/splitter")).toByteArray());
  choicesChanged();
  m_listening->restore();  // as the user left it, for the tuning chosen
  m_neck->setFocus();
}

PracticeWindow::~PracticeWindow() {
  m_playback.stop();
  // The child widgets outlive the modes and the player; whatever they still
  // signal while they are taken down must not reach them.
  const QObject* senders[] = {m_modes, m_neck, m_controls, &m_playback};
  for (const QObject* sender : senders) disconnect(sender, nullptr, this, nullptr);
}

QWidget* PracticeWindow::buildControlPanel() {
  m_panel = new ControlPanel(m_controls, new ListeningBar(*m_listening));
  m_modes = m_panel->modeArea();
  QSpinBox* length = m_panel->noteLengthBox();
  length->setRange(kMinNoteLengthMs, kMaxNoteLengthMs);
  length->setValue(m_controls->choices().noteLengthMs);
  connect(m_panel, &ControlPanel::playRequested, this, &PracticeWindow::play);
  connect(m_panel, &ControlPanel::strumRequested, this, &PracticeWindow::strum);
  connect(m_panel, &ControlPanel::stopRequested, this, [this] { stopPlaying(); });
  connect(m_panel, &ControlPanel::noteLengthChanged, this, [this](int ms) {
    PracticeChoices choices = m_controls->choices();
    choices.noteLengthMs = ms;
    m_controls->setChoices(choices);
    SavePracticeChoices(m_settings, choices);
  });
  return m_panel;
}

void PracticeWindow::buildMenus() {
  PracticeMenuCalls calls;
  calls.exportPicture = [this] { exportPicture(); };
  calls.close = [this] { close(); };
  calls.play = [this] { play(); };
  calls.strum = [this] { strum(); };
  calls.stop = [this] { stopPlaying(); };
  calls.about = [this] { ShowAboutBox(this, m_about); };
  const PracticeMenuActions actions = BuildPracticeMenus(menuBar(), this, m_controls, calls);
  m_exportAction = actions.exportPicture;
  m_leftHandedAction = actions.leftHanded;
  connect(actions.listen, &QAction::triggered, m_listening, &PracticeListening::setListening);
  connect(m_listening, &PracticeListening::listeningChanged, actions.listen, &QAction::setChecked);
}

std::chrono::milliseconds PracticeWindow::noteLength() const {
  return std::chrono::milliseconds(m_controls->choices().noteLengthMs);
}

void PracticeWindow::report(const QString& message) { statusBar()->showMessage(message, kReportMs); }

void PracticeWindow::setPanelsCollapsed(bool collapsed, const QString& summary) {
  if (collapsed == m_panel->isCollapsed()) {
    m_panel->setCollapsed(collapsed, summary);
    return;
  }
  if (collapsed) m_openSizes = m_splitter->sizes();
  m_panel->setCollapsed(collapsed, summary);
  if (collapsed) {
    // The panel down to what the round needs; the neck takes the rest.
    const int total = m_splitter->height();
    const int panel = std::min(m_panel->sizeHint().height(), total - m_neck->minimumHeight());
    m_splitter->setSizes({total - panel, panel});
  } else if (!m_openSizes.isEmpty()) {
    m_splitter->setSizes(m_openSizes);
  }
  // What the pointer rests on is said again, without the note or with it.
  QToolTip::hideText();
  hovered(m_neck->picture().hover);
}

bool PracticeWindow::notesHidden() const {
  const PracticeMode* mode = currentMode();
  return mode != nullptr && mode->hidesNotes();
}

void PracticeWindow::resizeEvent(QResizeEvent* event) {
  // The neck keeps two fifths of the window, whatever the panel below asks.
  m_neck->setMinimumHeight((height() * 2 + 4) / 5);
  QMainWindow::resizeEvent(event);
}

void PracticeWindow::addMode(std::unique_ptr<PracticeMode> mode) {
  PracticeMode& added = *m_ownedModes.emplace_back(std::move(mode));
  QWidget* page = added.page();
  page->setAccessibleName(QString(added.title()).remove(QLatin1Char('&')));
  // The first tab becomes current as it is added, which modeChanged() sees.
  m_panel->addModePage(page, added.title());
}

void PracticeWindow::modeChanged() {
  PracticeMode* current = currentMode();
  for (auto& mode : m_ownedModes) {
    if (mode.get() != current) mode->setActive(false);
  }
  stopPlaying();
  if (current != nullptr) current->setActive(true);
  showOnNeck();
}

PracticeMode* PracticeWindow::currentMode() const {
  const int index = m_modes != nullptr ? m_modes->currentIndex() : -1;
  if (index < 0 || index >= static_cast<int>(m_ownedModes.size())) return nullptr;
  return m_ownedModes[index].get();
}

void PracticeWindow::choicesChanged() {
  const PracticeChoices& choices = m_controls->choices();
  SavePracticeChoices(m_settings, choices);
  m_leftHandedAction->setChecked(choices.view.leftHanded);
  m_listening->setStrings(choices.view.tuning);
  stopPlaying();
  // The neck keeps its overlays; the mode then sets its own marks.
  m_neck->setPicture(PictureOfView(view()));
  showOnNeck();
}

void PracticeWindow::showOnNeck() {
  if (PracticeMode* mode = currentMode()) mode->showOnNeck();
}

void PracticeWindow::playShown() {  // a chosen position alone, not the faded notes around it
  const std::vector<SoundedPosition> walk = PositionWalk(view());
  playPositions(walk.empty() ? MarkedNotes(BuildMarks(view())) : walk);
}

void PracticeWindow::strumShown() { strumPositions(ChordVoicing(view())); }

void PracticeWindow::play() {
  if (PracticeMode* mode = currentMode(); mode == nullptr || !mode->play()) playShown();
}

void PracticeWindow::strum() {
  if (PracticeMode* mode = currentMode(); mode == nullptr || !mode->strum()) strumShown();
}

void PracticeWindow::stepChanged(int step) {
  if (step >= 0) m_neck->setHighlights(m_playback.schedule().Steps()[step].marks, kPlayingRing);
  if (step < 0) m_neck->clearHighlights();
}

void PracticeWindow::hovered(std::optional<Position> position) {
  if (!position) {
    statusBar()->clearMessage();
    QToolTip::hideText();
    return;
  }
  const QString text = QString::fromStdString(
      notesHidden() ? DescribePosition(view().tuning, *position) : DescribeForHover(view(), *position));
  statusBar()->showMessage(text);
  const NeckPoint c = m_neck->layout().Centre(*position);
  QToolTip::showText(m_neck->mapToGlobal(QPoint(static_cast<int>(c.x), static_cast<int>(c.y))),
                     text, m_neck);
}

bool PracticeWindow::exportPictureTo(const QString& path, QString* error) {
  return ExportNeckPicture(*m_neck, QString::fromStdString(view().Title()), path, error);
}

void PracticeWindow::exportPicture() {
  AskAndExportNeckPicture(this, *m_neck, QString::fromStdString(view().Title()));
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
  stopPlaying();
  for (auto& mode : m_ownedModes) mode->closing();
  m_settings.setValue(QStringLiteral("Practice/geometry"), saveGeometry());
  m_settings.setValue(QStringLiteral("Practice/splitter"), m_splitter->saveState());
  m_settings.sync();
  QMainWindow::closeEvent(event);
}

}  // namespace fretlab
