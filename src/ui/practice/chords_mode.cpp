#include "ui/practice/chords_mode.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "practice/voicing_view.h"
#include "ui/practice/neck_widget.h"

namespace fretlab {

namespace {

const QString kSymbolKey = QStringLiteral("Practice/chordSymbol");

}  // namespace

ChordsMode::ChordsMode(PracticeHost& host) : PracticeMode(host) {}

QWidget* ChordsMode::page() {
  if (m_page != nullptr) return m_page;
  m_page = new QWidget;
  auto* layout = new QVBoxLayout(m_page);
  auto* help = new QLabel(tr("Type a chord symbol; every voicing in the tuning and capo shows, the "
                             "common shapes first. Click one to see it on the neck and hear it."),
                          m_page);
  help->setWordWrap(true);
  layout->addWidget(help);
  m_symbol = new QLineEdit(m_page);
  m_symbol->setAccessibleName(tr("Chord symbol"));
  m_symbol->setPlaceholderText(QStringLiteral("Cmaj7, G7b9, D/F#, Am7/G"));
  m_symbol->setText(host().settings().value(kSymbolKey, QStringLiteral("C")).toString());
  layout->addWidget(m_symbol);
  m_status = new QLabel(m_page);
  m_status->setWordWrap(true);
  m_status->setAccessibleName(tr("Voicings found"));
  layout->addWidget(m_status);
  m_list = new QListWidget(m_page);
  m_list->setAccessibleName(tr("Voicings"));
  QFont fixed = m_list->font();
  fixed.setFamily(QStringLiteral("monospace"));
  fixed.setStyleHint(QFont::Monospace);
  m_list->setFont(fixed);
  layout->addWidget(m_list, 1);
  m_toLab = new QPushButton(tr("Open in Chord lab"), m_page);
  m_toLab->setAccessibleName(tr("Open in Chord lab"));
  layout->addWidget(m_toLab);

  connect(m_symbol, &QLineEdit::editingFinished, this, &ChordsMode::rebuild);
  connect(m_list, &QListWidget::currentRowChanged, this, &ChordsMode::selectionChanged);
  // A click strums even the row already chosen.
  connect(m_list, &QListWidget::itemClicked, this, [this] { strum(); });
  connect(m_toLab, &QPushButton::clicked, this, [this] {
    if (const Voicing* v = selected()) emit openInChordLab(v->frets);
  });
  rebuild();
  return m_page;
}

void ChordsMode::rebuild() {
  const PracticeView view = host().view();
  m_tuning = view.tuning;
  m_capo = view.capo;
  const std::string text = m_symbol->text().trimmed().toStdString();
  host().settings().setValue(kSymbolKey, m_symbol->text().trimmed());
  std::string why;
  m_chord = text.empty() ? std::nullopt : ParseChordSymbol(text, &why);
  m_voicings.clear();
  if (text.empty()) {
    m_status->setText(tr("Type a chord symbol such as Cmaj7."));
  } else if (!m_chord) {
    m_status->setText(tr("Not a chord symbol: %1.").arg(QString::fromStdString(why)));
  } else {
    VoicingResult found = FindVoicings(*m_chord, ViewVoicingQuery(view), kShownVoicings);
    m_voicings = std::move(found.voicings);
    const QString symbol = QString::fromStdString(m_chord->Symbol());
    if (m_voicings.empty()) {
      m_status->setText(QString::fromStdString(found.none));
    } else if (found.total > m_voicings.size()) {
      m_status->setText(tr("%1: the first %2 of %3 voicings").arg(symbol).arg(m_voicings.size()).arg(found.total));
    } else {
      m_status->setText(tr("%1: %n voicing(s)", nullptr, static_cast<int>(found.total)).arg(symbol));
    }
  }
  m_status->setAccessibleDescription(m_status->text());
  const QSignalBlocker quiet(m_list);
  m_list->clear();
  for (const Voicing& v : m_voicings) m_list->addItem(QString::fromStdString(VoicingRow(v)));
  m_toLab->setEnabled(false);
  if (isActive()) showOnNeck();
}

const Voicing* ChordsMode::selected() const {
  const int row = m_list == nullptr ? -1 : m_list->currentRow();
  if (row < 0 || row >= static_cast<int>(m_voicings.size())) return nullptr;
  return &m_voicings[row];
}

void ChordsMode::selectionChanged() {
  m_toLab->setEnabled(selected() != nullptr);
  if (isActive()) showOnNeck();
}

void ChordsMode::showOnNeck() {
  const PracticeView view = host().view();
  if (m_page != nullptr && (view.tuning != m_tuning || view.capo != m_capo)) {
    rebuild();
    return;
  }
  const Voicing* v = selected();
  host().neck().setMarks(v != nullptr && m_chord ? VoicingMarks(view, *m_chord, *v) : std::vector<NeckMark>{});
  host().neck().setMuted(v != nullptr ? VoicingMutes(*v) : std::vector<StringIndex>{});
}

void ChordsMode::positionClicked(Position position) {
  if (position.fret < host().view().capo) return;  // behind the capo nothing sounds
  host().soundPosition(position);
}

// With no voicing chosen the neck is empty, and so is the sound.
bool ChordsMode::play() {
  if (const Voicing* v = selected()) host().playPositions(VoicingStrum(*v));
  return true;
}

bool ChordsMode::strum() {
  if (const Voicing* v = selected()) host().strumPositions(VoicingStrum(*v));
  return true;
}

}  // namespace fretlab
