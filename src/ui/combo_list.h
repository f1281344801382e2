#pragma once
// An always-open list: an edit field above a list of entries that keep the
// order in which they were added. The selection is an entry index, -1 for
// none. User actions are reported as notification codes (CBN_...), which the
// dialog routes through its command table; programmatic changes report
// nothing.

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace fretlab {

class CComboList : public QWidget {
  Q_OBJECT

 public:
  explicit CComboList(QWidget* parent = nullptr);

  void AddString(const QString& text);
  int GetCount() const;
  QString GetLBText(int index) const;
  int GetCurSel() const;
  // Selects `index` and shows its text in the edit field; -1 or an index out
  // of range selects nothing and empties the field.
  void SetCurSel(int index);
  // The control's text, which is the text of its edit field.
  QString GetWindowText() const;

  // Names the control and its two parts for assistive technology.
  void SetAccessibleNames(const QString& name);

  QLineEdit* Edit() const { return m_edit; }
  QListWidget* List() const { return m_list; }
  // The area of entry `index` in this control's coordinates.
  QRect EntryRect(int index) const;

 signals:
  void Notify(int code);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnListRowChanged(int row);
  void OnEditTextEdited(const QString& text);
  void SelectQuietly(int index);
  void MoveSelection(int step);

  QLineEdit* m_edit;
  QListWidget* m_list;
  bool m_quiet = false;  // set while the control itself changes the selection
};

}  // namespace fretlab
