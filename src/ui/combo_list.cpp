#include "ui/combo_list.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "ui/command_ids.h"

namespace fretlab {

namespace {
constexpr int kEditHeight = 20;  // pixels; the list fills the rest of the control
}

CComboList::CComboList(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this)) {
  // Like a simple always-open combo box, the keyboard stays in the edit
  // field; the arrow keys there move the list's selection.
  m_list->setFocusPolicy(Qt::NoFocus);
  m_list->setSortingEnabled(false);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setUniformItemSizes(true);
  setFocusProxy(m_edit);
  // Presses and moves over a list never reach the window's own handlers.
  setAttribute(Qt::WA_NoMousePropagation);

  // A click on an entry puts the keyboard in this control's field.
  connect(m_list, &QListWidget::pressed, m_edit, [this] { m_edit->setFocus(Qt::MouseFocusReason); });
  connect(m_list, &QListWidget::currentRowChanged, this, &CComboList::OnListRowChanged);
  connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem*) {
    if (!m_quiet) emit Notify(CBN_SELENDOK);
  });
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
    emit Notify(CBN_DBLCLK);
  });
  // textEdited fires for the user's typing only, not for SetCurSel.
  connect(m_edit, &QLineEdit::textEdited, this, &CComboList::OnEditTextEdited);
  m_edit->installEventFilter(this);
}

void CComboList::AddString(const QString& text) { m_list->addItem(text); }

int CComboList::GetCount() const { return m_list->count(); }

QString CComboList::GetLBText(int index) const {
  const QListWidgetItem* item = m_list->item(index);
  return item ? item->text() : QString();
}

int CComboList::GetCurSel() const {
  const int row = m_list->currentRow();
  if (row < 0 || !m_list->item(row)->isSelected()) return -1;
  return row;
}

void CComboList::SetCurSel(int index) {
  SelectQuietly(index);
  m_edit->setText(GetCurSel() >= 0 ? GetLBText(index) : QString());
}

QString CComboList::GetWindowText() const { return m_edit->text(); }

void CComboList::SetAccessibleNames(const QString& name) {
  setAccessibleName(name);
  m_edit->setAccessibleName(name);
  m_edit->setAccessibleDescription(tr("Type to choose from the list below"));
  m_list->setAccessibleName(name + tr(" choices"));
}

QRect CComboList::EntryRect(int index) const {
  const QRect inViewport = m_list->visualItemRect(m_list->item(index));
  return inViewport.translated(m_list->viewport()->mapTo(this, QPoint(0, 0)));
}

void CComboList::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_edit->setGeometry(0, 0, width(), kEditHeight);
  m_list->setGeometry(0, kEditHeight, width(), std::max(0, height() - kEditHeight));
}

bool CComboList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_edit && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      if (key->key() == Qt::Key_Down) {
        MoveSelection(1);
        return true;
      }
      if (key->key() == Qt::Key_Up) {
        MoveSelection(-1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CComboList::OnListRowChanged(int row) {
  if (m_quiet) return;
  m_edit->setText(GetLBText(row));
  emit Notify(CBN_SELCHANGE);
}

void CComboList::OnEditTextEdited(const QString& text) {
  int match = -1;
  if (!text.isEmpty()) {
    for (int i = 0; i < m_list->count(); ++i) {
      if (m_list->item(i)->text().startsWith(text, Qt::CaseInsensitive)) {
        match = i;
        break;
      }
    }
  }
  SelectQuietly(match);
  if (match >= 0) m_list->scrollToItem(m_list->item(match));
  emit Notify(CBN_EDITCHANGE);
}

void CComboList::SelectQuietly(int index) {
  m_quiet = true;
  if (index >= 0 && index < m_list->count()) {
    m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  } else {
    m_list->setCurrentRow(-1, QItemSelectionModel::Clear);
    m_list->clearSelection();
  }
  m_quiet = false;
}

void CComboList::MoveSelection(int step) {
  if (m_list->count() == 0) return;
  const int current = GetCurSel();
  const int next = current < 0 ? 0 : std::clamp(current + step, 0, m_list->count() - 1);
  if (next == current) return;
  SelectQuietly(next);
  m_list->scrollToItem(m_list->item(next));
  m_edit->setText(GetLBText(next));
  emit Notify(CBN_SELCHANGE);
}

}  // namespace fretlab
