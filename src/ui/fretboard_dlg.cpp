#include "ui/fretboard_dlg.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "sequence/sequence_file.h"
#include "theory/tables.h"
#include "ui/dialog_units.h"
#include "ui/fretboard_app.h"
#include "ui/fretboard_view.h"
#include "ui/resources.h"

namespace fretlab {

namespace {

// The client area under the menu bar, 425 x 261 dialog units.
constexpr QSize kClientSize{DialogUnitsToPixelsX(425), DialogUnitsToPixelsY(261)};
constexpr int kListTextChars = 19;  // a list's text is read into 20 characters

// The window's own surface: every control sits on it at its client pixel
// rectangle, and the presses and moves that no control takes (the picture
// and the labels let them through) arrive here in client pixels.
class CClientArea : public QWidget {
 public:
  CClientArea(CFretboardDlg& dialog, QWidget* parent) : QWidget(parent), m_dialog(dialog) {
    setFixedSize(kClientSize);
    setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    m_dialog.Dispatch(Message::MouseMove, 0, 0, event->position().toPoint());
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    m_dialog.Dispatch(Message::LButtonDown, 0, 0, event->position().toPoint());
  }
  // The second press of a double-click is a message of its own, which the
  // window does not handle: one pick per double-click.
  void mouseDoubleClickEvent(QMouseEvent*) override {}

