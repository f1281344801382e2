#include "ui/practice/drill_mode.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <sstream>

#include "sound/backends/alsa_midi_input.h"
#include "ui/practice/neck_widget.h"
#include "ui/practice/practice_window.h"
#include "ui/practice/progress_panel.h"

namespace fretlab {

using namespace practice;

namespace {

// Semitones above the root 0..11, for the buttons of degrees outside the key.
const char* const kChromaticDegrees[12] = {"R", "♭2", "2", "♭3", "3", "4",
                                           "♭5", "5", "♭6", "6", "♭7", "7"};

constexpr int kFlashMs = 700;
const QColor kRight(0, 158, 115);   // the palette's bluish green
const QColor kWrong(213, 94, 0);    // and its vermilion

bool AsksAName(QuestionKind kind) {
  return kind == QuestionKind::kNameNote || kind == QuestionKind::kNameDegree;
}

QString PositionText(Position p) {
  return DrillMode::tr("string %1 fret %2").arg(p.string + 1).arg(p.fret);
}

}  // namespace

std::optional<std::uint32_t> ParseStringSet(const QString& text, int stringCount) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t.compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0) return kAllStrings;
  std::uint32_t mask = 0;
  static const QRegularExpression kPart(QStringLiteral("^(\\d+)(?:\\s*[-–]\\s*(\\d+))?$"));
  for (const QString& part : t.split(QLatin1Char(','))) {
    const auto m = kPart.match(part.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const int from = m.captured(1).toInt();
    const int to = m.captured(2).isEmpty() ? from : m.captured(2).toInt();
    if (from < 1 || to > stringCount || from > to) return std::nullopt;
    for (int s = from; s <= to; ++s) mask |= 1u << (s - 1);
  }
  return mask;
}

DrillMode::DrillMode(PracticeWindow& window) : PracticeMode(window) {
  m_clock.setInterval(1000);
  connect(&m_clock, &QTimer::timeout, this, [this] { session().CheckTime(); });
}

DrillMode::~DrillMode() {
  if (m_session) m_session->AttachMidi(nullptr);
  m_midi.reset();
}

PracticeSession& DrillMode::session() {
  if (!m_session) useHistory(std::make_unique<HistoryThread>(HistoryStore::DefaultPath()));
  return *m_session;
}

void DrillMode::closing() {
  if (m_session && m_session->history()) m_session->history()->Flush();
}

void DrillMode::useHistory(std::unique_ptr<HistoryThread> history) {
  if (m_session) m_session->AttachMidi(nullptr);
  PracticeSession::Callbacks callbacks{
      [this](const Feedback& f) { answered(f); }, [this](const Summary& s) { finished(s); },
      [this](const QString& message) {
        if (m_message) announce(m_message, message);
      }};
  m_session = std::make_unique<PracticeSession>(std::move(history), QRandomGenerator::global()->generate64(),
                                                std::move(callbacks));
  m_session->AttachMidi(m_midi.get());
}

void DrillMode::useMidiInput(std::unique_ptr<MidiInput> input) {
  session().AttachMidi(nullptr);
  m_midi = std::move(input);
  session().AttachMidi(m_midi.get());
}

bool DrillMode::openMidiInput(const QString& name) {
  std::ostringstream diagnostics;
  std::unique_ptr<AlsaMidiInput> input = AlsaMidiInput::Create(name.toStdString(), diagnostics);
  page();
  if (!input) {
    announce(m_message, QString::fromStdString(diagnostics.str()).trimmed());
    return false;
  }
  announce(m_message, tr("Notes from the MIDI port %1 answer.").arg(QString::fromStdString(input->portName())));
  useMidiInput(std::move(input));
  return true;
}

QuestionKind DrillMode::kind() const {
  return static_cast<QuestionKind>(m_drill != nullptr ? std::max(0, m_drill->currentIndex()) : 0);
}

bool DrillMode::running() const { return m_session && m_session->Running(); }

