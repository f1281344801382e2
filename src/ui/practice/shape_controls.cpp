#include "ui/practice/shape_controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QStandardItemModel>

#include "practice/view_shapes.h"

namespace fretlab {

namespace {

constexpr PositionSystem kSystems[] = {PositionSystem::kCaged, PositionSystem::kThreeNotesPerString,
                                       PositionSystem::kPentatonicBox};

int FirstNumber(PositionSystem system) { return system == PositionSystem::kCaged ? 0 : 1; }

// The rows of a combo box's model, to enable and explain one by one.
void EnableRow(QComboBox* box, int row, bool enabled, const QString& why) {
  auto* model = qobject_cast<QStandardItemModel*>(box->model());
  if (model == nullptr) return;
  QStandardItem* item = model->item(row);
  item->setEnabled(enabled);
  item->setToolTip(enabled ? QString() : why);
}

}  // namespace

ShapeControls::ShapeControls(QFormLayout* form, QWidget* parent) : QObject(parent) {
  m_position = new QComboBox(parent);
  m_position->setAccessibleName(tr("Position"));
  m_position->addItem(tr("All"));
  for (PositionSystem system : kSystems) {
    for (int n = FirstNumber(system); n < FirstNumber(system) + PositionCount(system); ++n) {
      m_position->addItem(QString::fromStdString(PositionName(system, n)));
    }
  }
  m_position->setMaxVisibleItems(m_position->count());
  form->addRow(tr("Position:"), m_position);
  m_triads = new QComboBox(parent);
  m_triads->setAccessibleName(tr("Triads on strings"));
  form->addRow(tr("Triads on:"), m_triads);
  m_why = new QLabel(parent);
  m_why->setWordWrap(true);
  m_why->setStyleSheet(QStringLiteral("color: #a00000"));
  m_why->hide();
  form->addRow(m_why);

  connect(m_position, &QComboBox::currentIndexChanged, this, [this](int row) {
    if (!m_showing) emit positionChosen(PositionOfRow(row));
  });
  connect(m_triads, &QComboBox::currentIndexChanged, this, [this](int row) {
    if (!m_showing) emit triadsChosen(row <= 0 ? std::nullopt : std::optional<StringIndex>(row - 1));
  });
}

std::optional<PositionChoice> ShapeControls::PositionOfRow(int row) {
  int first = 1;
  for (PositionSystem system : kSystems) {
    if (row >= first && row < first + PositionCount(system)) {
      return PositionChoice{system, FirstNumber(system) + row - first};
    }
    first += PositionCount(system);
  }
  return std::nullopt;
}

int ShapeControls::RowOfPosition(const std::optional<PositionChoice>& position) {
  if (!position) return 0;
  int first = 1;
  for (PositionSystem system : kSystems) {
    if (system == position->system) return first + position->number - FirstNumber(system);
    first += PositionCount(system);
  }
  return 0;
}

void ShapeControls::enableRows(const PracticeView& view) {
  int first = 1;
  for (PositionSystem system : kSystems) {
    PracticeView tried = view;
    tried.position = PositionChoice{system, FirstNumber(system)};
    const QString why = QString::fromStdString(PositionUnavailable(tried));
    for (int row = first; row < first + PositionCount(system); ++row) {
      EnableRow(m_position, row, why.isEmpty(), why);
    }
    first += PositionCount(system);
  }
  PracticeView triads = view;
  triads.triadStrings = 0;
  const QString why = QString::fromStdString(TriadsUnavailable(triads));
  for (int row = 1; row < m_triads->count(); ++row) EnableRow(m_triads, row, why.isEmpty(), why);
}

void ShapeControls::show(const PracticeView& view) {
  m_showing = true;
  const int sets = view.tuning.StringCount() - 2;
  if (m_triads->count() != sets + 1) {
    m_triads->clear();
    m_triads->addItem(tr("Off"));
    for (StringIndex top = 0; top < sets; ++top) {
      m_triads->addItem(tr("strings %1").arg(QString::fromStdString(TriadStringsText(top))));
    }
  }
  enableRows(view);
  m_position->setCurrentIndex(RowOfPosition(view.position));
  m_triads->setCurrentIndex(view.triadStrings && *view.triadStrings < sets ? *view.triadStrings + 1 : 0);
  // A choice the view cannot show any more says why, in one line.
  const std::string why = view.triadStrings ? TriadsUnavailable(view) : PositionUnavailable(view);
  m_why->setText(QString::fromStdString(why));
  m_why->setAccessibleDescription(m_why->text());
  m_why->setVisible(!why.empty());
  m_showing = false;
}

}  // namespace fretlab