 private:
  CFretboardDlg& m_dialog;
};

using D = CFretboardDlg;

// The command table. Each row binds a message, a notification code and an id
// to the member that handles it; the first matching row wins, and no two
// rows overlap. Menu commands have code 0; list notifications carry the
// list's id. Painting is the view's own (fretboard_view.cpp).
constexpr MessageMapEntry kMessageMap[] = {
    {Message::MouseMove, 0, 0, nullptr, &D::OnMouseMove},
    {Message::Command, CBN_SELCHANGE, IDC_SCALE_LIST, &D::OnScaleSelChange, nullptr},
    {Message::Command, CBN_EDITCHANGE, IDC_SCALE_LIST, &D::OnScaleEditChange, nullptr},
    {Message::Command, CBN_DBLCLK, IDC_SCALE_LIST, &D::OnScaleDblClk, nullptr},
    {Message::Command, CBN_DBLCLK, IDC_ARPEGGIO_LIST, &D::OnArpeggioDblClk, nullptr},
    {Message::Command, 0, ID_TEMPO_FAST, &D::OnTempoFast, nullptr},
    {Message::Command, 0, ID_TEMPO_SLOW, &D::OnTempoSlow, nullptr},
    {Message::Command, 0, ID_SOUND_OFF, &D::OnSoundOff, nullptr},
    {Message::Command, 0, ID_POSITION_AUTO_ROOT, &D::OnPositionAutoRoot, nullptr},
    {Message::Command, 0, ID_POSITION_SHOW_ALL, &D::OnPositionShowAll, nullptr},
    {Message::Command, CBN_DBLCLK, IDC_CHORD_LIST, &D::OnChordDblClk, nullptr},
    {Message::LButtonDown, 0, 0, nullptr, &D::OnLButtonDown},
    {Message::Command, 0, ID_ACTION_CLEAR, &D::OnActionClear, nullptr},
    {Message::Command, 0, ID_FILE_OPEN, &D::LoadSequence, nullptr},
    {Message::Command, 0, ID_PLAY_CHORD, &D::OnPlayChord, nullptr},
    {Message::Command, 0, ID_PLAY_ALL, &D::OnPlayAll, nullptr},
    {Message::Command, 0, ID_FILE_NEW, &D::OnFileNew, nullptr},
    {Message::Command, 0, ID_ADD_WHOLE, &D::OnAddWhole, nullptr},
    {Message::Command, 0, ID_ADD_HALF, &D::OnAddHalf, nullptr},
    {Message::Command, 0, ID_ADD_QUARTER, &D::OnAddQuarter, nullptr},
    {Message::Command, 0, ID_ADD_EIGHTH, &D::OnAddEighth, nullptr},
    {Message::Command, 0, ID_ADD_SIXTEENTH, &D::OnAddSixteenth, nullptr},
    {Message::Command, 0, ID_ADD_DOTTED_HALF, &D::OnAddDottedHalf, nullptr},
    {Message::Command, 0, ID_ADD_DOTTED_QUARTER, &D::OnAddDottedQuarter, nullptr},
    {Message::Command, 0, ID_ADD_DOTTED_EIGHTH, &D::OnAddDottedEighth, nullptr},
    {Message::Command, 0, ID_SAVE_AS, &D::SaveSequence, nullptr},
};

struct MenuEntry {
  const char* text;
  int id;
};

constexpr std::array<MenuEntry, 5> kFileMenu = {{
    {"Close", ID_APP_EXIT},
    {"New", ID_FILE_NEW},
    {"Open", ID_FILE_OPEN},
    {"Save As", ID_SAVE_AS},
    {"", ID_FILE_EMPTY},
}};
constexpr std::array<MenuEntry, 2> kTempoMenu = {{{"Fast", ID_TEMPO_FAST}, {"Slow", ID_TEMPO_SLOW}}};
constexpr std::array<MenuEntry, 2> kSoundMenu = {{{"On", ID_TEMPO_FAST}, {"Off", ID_SOUND_OFF}}};
constexpr std::array<MenuEntry, 2> kPositionMenu = {
    {{"Auto Root ", ID_POSITION_AUTO_ROOT}, {"Show all notes", ID_POSITION_SHOW_ALL}}};
constexpr std::array<MenuEntry, 2> kPlayMenu = {{{"Chord", ID_PLAY_CHORD}, {"Play All", ID_PLAY_ALL}}};
// Two groups, the dotted values with the sixteenth after a separator.
constexpr std::array<MenuEntry, 4> kAddChordFirstGroup = {{
    {"whole note", ID_ADD_WHOLE},
    {"half note", ID_ADD_HALF},
    {"quarter note", ID_ADD_QUARTER},
    {"1/8 note", ID_ADD_EIGHTH},
}};
constexpr std::array<MenuEntry, 4> kAddChordSecondGroup = {{
    {"1/16 note", ID_ADD_SIXTEENTH},
    {"dotted half", ID_ADD_DOTTED_HALF},
    {"dotted quarter", ID_ADD_DOTTED_QUARTER},
    {"dotted 1/8", ID_ADD_DOTTED_EIGHTH},
}};
constexpr std::array<MenuEntry, 3> kActionTail = {
    {{"Copy", ID_ACTION_COPY}, {"Remove", ID_ACTION_REMOVE}, {"Clear", ID_ACTION_CLEAR}}};

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CFretboardDlg::CFretboardDlg(MidiOutput& output, Timing timing, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_player(output, std::move(timing)) {
  InitResources();
  m_hIcon.addFile(QStringLiteral(":/icons/fretlab-16.png"));
  m_hIcon.addFile(QStringLiteral(":/icons/fretlab.png"));
  m_hIcon.addFile(QStringLiteral(":/icons/fretlab-64.png"));
  setWindowTitle(QStringLiteral("Fretlab"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  m_menuBar = new QMenuBar(this);
  m_menuBar->setNativeMenuBar(false);
  layout->setMenuBar(m_menuBar);
  m_client = new CClientArea(*this, this);
  layout->addWidget(m_client);

  BuildMenu();
  BuildControls();
  OnInitDialog();
}

CFretboardDlg::~CFretboardDlg() = default;

void CFretboardDlg::BuildMenu() {
  auto addEntries = [this](QMenu* menu, auto const& entries) {
    for (const MenuEntry& entry : entries) {
      QAction* action = menu->addAction(QString::fromUtf8(entry.text));
      action->setData(entry.id);
      action->setMenuRole(QAction::NoRole);
      const int id = entry.id;
      connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
    }
  };
  addEntries(m_menuBar->addMenu(QStringLiteral("File")), kFileMenu);
  addEntries(m_menuBar->addMenu(QStringLiteral("Tempo")), kTempoMenu);
  addEntries(m_menuBar->addMenu(QStringLiteral("Sound")), kSoundMenu);
  addEntries(m_menuBar->addMenu(QStringLiteral("Position")), kPositionMenu);
  QMenu* action = m_menuBar->addMenu(QStringLiteral("Action"));
  addEntries(action->addMenu(QStringLiteral("Play")), kPlayMenu);
  QMenu* addChord = action->addMenu(QStringLiteral("Add Chord"));
  addEntries(addChord, kAddChordFirstGroup);
  addChord->addSeparator();
  addEntries(addChord, kAddChordSecondGroup);
  addEntries(action, kActionTail);
}

void CFretboardDlg::BuildControls() {
  QFont font = m_client->font();
  font.setPixelSize(11);  // the template's 8-point font at 96 dots per inch
  m_client->setFont(font);

  auto place = [this](QWidget& control, QRect rect) {
    control.setParent(m_client);
    control.setGeometry(rect);
  };
  auto label = [this](const char* caption, QRect rect, Qt::Alignment alignment) {
    auto* text = new QLabel(QString::fromUtf8(caption), m_client);
    text->setGeometry(rect);
    text->setAlignment(alignment | Qt::AlignTop);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
  };
  // Template order, which is also the stacking and tab order.
  m_view = new CFretboardView(m_client);
  m_view->move(kPictureOrigin);
  place(m_scaleList, DialogRect(77, 126, 96, 70));
  place(m_statusNumber, DialogRect(7, 242, 26, 12));
  place(m_statusText, DialogRect(34, 242, 26, 12));
  place(m_rootList, DialogRect(31, 126, 42, 71));
  place(m_arpeggioList, DialogRect(255, 126, 64, 65));
  place(m_fromFretList, DialogRect(325, 126, 32, 69));
  place(m_toFretList, DialogRect(361, 126, 32, 69));
  label("Select Root", DialogRect(31, 111, 41, 11), Qt::AlignHCenter);
  label("Double click a scale      or", DialogRect(83, 110, 96, 12), Qt::AlignLeft);
  label("An arpeggio ", DialogRect(255, 110, 63, 8), Qt::AlignHCenter);
  label("Between frets", DialogRect(327, 111, 66, 10), Qt::AlignHCenter);
  place(m_chordList, DialogRect(182, 126, 64, 65));
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

  const std::pair<CComboList*, int> lists[] = {
      {&m_scaleList, IDC_SCALE_LIST},         {&m_rootList, IDC_ROOT_LIST},
      {&m_arpeggioList, IDC_ARPEGGIO_LIST},   {&m_fromFretList, IDC_FROM_FRET_LIST},
      {&m_toFretList, IDC_TO_FRET_LIST},      {&m_chordList, IDC_CHORD_LIST},
  };
  for (auto [list, id] : lists) {
    const int controlId = id;
    connect(list, &CComboList::Notify, this,
            [this, controlId](int code) { Dispatch(Message::Command, code, controlId); });
  }
}

void CFretboardDlg::FillLists() {
  // List by list in the order scale, root, arpeggio, lower bound, upper
  // bound, chord; an entry's index is its table row or fret number.
  for (std::string_view text : kScaleTexts) m_scaleList.AddString(Text(text));
  for (std::string_view text : kRootTexts) m_rootList.AddString(Text(text));
  for (std::string_view text : kChordTexts) m_arpeggioList.AddString(Text(text));
  for (std::string_view text : kFretTexts) m_fromFretList.AddString(Text(text));
  for (std::string_view text : kFretTexts) m_toFretList.AddString(Text(text));
  for (std::string_view text : kChordTexts) m_chordList.AddString(Text(text));
}

void CFretboardDlg::OnInitDialog() {
  FillLists();
  setWindowIcon(m_hIcon);
  m_bAutoRoot = 1;
  m_nNoteLength = 15;  // 150 ms
  g_stringCursor = 0;
  m_toFretList.SetCurSel(24);
  m_fromFretList.SetCurSel(0);
  m_nChordCount = 0;
  m_scaleList.setFocus();  // the first tab stop
}

const MessageMapEntry* CFretboardDlg::FindEntry(Message message, int code, int id) {
  for (const MessageMapEntry& entry : kMessageMap) {
    if (entry.message != message) continue;
    if (message == Message::Command && (entry.code != code || entry.id != id)) continue;
    return &entry;
  }
  return nullptr;
}

void CFretboardDlg::Dispatch(Message message, int code, int id, QPoint point) {
  const MessageMapEntry* entry = FindEntry(message, code, id);
  if (entry == nullptr) {
    // Menu commands that the window does not hold go on to the application.
    if (message == Message::Command && code == 0) CFretboardApp::OnCmdMsg(id, this);
    return;
  }
  if (m_bBusy) {
    // Only input delivered past the event loop's filter lands here (the
    // waits between notes hold user input back); it waits its turn too.
    m_pending.push_back({message, code, id, point, -1});
    return;
  }
  Run(*entry, point);
  RunPending();
}

void CFretboardDlg::Run(const MessageMapEntry& entry, QPoint point) {
  struct BusyScope {
    bool& busy;
    explicit BusyScope(bool& b) : busy(b) { busy = true; }
    ~BusyScope() { busy = false; }
  } scope(m_bBusy);
  if (entry.command != nullptr) {
    (this->*entry.command)();
  } else if (entry.mouse != nullptr) {
    (this->*entry.mouse)(point);
  }
}

void CFretboardDlg::RunPending() {
  while (!m_bBusy && !m_pending.empty()) {
    const PendingMessage next = m_pending.front();
    m_pending.pop_front();
    if (next.endResult >= 0) {
      done(next.endResult);
      if (!isVisible()) {
        m_pending.clear();  // the window is gone; nothing left is for it
        return;
      }
      continue;
    }
    if (const MessageMapEntry* entry = FindEntry(next.message, next.code, next.id)) {
      Run(*entry, next.point);
    }
  }
}

void CFretboardDlg::OpenAtStart(const QString& path) {
  m_startFile = path;
  // Once the window is up, so that any message about the file has its parent.
  QTimer::singleShot(0, this, [this] { LoadSequenceFile(m_startFile); });
}

// ---- FretboardHost and SequenceHost

int CFretboardDlg::RootSelection() const { return m_rootList.GetCurSel(); }
int CFretboardDlg::FromFretSelection() const { return m_fromFretList.GetCurSel(); }
int CFretboardDlg::ToFretSelection() const { return m_toFretList.GetCurSel(); }
int CFretboardDlg::AutoRoot() const { return m_bAutoRoot; }
int CFretboardDlg::NoteLength() const { return m_nNoteLength; }

void CFretboardDlg::DrawMarker(StringIndex s, FretIndex f, int rootFlag) {
  if (!IsPosition(s, f)) return;
  m_view->AddMarker(s, f, rootFlag);
  // On screen now, before the note that follows it starts to sound.
  m_view->repaint();
}

void CFretboardDlg::PlayNote(NoteNumber note, int length) { m_player.PlayNote(note, length); }

void CFretboardDlg::PlayChord(const Chord& notes, int length) {
  m_player.PlayChord(notes, length);
}

void CFretboardDlg::SetAutoRoot(int autoRoot) { m_bAutoRoot = autoRoot; }
void CFretboardDlg::SelectFromFret(int index) { m_fromFretList.SetCurSel(index); }
void CFretboardDlg::SelectToFret(int index) { m_toFretList.SetCurSel(index); }
void CFretboardDlg::SetNoteLength(int length) { m_nNoteLength = length; }

void CFretboardDlg::ClearMarkers() {
  m_view->RemoveAllMarkers();
  m_view->repaint();
}

QAction* CFretboardDlg::ActionById(int id, int occurrence) const {
  for (QAction* action : m_menuBar->findChildren<QAction*>()) {
    if (!action->isSeparator() && action->menu() == nullptr && action->data().toInt() == id &&
        occurrence-- == 0) {
      return action;
    }
  }
  return nullptr;
}

// ---- Handlers

void CFretboardDlg::OnMouseMove(QPoint point) {
  m_statusNumber.setText(QString::asprintf("%i", point.x()));
  m_statusText.setText(QString::asprintf("%i", point.y()));
}

void CFretboardDlg::OnLButtonDown(QPoint point) {
  PickNote(*this, point.x(), point.y(), m_nChordCount);
}

QString CFretboardDlg::ListText(const CComboList& list) {
  return list.GetWindowText().left(kListTextChars);
}

void CFretboardDlg::StatusReport(int index, const QString& text) {
  m_statusNumber.setText(QString::asprintf("%i", index));
  m_statusText.setText(text);
}

void CFretboardDlg::OnScaleSelChange() {
  const QString text = ListText(m_scaleList);
  m_statusText.setText(text);
  if (text == QStringLiteral("Mixolydian")) DrawMarker(5, 5, 0);
}

void CFretboardDlg::OnScaleEditChange() {
  ClearMarkers();
  const int root = m_rootList.GetCurSel();
  const int scale = m_scaleList.GetCurSel();
  // Typing shows the seven modes at once; the two minor scales only on a
  // double-click.
  if (scale >= 0 && scale <= 6) ShowScale(*this, scale, root);
  StatusReport(scale, ListText(m_scaleList));
}

void CFretboardDlg::ShowListChoice(const CComboList& list,
                                   void (*show)(FretboardHost&, int choice, int root)) {
  ClearMarkers();
  // The root first, then the list's own choice, both after the clear.
  const int root = m_rootList.GetCurSel();
  const int choice = list.GetCurSel();
  show(*this, choice, root);
  // Written once every note has sounded.
  StatusReport(choice, ListText(list));
}

void CFretboardDlg::OnScaleDblClk() { ShowListChoice(m_scaleList, &ShowScale); }
void CFretboardDlg::OnArpeggioDblClk() { ShowListChoice(m_arpeggioList, &ShowArpeggio); }
void CFretboardDlg::OnChordDblClk() { ShowListChoice(m_chordList, &ShowChord); }

void CFretboardDlg::OnTempoFast() { m_nNoteLength = 5; }
void CFretboardDlg::OnTempoSlow() { m_nNoteLength = 20; }
void CFretboardDlg::OnSoundOff() { m_nNoteLength = 0; }
void CFretboardDlg::OnPositionAutoRoot() { m_bAutoRoot = 1; }
void CFretboardDlg::OnPositionShowAll() { m_bAutoRoot = 0; }

void CFretboardDlg::OnActionClear() { ClearChord(*this); }
void CFretboardDlg::OnPlayChord() { PlayCurrentChord(*this); }
void CFretboardDlg::OnPlayAll() { PlayAll(*this, m_nChordCount); }
void CFretboardDlg::OnFileNew() { NewSequence(*this, m_nChordCount); }

void CFretboardDlg::AddChordWithLength(int length) {
  m_nNoteLength = length;
  if (AddChord(*this, m_nChordCount) == AddChordResult::SequenceFull) {
    ShowSequenceFull();
    return;
  }
  m_bSequenceChanged = true;
}

void CFretboardDlg::OnAddWhole() { AddChordWithLength(kWholeNote); }
void CFretboardDlg::OnAddHalf() { AddChordWithLength(kHalfNote); }
void CFretboardDlg::OnAddQuarter() { AddChordWithLength(kQuarterNote); }
void CFretboardDlg::OnAddEighth() { AddChordWithLength(kEighthNote); }
void CFretboardDlg::OnAddSixteenth() { AddChordWithLength(kSixteenthNote); }
void CFretboardDlg::OnAddDottedHalf() { AddChordWithLength(kDottedHalf); }
void CFretboardDlg::OnAddDottedQuarter() { AddChordWithLength(kDottedQuarter); }
void CFretboardDlg::OnAddDottedEighth() { AddChordWithLength(kDottedEighth); }

void CFretboardDlg::ShowSequenceFull() {
  QMessageBox::warning(this, QStringLiteral("Fretlab"),
                       tr("The sequence is full: it holds %1 chords, the most it can hold. "
                          "This chord was not added.")
                           .arg(kMaxChords));
}

// ---- Sequence files

namespace {

constexpr char kOpenFilter[] = "FBS files (*.fbs)";
constexpr char kSaveFilter[] = "FBS files (*.fbs);;All files (*.*)";

// File names go to the file layer in the encoding of the file system.
std::filesystem::path ToPath(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}
QString FromPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace

void CFretboardDlg::LoadSequence() {
  const QString name = AskOpenFileName();
  if (name.isEmpty()) return;
  LoadSequenceFile(name);
}

void CFretboardDlg::SaveSequence() {
  const QString name = AskSaveFileName();
  if (name.isEmpty()) return;
  SaveSequenceFile(name);
}

bool CFretboardDlg::LoadSequenceFile(const QString& path) {
  const FileOutcome outcome = fretlab::LoadSequenceFile(ToPath(path), m_nChordCount);
  if (!outcome) {
    ShowFileProblem(QString::fromStdString(outcome.message));
    return false;
  }
  m_bSequenceChanged = false;
  m_lastFolder = QFileInfo(path).absolutePath();
  return true;
}

bool CFretboardDlg::SaveSequenceFile(const QString& chosen) {
  const QString file = FromPath(SequenceFileName(ToPath(chosen)));
  if (QFileInfo::exists(file) && !AskReplace(file)) return false;
  const FileOutcome outcome = fretlab::SaveSequenceFile(ToPath(file), m_nChordCount);
  if (!outcome) {
    ShowFileProblem(QString::fromStdString(outcome.message));
    return false;
  }
  m_bSequenceChanged = false;
  m_lastFolder = QFileInfo(file).absolutePath();
  return true;
}

QString CFretboardDlg::AskOpenFileName() {
  return QFileDialog::getOpenFileName(this, tr("Open"), m_lastFolder, QString::fromLatin1(kOpenFilter));
}

QString CFretboardDlg::AskSaveFileName() {
  // The replace question comes after ".fbs" is appended, for the name that
  // is really written.
  return QFileDialog::getSaveFileName(this, tr("Save As"), m_lastFolder,
                                      QString::fromLatin1(kSaveFilter), nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

bool CFretboardDlg::AskReplace(const QString& file) {
  return QMessageBox::question(this, QStringLiteral("Fretlab"),
                               tr("\"%1\" already exists. Replace it?").arg(file),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

CFretboardDlg::UnsavedChoice CFretboardDlg::AskSaveChanges() {
  const auto answer = QMessageBox::question(
      this, QStringLiteral("Fretlab"),
      tr("The chord sequence has chords that are not saved. Save them before closing?"),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return UnsavedChoice::Save;
  if (answer == QMessageBox::Discard) return UnsavedChoice::Discard;
  return UnsavedChoice::Cancel;
}

void CFretboardDlg::ShowFileProblem(const QString& message) {
  QMessageBox::warning(this, QStringLiteral("Fretlab"), message);
}

// ---- Ending

bool CFretboardDlg::ConfirmEnd() {
  if (!HasUnsavedChords()) return true;
  switch (AskSaveChanges()) {
    case UnsavedChoice::Save: {
      // Ends only once the chords are safe; a cancelled or failed save keeps
      // the program running.
      const QString name = AskSaveFileName();
      return !name.isEmpty() && SaveSequenceFile(name);
    }
    case UnsavedChoice::Discard:
      return true;
    case UnsavedChoice::Cancel:
      break;
  }
  return false;
}

void CFretboardDlg::done(int result) {
  if (m_bBusy) {
    // Ending in the middle of an operation waits for it, like other input.
    m_pending.push_back({Message::Command, 0, 0, {}, result});
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
        accept();  // IDOK
        return;
      case Qt::Key_Escape:
        reject();  // IDCANCEL
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
