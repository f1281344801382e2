#include "ui/practice/drill_mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <sstream>

#include "practice/question_sound.h"
#include "practice/string_set.h"
#include "ui/practice/drill_page.h"
#include "ui/practice/drill_texts.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/playback_driver.h"
#include "ui/practice/progress_panel.h"

namespace fretlab {

using namespace practice;

namespace {

constexpr int kFlashMs = 700;
const QColor kRight(0, 158, 115);   // the palette's bluish green
const QColor kWrong(213, 94, 0);    // and its vermilion
constexpr Rgb kMarked{240, 228, 66};  // and its yellow
const QString kReferenceKey = QStringLiteral("Practice/earReference");

}  // namespace

DrillMode::DrillMode(PracticeHost& host, DrillServices services)
    : PracticeMode(host),
      m_services(std::move(services)),
      m_session(QRandomGenerator::global()->generate64(),
                {[this](const Feedback& f) { answered(f); }, [this](const Summary& s) { finished(s); }}),
      m_midi([this](int note) { give(Answer::Pitch(note)); }) {
  m_clock.setInterval(1000);
  connect(&m_clock, &QTimer::timeout, this, [this] { m_session.CheckTime(); });
}

DrillMode::~DrillMode() { m_midi.use(nullptr); }

QWidget* DrillMode::page() {
  if (m_page != nullptr) return m_page;
  m_progress = new ProgressPanel(
      [this] { return history(); }, [this] { return TuningNotesText(host().view().tuning); },
      [this] { return std::string(DrillKey(kind())); });
  std::ostringstream quiet;  // no sequencer: said when the user picks a port
  m_page = new DrillPage(DrillNames(),
                         m_services.midiPorts ? m_services.midiPorts(quiet) : std::vector<std::string>{},
                         m_progress);
  m_page->setNameButtons(PlainNoteNames(), false);
  m_page->referenceBox()->setChecked(host().settings().value(kReferenceKey, false).toBool());

  connect(m_page->startButton(), &QPushButton::clicked, this, &DrillMode::start);
  connect(m_page->replayButton(), &QPushButton::clicked, this, [this] { soundEarQuestion(std::nullopt); });
  connect(m_page->referenceBox(), &QCheckBox::toggled, this,
          [this](bool on) { host().settings().setValue(kReferenceKey, on); });
  connect(m_page, &DrillPage::answerGiven, this,
          [this](const QString& text) { give(Answer::Text(text.toStdString())); });
  connect(m_page->midiBox(), &QComboBox::activated, this, [this](int index) {
    if (index == 0) {
      useMidiInput(nullptr);
      m_page->messageLabel()->clear();
    } else {
      openMidiInput(index == 1 ? QString() : m_page->midiBox()->itemText(index));
    }
  });
  connect(m_page->sections(), &QTabWidget::currentChanged, this, [this] { showOnNeck(); });
  connect(m_progress, &ProgressPanel::changed, this, [this] { showOnNeck(); });
  return m_page;
}

void DrillMode::activated() {
  // Coming to the drills, the keyboard starts at the choice of drill; the
  // controls then follow in Tab order down to Start.
  m_page->drillBox()->setFocus(Qt::TabFocusReason);
}

void DrillMode::closing() {
  if (m_history) m_history->Flush();
}

HistoryThread* DrillMode::openHistory() {
  if (!m_history && m_services.openHistory) {
    if (std::unique_ptr<HistoryThread> opened = m_services.openHistory()) useHistory(std::move(opened));
  }
  return m_history.get();
}

void DrillMode::useHistory(std::unique_ptr<HistoryThread> history) {
  m_history = std::move(history);
  if (m_history) m_history->SetMessageHandler([this](const QString& message) { showMessage(message); });
  m_session.UseLog(m_history.get());
}

void DrillMode::useMidiInput(std::unique_ptr<MidiInput> input) { m_midi.use(std::move(input)); }

MidiChoice DrillMode::openMidiInput(const QString& name) {
  page();
  std::ostringstream diagnostics;
  std::string portName;
  std::unique_ptr<MidiInput> input =
      m_services.openMidi ? m_services.openMidi(name.toStdString(), diagnostics, portName) : nullptr;
  MidiChoice choice;
  if (input) {
    useMidiInput(std::move(input));
    choice = {true, tr("Notes from the MIDI port %1 answer.").arg(QString::fromStdString(portName))};
  } else {
    choice = {false, QString::fromStdString(diagnostics.str()).trimmed()};
  }
  showMessage(choice.message);
  return choice;
}

void DrillMode::showMessage(const QString& message) {
  if (m_page != nullptr) DrillPage::announce(m_page->messageLabel(), message);
}

QuestionKind DrillMode::kind() const {
  return static_cast<QuestionKind>(m_page != nullptr ? std::max(0, m_page->drillBox()->currentIndex()) : 0);
}

DrillSetup DrillMode::currentSetup() const {
  const PracticeView view = host().view();
  NeckArea area = view.Area();
  area.strings = ParseStringSet(m_page->stringsField()->text().toStdString(), view.tuning.StringCount())
                     .value_or(kAllStrings);
  KeySpelling key = view.Key();
  const std::string name = view.kind == ChoiceKind::kScale
                               ? view.ChoiceText()
                               : NoteName(key.Root()) + std::string(view.Entry().shortName);
  return DrillSetup(view.tuning, area, std::move(key), name);
}

void DrillMode::start() {
  page();
  DrillPage::announce(m_page->summaryLabel(), QString());
  DrillPage::announce(m_page->feedbackLabel(), QString());
  if (!ParseStringSet(m_page->stringsField()->text().toStdString(), host().view().tuning.StringCount())) {
    DrillPage::announce(m_page->feedbackLabel(), tr("Strings: give numbers from 1 (the thinnest) such as "
                                                    "1-3, 5, or leave it empty for all."));
    return;
  }
  host().stopPlaying();
  openHistory();
  if (!m_session.Start(kind(), currentSetup(), {m_page->questionsBox()->value(), m_page->minutesBox()->value()})) {
    DrillPage::announce(m_page->promptLabel(), tr("Nothing to ask within these strings, frets and notes."));
    showOnNeck();
    return;
  }
  if (m_page->minutesBox()->value() > 0) m_clock.start();
  ask();
}

void DrillMode::ask() {
  const Question& q = m_session.round()->Current();
  m_marked.clear();
  DrillPage::announce(m_page->promptLabel(), QString::fromStdString(q.prompt));
  const bool names = AsksForName(q.kind);
  m_page->setNameButtons(AnswerButtonLabels(q.kind, m_session.round()->Setup()), names);
  m_page->answerField()->setEnabled(names);
  m_page->replayButton()->setEnabled(q.kind == QuestionKind::kEarToNeck);
  if (q.kind == QuestionKind::kEarToNeck) soundEarQuestion(m_missedNote);
  m_missedNote.reset();
  showOnNeck();
  if (names) {
    m_page->answerField()->setFocus();
  } else {
    host().neck().setFocus();
  }
}

void DrillMode::soundEarQuestion(std::optional<int> missed) {
  if (!running() || m_session.round()->Current().kind != QuestionKind::kEarToNeck) return;
  const EarQuestionSound sound{m_page->referenceBox()->isChecked(), missed};
  host().player().play(EarQuestionSchedule(m_session.round()->Current(),
                                           m_session.round()->Setup().key.Root().PitchClass(), sound,
                                           host().noteLength()));
}

void DrillMode::give(const Answer& answer) {
  if (m_session.round() != nullptr) m_session.Give(answer);
}

void DrillMode::answered(const Feedback& fb) {
  if (m_page == nullptr || fb.checked.verdict == Verdict::kUnreadable) return;
  const Question& q = fb.question;
  const std::optional<Position> where = fb.checked.position;
  DrillPage::announce(m_page->feedbackLabel(), FeedbackText(fb));
  if (where) host().neck().flash(*where, fb.checked.verdict == Verdict::kRight ? kRight : kWrong, kFlashMs);
  // The right note sounds: the one found, the one named, or the one heard.
  if (fb.checked.verdict == Verdict::kRight && where) {
    host().soundPosition(*where);
    if (!fb.questionDone) m_marked.push_back(*where);
  } else if (AsksForName(q.kind) && q.shown) {
    host().soundPosition(*q.shown);
  } else if (q.kind == QuestionKind::kEarToNeck) {
    m_missedNote = q.pitch;  // heard again before the next question's note
    if (fb.roundDone) host().player().play(UnmarkedNotes({q.pitch}, host().noteLength()));
  }
  if (fb.questionDone && !fb.roundDone) {
    ask();
  } else {
    showOnNeck();
  }
}

void DrillMode::finished(const Summary& s) {
  m_clock.stop();
  if (m_page == nullptr) return;
  m_page->replayButton()->setEnabled(false);
  DrillPage::announce(m_page->summaryLabel(), SummaryText(s));
  DrillPage::announce(m_page->promptLabel(), tr("Start another round when you are ready."));
  showOnNeck();
}

void DrillMode::showOnNeck() {
  NeckWidget& neck = host().neck();
  neck.setMuted({});
  if (m_page != nullptr && m_page->sections()->currentIndex() == 1) {
    neck.setMarks({});
    openHistory();
    m_progress->showOn(neck);
    return;
  }
  if (m_progress != nullptr) m_progress->stopShowing();
  neck.clearHeat();
  std::vector<NeckMark> marks;
  if (running()) {
    const Question& q = m_session.round()->Current();
    const DrillSetup& setup = m_session.round()->Setup();
    auto markAt = [&](Position p, std::string label) {
      NeckMark m;
      m.position = p;
      m.note = PitchAt(setup, p);
      m.label = std::move(label);
      m.fill = kMarked;
      marks.push_back(m);
    };
    if (q.shown) markAt(*q.shown, "?");
    for (const Position& p : m_marked) markAt(p, NoteNameInKey(setup, PitchAt(setup, p)));
  }
  neck.setMarks(std::move(marks));
}

void DrillMode::deactivate() {
  if (m_progress != nullptr) m_progress->stopShowing();
  host().neck().clearHeat();
}

void DrillMode::positionClicked(Position position) {
  if (!running() || AsksForName(m_session.round()->Current().kind)) return;
  give(Answer::At(position));
}

}  // namespace fretlab
