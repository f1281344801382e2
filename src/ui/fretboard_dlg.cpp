// The main window: building its controls and menu and wiring them to the
// command table, its start state, the core's view of it, and its ending.

#include "ui/fretboard_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "theory/tables.h"
#include "ui/client_area.h"
#include "ui/dialog_units.h"
#include "ui/event_loop_timing.h"
#include "ui/fretboard_view.h"
#include "ui/main_menu.h"
#include "ui/resources.h"

namespace fretlab {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <std::size_t N>
void AddStrings(CComboList& list, const std::array<std::string_view, N>& texts) {
  for (std::string_view text : texts) list.AddString(Text(text));
}

}  // namespace

CFretboardDlg::CFretboardDlg(MidiOutput& output, Timing timing, Prompts* prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_player(output, StoppableTiming(std::move(timing))),
      m_ownPrompts(prompts == nullptr ? std::make_unique<MessageBoxPrompts>(this) : nullptr),
      m_prompts(prompts == nullptr ? *m_ownPrompts : *prompts),
      m_files(m_nChordCount, m_prompts),
      m_inputHold(
          *this, [this] { return m_bBusy; },
          [this](HeldEvent held) { Hold(std::move(held)); },
          [this] { return StopDisplay(); }) {
  InitResources();
  m_hIcon.addFile(QStringLiteral(":/icons/fretlab-16.png"));
  m_hIcon.addFile(QStringLiteral(":/icons/fretlab.png"));
  m_hIcon.addFile(QStringLiteral(":/icons/fretlab-64.png"));
  setWindowTitle(QStringLiteral("Fretlab"));

  // The menu bar takes room of its own; the client area of fixed size sits
  // under it, and every pixel position is relative to the client area.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* menuBar = new QMenuBar(this);
  menuBar->setNativeMenuBar(false);
  BuildMainMenu(*menuBar, [this](int id) { SendCommand(id); });
  layout->setMenuBar(menuBar);
  m_client = new CClientArea(this);
  m_client->setObjectName(QStringLiteral("clientArea"));
  layout->addWidget(m_client);
  connect(m_client, &CClientArea::MouseMoved, this,
          [this](QPoint point) { Dispatch(Input::MouseMove, 0, 0, point); });
  // The note a click sounds starts at the click, not after the work of
  // finding it and drawing its marker.
  connect(m_client, &CClientArea::LeftButtonPressed, this, [this](QPoint point) {
    m_player.Asked();
    Dispatch(Input::LButtonDown, 0, 0, point);
  });

  BuildControls();
  OnInitDialog();
}

CFretboardDlg::~CFretboardDlg() = default;

void CFretboardDlg::BuildControls() {
  QFont font = m_client->font();
  font.setPixelSize(11);  // 8 points at 96 dots per inch, the size the layout is drawn for
  m_client->setFont(font);

  auto place = [this](QWidget& control, const char* name, QRect rect) {
    control.setParent(m_client);
    control.setObjectName(QString::fromLatin1(name));
    control.setGeometry(rect);
  };
  auto label = [this](const char* caption, QRect rect, Qt::Alignment alignment) {
    auto* text = new QLabel(QString::fromUtf8(caption), m_client);
    text->setGeometry(rect);
    text->setAlignment(alignment | Qt::AlignTop);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
  };
  // In this order, which is also the stacking and tab order.
  m_view = new CFretboardView(m_client);
  m_view->setObjectName(QStringLiteral("fretboard"));
  m_view->move(kPictureOrigin);
  place(m_scaleList, "scaleList", DialogRect(77, 126, 96, 70));
  place(m_statusNumber, "statusNumber", DialogRect(7, 242, 26, 12));
  place(m_statusText, "statusText", DialogRect(34, 242, 26, 12));
  place(m_rootList, "rootList", DialogRect(31, 126, 42, 71));
  place(m_arpeggioList, "arpeggioList", DialogRect(255, 126, 64, 65));
  place(m_fromFretList, "fromFretList", DialogRect(325, 126, 32, 69));
  place(m_toFretList, "toFretList", DialogRect(361, 126, 32, 69));
  label("Select Root", DialogRect(31, 111, 41, 11), Qt::AlignHCenter);
  label("Double click a scale      or", DialogRect(83, 110, 96, 12), Qt::AlignLeft);
  label("An arpeggio ", DialogRect(255, 110, 63, 8), Qt::AlignHCenter);
  label("Between frets", DialogRect(327, 111, 66, 10), Qt::AlignHCenter);
  place(m_chordList, "chordList", DialogRect(182, 126, 64, 65));
  label("A Chord       or", DialogRect(182, 111, 63, 8), Qt::AlignHCenter);

  QWidget* tabOrder[] = {&m_scaleList, &m_statusNumber, &m_statusText, &m_rootList,
                         &m_arpeggioList, &m_fromFretList, &m_toFretList, &m_chordList};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  for (QLineEdit* field : {&m_statusNumber, &m_statusText}) {
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->setAttribute(Qt::WA_NoMousePropagation);
  }
  m_statusNumber.setAccessibleName(tr("Status number"));
  m_statusText.setAccessibleName(tr("Status text"));
  m_rootList.SetAccessibleNames(tr("Root"));
  m_scaleList.SetAccessibleNames(tr("Scale"));
  m_chordList.SetAccessibleNames(tr("Chord"));
  m_arpeggioList.SetAccessibleNames(tr("Arpeggio"));
  m_fromFretList.SetAccessibleNames(tr("From fret"));
  m_toFretList.SetAccessibleNames(tr("To fret"));

  // A list's notifications reach the command table with the list's id.
  const std::pair<CComboList*, int> lists[] = {
      {&m_scaleList, IDC_SCALE_LIST},         {&m_rootList, IDC_ROOT_LIST},
      {&m_arpeggioList, IDC_ARPEGGIO_LIST},   {&m_fromFretList, IDC_FROM_FRET_LIST},
      {&m_toFretList, IDC_TO_FRET_LIST},      {&m_chordList, IDC_CHORD_LIST},
  };
  for (auto [list, id] : lists) {
    const int listId = id;
    connect(list, &CComboList::Notify, this,
            [this, listId](int code) { Dispatch(Input::Command, code, listId); });
  }
}

void CFretboardDlg::OnInitDialog() {
  // List by list in the order scale, root, arpeggio, lower bound, upper
  // bound, chord; an entry's index is its table row or fret number.
  AddStrings(m_scaleList, kScaleTexts);
  AddStrings(m_rootList, kRootTexts);
  AddStrings(m_arpeggioList, kChordTexts);
  AddStrings(m_fromFretList, kFretTexts);
  AddStrings(m_toFretList, kFretTexts);
  AddStrings(m_chordList, kChordTexts);
  setWindowIcon(m_hIcon);
  m_bAutoRoot = 1;
  m_nNoteLength = 15;  // 150 ms
  g_stringCursor = 0;
  m_toFretList.SetCurSel(24);
  m_fromFretList.SetCurSel(0);
  m_nChordCount = 0;
  m_scaleList.setFocus();  // the first tab stop
}

void CFretboardDlg::OpenAtStart(const std::filesystem::path& file) {
  m_startFile = file;
  // Once the window is up, so that any message about the file has its parent.
  QTimer::singleShot(0, this, [this] { m_files.OpenFile(m_startFile); });
}

// ---- FretboardHost and SequenceHost

int CFretboardDlg::RootSelection() const { return m_rootList.GetCurSel(); }
int CFretboardDlg::FromFretSelection() const { return m_fromFretList.GetCurSel(); }
int CFretboardDlg::ToFretSelection() const { return m_toFretList.GetCurSel(); }
void CFretboardDlg::SelectFromFret(int index) { m_fromFretList.SetCurSel(index); }
void CFretboardDlg::SelectToFret(int index) { m_toFretList.SetCurSel(index); }

void CFretboardDlg::DrawMarker(StringIndex s, FretIndex f, int rootFlag) {
  if (!IsPosition(s, f)) return;
  m_view->AddMarker(s, f, rootFlag);
  // On screen now, before the note that follows it starts to sound.
  m_view->repaint();
}

void CFretboardDlg::ClearMarkers() {
  m_view->RemoveAllMarkers();
  m_view->repaint();
}

void CFretboardDlg::PlayNote(NoteNumber note, int length) { m_player.PlayNote(note, length); }

void CFretboardDlg::PlayChord(const Chord& notes, int length) { m_player.PlayChord(notes, length); }

// ---- Stopping and ending

Timing CFretboardDlg::StoppableTiming(Timing timing) {
  return Timing{std::move(timing.now),
                [this, wait = std::move(timing.waitUntil)](SoundClock::time_point deadline) {
                  if (m_bStopping) return false;
                  const bool whole = wait(deadline);
                  return whole && !m_bStopping;
                }};
}

void CFretboardDlg::Hold(HeldEvent held) {
  if (!m_pending.empty() && CInputHold::Supersedes(held, m_pending.back().held)) {
    m_pending.back().held = std::move(held);
    return;
  }
  m_pending.push_back({nullptr, {}, 0, std::move(held)});
}

bool CFretboardDlg::StopDisplay() {
  if (m_bStopping) return false;
  m_bStopping = true;
  // Clicked around while waiting: none of it is replayed as a burst of notes.
  m_pending.clear();
  StopWaiting();
  return true;
}

bool CFretboardDlg::ConfirmEnd() { return m_files.MaybeSave(); }

void CFretboardDlg::done(int result) {
  if (m_bBusy) {
    // A close request in the middle of an operation stops it, as Escape
    // does, and is answered once it has ended.
    StopDisplay();
    m_pending.push_back({nullptr, {}, result, {}});
    return;
  }
  if (!ConfirmEnd()) return;
  QDialog::done(result);
}

void CFretboardDlg::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (plain) {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        accept();  // ends the dialog, as the window has no buttons
        return;
      case Qt::Key_Escape:
        // A key held down after it stopped a display does not go on to
        // close the window.
        if (!event->isAutoRepeat()) reject();
        return;
      case Qt::Key_F1:
        SendCommand(ID_HELP);
        return;
      default:
        break;
    }
  }
  QDialog::keyPressEvent(event);
}

}  // namespace fretlab