DrillSetup DrillMode::currentSetup() const {
  const PracticeView view = window().view();
  NeckArea area = view.Area();
  area.strings = ParseStringSet(m_strings->text(), view.tuning.StringCount()).value_or(kAllStrings);
  KeySpelling key = view.Key();
  const std::string name = view.kind == ChoiceKind::kScale
                               ? view.ChoiceText()
                               : NoteName(key.Root()) + std::string(view.Entry().shortName);
  return DrillSetup(view.tuning, area, std::move(key), name);
}

void DrillMode::start() {
  page();
  announce(m_summary, QString());
  announce(m_feedback, QString());
  if (!ParseStringSet(m_strings->text(), window().view().tuning.StringCount())) {
    announce(m_feedback, tr("Strings: give numbers from 1 (the thinnest) such as 1-3, 5, or leave it empty for all."));
    return;
  }
  window().stopPlaying();
  if (!session().Start(kind(), currentSetup(), {m_questions->value(), m_minutes->value()})) {
    announce(m_prompt, tr("Nothing to ask within these strings, frets and notes."));
    showOnNeck();
    return;
  }
  if (m_minutes->value() > 0) m_clock.start();
  ask();
}

void DrillMode::ask() {
  const Question& q = session().round()->Current();
  const DrillSetup& setup = session().round()->Setup();
  m_marked.clear();
  announce(m_prompt, QString::fromStdString(q.prompt));
  const bool names = AsksAName(q.kind);
  for (int pc = 0; pc < 12; ++pc) {
    auto* button = static_cast<QPushButton*>(m_buttons->itemAt(pc)->widget());
    const int note = setup.key.Root().PitchClass() + pc;
    std::string label = q.kind == QuestionKind::kNameDegree ? DegreeNameInKey(setup, note)
                                                             : NoteNameInKey(setup, pc);
    if (label.empty()) label = kChromaticDegrees[pc];  // a degree outside the key
    button->setText(QString::fromStdString(label));
    button->setEnabled(names);
  }
  m_answer->setEnabled(names);
  m_replay->setEnabled(q.kind == QuestionKind::kEarToNeck);
  if (q.kind == QuestionKind::kEarToNeck) soundEarQuestion(m_missedNote);
  m_missedNote.reset();
  showOnNeck();
  if (names) {
    m_answer->setFocus();
  } else {
    window().neck()->setFocus();
  }
}

void DrillMode::soundEarQuestion(std::optional<int> missed) {
  if (!running() || session().round()->Current().kind != QuestionKind::kEarToNeck) return;
  const Question& q = session().round()->Current();
  const auto step = std::chrono::milliseconds(window().controls()->choices().noteLengthMs * 3);
  std::vector<PlaybackStep> steps;
  if (missed) steps.push_back({{*missed}, {}});
  if (m_reference->isChecked()) {
    // The root at or below the note, within an octave: what is heard is
    // the note's degree in the key, and its octave is still to be found.
    const int root = session().round()->Setup().key.Root().PitchClass();
    steps.push_back({{q.pitch - ((q.pitch - root) % 12 + 12) % 12}, {}});
    // A rest of a note's length, so that the two are heard apart.
    steps.push_back({{}, {}, {}, step / 3});
  }
  steps.push_back({{q.pitch}, {}});
  window().playback().play(PlaybackSchedule::Sequence(std::move(steps), step));
}

