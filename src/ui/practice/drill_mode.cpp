#include "ui/practice/drill_mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>

#include "practice/drill_marks.h"
#include "practice/round_setup.h"
#include "theory/note_naming.h"
#include "ui/practice/drill_choice.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/drill_sounds.h"
#include "ui/practice/drill_texts.h"
#include "ui/practice/ear_choice.h"
#include "ui/practice/ear_texts.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/progress_panel.h"
#include "ui/practice/round_panel.h"

namespace fretlab {

using namespace practice;

namespace {

constexpr int kFlashMs = 700;
QColor ToQ(Rgb c) { return QColor(c.red, c.green, c.blue); }
}  // namespace

DrillMode::DrillMode(PracticeHost& host, DrillServices services)
    : PracticeMode(host),
      m_session(QRandomGenerator::global()->generate64(),
                {[this](const Feedback& f) { answered(f); }, [this](const Summary& s) { finished(s); }}),
      m_resources(
          std::move(services), [this](int note) { give(Answer::Pitch(note)); },
          [this](const QString& message) {
            if (m_round != nullptr) RoundPanel::announce(m_round->messageLabel(), message);
          }) {
  m_resources.onHistory([this](HistoryThread* history) { m_session.UseLog(history); });
  m_clock.setInterval(1000);
  connect(&m_clock, &QTimer::timeout, this, [this] { m_session.CheckTime(); });
  m_goOn.setSingleShot(true);
  connect(&m_goOn, &QTimer::timeout, this, &DrillMode::next);
}

QWidget* DrillMode::page() {
  if (m_page != nullptr) return m_page;
  m_progress = new ProgressPanel([this] { return history(); },
                                 [this] { return TuningNotesText(host().view().tuning); }, DrillNames());
  m_page = new DrillPage(DrillNames(), m_resources.midiPorts(), m_progress, host().settings());
  m_choice = m_page->choice();
  m_round = m_page->round();
  m_round->setNameButtons(PlainNoteNames(), false);
  connectPage();
  return m_page;
}

void DrillMode::connectPage() {
  connect(m_choice->startButton(), &QPushButton::clicked, this, &DrillMode::start);
  connect(m_round->stopButton(), &QPushButton::clicked, this, [this] { stop(tr("Round stopped.")); });
  connect(m_round->nextButton(), &QPushButton::clicked, this, &DrillMode::next);
  connect(m_round->replayButton(), &QPushButton::clicked, this, &DrillMode::soundEarQuestion);
  connect(m_round->checkButton(), &QPushButton::clicked, this,
          [this] { give(Answer::Voicing(m_voicing.Frets(), m_voicingBy)); });
  connect(m_round, &RoundPanel::answerGiven, this, [this](const QString& text, AnswerInput by) {
    // A name in the letters the window shows them in; checked in English.
    const NamingSystem names = m_session.round()->Setup().noteNames;
    if (!m_reviewing) give(Answer::Text(AsEnglishName(text.toStdString(), names), by));
  });
  connect(m_choice->midiBox(), &QComboBox::activated, this,
          [this](int row) { m_resources.chooseMidiInput(row, m_choice->midiBox()->itemText(row)); });
  connect(m_page->sections(), &QTabWidget::currentChanged, this, [this] { showOnNeck(); });
  connect(m_progress, &ProgressPanel::changed, this, [this] { showOnNeck(); });
}

void DrillMode::closing() {
  if (history() != nullptr) history()->Flush();
}

void DrillMode::activated() {
  // Coming to the drills, the keyboard starts at the choice of drill, or in a
  // round at its answer; the controls then follow in Tab order.
  if (!running()) m_choice->drillBox()->setFocus(Qt::TabFocusReason);
}

QuestionKind DrillMode::kind() const { return m_choice != nullptr ? m_choice->kind() : QuestionKind::kFindNote; }

DrillSetup DrillMode::currentSetup() const {
  const PracticeView view = host().view();
  DrillSetup setup = SetupOfView(view, m_choice->strings(view.tuning.StringCount()).value_or(kAllStrings));
  setup.ear = m_page->ear()->options();
  setup.ear.seed = m_earSeed;
  return setup;
}

void DrillMode::start() {
  page();
  m_reviewing = false;
  m_goOn.stop();
  for (QLabel* label : {m_round->summaryLabel(), m_round->feedbackLabel()}) RoundPanel::announce(label, {});
  if (!m_choice->strings(host().view().tuning.StringCount())) {
    RoundPanel::announce(m_round->feedbackLabel(), tr("Strings: give numbers from 1 (the thinnest) such as "
                                                    "1-3, 5, or leave it empty for all."));
    return;
  }
  host().stopPlaying();
  m_resources.openHistory();
  // A new round, new phrases for the scales.
  m_earSeed = QRandomGenerator::global()->generate64();
  const RoundLimit limit = m_choice->limit();
  const DrillSetup setup = currentSetup();
  if (!m_session.Start(kind(), setup, limit)) {
    RoundPanel::announce(m_round->promptLabel(), tr("Nothing to ask within these strings, frets and notes."));
    showOnNeck();
    return;
  }
  m_page->setRunning(true, &host().neck());
  host().setPanelsCollapsed(true, RoundTitle(m_choice->drillBox()->currentText(), host().view().Title(), setup));
  if (limit.minutes > 0) m_clock.start();
  ask();
}

void DrillMode::stop(const QString& why) {
  if (!running()) return;
  m_session.Stop();
  RoundPanel::announce(m_round->feedbackLabel(), why);
}

void DrillMode::ask() {
  const Question& q = m_session.round()->Current();
  m_marked.clear();
  m_voicing.Reset(m_session.round()->Setup().tuning.StringCount());
  m_round->checkButton()->setVisible(AnswersByVoicing(q));
  const bool names = AnswersByName(q);
  const bool heard = q.kind == QuestionKind::kEarToNeck || IsEarTraining(q.kind);
  m_round->setButtonColumns(IsEarTraining(q.kind) ? EarButtonColumns(q.kind) : 12);
  m_round->setTypedHint(IsEarTraining(q.kind) ? EarTypedHint(q.kind) : QString());
  m_round->showQuestion(PromptText(q, m_session.round()->Setup()), AnswerButtonLabels(q.kind, m_session.round()->Setup()),
                       names, heard);
  if (heard) soundEarQuestion();
  showOnNeck();
  names ? m_round->answerField()->setFocus() : host().neck().setFocus();
}

void DrillMode::next() {
  if (!m_reviewing) return;
  m_reviewing = false;
  m_goOn.stop();
  m_reviewMarks.clear();
  if (!running()) return;
  m_session.Present();
  RoundPanel::announce(m_round->feedbackLabel(), {});
  ask();
}

void DrillMode::soundEarQuestion() {
  if (running()) SoundQuestion(host(), *m_session.round(), m_choice->referenceBox()->isChecked());
}

bool DrillMode::play() {
  if (!running()) return false;
  if (!m_reviewing) soundEarQuestion();
  return true;
}

void DrillMode::give(const Answer& answer) {
  if (m_session.round() != nullptr && !m_reviewing) m_session.Give(answer);
}

void DrillMode::answered(const Feedback& fb) {
  if (m_page == nullptr || fb.checked.verdict == Verdict::kUnreadable) return;
  if (fb.missed) return review(fb);
  RoundPanel::announce(m_round->feedbackLabel(), FeedbackText(fb));
  const std::optional<Position> where = fb.checked.position;
  if (where) host().neck().flash(*where, ToQ(fb.checked.verdict == Verdict::kRight ? kRightColour : kWrongColour), kFlashMs);
  SoundRightAnswer(host(), fb);
  if (fb.checked.verdict == Verdict::kRight && where && !fb.questionDone) m_marked.push_back(*where);
  fb.questionDone && !fb.roundDone ? ask() : showOnNeck();
}

void DrillMode::review(const Feedback& fb) {
  const DrillSetup& setup = m_session.round()->Setup();
  const Miss miss = ExplainMiss(fb, setup);
  m_reviewing = true;
  m_reviewMarks = MissMarks(miss, setup);
  SoundMiss(host(), fb, miss, setup);
  m_round->showMiss(MissFeedback(miss, fb), fb.roundDone);
  showOnNeck();
  if (fb.roundDone) return;
  if (const int seconds = m_choice->goOnBox()->value(); seconds > 0) m_goOn.start(seconds * 1000);
}

void DrillMode::finished(const Summary& s) {
  m_clock.stop();
  m_goOn.stop();
  if (m_page == nullptr) return;
  host().setPanelsCollapsed(false, {});
  m_page->setRunning(false);
  m_round->showRoundOver(SummaryText(s));
  m_choice->startButton()->setFocus();
  showOnNeck();
}

void DrillMode::showOnNeck() {
  NeckWidget& neck = host().neck();
  neck.setMuted({});
  if (running() && !SameRound(currentSetup(), m_session.round()->Setup())) {
    // Changed from the menu's shortcuts: this round was about something else.
    stop(tr("The round ended: what it asks about changed."));
    return;
  }
  if (m_page != nullptr && m_page->sections()->currentIndex() == 1) {
    m_resources.openHistory();
    m_progress->showOn(neck);
    return;
  }
  if (m_progress != nullptr) m_progress->stopShowing();
  neck.clearHeat();
  const bool round = (running() || m_reviewing) && m_session.round() != nullptr;
  neck.setStringsInPlay(round ? m_session.round()->Setup().area.strings : kAllStrings);
  std::vector<NeckMark> marks = m_reviewing ? m_reviewMarks : std::vector<NeckMark>{};
  if (running() && !m_reviewing) {
    marks = QuestionMarks(m_session.round()->Current(), m_session.round()->Setup(), m_marked);
  }
  neck.setMarks(std::move(marks));
}

void DrillMode::deactivate() {
  if (m_progress != nullptr) m_progress->stopShowing();
  host().neck().clearHeat();
  host().neck().setStringsInPlay(kAllStrings);
}

void DrillMode::answerAt(Position position, AnswerInput input) {
  if (!running() || m_reviewing || AnswersByName(m_session.round()->Current())) return;
  if (!AnswersByVoicing(m_session.round()->Current())) return give(Answer::At(position, input));
  // One note a string, each heard as it is set; Check gives the voicing.
  m_voicingBy = input;
  if (m_voicing.Toggle(position)) host().soundPosition(position);
  m_marked = m_voicing.Chosen();
  showOnNeck();
}

}  // namespace fretlab