void DrillMode::announce(QLabel* label, const QString& text) {
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

void DrillMode::soundUnmarked(const std::vector<int>& notes) {
  // One after another, with no ring on the neck to give their places away.
  std::vector<PlaybackStep> steps;
  for (int note : notes) steps.push_back({{note}, {}});
  window().playback().play(PlaybackSchedule::Sequence(
      std::move(steps), std::chrono::milliseconds(window().controls()->choices().noteLengthMs * 3)));
}

void DrillMode::give(const Answer& answer) {
  if (m_session && m_session->round()) m_session->Give(answer);
}

void DrillMode::answered(const Feedback& fb) {
  if (m_page == nullptr || fb.checked.verdict == Verdict::kUnreadable) return;
  const Question& q = fb.question;
  const std::optional<Position> where = fb.checked.position;
  const QString time = tr("%1 s").arg(fb.ms / 1000.0, 0, 'f', 1);
  QString text;
  switch (fb.checked.verdict) {
    case Verdict::kRight:
      text = fb.checked.enharmonic ? tr("Right (%1), written %2 in this key.")
                                         .arg(time, QString::fromStdString(fb.record->asked))
                                   : tr("Right (%1).").arg(time);
      break;
    case Verdict::kOctave:
      text = tr("The right note, but an octave off (%1).").arg(time);
      break;
    case Verdict::kAgain:
      text = tr("Found already.");
      break;
    default:
      text = tr("Wrong (%1): it was %2.").arg(time, QString::fromStdString(fb.record->asked));
  }
  announce(m_feedback, text);
  if (where) window().neck()->flash(*where, fb.checked.verdict == Verdict::kRight ? kRight : kWrong, kFlashMs);
  // The right note sounds: the one found, the one named, or the one heard.
  if (fb.checked.verdict == Verdict::kRight && where) {
    window().soundPosition(*where);
    if (!fb.questionDone) m_marked.push_back(*where);
  } else if (AsksAName(q.kind) && q.shown) {
    window().soundPosition(*q.shown);
  } else if (q.kind == QuestionKind::kEarToNeck) {
    m_missedNote = q.pitch;  // heard again before the next question's note
    if (fb.roundDone) soundUnmarked({q.pitch});
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
  m_replay->setEnabled(false);
  QString text = tr("Round over: %1 of %2 answers right (%3 %), median %4 s.")
                     .arg(s.right)
                     .arg(s.answers)
                     .arg(qRound(100 * s.accuracy))
                     .arg(s.medianMs / 1000.0, 0, 'f', 1);
  QStringList slow, missed;
  for (const PositionSummary& p : s.slowest) {
    slow << tr("%1 (%2 s)").arg(PositionText(p.position)).arg(p.medianMs / 1000.0, 0, 'f', 1);
  }
  for (const PositionSummary& p : s.mostMissed) {
    missed << tr("%1 (%n missed)", nullptr, p.misses).arg(PositionText(p.position));
  }
  if (!slow.isEmpty()) text += QLatin1Char('\n') + tr("Slowest: %1.").arg(slow.join(QStringLiteral(", ")));
  if (!missed.isEmpty()) text += QLatin1Char('\n') + tr("Most missed: %1.").arg(missed.join(QStringLiteral(", ")));
  announce(m_summary, text);
  announce(m_prompt, tr("Start another round when you are ready."));
  showOnNeck();
}

void DrillMode::showOnNeck() {
  NeckWidget& neck = *window().neck();
  neck.setMuted({});
  if (m_sections != nullptr && m_sections->currentIndex() == 1) {
    neck.setMarks({});
    m_progress->showOn(neck);
    return;
  }
  if (m_progress != nullptr) m_progress->stopShowing();
  neck.clearHeat();
  std::vector<NeckMark> marks;
  if (running()) {
    const Question& q = session().round()->Current();
    const DrillSetup& setup = session().round()->Setup();
    auto markAt = [&](Position p, std::string label) {
      NeckMark m;
      m.position = p;
      m.note = PitchAt(setup, p);
      m.label = std::move(label);
      m.fill = {240, 228, 66};  // the palette's yellow
      marks.push_back(m);
    };
    if (q.shown) markAt(*q.shown, "?");
    for (const Position& p : m_marked) markAt(p, NoteNameInKey(setup, PitchAt(setup, p)));
  }
  neck.setMarks(std::move(marks));
}

void DrillMode::deactivate() {
  if (m_progress != nullptr) m_progress->stopShowing();
  window().neck()->clearHeat();
}

void DrillMode::positionClicked(Position position) {
  if (!running() || AsksAName(session().round()->Current().kind)) return;
  give(Answer::At(position));
}

}  // namespace fretlab
